// The grid's mouse and focus, the click with change check and the clipboard keys of an
// open editor.
#include "grid/property_grid_input.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kWheelStep = WHEEL_DELTA;
// A right click this close to the divider does nothing.
constexpr int kRightClickDividerSlack = 2;

bool IsClassOf(const CWnd* pWnd, const char* pszClass) {
  char szClass[32] = {};
  return pWnd && pWnd->m_hWnd && ::GetClassNameA(pWnd->m_hWnd, szClass, sizeof szClass) > 0 &&
         lstrcmpiA(szClass, pszClass) == 0;
}

// The wait cursor for its scope.
class CWaitCursor {
public:
  CWaitCursor() : m_hOld(::SetCursor(::LoadCursor(nullptr, IDC_WAIT))) {}
  ~CWaitCursor() { ::SetCursor(m_hOld); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
  HCURSOR m_hOld;
};

}  // namespace


// ---- shared helpers ---------------------------------------------------------------------------

bool GridInput::OnDivider(const CPropertyGridCtrl& g, CPoint pt) { return std::abs(pt.x - DividerX(g)) < kHotZone; }

bool GridInput::OnDescrBorder(const CPropertyGridCtrl& g, CPoint pt) {
  return g.m_bDescriptionArea && std::abs(pt.y - (g.m_rectList.bottom + kDescrBorderGap)) < kHotZone;
}

CRect GridInput::ClientRect(const CPropertyGridCtrl& g) {
  CRect rect;
  if (g.m_hWnd) g.GetClientRect(&rect);
  return rect;
}

int GridInput::ClampColumnWidth(const CPropertyGridCtrl& g, int x) {
  const int nMax = ClientRect(g).Width() - ::GetSystemMetrics(SM_CXVSCROLL) - kColumnMargin;
  return std::min(std::max(x, g.m_nRowHeight), nMax);
}

void GridInput::SetColumnWidth(CPropertyGridCtrl& g, int nWidth) {
  g.m_nLeftColumnWidth = nWidth;
  g.SetHeaderItemWidths();
  g.ReposProperties();
  if (g.m_hWnd) {
    g.InvalidateRect(&g.m_rectList);
    g.UpdateWindow();
  }
}

CPropertyGridProperty* GridInput::RowAt(const CPropertyGridCtrl& g, CPoint pt) {
  const size_t nIndex = g.FirstShownBelow(pt.y);
  if (nIndex >= g.m_lstShownProps.size()) return nullptr;
  CPropertyGridProperty* pProp = g.m_lstShownProps[nIndex];
  return pProp->GetRect().PtInRect(pt) ? pProp : nullptr;
}

CPropertyGridProperty* GridInput::FirstRow(const CPropertyGridCtrl& g) {
  return g.m_lstShownProps.empty() ? nullptr : g.m_lstShownProps.front();
}

CPropertyGridProperty* GridInput::LastRow(const CPropertyGridCtrl& g) {
  return g.m_lstShownProps.empty() ? nullptr : g.m_lstShownProps.back();
}

bool GridInput::MoveTo(CPropertyGridCtrl& g, CPropertyGridProperty* pProp) {
  if (!pProp || !g.EndEditItem(TRUE)) return false;
  g.SetCurSel(pProp);
  g.EnsureVisible(pProp);
  return true;
}

void GridInput::ToggleExpansion(CPropertyGridCtrl& g, CPropertyGridProperty* pProp, BOOL bExpand) {
  pProp->Expand(bExpand);
  g.AdjustLayout();
}

CPropertyGridProperty* GridInput::EditedRow(const CPropertyGridCtrl& g) {
  CPropertyGridProperty* pSel = g.m_pSel;
  return pSel && pSel->IsEnabled() && pSel->IsInPlaceEditing() ? pSel : nullptr;
}

void GridInput::PointAtRow(const CPropertyGridCtrl& g, const CPropertyGridProperty* pProp) {
  if (!pProp || !g.m_hWnd) return;
  CPoint pt = pProp->GetRect().TopLeft();
  pt.y += 1;
  g.ClientToScreen(&pt);
  ::SetCursorPos(pt.x, pt.y);
}

