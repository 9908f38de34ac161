#include "editors/color_combo_property.h"

// Edits the colour number as text for now; the colour box comes with its own unit.
CColorComboPropertyGridProperty::CColorComboPropertyGridProperty(
    const CString& strLabel, int nColor, const ColorSourceInfo* pSource, TiXmlNode* pObjectNode,
    TiXmlNode* pAttrNode, LPCTSTR lpszDescr, DWORD_PTR dwAttrNumber, const CString& strAttrName,
    const CString& strHandle, const CString& strThemeHandle, const CString& strColHandle)
    : CEditorProperty(strLabel, COleVariant(nColor), pObjectNode, pAttrNode, lpszDescr, dwAttrNumber, strAttrName,
                      strHandle),
      m_source(pSource ? *pSource : ColorSourceInfo{}),
      m_strThemeHandle(strThemeHandle),
      m_strColHandle(strColHandle) {}
