// A grid row's place in its grid: its rectangle and its button's, from the grid's list
// rectangle, row height and mode.
#include "grid/property_grid_ctrl.h"
#include "grid/property_row.h"

void CPropertyGridProperty::Reposition(int& y) {
  CPropertyGridCtrl* pGrid = GetOwnerList();
  if (!pGrid) return;
  const CRect rectOld = m_Rect;
  const BOOL bAlphabetic = pGrid->IsAlphabeticMode();
  // In alphabetic mode rows are listed flat, except the items of a value list, which still
  // follow their list's expansion.
  const BOOL bFlat = bAlphabetic && !(m_pParent && m_pParent->m_bIsValueList);
  const BOOL bShown = m_bIsVisible && (bFlat || IsParentExpanded());

  if (bShown) {
    const int nRowHeight = pGrid->GetRowHeight();
    const CRect rectList = pGrid->GetListRect();
    const int nIndent = bAlphabetic ? (m_bIsValueList ? 0 : nRowHeight) : nRowHeight * GetHierarchyLevel();
    m_Rect = CRect(rectList.left + nIndent, y, rectList.right, y + nRowHeight);
    if (!m_rectButton.IsRectEmpty()) {
      m_rectButton.top = m_Rect.top + 1;
      m_rectButton.bottom = m_Rect.bottom;
    }
    y += nRowHeight;
    pGrid->OnPropertyPlaced(this);
  } else {
    m_Rect.SetRectEmpty();
    m_rectButton.SetRectEmpty();
  }

  for (CPropertyGridProperty* pSub : m_lstSubItems) pSub->Reposition(y);
  OnPosSizeChanged(rectOld);
}