void GridInput::LoseFocus(CPropertyGridCtrl& g, CWnd* pNewWnd) {
  if (pNewWnd && (pNewWnd->m_hWnd == g.m_hWnd || g.IsChild(pNewWnd))) return;
  if (g.m_pSel && !g.m_pSel->OnKillFocus(pNewWnd)) return;
  g.EndEditItem(TRUE);
  g.m_bFocused = FALSE;
  if (g.m_pSel) g.m_pSel->Redraw();
}

// ---- the click with change check --------------------------------------------------------------

void CPropertyGridCtrl::OnClickButton(CPoint point) {
  CPropertyGridProperty* pProp = m_pSel;
  if (!pProp) return;
  // Always asked first, editor open or not: a row may refuse or take over its value here.
  if (!pProp->OnUpdateValue()) return;
  if (m_pSel != pProp) return;
  const CString strBefore = pProp->FormatProperty();
  {
    CWaitCursor wait;
    pProp->OnClickButton(point);
  }
  if (m_pSel == pProp && pProp->FormatProperty() != strBefore) OnPropertyChanged(pProp);
}

BOOL CPropertyGridCtrl::ProcessClipboardAccelerators(UINT nChar) {
  CWnd* pInPlace = m_pSel ? m_pSel->GetInPlaceWnd() : nullptr;
  if (!pInPlace || !pInPlace->m_hWnd) return FALSE;
  const bool bCtrl = ::GetKeyState(VK_CONTROL) < 0;
  const bool bShift = ::GetKeyState(VK_SHIFT) < 0;
  static const struct {
    UINT vk;
    bool bCtrl;
    bool bShift;
    UINT message;
  } kAccelerators[] = {
      {'C', true, false, WM_COPY},     {VK_INSERT, true, false, WM_COPY}, {'V', true, false, WM_PASTE},
      {VK_INSERT, false, true, WM_PASTE}, {'X', true, false, WM_CUT},   {VK_DELETE, false, true, WM_CUT},
  };
  for (const auto& accel : kAccelerators) {
    if (accel.vk == nChar && (!accel.bCtrl || bCtrl) && (!accel.bShift || bShift)) {
      pInPlace->SendMessage(accel.message);
      return TRUE;
    }
  }
  if (nChar == VK_DELETE && !bShift) {
    if (HWND hFocus = ::GetFocus()) ::SendMessageA(hFocus, WM_KEYDOWN, VK_DELETE, 0);
    return TRUE;
  }
  return FALSE;
}

// ---- mouse ------------------------------------------------------------------------------------

void CPropertyGridCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
  CWnd::OnLButtonDown(nFlags, point);
  // A press elsewhere that reaches the grid only through its capture is not the grid's.
  if (!GridInput::ClientRect(*this).PtInRect(point)) {
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    return;
  }
  SetFocus();
  m_dwLastClickTime = static_cast<DWORD>(::GetMessageTime());
  m_ptLastClick = point;
  if (m_bDescriptionArea && point.y >= m_rectList.bottom - GridInput::kHotZone) {
    if (GridInput::OnDescrBorder(*this, point)) {
      SetCapture();
      TrackDescr(point.y);
      m_bTrackingDescr = TRUE;
      return;
    }
    if (point.y >= m_rectList.bottom) return;
  }
  if (GridInput::OnDivider(*this, point)) {
    SetCapture();
    TrackHeader(point.x - m_rectList.left);
    m_bTracking = TRUE;
    return;
  }

  ClickArea nArea = ClickName;
  CPropertyGridProperty* pHit = HitTest(point, &nArea);
  const BOOL bSelChanged = pHit != m_pSel;
  // A refused value keeps its editor, and its row stays current.
  if (bSelChanged && !EndEditItem(TRUE)) return;
  SetCurSel(pHit, TRUE);
  if (!pHit || m_pSel != pHit) return;
  if (pHit->GetRect().Height() < m_rectList.Height()) EnsureVisible(pHit);

  switch (nArea) {
    case ClickExpandBox:
      GridInput::ToggleExpansion(*this, pHit, !pHit->IsExpanded());
      break;
    case ClickName:
      pHit->OnClickName(point);
      break;
    case ClickValue: {
      if (!pHit->IsEnabled() || !EditItem(pHit, &point) || m_pSel != pHit) break;
      CWnd* pInPlace = pHit->GetInPlaceWnd();
      if (pInPlace && pHit->GetButtonRect().PtInRect(point)) {
        ::ReleaseCapture();
        OnClickButton(point);
      } else if (!bSelChanged || pHit->IsProcessFirstClick()) {
        // Into an open edit the click arrives as a double-click: the word under the pointer.
        // An edit control takes the word at its caret, so the caret goes there first.
        if (IsClassOf(pInPlace, "Edit")) {
          CPoint ptEdit = point;
          ::MapWindowPoints(m_hWnd, pInPlace->m_hWnd, &ptEdit, 1);
          pInPlace->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptEdit.x, ptEdit.y));
          pInPlace->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptEdit.x, ptEdit.y));
        }
        pHit->OnClickValue(pInPlace ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, point);
      }
      break;
    }
    default:
      break;
  }
}

