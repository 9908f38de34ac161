#include "editors/combo_property.h"

// Edits the option as text for now; the host's option list comes with its own unit.
CComboPropertyGridProperty::CComboPropertyGridProperty(const CString& strLabel, const CString& strValue,
                                                       TiXmlNode* pObjectNode, TiXmlNode* pAttrNode,
                                                       LPCTSTR lpszDescr, DWORD_PTR dwAttrNumber,
                                                       const CString& strAttrName, const CString& strHandle)
    : CEditorProperty(strLabel, COleVariant(strValue), pObjectNode, pAttrNode, lpszDescr, dwAttrNumber, strAttrName,
                      strHandle) {}
