#include "browser/style_menu.h"

#include "tree/object_data.h"

namespace npb {

namespace {

bool SameNonEmpty(const CString& a, const CString& b) { return !a.IsEmpty() && a.Compare(b) == 0; }

}  // namespace

CString StyleWord(const Xml_ObjectData* pData) {
  if (!pData) return CString();
  if (pData->strType.IsEmpty() && !pData->strGroup.IsEmpty()) return pData->strGroup;
  if (pData->strGroup.IsEmpty() && !pData->strType.IsEmpty()) return pData->strType;
  return CString();
}

bool CanApplyStyles(const Xml_ObjectData* pSource, const Xml_ObjectData* pTarget) {
  if (!pSource || !pTarget) return false;
  return SameNonEmpty(pSource->strType, pTarget->strType) || SameNonEmpty(pSource->strGroup, pTarget->strGroup);
}

StyleMenu BuildStyleMenu(const Xml_ObjectData* pSelected, bool bSourceSet, const Xml_ObjectData* pSource) {
  StyleMenu menu;
  const CString selectedWord = StyleWord(pSelected);
  // Before anything is copied, the apply command names the selected object's own kind.
  const CString sourceWord = bSourceSet ? StyleWord(pSource) : selectedWord;
  menu.copyText = CString("Copy ") + selectedWord + " Styles";
  menu.applyText = CString("Apply ") + sourceWord + " Styles";
  menu.copyEnabled = pSelected != nullptr;
  menu.applyEnabled = bSourceSet && CanApplyStyles(pSource, pSelected);
  return menu;
}

}  // namespace npb
