#include "editors/picture_combo_property.h"

// Edits the entry number as text for now; the picture box comes with its own unit.
CPictureComboPropertyGridProperty::CPictureComboPropertyGridProperty(
    const CString& strLabel, int nPicture, const PictureSourceInfo* pSource, TiXmlNode* pObjectNode,
    TiXmlNode* pAttrNode, LPCTSTR lpszDescr, DWORD_PTR dwAttrNumber, int nValue, const CString& strAttrName,
    const CString& strHandle, const CString& strThemeHandle, const CString& strColHandle)
    : CEditorProperty(strLabel, COleVariant(nPicture), pObjectNode, pAttrNode, lpszDescr, dwAttrNumber, strAttrName,
                      strHandle),
      m_source(pSource ? *pSource : PictureSourceInfo{}),
      m_nValue(nValue),
      m_strThemeHandle(strThemeHandle),
      m_strColHandle(strColHandle) {}
