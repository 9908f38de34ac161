// CCheckBoxPropertyGridProperty: the row of a flag attribute (numbers 5000-5121).
#pragma once

#include "editors/editor_property.h"

class CCheckBoxPropertyGridProperty : public CEditorProperty {
public:
  CCheckBoxPropertyGridProperty(const CString& strLabel, int nValue, TiXmlNode* pObjectNode, TiXmlNode* pAttrNode,
                                LPCTSTR lpszDescr, DWORD_PTR dwAttrNumber, const CString& strAttrName,
                                const CString& strHandle);
};
