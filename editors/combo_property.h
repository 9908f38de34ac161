// CComboPropertyGridProperty: the row of an option-list attribute (numbers 7000-7029).
#pragma once

#include "editors/editor_property.h"

class CComboPropertyGridProperty : public CEditorProperty {
public:
  CComboPropertyGridProperty(const CString& strLabel, const CString& strValue, TiXmlNode* pObjectNode,
                             TiXmlNode* pAttrNode, LPCTSTR lpszDescr, DWORD_PTR dwAttrNumber,
                             const CString& strAttrName, const CString& strHandle);
};
