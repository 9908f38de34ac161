// The in-place tip window: measuring and placing its text, painting, and passing the mouse on
// to the grid below it.
#include "grid/property_grid_tooltip.h"

#include <algorithm>

#include "framework/gdi.h"
#include "framework/window_class.h"

namespace npb::tips {

CRect ConfineToWorkArea(CRect rect, const CRect& rectWork, BOOL bRowTip) {
  if (rect.Width() > rectWork.Width()) {
    rect.left = rectWork.left;
    rect.right = rectWork.right;
  } else if (rect.right > rectWork.right) {
    // A row's own tip keeps its left part over the cell it explains.
    rect.OffsetRect(bRowTip ? -kRowTipShift : rectWork.right - rect.right, 0);
  }
  if (rect.left < rectWork.left) rect.OffsetRect(rectWork.left - rect.left, 0);

  if (rect.Height() > rectWork.Height()) {
    rect.top = rectWork.top;
    rect.bottom = rectWork.bottom;
  } else if (rect.bottom > rectWork.bottom) {
    rect.OffsetRect(0, rectWork.bottom - rect.bottom);
  }
  if (rect.top < rectWork.top) rect.OffsetRect(0, rectWork.top - rect.top);
  return rect;
}

CRect PlaceTip(const CRect& rectCell, CSize sizeText, int nTextMargin, BOOL bRightToLeft, BOOL bRowTip,
               const CRect& rectWork) {
  const int cx = std::max(0, static_cast<int>(sizeText.cx) + 2 * nTextMargin);
  const int cy = std::max(static_cast<int>(sizeText.cy), rectCell.Height());
  const int left = bRightToLeft ? rectCell.right - cx : rectCell.left;
  return ConfineToWorkArea(CRect(left, rectCell.top, left + cx, rectCell.top + cy), rectWork, bRowTip);
}

CRect WorkAreaAt(CPoint ptScreen) {
  if (HMONITOR hMonitor = ::MonitorFromPoint(ptScreen, MONITOR_DEFAULTTONULL)) {
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (::GetMonitorInfoA(hMonitor, &mi)) return CRect(mi.rcWork);
  }
  CRect rectWork;
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rectWork, 0);
  return rectWork;
}

}  // namespace npb::tips

namespace {

constexpr UINT kSingleLineFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
constexpr UINT kWrappedFormat = DT_WORDBREAK | DT_NOPREFIX;

bool IsMultiLine(const CString& strText) { return strText.Find('\n') >= 0; }

bool IsClientMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST; }

}  // namespace

BOOL CPropertyGridToolTipCtrl::Create(CWnd* pWndParent) {
  if (!AfxRegisterClass(kWindowClass, CS_SAVEBITS, ::LoadCursor(nullptr, IDC_ARROW))) return FALSE;
  m_pWndParent = pWndParent;
  return CreateEx(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kWindowClass, "", WS_POPUP, CRect(), pWndParent, 0);
}

HFONT CPropertyGridToolTipCtrl::TipFont() const {
  return m_hFont ? m_hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

void CPropertyGridToolTipCtrl::Track(CRect rect, const CString& strText, BOOL bRowTip) {
  if (!m_hWnd) return;
  if (rect == m_rectLast && strText == m_strText) return;
  m_rectLast = rect;
  m_strText = strText;

  CSize sizeText;
  {
    CClientDC dc(this);
    CSelectObject font(dc, TipFont());
    if (IsMultiLine(strText)) {
      CRect rectText(0, 0, npb::tips::kWrapWidth, 0);
      dc.DrawText(strText, &rectText, kWrappedFormat | DT_CALCRECT);
      sizeText = rectText.Size();
    } else {
      TEXTMETRICA tm{};
      dc.GetTextMetrics(&tm);
      sizeText = CSize(dc.GetTextExtent(strText).cx, tm.tmHeight);
    }
  }
  const BOOL bRightToLeft = m_pWndParent && m_pWndParent->m_hWnd && (m_pWndParent->GetExStyle() & WS_EX_LAYOUTRTL);
  const CRect rectTip = npb::tips::PlaceTip(rect, sizeText, m_nTextMargin, bRightToLeft, bRowTip,
                                            npb::tips::WorkAreaAt(rect.TopLeft()));

  SetWindowPos(HWND_TOP, rectTip.left, rectTip.top, rectTip.Width(), rectTip.Height(), SWP_NOACTIVATE);
  ShowWindow(SW_SHOWNOACTIVATE);
  RedrawWindow();
  ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
}

void CPropertyGridToolTipCtrl::Hide() {
  m_strText.Empty();
  m_rectLast.SetRectEmpty();
  if (m_hWnd) ShowWindow(SW_HIDE);
}

void CPropertyGridToolTipCtrl::SetTextAlign(int nTextAlign, BOOL bRedraw) {
  m_nTextAlign = nTextAlign;
  if (bRedraw && m_hWnd && IsWindowVisible()) RedrawWindow();
}

void CPropertyGridToolTipCtrl::OnSetFont(HFONT hFont, BOOL bRedraw) {
  m_hFont = hFont;
  if (bRedraw && IsWindowVisible()) RedrawWindow();
}

HFONT CPropertyGridToolTipCtrl::OnGetFont() { return m_hFont; }

BOOL CPropertyGridToolTipCtrl::OnEraseBkgnd(CDC*) { return TRUE; }

void CPropertyGridToolTipCtrl::OnPaint() {
  CPaintDC dc(this);
  CRect rect;
  GetClientRect(&rect);
  dc.FillRect(&rect, ::GetSysColorBrush(COLOR_INFOBK));
  dc.FrameRect(&rect, ::GetSysColorBrush(COLOR_INFOTEXT));

  CSelectObject font(dc, TipFont());
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(::GetSysColor(COLOR_INFOTEXT));
  rect.DeflateRect(m_nTextMargin, 0);
  const UINT nFormat = (IsMultiLine(m_strText) ? kWrappedFormat : kSingleLineFormat) | static_cast<UINT>(m_nTextAlign);
  dc.DrawText(m_strText, &rect, nFormat);
}

void CPropertyGridToolTipCtrl::PassMouseMessage(UINT message, WPARAM wParam, CPoint point, BOOL bScreen) {
  if (!bScreen) ClientToScreen(&point);
  if (message != WM_MOUSEMOVE) Hide();
  if (!m_pWndParent || !m_pWndParent->IsWindow()) return;
  // The wheel carries screen coordinates whoever receives it.
  if (message != WM_MOUSEWHEEL) m_pWndParent->ScreenToClient(&point);
  m_pWndParent->SendMessage(message, wParam, MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
}

BOOL CPropertyGridToolTipCtrl::PreTranslateMessage(MSG* pMsg) {
  if (!pMsg || pMsg->hwnd != m_hWnd || !IsClientMouseMessage(pMsg->message)) return FALSE;
  PassMouseMessage(pMsg->message, pMsg->wParam, CPoint(pMsg->lParam), pMsg->message == WM_MOUSEWHEEL);
  return TRUE;
}

LRESULT CPropertyGridToolTipCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // A loop that does not pre-translate still delivers the mouse here.
  if (IsClientMouseMessage(message)) {
    PassMouseMessage(message, wParam, CPoint(lParam), message == WM_MOUSEWHEEL);
    return 0;
  }
  if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  return CWnd::WindowProc(message, wParam, lParam);
}
