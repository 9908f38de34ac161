// The object tree's context menu in the browser dialog: the texts of its copy and apply
// style commands and when each is enabled, decided from the item records alone.
#pragma once

#include "framework/afx_string.h"

struct Xml_ObjectData;

namespace npb {

// The word a style command names an object by: its "Group" when it has no "Type", its
// "Type" when it has no "Group", else empty (both set, both empty, or no record).
CString StyleWord(const Xml_ObjectData* pData);

// Whether a style copied from pSource may be applied to pTarget: both records exist and
// either both "Type" texts or both "Group" texts are non-empty and equal, case and all.
bool CanApplyStyles(const Xml_ObjectData* pSource, const Xml_ObjectData* pTarget);

struct StyleMenu {
  CString copyText;   // command 5
  CString applyText;  // command 7
  bool copyEnabled = false;
  bool applyEnabled = false;
};

// The menu for the selected item's record pSelected (not null). bSourceSet tells whether
// a style was copied; pSource is the copied item's record (null when it has none).
StyleMenu BuildStyleMenu(const Xml_ObjectData* pSelected, bool bSourceSet, const Xml_ObjectData* pSource);

}  // namespace npb
