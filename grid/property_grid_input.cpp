// The grid's mouse, focus and pre-translated keys, Tab navigation, the click with change
// check, and the notifications of the in-place controls the rows open.
#include "grid/property_grid_input.h"

#include <algorithm>
#include <cstdlib>

#include "grid/grid_query.h"
#include "tree/tree_ctrl_xml.h"

namespace {

constexpr int kWheelStep = WHEEL_DELTA;
// A right click this close to the divider does nothing.
constexpr int kRightClickDividerSlack = 2;

bool IsClassOf(const CWnd* pWnd, const char* pszClass) {
  char szClass[32] = {};
  return pWnd && pWnd->m_hWnd && ::GetClassNameA(pWnd->m_hWnd, szClass, sizeof szClass) > 0 &&
         lstrcmpiA(szClass, pszClass) == 0;
}

bool IsClientMouseMessage(UINT message) { return message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK; }

// A window's rectangle in the grid's client coordinates; empty for none.
CRect ChildRect(const CWnd& grid, const CWnd* pChild) {
  CRect rect;
  if (!pChild || !pChild->m_hWnd || !::IsWindowVisible(pChild->m_hWnd)) return rect;
  pChild->GetWindowRect(&rect);
  grid.ScreenToClient(&rect);
  return rect;
}

// Sends a client mouse message on to a child, in the child's coordinates.
void ForwardMouse(const CWnd& grid, CWnd* pChild, const MSG& msg, CPoint ptGrid) {
  ::MapWindowPoints(grid.m_hWnd, pChild->m_hWnd, &ptGrid, 1);
  pChild->SendMessage(msg.message, msg.wParam, MAKELPARAM(ptGrid.x, ptGrid.y));
}

// Which notifications an id range takes.
enum : unsigned {
  kEditKill = 1,
  kComboEvents = 2,
  kEditChange = 4,
  kSpinChange = 8,
};

// The attribute number ranges of the editor kinds and the notifications the grid listens to.
const struct {
  UINT first;
  UINT last;
  unsigned events;
} kIdRanges[] = {
    {2000, 2014, kEditKill | kComboEvents},  // colours
    {3000, 3071, kEditKill | kComboEvents},  // pictures
    {4000, 4054, kEditKill},                 // sliders
    {6000, 6006, kEditKill},                 // edits
    {6007, 6008, kEditKill | kEditChange},   // edits that follow every keystroke
    {6009, 6027, kEditKill},
    {7000, 7029, kEditKill | kComboEvents},  // option lists
    {8000, 8006, kEditKill | kComboEvents},  // format lists
    {9000, 9007, kEditKill | kSpinChange},   // spinners
    {9010, 9013, kEditKill},                 // object browser rows
};

unsigned EventsOf(UINT nId) {
  for (const auto& range : kIdRanges) {
    if (nId >= range.first && nId <= range.last) return range.events;
  }
  return 0;
}

// An editor lost the focus. The editor is still inside its own focus message then, so the
// grid closes it (which deletes it) only once that message is over. wParam: 0 edit, 1 list.
constexpr UINT kMsgEditorLostFocus = 0x468;

const struct {
  UINT code;
  unsigned event;
  void (*handle)(CPropertyGridCtrl&);
} kCommandNotifications[] = {
    {EN_KILLFOCUS, kEditKill, [](CPropertyGridCtrl& g) { g.PostMessage(kMsgEditorLostFocus, 0); }},
    {CBN_SELENDOK, kComboEvents, GridInput::OnSelectCombo},
    {CBN_CLOSEUP, kComboEvents, GridInput::OnCloseCombo},
    {CBN_KILLFOCUS, kComboEvents, [](CPropertyGridCtrl& g) { g.PostMessage(kMsgEditorLostFocus, 1); }},
    {EN_CHANGE, kEditChange, GridInput::OnEditChange},
};

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
  // Without an open editor there is no typed text to take over first; reading the empty
  // text would wipe the value.
  if (pProp->GetInPlaceWnd() && !pProp->OnUpdateValue()) return;
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

// ---- pre-translation and Tab ------------------------------------------------------------------

std::vector<CPropertyGridProperty*> GridInput::TabList(const CPropertyGridCtrl& g) {
  CPropertyGridProperty* pLast = LastTopRow(g);
  std::vector<CPropertyGridProperty*> lst;
  if (pLast && pLast->GetSubItemsCount() > 0) {
    for (int i = 0; i < pLast->GetSubItemsCount(); ++i) lst.push_back(pLast->GetSubItem(i));
  } else {
    lst = g.m_lstProps;
  }
  return lst;
}

bool GridInput::OnTabReleased(CPropertyGridCtrl& g, bool bShift) {
  CPropertyGridProperty* pLast = LastTopRow(g);
  CPropertyGridProperty* pSel = g.m_pSel;
  if (!pSel) {
    CPropertyGridProperty* pStart = pLast && pLast->GetSubItemsCount() > 0 ? DescendFrom(pLast) : FirstRow(g);
    if (!pStart) return false;
    g.SetCurSel(pStart);
    g.ScrollToOffset(0);
    PointAtRow(g, pStart);
    return true;
  }

  CPoint ptCorner = pSel->GetRect().TopLeft();
  ptCorner.y += 1;
  CPropertyGridProperty* pUnder = g.HitTest(ptCorner, nullptr, TRUE);
  if (!pUnder) {
    g.ScrollToOffset(0);
    PointAtRow(g, pSel);
    return true;
  }
  const std::vector<CPropertyGridProperty*> lst = TabList(g);
  const auto it = std::find_if(lst.begin(), lst.end(), [pUnder](const CPropertyGridProperty* p) {
    return p->GetData() == pUnder->GetData();
  });
  const int nIndex = it == lst.end() ? -1 : static_cast<int>(it - lst.begin());
  // After the last entry (or from a row not in the list) Tab wraps to the start of the group;
  // a flat list wraps to its first row.
  const auto next = [&]() -> CPropertyGridProperty* {
    if (nIndex >= 0 && nIndex + 1 < static_cast<int>(lst.size())) return lst[nIndex + 1];
    if (pLast && pLast->GetSubItemsCount() > 0) return pLast->GetSubItem(0);
    return lst.empty() ? nullptr : lst.front();
  };

  const bool bEditing = pSel->IsInPlaceEditing();
  CPropertyGridProperty* pTarget = nullptr;
  if (!bEditing && g.m_bSkipNextTab) {
    g.m_bSkipNextTab = FALSE;
    return true;
  }
  if (bShift) {
    if (nIndex <= 0) {
      if (g.m_pTreeCtrl && g.m_pTreeCtrl->m_hWnd) g.m_pTreeCtrl->SetFocus();
      return true;
    }
    pTarget = lst[nIndex - 1];
  } else if (!bEditing) {
    g.EditItem(pSel);
    CWnd* pSlider = static_cast<CWnd*>(pSel->GetSliderWnd());
    if ((pSel->GetFlags() & PROP_HAS_SLIDER) && pSel->IsEnabled() && pSlider && pSlider->m_hWnd) {
      pSlider->SetFocus();
      return true;
    }
    pTarget = next();
  } else {
    CWnd* pFocus = CWnd::GetFocus();
    const bool bFocusOutside = !pFocus || !g.IsChild(pFocus);
    if (!bFocusOutside && !pSel->IsButtonFocused()) return true;
    pTarget = next();
  }
  if (!pTarget) return true;
  PointAtRow(g, pTarget);
  MoveTo(g, pTarget);
  return true;
}

BOOL CPropertyGridCtrl::PreTranslateInput(MSG* pMsg) {
  if (!pMsg || !m_hWnd) return FALSE;
  const UINT message = pMsg->message;
  const UINT nKey = static_cast<UINT>(pMsg->wParam);
  const bool bShift = ::GetKeyState(VK_SHIFT) < 0;

  if (message == WM_KEYUP && nKey == VK_TAB) return GridInput::OnTabReleased(*this, bShift);
  CPropertyGridProperty* pSel = m_pSel;
  if (!pSel) return FALSE;

  if (message == WM_KEYDOWN && nKey == VK_TAB && pSel->OnActivateByTab()) {
    if (m_pSel == pSel && pSel->GetComboWnd()) {
      pSel->SetValueHighlighted(TRUE);
      pSel->Redraw();
      pSel->SetValueHighlighted(FALSE);
    }
    return TRUE;
  }
  if (message == WM_SYSKEYDOWN && (nKey == VK_DOWN || nKey == VK_RIGHT) && pSel->IsEnabled() && pSel->HasButton() &&
      EditItem(pSel)) {
    OnClickButton(CPoint(-1, -1));
    return TRUE;
  }
  if (message == WM_KEYDOWN && nKey == VK_RETURN && pSel->IsGroup() && !pSel->IsInPlaceEditing()) {
    GridInput::ToggleExpansion(*this, pSel, !pSel->IsExpanded());
    return TRUE;
  }

  CPropertyGridProperty* pRow = GridInput::EditedRow(*this);
  if (!pRow) return FALSE;
  CWnd* pInPlace = pRow->GetInPlaceWnd();
  CComboBox* pCombo = pRow->GetComboWnd();
  const bool bDropped = pCombo && pCombo->m_hWnd && pCombo->GetDroppedState();

  if (message == WM_KEYDOWN) {
    switch (nKey) {
      case VK_RETURN:
        if (pRow->IsButtonFocused()) {
          OnClickButton(CPoint(-1, -1));
        } else if (bDropped) {
          GridInput::OnSelectCombo(*this);
        } else if (!EndEditItem(TRUE)) {
          ::MessageBeep(static_cast<UINT>(-1));
        }
        SetFocus();
        return TRUE;
      case VK_ESCAPE:
        EndEditItem(FALSE);
        SetFocus();
        return TRUE;
      case VK_UP:
      case VK_DOWN:
        if (pRow->GetOptionCount() >= 2 && !bDropped) {
          pRow->OnRotateListValue(nKey == VK_DOWN);
        } else if (pInPlace && pInPlace->m_hWnd) {
          pInPlace->SendMessage(WM_KEYDOWN, pMsg->wParam, pMsg->lParam);
          if (pCombo && pCombo->m_hWnd) {
            pRow->SetValueHighlighted(TRUE);
            pCombo->SendMessage(WM_KEYDOWN, pMsg->wParam, pMsg->lParam);
            GridInput::OnSelectCombo(*this);
            pRow->Redraw();
          }
        }
        return TRUE;
      default:
        if (!pRow->IsAllowEdit()) {
          pRow->PushChar(nKey);
          return TRUE;
        }
        return ProcessClipboardAccelerators(nKey);
    }
  }

  if (!IsClientMouseMessage(message)) return FALSE;
  CPoint point(pMsg->lParam);
  ::MapWindowPoints(pMsg->hwnd, m_hWnd, &point, 1);
  for (CWnd* pControl : {static_cast<CWnd*>(pRow->GetSpinWnd()), static_cast<CWnd*>(pRow->GetSliderWnd()),
                         static_cast<CWnd*>(pCombo)}) {
    if (!ChildRect(*this, pControl).PtInRect(point)) continue;
    if (pMsg->hwnd == pControl->m_hWnd) return FALSE;
    ForwardMouse(*this, pControl, *pMsg, point);
    return TRUE;
  }
  const bool bInEdit = ChildRect(*this, pInPlace).PtInRect(point);
  if (message == WM_LBUTTONDBLCLK && bInEdit && pRow->OnDblClk(point)) return TRUE;
  if (message == WM_RBUTTONDOWN && bInEdit && !pRow->IsAllowEdit()) return TRUE;
  if (message == WM_LBUTTONDOWN && !bInEdit) {
    if (pRow->GetButtonRect().PtInRect(point)) {
      OnClickButton(point);
      return TRUE;
    }
    return !EndEditItem(TRUE);
  }
  if (bInEdit && pMsg->hwnd != pInPlace->m_hWnd) {
    ForwardMouse(*this, pInPlace, *pMsg, point);
    return TRUE;
  }
  return FALSE;
}

// ---- notifications of the in-place controls ---------------------------------------------------

BOOL CPropertyGridCtrl::OnCommand(WPARAM wParam, LPARAM lParam) {
  // Menus and accelerators carry no control window.
  if (!lParam) return CWnd::OnCommand(wParam, lParam);
  const unsigned events = EventsOf(LOWORD(wParam));
  for (const auto& notification : kCommandNotifications) {
    if (notification.code == HIWORD(wParam) && (events & notification.event)) {
      notification.handle(*this);
      return TRUE;
    }
  }
  return CWnd::OnCommand(wParam, lParam);
}

void GridInput::OnSelectCombo(CPropertyGridCtrl& g) {
  if (!g.m_pSel) return;
  g.m_pSel->OnSelectCombo();
  if (g.m_hWnd) g.Invalidate();
}

void GridInput::OnCloseCombo(CPropertyGridCtrl& g) {
  if (g.m_pSel) g.m_pSel->OnCloseCombo();
}

void GridInput::OnEditChange(CPropertyGridCtrl& g) {
  if (CPropertyGridProperty* pRow = EditedRow(g)) pRow->OnEditTextChanged(TRUE);
}

void GridInput::OnUpdateSpin(CPropertyGridCtrl& g) {
  CPropertyGridProperty* pRow = EditedRow(g);
  if (!pRow) return;
  pRow->SetUpdateFromSpin(TRUE);
  pRow->OnUpdateValue();
}

void GridInput::OnUpdateSlider(CPropertyGridCtrl& g) {
  CPropertyGridProperty* pRow = EditedRow(g);
  if (!pRow) return;
  pRow->OnUpdateValue();
  if (g.m_pSel == pRow) pRow->Redraw();
}

void CPropertyGridCtrl::OnHScroll(UINT nSBCode, UINT, CWnd* pScrollBar) {
  const CWnd* pSpin = m_pSel ? static_cast<const CWnd*>(m_pSel->GetSpinWnd()) : nullptr;
  if (pScrollBar && pSpin && pScrollBar->m_hWnd == pSpin->m_hWnd) return;
  if (nSBCode == TB_ENDTRACK) PostMessage(kMsgUpdateSlider);
}

BOOL CPropertyGridCtrl::OnInputNotify(NMHDR* pNMH, LRESULT* pResult) {
  if (!pNMH || !pResult) return FALSE;
  if (m_wndHeader.m_hWnd && pNMH->hwndFrom == m_wndHeader.m_hWnd) {
    const auto& nm = *reinterpret_cast<const NMHEADERA*>(pNMH);
    switch (pNMH->code) {
      case HDN_ITEMCHANGEDA:
      case HDN_ITEMCHANGEDW:
        GridInput::OnHeaderItemChanged(*this, nm);
        break;
      case HDN_TRACKA:
      case HDN_TRACKW:
        GridInput::OnHeaderTrack(*this, nm);
        break;
      case HDN_ENDTRACKA:
      case HDN_ENDTRACKW:
        GridInput::OnHeaderEndTrack(*this);
        break;
      default:
        return FALSE;
    }
    *pResult = 0;
    return TRUE;
  }
  if (pNMH->code == UDN_DELTAPOS && (EventsOf(static_cast<UINT>(pNMH->idFrom)) & kSpinChange)) {
    // The change is allowed; the value is read once the control has moved.
    *pResult = 0;
    PostMessage(kMsgUpdateSpin);
    return TRUE;
  }
  return FALSE;
}

BOOL CPropertyGridCtrl::OnInputMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case kMsgUpdateSpin:
      GridInput::OnUpdateSpin(*this);
      *pResult = 0;
      return TRUE;
    case kMsgUpdateSlider:
      GridInput::OnUpdateSlider(*this);
      *pResult = 0;
      return TRUE;
    case kMsgEditorLostFocus:
      (wParam ? GridInput::OnComboKillFocus : GridInput::OnEditKillFocus)(*this);
      *pResult = 0;
      return TRUE;
    case WM_NOTIFY:
      return OnInputNotify(reinterpret_cast<NMHDR*>(lParam), pResult);
    case npb::kGridQueryRowMessage:
      *pResult = GridInput::AnswerRowQuery(*this, static_cast<int>(wParam), reinterpret_cast<npb::GridRowQuery*>(lParam));
      return TRUE;
    default:
      return FALSE;
  }
}

int GridInput::AnswerRowQuery(CPropertyGridCtrl& g, int nIndex, npb::GridRowQuery* pQuery) {
  const int nCount = static_cast<int>(g.m_lstShownProps.size());
  if (!pQuery) return nCount;
  if (nIndex < 0 || nIndex >= nCount) return FALSE;
  CPropertyGridProperty* pProp = g.m_lstShownProps[static_cast<size_t>(nIndex)];
  if (pQuery->bEnsureVisible) g.EnsureVisible(pProp);
  pQuery->nDepth = pProp->GetHierarchyLevel();
  pQuery->rectRow = pProp->GetRect();
  pQuery->rectList = g.m_rectList;
  pQuery->nDividerX = DividerX(g);
  pQuery->bEditing = pProp->IsInPlaceEditing();
  lstrcpynA(pQuery->szName, pProp->GetName().GetString(), sizeof pQuery->szName);
  lstrcpynA(pQuery->szValue, pProp->IsGroup() && !pProp->IsValueList() ? "" : pProp->FormatProperty().GetString(),
            sizeof pQuery->szValue);
  return TRUE;
}
