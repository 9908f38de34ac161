// Tab navigation and the grid's part of pre-translation: the keys and clicks meant for an
// open editor reach it, or the grid, before the dialog's own navigation sees them.
#include <algorithm>
#include <cstdlib>

#include "grid/property_grid_input.h"
// Shift+Tab past the first row gives the focus back to the object tree.
#include "tree/tree_ctrl_xml.h"

namespace {

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

}  // namespace

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

BOOL CPropertyGridCtrl::IsSecondClick(DWORD dwTime, CPoint point) {
  const DWORD dwFirst = m_dwLastClickTime;
  m_dwLastClickTime = 0;
  return dwFirst != 0 && dwTime - dwFirst <= ::GetDoubleClickTime() &&
         std::abs(point.x - m_ptLastClick.x) <= ::GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
         std::abs(point.y - m_ptLastClick.y) <= ::GetSystemMetrics(SM_CYDOUBLECLK) / 2;
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
  // The first click of a double-click on a value opened the editor under the pointer. The
  // second reaches the grid through its capture, or the edit as a plain press when the
  // edit took the capture; either way it is the grid's double-click (caret to the start).
  if (bInEdit && message == WM_LBUTTONDBLCLK && pMsg->hwnd == m_hWnd) return FALSE;
  if (bInEdit && message == WM_LBUTTONDOWN && pMsg->hwnd == pInPlace->m_hWnd &&
      IsSecondClick(pMsg->time, point)) {
    SendMessage(WM_LBUTTONDBLCLK, pMsg->wParam, MAKELPARAM(point.x, point.y));
    return TRUE;
  }
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
