// The user's place in the grid's rows (open and closed groups, the current row, the scroll
// position), taken before the rows are built again and given back to the new rows.
#include <algorithm>

#include "grid/property_grid_ctrl.h"

namespace {

using Place = CPropertyGridCtrl::Place;

void AppendKey(Place::Path& path, const CPropertyGridProperty* pProp, int nIndex) {
  path.push_back({nIndex, pProp->GetName(), pProp->GetData()});
}

// The rows from the top to pProp, each with its index among its siblings.
Place::Path PathOf(const CPropertyGridCtrl& grid, const CPropertyGridProperty* pProp) {
  Place::Path path;
  for (const CPropertyGridProperty* p = pProp; p; p = p->GetParent()) {
    const CPropertyGridProperty* pParent = p->GetParent();
    int nIndex = 0;
    const int nCount = pParent ? pParent->GetSubItemsCount() : grid.GetPropertyCount();
    while (nIndex < nCount && (pParent ? pParent->GetSubItem(nIndex) : grid.GetProperty(nIndex)) != p) ++nIndex;
    AppendKey(path, p, nIndex);
  }
  std::reverse(path.begin(), path.end());
  return path;
}

bool Matches(const CPropertyGridProperty* pProp, const Place::Key& key) {
  return pProp && pProp->GetData() == key.dwData && pProp->GetName() == key.strName;
}

// The row at the same index when it still has the same name and data code, else the first
// sibling that has them: attributes added or removed in between move the others.
CPropertyGridProperty* FindKey(const CPropertyGridCtrl& grid, const CPropertyGridProperty* pParent,
                               const Place::Key& key) {
  const int nCount = pParent ? pParent->GetSubItemsCount() : grid.GetPropertyCount();
  const auto at = [&](int i) { return pParent ? pParent->GetSubItem(i) : grid.GetProperty(i); };
  if (Matches(at(key.nIndex), key)) return at(key.nIndex);
  for (int i = 0; i < nCount; ++i) {
    if (Matches(at(i), key)) return at(i);
  }
  return nullptr;
}

CPropertyGridProperty* FindPath(const CPropertyGridCtrl& grid, const Place::Path& path) {
  CPropertyGridProperty* pProp = nullptr;
  for (const Place::Key& key : path) {
    pProp = FindKey(grid, pProp, key);
    if (!pProp) return nullptr;
  }
  return pProp;
}

void CollectGroups(const CPropertyGridCtrl& grid, const CPropertyGridProperty* pProp, Place& place) {
  if (pProp->GetSubItemsCount() == 0) return;
  place.groups.push_back({PathOf(grid, pProp), pProp->IsExpanded()});
  for (int i = 0; i < pProp->GetSubItemsCount(); ++i) CollectGroups(grid, pProp->GetSubItem(i), place);
}

}  // namespace

CPropertyGridCtrl::Place CPropertyGridCtrl::GetPlace() const {
  Place place;
  for (const CPropertyGridProperty* pProp : m_lstProps) CollectGroups(*this, pProp, place);
  if (m_pSel) place.current = PathOf(*this, m_pSel);
  place.nScrollOffset = m_nVertScrollOffset;
  return place;
}

void CPropertyGridCtrl::RestorePlace(const Place& place) {
  for (const auto& [path, bExpanded] : place.groups) {
    if (CPropertyGridProperty* pGroup = FindPath(*this, path)) pGroup->Expand(bExpanded);
  }
  // Clamped by the layout to what the rows allow now.
  m_nVertScrollOffset = std::max(0, place.nScrollOffset);
  AdjustLayout();
  if (CPropertyGridProperty* pCurrent = place.current.empty() ? nullptr : FindPath(*this, place.current)) {
    SetCurSel(pCurrent, FALSE);
  }
}