void CPropertyGridCtrl::OnLButtonUp(UINT nFlags, CPoint point) {
  if (m_bTracking) {
    GridInput::EndTrackHeader(*this, point.x - m_rectList.left);
  } else if (m_bTrackingDescr) {
    GridInput::EndTrackDescr(*this, point.y);
  } else {
    CWnd::OnLButtonUp(nFlags, point);
  }
}

void CPropertyGridCtrl::OnMouseMove(UINT nFlags, CPoint point) {
  if (m_bTracking) {
    TrackHeader(point.x - m_rectList.left);
  } else if (m_bTrackingDescr) {
    TrackDescr(point.y);
  } else {
    CWnd::OnMouseMove(nFlags, point);
  }
}

void CPropertyGridCtrl::OnLButtonDblClk(UINT nFlags, CPoint point) {
  CWnd::OnLButtonDblClk(nFlags, point);
  const int xDivider = GridInput::DividerX(*this);
  if (point.y < m_rectList.bottom && GridInput::OnDivider(*this, point)) {
    GridInput::SetColumnWidth(*this, GridInput::ClientRect(*this).Width() / 2);
    return;
  }
  CPropertyGridProperty* pSel = m_pSel;
  if (!pSel) return;
  if (pSel->IsGroup() && !(pSel->IsValueList() && point.x > xDivider)) {
    GridInput::ToggleExpansion(*this, pSel, !pSel->IsExpanded());
    return;
  }
  if (!pSel->IsEnabled()) return;
  EditItem(pSel);
  if (m_pSel != pSel) return;
  if (CWnd* pInPlace = pSel->GetInPlaceWnd(); pInPlace && pInPlace->m_hWnd) {
    // The caret goes to the start of the text.
    pInPlace->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, 0);
    pInPlace->SendMessage(WM_LBUTTONUP, 0, 0);
  }
  if (pSel->GetRect().PtInRect(point)) pSel->OnDblClk(point);
}

void CPropertyGridCtrl::OnRButtonDown(UINT nFlags, CPoint point) {
  CWnd::OnRButtonDown(nFlags, point);
  SetFocus();
  if (GridInput::OnDescrBorder(*this, point) || (m_bDescriptionArea && point.y >= m_rectList.bottom)) return;
  if (std::abs(point.x - GridInput::DividerX(*this)) <= kRightClickDividerSlack) return;

  ClickArea nArea = ClickName;
  CPropertyGridProperty* pHit = HitTest(point, &nArea);
  const BOOL bSelChanged = pHit != m_pSel;
  if (bSelChanged && !EndEditItem(TRUE)) return;
  SetCurSel(pHit, TRUE);
  if (!pHit || m_pSel != pHit) return;
  EnsureVisible(pHit);
  if (nArea == ClickName) {
    pHit->OnRClickName(point);
  } else if (nArea == ClickValue) {
    pHit->OnRClickValue(point, bSelChanged);
    if (pHit->IsEnabled() && !bSelChanged && EditItem(pHit, &point) && m_pSel == pHit && pHit->GetInPlaceWnd() &&
        !pHit->GetButtonRect().PtInRect(point) && pHit->IsProcessFirstClick()) {
      pHit->OnClickValue(WM_RBUTTONDOWN, point);
    }
  }
}

