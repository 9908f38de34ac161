// Filling the property grid from one object tree item: the grid linked to the tree
// (SetPGCtrl) is emptied and gets one group row for the object and, under it, one row per
// attribute of the object's "AttributeTable". CTreeCtrlXML::UpdatePropGridCtrl does the
// work; the browser dialog calls it on every selection change and after a style is applied.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

class CTreeCtrlXML;

namespace npb {

// A null item leaves the grid as it is; an item without a record (or without its element)
// leaves it empty.
void FillGridFromTreeItem(CTreeCtrlXML& tree, HTREEITEM hItem);

// Where the filling reads the user's default unit and the rows' description texts. The
// defaults are the profile and the host page library; tests put counters in between.
struct GridFillingSources {
  int (*readDefaultUnit)();
  std::string (*describe)(int descriptionNo);
};

// Installs `sources` (null members select the defaults) and returns the ones before.
GridFillingSources SetGridFillingSources(const GridFillingSources& sources);

}  // namespace npb
