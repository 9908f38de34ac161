// CSpinnerPropertyGridProperty: the row of a count or size set with a spin control
// (numbers 9000-9007).
#pragma once

#include "editors/editor_property.h"

class CSpinnerPropertyGridProperty : public CEditorProperty {
public:
  CSpinnerPropertyGridProperty(const CString& strLabel, int nUnit, int nValue, TiXmlNode* pObjectNode,
                               TiXmlNode* pAttrNode, LPCTSTR lpszDescr, DWORD_PTR dwAttrNumber,
                               const CString& strAttrName, const CString& strHandle);

  int GetMeasurementUnit() const { return m_nUnit; }

private:
  int m_nUnit;
};
