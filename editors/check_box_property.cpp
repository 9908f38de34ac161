#include "editors/check_box_property.h"

// Edits the flag's number as text for now; the drawn check box comes with its own unit.
CCheckBoxPropertyGridProperty::CCheckBoxPropertyGridProperty(const CString& strLabel, int nValue,
                                                             TiXmlNode* pObjectNode, TiXmlNode* pAttrNode,
                                                             LPCTSTR lpszDescr, DWORD_PTR dwAttrNumber,
                                                             const CString& strAttrName, const CString& strHandle)
    : CEditorProperty(strLabel, COleVariant(nValue), pObjectNode, pAttrNode, lpszDescr, dwAttrNumber, strAttrName,
                      strHandle) {}
