#include "editors/edit_property.h"

// A plain text edit for now; the numeric and rich-text editing comes with its own unit.
CEditPropertyGridProperty::CEditPropertyGridProperty(const CString& strLabel, const CString& strValue,
                                                     TiXmlNode* pObjectNode, TiXmlNode* pAttrNode,
                                                     LPCTSTR lpszDescr, DWORD_PTR dwAttrNumber,
                                                     const CString& strAttrName, const CString& strHandle)
    : CEditorProperty(strLabel, COleVariant(strValue), pObjectNode, pAttrNode, lpszDescr, dwAttrNumber, strAttrName,
                      strHandle) {}
