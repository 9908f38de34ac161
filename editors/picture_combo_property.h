// CPictureComboPropertyGridProperty: the row of a picture attribute (line types, symbols,
// fill patterns and other picture lists, numbers 3000-3071).
#pragma once

#include "editors/editor_property.h"
#include "editors/source_info.h"

class CPictureComboPropertyGridProperty : public CEditorProperty {
public:
  // nPicture is the shown entry (the value or the source index); nValue the attribute's
  // own integer value. pSource is read here and may go away afterwards.
  CPictureComboPropertyGridProperty(const CString& strLabel, int nPicture, const PictureSourceInfo* pSource,
                                    TiXmlNode* pObjectNode, TiXmlNode* pAttrNode, LPCTSTR lpszDescr,
                                    DWORD_PTR dwAttrNumber, int nValue, const CString& strAttrName,
                                    const CString& strHandle, const CString& strThemeHandle,
                                    const CString& strColHandle);

  const PictureSourceInfo& GetSourceInfo() const { return m_source; }
  int GetAttrIntValue() const { return m_nValue; }
  const CString& GetThemeHandle() const { return m_strThemeHandle; }
  const CString& GetColHandle() const { return m_strColHandle; }

private:
  PictureSourceInfo m_source;
  int m_nValue;
  CString m_strThemeHandle;
  CString m_strColHandle;
};
