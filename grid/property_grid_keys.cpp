// The grid's keyboard: one table row per key the grid itself answers while it has the focus
// (an open editor has the focus and sees its own keys).
#include "grid/property_grid_input.h"

namespace {

// The name column moves this far per Ctrl+Left / Ctrl+Right.
constexpr int kColumnStep = 5;
// Up and Down look this far past the current row's edge for the neighbour.
constexpr int kNeighbourGap = 2;

bool IsDown(int vk) { return ::GetKeyState(vk) < 0; }

bool IsEditControl(const CWnd* pWnd) {
  char szClass[16] = {};
  return pWnd && pWnd->m_hWnd && ::GetClassNameA(pWnd->m_hWnd, szClass, sizeof szClass) > 0 &&
         lstrcmpiA(szClass, "Edit") == 0;
}

using Grid = CPropertyGridCtrl;

}  // namespace

struct GridKeys : GridInput {
  static bool Home(Grid& g) {
    CPropertyGridProperty* pFirst = FirstRow(g);
    if (!pFirst) return false;
    if (g.EndEditItem(TRUE)) g.SetCurSel(pFirst);
    g.ScrollToOffset(0);
    return true;
  }

  static bool End(Grid& g) {
    CPropertyGridProperty* pLast = LastRow(g);
    if (!pLast) return false;
    if (g.EndEditItem(TRUE)) g.SetCurSel(pLast);
    g.ScrollToOffset(g.m_nVertScrollTotal);
    return true;
  }

  // The row a whole page above or below the current one, scrolling with it.
  static bool Page(Grid& g, int nDirection) {
    CPropertyGridProperty* pSel = g.m_pSel;
    if (!pSel || g.m_nVertScrollPage <= 0) return nDirection < 0 ? Home(g) : (pSel ? End(g) : Home(g));
    g.EnsureVisible(pSel);
    const CRect& rect = pSel->GetRect();
    CPropertyGridProperty* pTarget =
        RowAt(g, CPoint(rect.right - 1, rect.top + nDirection * g.m_nVertScrollPage * g.m_nRowHeight));
    if (!pTarget) return nDirection < 0 ? Home(g) : End(g);
    if (!g.EndEditItem(TRUE)) return true;
    g.SetCurSel(pTarget);
    g.ScrollToOffset(g.m_nVertScrollOffset + nDirection * g.m_nVertScrollPage);
    return true;
  }

  static bool Neighbour(Grid& g, int nDirection) {
    CPropertyGridProperty* pSel = g.m_pSel;
    if (!pSel) return Home(g);
    const CRect& rect = pSel->GetRect();
    const int y = nDirection < 0 ? rect.top - kNeighbourGap : rect.bottom + kNeighbourGap;
    if (CPropertyGridProperty* pNext = RowAt(g, CPoint(rect.right - 1, y))) MoveTo(g, pNext);
    return true;
  }

  static void MoveDivider(Grid& g, int nDelta) {
    // The column follows at once even when drags show only a line.
    const BOOL bShowDragContext = g.m_bShowDragContext;
    g.m_bShowDragContext = TRUE;
    g.TrackHeader(g.m_nLeftColumnWidth + nDelta);
    g.TrackHeader(-1);
    g.m_bShowDragContext = bShowDragContext;
  }

  static bool Left(Grid& g) {
    if (IsDown(VK_CONTROL)) {
      MoveDivider(g, -kColumnStep);
      return true;
    }
    if (g.m_pSel && g.m_pSel->IsGroup() && g.m_pSel->IsExpanded()) {
      ToggleExpansion(g, g.m_pSel, FALSE);
      return true;
    }
    return Neighbour(g, -1);
  }

  static bool Right(Grid& g) {
    if (IsDown(VK_CONTROL)) {
      MoveDivider(g, kColumnStep);
      return true;
    }
    if (g.m_pSel && g.m_pSel->IsGroup() && !g.m_pSel->IsExpanded()) {
      ToggleExpansion(g, g.m_pSel, TRUE);
      return true;
    }
    return Neighbour(g, 1);
  }

  static bool Down(Grid& g) {
    if (IsDown(VK_MENU)) {
      if (g.m_pSel && g.m_pSel->HasButton()) g.OnClickButton(CPoint(-1, -1));
      return true;
    }
    return Neighbour(g, 1);
  }

  // Numeric-pad plus and minus: a group not being edited opens or closes.
  static bool SetExpanded(Grid& g, BOOL bExpand) {
    CPropertyGridProperty* pSel = g.m_pSel;
    if (pSel && pSel->IsGroup() && !pSel->IsInPlaceEditing() && !pSel->IsExpanded() == !!bExpand) {
      ToggleExpansion(g, pSel, bExpand);
    }
    return true;
  }

  static bool F4(Grid& g) {
    CPropertyGridProperty* pSel = g.m_pSel;
    if (!pSel || !pSel->IsEnabled()) return true;
    if (!g.EditItem(pSel)) return false;
    if (g.m_pSel != pSel) return true;
    // Opened from the keyboard, the value is selected whole, so typing replaces it.
    if (CWnd* pInPlace = pSel->GetInPlaceWnd(); IsEditControl(pInPlace)) pInPlace->SendMessage(EM_SETSEL, 0, -1);
    if (pSel->GetFlags() & AFX_PROP_HAS_BUTTON) g.OnClickButton(CPoint(-1, -1));
    return true;
  }
};

namespace {

const struct {
  UINT vk;
  bool (*handle)(Grid&);
} kKeyTable[] = {
    {VK_HOME, GridKeys::Home},
    {VK_END, GridKeys::End},
    {VK_PRIOR, [](Grid& g) { return GridKeys::Page(g, -1); }},
    {VK_NEXT, [](Grid& g) { return GridKeys::Page(g, 1); }},
    {VK_UP, [](Grid& g) { return GridKeys::Neighbour(g, -1); }},
    {VK_DOWN, GridKeys::Down},
    {VK_LEFT, GridKeys::Left},
    {VK_RIGHT, GridKeys::Right},
    {VK_ADD, [](Grid& g) { return GridKeys::SetExpanded(g, TRUE); }},
    {VK_SUBTRACT, [](Grid& g) { return GridKeys::SetExpanded(g, FALSE); }},
    {VK_F4, GridKeys::F4},
};

}  // namespace

bool GridInput::HandleKey(CPropertyGridCtrl& g, UINT nChar) {
  if (g.m_lstProps.empty()) return false;
  for (const auto& key : kKeyTable) {
    if (key.vk == nChar) return key.handle(g);
  }
  return false;
}

void CPropertyGridCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (!GridInput::HandleKey(*this, nChar)) CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CPropertyGridCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  CWnd::OnChar(nChar, nRepCnt, nFlags);
  // Control characters open the editor too: the row hands them to it, where Backspace
  // leaves an empty value and Ctrl+V pastes over the old one.
  if (!m_pSel || !m_pSel->IsEnabled()) return;
  CPropertyGridProperty* pSel = m_pSel;
  if (EditItem(pSel) && m_pSel == pSel) pSel->PushChar(nChar);
}

UINT CPropertyGridCtrl::OnGetDlgCode() { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
