// The grid's two kinds of tip: the in-place tip that shows a truncated name or value whole
// over its cell while the pointer rests on it, and the ordinary tooltip control whose tools
// (one per visible name and value cell, laid out with the rows) ask the grid for their text.
#include <cstdlib>
#include <string>

#include "grid/property_grid_ctrl.h"

namespace {

// Rich-text rows ("STA_RTF") show a markup-free rendering only in the in-place tip.
constexpr DWORD_PTR kDataRichText = 6004;
// The in-place tip's text keeps this far from its edges, as the cell's text does.
constexpr int kInPlaceTextMargin = 4;
// Pointer this close to the divider: the divider, not a cell.
constexpr int kDividerSlack = 2;

// The text the ordinary tooltip shows; it reads it after the request returns.
CString& TipTextA() {
  static CString s_strTipText;
  return s_strTipText;
}

std::wstring& TipTextW() {
  static std::wstring s_strTipText;
  return s_strTipText;
}

bool IsMouseButtonMessage(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN: case WM_NCLBUTTONUP: case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN: case WM_NCRBUTTONUP: case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN: case WM_NCMBUTTONUP: case WM_NCMBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

}  // namespace

CPropertyGridCtrl::InPlaceTip CPropertyGridCtrl::ChooseInPlaceTip(CPropertyGridProperty* pProp, CPoint point) {
  InPlaceTip tip;
  const CRect& rectRow = pProp->GetRect();
  const int xDivider = m_rectList.left + m_nLeftColumnWidth;
  if (point.x > xDivider) {
    tip.bValueTip = TRUE;
    if (!pProp->IsValueTruncated() && pProp->GetData() != kDataRichText) return tip;
    const CString strOwn = m_bAlwaysShowUserTT ? pProp->GetValueTooltip() : CString();
    tip.bRowTip = !strOwn.IsEmpty();
    tip.strText = tip.bRowTip ? strOwn : pProp->FormatProperty();
    tip.rectCell = CRect(xDivider + 1, rectRow.top, rectRow.right, rectRow.bottom);
    return tip;
  }
  if (pProp->IsGroup() && point.x <= rectRow.left + m_nRowHeight) return tip;
  if (!pProp->IsNameTruncated()) return tip;
  // A row's own name tip is the ordinary tooltip's to show.
  if (m_bAlwaysShowUserTT && !pProp->GetNameTooltip().IsEmpty()) return tip;
  tip.strText = pProp->GetName();
  // The cell where the name is drawn: after a group's expand box, and one step further in for
  // an item of a value list.
  tip.rectCell = rectRow;
  const BOOL bFullWidthGroup = pProp->IsGroup() && !pProp->IsValueList() && m_bGroupNameFullWidth;
  if (!bFullWidthGroup) tip.rectCell.right = xDivider;
  if (pProp->IsGroup()) tip.rectCell.left += m_nRowHeight;
  if (pProp->GetParent() && pProp->GetParent()->IsValueList()) tip.rectCell.left += m_nRowHeight;
  return tip;
}

void CPropertyGridCtrl::TrackToolTip(CPoint point) {
  if (m_bTracking || m_bTrackingDescr || !m_hWnd || !m_IPToolTip.m_hWnd) return;
  const BOOL bTipVisible = m_IPToolTip.IsWindowVisible();
  CRect rectTip;
  m_IPToolTip.GetWindowRect(&rectTip);
  CPoint ptScreen = point;
  ClientToScreen(&ptScreen);
  if (bTipVisible && rectTip.PtInRect(ptScreen)) return;

  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  CPropertyGridProperty* pProp = HitTest(point, nullptr, TRUE);
  if (!pProp || std::abs(point.x - (m_rectList.left + m_nLeftColumnWidth)) <= kDividerSlack) {
    m_IPToolTip.Hide();
    return;
  }
  if (pProp->IsInPlaceEditing()) return;

  const InPlaceTip tip = ChooseInPlaceTip(pProp, point);
  if (tip.strText.IsEmpty()) {
    m_IPToolTip.Hide();
    return;
  }
  CRect rectCell = tip.rectCell;
  ClientToScreen(&rectCell);
  if (bTipVisible && rectTip.TopLeft() == rectCell.TopLeft()) return;

  m_IPToolTip.SetTextMargin(kInPlaceTextMargin);
  const BOOL bBold = tip.bValueTip && pProp->IsModified() && m_bMarkModifiedProperties;
  m_IPToolTip.SetFont(bBold && m_fontBold.GetSafeHandle() ? m_fontBold.GetSafeHandle() : GetGridFont(), FALSE);
  m_IPToolTip.Track(rectCell, tip.strText, tip.bRowTip);
  // Held so that the grid sees the pointer leave the cell and can take the tip away.
  SetCapture();
}

CString CPropertyGridCtrl::GetToolTipTextAt(CPoint point) {
  CPropertyGridProperty* pProp = HitTest(point, nullptr, TRUE);
  if (!pProp) return CString();
  if (point.x < m_rectList.left + m_nLeftColumnWidth) {
    return !pProp->IsNameTruncated() || m_bAlwaysShowUserTT ? pProp->GetNameTooltip() : CString();
  }
  if (pProp->GetData() == kDataRichText) return CString();
  return !pProp->IsValueTruncated() || m_bAlwaysShowUserTT ? pProp->GetValueTooltip() : CString();
}

BOOL CPropertyGridCtrl::OnNeedTipText(UINT, NMHDR* pNMH, LRESULT* pResult) {
  if (pResult) *pResult = 0;
  if (!pNMH) return FALSE;
  if (m_ToolTip.m_hWnd) {
    m_ToolTip.SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  if (!m_ToolTip.m_hWnd || pNMH->hwndFrom != m_ToolTip.m_hWnd) return FALSE;

  CPoint point;
  ::GetCursorPos(&point);
  ScreenToClient(&point);
  TipTextA() = GetToolTipTextAt(point);
  m_ToolTip.SetFont(GetGridFont(), FALSE);
  if (pNMH->code == TTN_NEEDTEXTA) {
    reinterpret_cast<NMTTDISPINFOA*>(pNMH)->lpszText = const_cast<LPSTR>(TipTextA().GetString());
    return TRUE;
  }
  const CString& strText = TipTextA();
  const int n = ::MultiByteToWideChar(CP_ACP, 0, strText.GetString(), strText.GetLength(), nullptr, 0);
  TipTextW().assign(static_cast<size_t>(n), L'\0');
  if (n > 0) ::MultiByteToWideChar(CP_ACP, 0, strText.GetString(), strText.GetLength(), TipTextW().data(), n);
  reinterpret_cast<NMTTDISPINFOW*>(pNMH)->lpszText = TipTextW().data();
  return TRUE;
}

// Every notification the grid answers: the header's, the spin's and the tooltip's.
BOOL CPropertyGridCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  auto* pNMH = reinterpret_cast<NMHDR*>(lParam);
  if (OnInputNotify(pNMH, pResult)) return TRUE;
  if (pNMH && (pNMH->code == TTN_NEEDTEXTA || pNMH->code == TTN_NEEDTEXTW)) {
    return OnNeedTipText(static_cast<UINT>(pNMH->idFrom), pNMH, pResult);
  }
  return CWnd::OnNotify(wParam, lParam, pResult);
}

void CPropertyGridCtrl::RelayToolTipMessage(MSG* pMsg) {
  if (!pMsg || !m_hWnd) return;
  const BOOL bKey = pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN;
  if (bKey || IsMouseButtonMessage(pMsg->message)) {
    if (m_ToolTip.m_hWnd) m_ToolTip.RelayEvent(pMsg);
    m_IPToolTip.Hide();
    return;
  }
  if (pMsg->message != WM_MOUSEMOVE) return;
  if (m_ToolTip.m_hWnd) m_ToolTip.RelayEvent(pMsg);
  if (pMsg->wParam & kAnyButton) return;
  // The message may come from a child of the grid (an in-place editor).
  CPoint point(pMsg->lParam);
  ::MapWindowPoints(pMsg->hwnd, m_hWnd, &point, 1);
  TrackToolTip(point);
}

BOOL CPropertyGridCtrl::PreTranslateMessage(MSG* pMsg) {
  RelayToolTipMessage(pMsg);
  if (PreTranslateInput(pMsg)) return TRUE;
  return CWnd::PreTranslateMessage(pMsg);
}
