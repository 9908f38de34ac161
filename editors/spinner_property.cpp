#include "editors/spinner_property.h"

// Edits the value as text for now; the spin control comes with its own unit.
CSpinnerPropertyGridProperty::CSpinnerPropertyGridProperty(const CString& strLabel, int nUnit, int nValue,
                                                           TiXmlNode* pObjectNode, TiXmlNode* pAttrNode,
                                                           LPCTSTR lpszDescr, DWORD_PTR dwAttrNumber,
                                                           const CString& strAttrName, const CString& strHandle)
    : CEditorProperty(strLabel, COleVariant(nValue), pObjectNode, pAttrNode, lpszDescr, dwAttrNumber, strAttrName,
                      strHandle),
      m_nUnit(nUnit) {}
