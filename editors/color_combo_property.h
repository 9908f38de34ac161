// CColorComboPropertyGridProperty: the row of a colour attribute (numbers 2000-2014).
#pragma once

#include "editors/editor_property.h"
#include "editors/source_info.h"

class CColorComboPropertyGridProperty : public CEditorProperty {
public:
  // pSource is read here and may go away afterwards.
  CColorComboPropertyGridProperty(const CString& strLabel, int nColor, const ColorSourceInfo* pSource,
                                  TiXmlNode* pObjectNode, TiXmlNode* pAttrNode, LPCTSTR lpszDescr,
                                  DWORD_PTR dwAttrNumber, const CString& strAttrName, const CString& strHandle,
                                  const CString& strThemeHandle, const CString& strColHandle);

  const ColorSourceInfo& GetSourceInfo() const { return m_source; }
  const CString& GetThemeHandle() const { return m_strThemeHandle; }
  const CString& GetColHandle() const { return m_strColHandle; }

private:
  ColorSourceInfo m_source;
  CString m_strThemeHandle;
  CString m_strColHandle;
};
