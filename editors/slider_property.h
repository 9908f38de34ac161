// CSliderPropertyGridProperty: the row of a size, thickness, angle, percentage or position
// (numbers 4000-4054); the ternary range ends 4048-4053 hold a real.
#pragma once

#include "editors/editor_property.h"

class CSliderPropertyGridProperty : public CEditorProperty {
public:
  CSliderPropertyGridProperty(const CString& strLabel, int nUnit, int nValue, TiXmlNode* pObjectNode,
                              TiXmlNode* pAttrNode, LPCTSTR lpszDescr, DWORD_PTR dwAttrNumber,
                              const CString& strAttrName, const CString& strHandle);
  CSliderPropertyGridProperty(const CString& strLabel, int nUnit, double dValue, TiXmlNode* pObjectNode,
                              TiXmlNode* pAttrNode, LPCTSTR lpszDescr, DWORD_PTR dwAttrNumber,
                              const CString& strAttrName, const CString& strHandle);

  int GetMeasurementUnit() const { return m_nUnit; }

private:
  int m_nUnit;
};
