// CFormatComboBoxExProp: the row of a text format attribute: font, size, orientation, line
// spacing, justification (numbers 8000-8006).
#pragma once

#include "editors/editor_property.h"

class CFormatComboBoxExProp : public CEditorProperty {
public:
  CFormatComboBoxExProp(const CString& strLabel, const CString& strValue, TiXmlNode* pObjectNode,
                        TiXmlNode* pAttrNode, LPCTSTR lpszDescr, DWORD_PTR dwAttrNumber, const CString& strAttrName,
                        const CString& strHandle);
};