BOOL CPropertyGridCtrl::OnMouseWheel(UINT, short zDelta, CPoint) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const bool bMenuOpen = ::GetGUIThreadInfo(0, &info) && (info.flags & GUI_POPUPMENUMODE);
  const int nSteps = std::abs(static_cast<int>(zDelta)) / kWheelStep;
  if (bMenuOpen || m_nVertScrollTotal <= 0 || nSteps < 1) return TRUE;
  for (int i = 0; i < nSteps; ++i) OnVScroll(zDelta < 0 ? SB_LINEDOWN : SB_LINEUP, 0, nullptr);
  return TRUE;
}

BOOL CPropertyGridCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  if (nHitTest == HTCLIENT) {
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (GridInput::OnDescrBorder(*this, point)) {
      ::SetCursor(::LoadCursor(nullptr, IDC_SIZENS));
      return TRUE;
    }
    if (point.y < m_rectList.bottom && GridInput::OnDivider(*this, point)) {
      ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
      return TRUE;
    }
    ClickArea nArea = ClickName;
    CPropertyGridProperty* pHit = HitTest(point, &nArea, TRUE);
    if (pHit && pHit == m_pSel && nArea == ClickValue && !pHit->GetButtonRect().PtInRect(point) &&
        pHit->OnSetCursor()) {
      return TRUE;
    }
  }
  return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CPropertyGridCtrl::OnCancelMode() {
  GridInput::CancelTracking(*this);
  if (m_IPToolTip.m_hWnd) m_IPToolTip.Hide();
  EndEditItem(TRUE);
  CWnd::OnCancelMode();
}

// ---- focus ------------------------------------------------------------------------------------

CPropertyGridProperty* GridInput::LastTopRow(const CPropertyGridCtrl& g) {
  if (g.m_bAlphabeticMode) return g.m_lstTerminalProps.empty() ? nullptr : g.m_lstTerminalProps.back();
  return g.m_lstProps.empty() ? nullptr : g.m_lstProps.back();
}

CPropertyGridProperty* GridInput::DescendFrom(CPropertyGridProperty* pProp) {
  while (pProp && pProp->IsExpanded() && pProp->GetSubItemsCount() > 0) pProp = pProp->GetSubItem(0);
  return pProp;
}

void CPropertyGridCtrl::OnSetFocus(CWnd* pOldWnd) {
  CWnd::OnSetFocus(pOldWnd);
  if (IsClassOf(pOldWnd, WC_TREEVIEWA)) {
    m_bSkipNextTab = TRUE;
    if (CPropertyGridProperty* pStart = GridInput::DescendFrom(GridInput::LastTopRow(*this))) {
      if (EndEditItem(TRUE)) SetCurSel(pStart);
    }
    ScrollToOffset(0);
  }
  m_bFocused = TRUE;
  if (m_pSel) m_pSel->Redraw();
}

void CPropertyGridCtrl::OnKillFocus(CWnd* pNewWnd) {
  CWnd::OnKillFocus(pNewWnd);
  GridInput::LoseFocus(*this, pNewWnd);
}

void GridInput::OnEditKillFocus(CPropertyGridCtrl& g) {
  CPropertyGridProperty* pRow = EditedRow(g);
  CWnd* pNewWnd = CWnd::GetFocus();
  if (!pRow || (pNewWnd && (pNewWnd->m_hWnd == g.m_hWnd || g.IsChild(pNewWnd)))) return;
  if (!pRow->OnEditKillFocus()) return;
  if (!g.EndEditItem(TRUE)) {
    if (CWnd* pInPlace = pRow->GetInPlaceWnd()) pInPlace->SetFocus();
    return;
  }
  LoseFocus(g, pNewWnd);
}

void GridInput::OnComboKillFocus(CPropertyGridCtrl& g) {
  CPropertyGridProperty* pRow = EditedRow(g);
  CWnd* pNewWnd = CWnd::GetFocus();
  if (!pRow || !pRow->GetComboWnd() || (pNewWnd && (pNewWnd->m_hWnd == g.m_hWnd || g.IsChild(pNewWnd)))) return;
  if (!g.EndEditItem(TRUE)) {
    if (CWnd* pCombo = static_cast<CWnd*>(pRow->GetComboWnd())) pCombo->SetFocus();
    return;
  }
  LoseFocus(g, pNewWnd);
}
