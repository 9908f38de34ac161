// CEditPropertyGridProperty: the row of a name, text or range value (numbers 6000-6027).
#pragma once

#include "editors/editor_property.h"

class CEditPropertyGridProperty : public CEditorProperty {
public:
  CEditPropertyGridProperty(const CString& strLabel, const CString& strValue, TiXmlNode* pObjectNode,
                            TiXmlNode* pAttrNode, LPCTSTR lpszDescr, DWORD_PTR dwAttrNumber, const CString& strAttrName,
                            const CString& strHandle);
};
