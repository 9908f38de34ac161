// Scrolling the grid's list with its vertical scroll bar, and bringing a row into view.
#include <algorithm>

#include "grid/property_grid_ctrl.h"

namespace {

struct ScrollState {
  int offset;
  int page;
  int total;
  int thumb;
};

// The offset each scroll bar request asks for.
const struct {
  UINT code;
  int (*target)(const ScrollState&);
} kScrollRequests[] = {
    {SB_LINEUP, [](const ScrollState& s) { return s.offset - 1; }},
    {SB_LINEDOWN, [](const ScrollState& s) { return s.offset + 1; }},
    {SB_PAGEUP, [](const ScrollState& s) { return s.offset - s.page; }},
    {SB_PAGEDOWN, [](const ScrollState& s) { return s.offset + s.page; }},
    {SB_THUMBPOSITION, [](const ScrollState& s) { return s.thumb; }},
    {SB_THUMBTRACK, [](const ScrollState& s) { return s.thumb; }},
    {SB_TOP, [](const ScrollState&) { return 0; }},
    {SB_BOTTOM, [](const ScrollState& s) { return s.total; }},
};

}  // namespace

CScrollBar* CPropertyGridCtrl::GetScrollBarCtrl(int nBar) const {
  return nBar == SB_VERT && m_wndScrollVert.m_hWnd ? const_cast<CScrollBar*>(&m_wndScrollVert) : nullptr;
}

void CPropertyGridCtrl::OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  // Up-down controls of the in-place editors report through the same message.
  if (pScrollBar && pScrollBar->m_hWnd != m_wndScrollVert.m_hWnd) return;
  m_IPToolTip.Hide();
  EndEditItem(TRUE);
  ScrollState state{m_nVertScrollOffset, m_nVertScrollPage, m_nVertScrollTotal, static_cast<int>(nPos)};
  if (nSBCode == SB_THUMBTRACK || nSBCode == SB_THUMBPOSITION) {
    // The message carries only 16 bits of the position; while the thumb is dragged the bar
    // holds all of it.
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    if (m_wndScrollVert.GetScrollInfo(&si, SIF_TRACKPOS) && LOWORD(si.nTrackPos) == LOWORD(nPos)) {
      state.thumb = si.nTrackPos;
    }
  }
  for (const auto& request : kScrollRequests) {
    if (request.code == nSBCode) {
      ScrollToOffset(request.target(state));
      return;
    }
  }
}

void CPropertyGridCtrl::ScrollToOffset(int nOffset) {
  if (m_nVertScrollTotal < 1) return;
  nOffset = std::clamp(nOffset, 0, std::max(0, m_nVertScrollTotal - m_nVertScrollPage + 1));
  if (nOffset == m_nVertScrollOffset) return;
  const int nOldOffset = m_nVertScrollOffset;
  m_nVertScrollOffset = nOffset;
  m_wndScrollVert.SetScrollPos(nOffset);
  m_placed.nScrollPos = nOffset;
  ReposProperties();
  ScrollWindow(0, (nOldOffset - nOffset) * m_nRowHeight, &m_rectList, &m_rectList);
  if (m_pSel && !m_pSel->GetButtonRect().IsRectEmpty()) InvalidateRect(&m_pSel->GetButtonRect());
}

void CPropertyGridCtrl::EnsureVisible(CPropertyGridProperty* pProp, BOOL bExpandParents) {
  if (!pProp || m_nRowHeight == 0) return;
  if (bExpandParents) {
    BOOL bExpanded = FALSE;
    for (CPropertyGridProperty* pParent = pProp->GetParent(); pParent; pParent = pParent->GetParent()) {
      if (pParent->IsExpanded()) continue;
      pParent->Expand(TRUE);
      bExpanded = TRUE;
    }
    if (bExpanded) AdjustLayout();
  }
  const CRect rect = pProp->GetRect();
  // A row that is not laid out (hidden, or under a collapsed group) has no place to scroll to.
  if (rect.IsRectEmpty()) return;
  const int nListTop = m_rectList.top - 1;
  if (rect.top >= nListTop && rect.bottom <= m_rectList.bottom) return;

  if (!pProp->GetButtonRect().IsRectEmpty()) {
    const CRect rectButton = pProp->GetButtonRect();
    pProp->ClearButtonRect();
    if (m_hWnd) InvalidateRect(&rectButton);
  }
  // A row that touches an edge counts as cut by it: the neighbour just outside the list
  // (where Up and Down lead) comes in by one line.
  if (rect.top < nListTop && rect.bottom >= nListTop) {
    ScrollToOffset(m_nVertScrollOffset - 1);
  } else if (rect.top <= m_rectList.bottom && rect.bottom > m_rectList.bottom) {
    ScrollToOffset(m_nVertScrollOffset + 1);
  } else {
    ScrollToOffset(rect.top / m_nRowHeight - m_nVertScrollOffset);
  }
  if (pProp == m_pSel && pProp->HasButton()) {
    pProp->AdjustButtonRect();
    if (m_hWnd) InvalidateRect(&pProp->GetButtonRect());
  }
}
