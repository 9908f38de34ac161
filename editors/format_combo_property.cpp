#include "editors/format_combo_property.h"

// Edits the format as text for now; the format list comes with its own unit.
CFormatComboBoxExProp::CFormatComboBoxExProp(const CString& strLabel, const CString& strValue, TiXmlNode* pObjectNode,
                                             TiXmlNode* pAttrNode, LPCTSTR lpszDescr, DWORD_PTR dwAttrNumber,
                                             const CString& strAttrName, const CString& strHandle)
    : CEditorProperty(strLabel, COleVariant(strValue), pObjectNode, pAttrNode, lpszDescr, dwAttrNumber, strAttrName,
                      strHandle) {}
