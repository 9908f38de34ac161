#include "editors/slider_property.h"

// Both forms edit the value as text for now; the measurement slider comes with its own unit.
CSliderPropertyGridProperty::CSliderPropertyGridProperty(const CString& strLabel, int nUnit, int nValue,
                                                         TiXmlNode* pObjectNode, TiXmlNode* pAttrNode,
                                                         LPCTSTR lpszDescr, DWORD_PTR dwAttrNumber,
                                                         const CString& strAttrName, const CString& strHandle)
    : CEditorProperty(strLabel, COleVariant(nValue), pObjectNode, pAttrNode, lpszDescr, dwAttrNumber, strAttrName,
                      strHandle),
      m_nUnit(nUnit) {}

CSliderPropertyGridProperty::CSliderPropertyGridProperty(const CString& strLabel, int nUnit, double dValue,
                                                         TiXmlNode* pObjectNode, TiXmlNode* pAttrNode,
                                                         LPCTSTR lpszDescr, DWORD_PTR dwAttrNumber,
                                                         const CString& strAttrName, const CString& strHandle)
    : CEditorProperty(strLabel, COleVariant(dValue), pObjectNode, pAttrNode, lpszDescr, dwAttrNumber, strAttrName,
                      strHandle),
      m_nUnit(nUnit) {}
