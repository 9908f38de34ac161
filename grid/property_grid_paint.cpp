// The grid's painting: off-screen paint of the client area, colours with their fallbacks,
// the column divider, each row's layers, the description area and the non-client border.
#include <algorithm>

#include "framework/gdi.h"
#include "grid/grid_look.h"
#include "grid/property_grid_ctrl.h"

namespace {

constexpr COLORREF kNoColor = static_cast<COLORREF>(-1);
// The description frame starts this far below the description area's top.
constexpr int kDescriptionFrameGap = 4;
// Margin between the description frame and its text.
constexpr int kDescriptionTextMargin = 4;

COLORREF Pick(COLORREF clrCustom, COLORREF clrFallback) { return clrCustom != kNoColor ? clrCustom : clrFallback; }

// Clips a DC to a rectangle for its scope; the DC's whole state comes back afterwards.
class CClipScope {
public:
  CClipScope(CDC& dc, const CRect& rect) : m_dc(dc), m_nSaved(dc.SaveDC()) { dc.IntersectClipRect(&rect); }
  ~CClipScope() { m_dc.RestoreDC(m_nSaved); }
  CClipScope(const CClipScope&) = delete;
  CClipScope& operator=(const CClipScope&) = delete;

private:
  CDC& m_dc;
  int m_nSaved;
};

}  // namespace

// ---- colours ----------------------------------------------------------------------------------

COLORREF CPropertyGridCtrl::GetBkColor() const { return Pick(m_clrBackground, npb::look::WindowColor()); }
COLORREF CPropertyGridCtrl::GetTextColor() const { return Pick(m_clrText, npb::look::WindowTextColor()); }

COLORREF CPropertyGridCtrl::GetGroupBackgroundColor() const {
  return Pick(m_clrGroupBackground, m_clrGray);
}

COLORREF CPropertyGridCtrl::GetGroupTextColor() const { return Pick(m_clrGroupText, npb::look::GroupTextColor()); }

COLORREF CPropertyGridCtrl::GetShadowColor() const { return npb::look::ShadowColor(); }

COLORREF CPropertyGridCtrl::GetLineColor() const {
  return Pick(m_clrLine, m_bVSDotNetLook ? m_clrGray : GetShadowColor());
}

HBRUSH CPropertyGridCtrl::GetBackgroundBrush() const {
  return m_brBackground.GetSafeHandle() ? m_brBackground.GetSafeHandle() : npb::look::WindowBrush();
}

// ---- the paint pipeline -----------------------------------------------------------------------

void CPropertyGridCtrl::OnPaint() {
  CPaintDC dc(this);
  CRect rectClient;
  GetClientRect(&rectClient);
  CMemDC memDC(dc, rectClient);
  DrawClient(memDC, rectClient);
}

BOOL CPropertyGridCtrl::OnEraseBkgnd(CDC*) { return TRUE; }

LRESULT CPropertyGridCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // Printing the client (PrintWindow, WM_PRINT) draws the same picture into the caller's DC.
  if (message == WM_PRINTCLIENT && wParam) {
    CDC dc(reinterpret_cast<HDC>(wParam));
    CRect rectClient;
    GetClientRect(&rectClient);
    DrawClient(dc, rectClient);
    return 0;
  }
  if (LRESULT result = 0; OnInputMessage(message, wParam, lParam, &result)) return result;
  return CWnd::WindowProc(message, wParam, lParam);
}

void CPropertyGridCtrl::DrawClient(CDC& dc, const CRect& rectClient) {
  m_clrGray = npb::look::LightGray();
  OnFillBackground(&dc, rectClient);
  CSelectObject font(dc, GetGridFont());
  const COLORREF clrOldText = dc.SetTextColor(GetTextColor());
  const int nOldBkMode = dc.SetBkMode(TRANSPARENT);

  OnDrawList(&dc);
  if (m_bDescriptionArea) {
    CRect rectDescr = rectClient;
    rectDescr.top = m_rectList.bottom;
    if (rectDescr.Height() > 0) {
      rectDescr.DeflateRect(1, 1);
      OnDrawDescription(&dc, rectDescr);
    }
  }
  dc.SetBkMode(nOldBkMode);
  dc.SetTextColor(clrOldText);
}

void CPropertyGridCtrl::OnFillBackground(CDC* pDC, CRect rectClient) { pDC->FillRect(&rectClient, GetBackgroundBrush()); }

void CPropertyGridCtrl::OnDrawBorder(CDC*) {}

void CPropertyGridCtrl::OnDrawList(CDC* pDC) {
  CPen pen(PS_SOLID, 1, GetLineColor());
  CSelectObject selectPen(*pDC, pen);
  const int xCenter = m_rectList.left + m_nLeftColumnWidth;
  pDC->MoveTo(xCenter, m_rectList.top - 1);
  pDC->LineTo(xCenter, m_rectList.bottom);
  // Rows above the list draw nothing, so the walk starts at the first one reaching into it:
  // a paint costs the same however long the list is.
  for (size_t i = FirstShownBelow(m_rectList.top); i < m_lstShownProps.size(); ++i) {
    if (!OnDrawProperty(pDC, m_lstShownProps[i])) break;
  }
}

BOOL CPropertyGridCtrl::OnDrawProperty(CDC* pDC, CPropertyGridProperty* pProp) const {
  const CRect rect = pProp->GetRect();
  if (rect.IsRectEmpty()) return TRUE;
  if (rect.top >= m_rectList.bottom) return FALSE;
  if (rect.bottom < m_rectList.top) return TRUE;

  const int xCenter = m_rectList.left + m_nLeftColumnWidth;
  const int nBottom = std::min(rect.bottom, m_rectList.bottom);
  const BOOL bPlainGroup = pProp->IsGroup() && !pProp->IsValueList();
  const BOOL bFullWidthName = bPlainGroup && m_bGroupNameFullWidth;
  const CBrushHandle brBackground = GetBackgroundBrush();

  if (m_bVSDotNetLook) {
    const int xStrip = pProp->IsValueList() ? rect.left + m_nRowHeight : bPlainGroup ? xCenter : rect.left;
    pDC->FillSolidRect(CRect(m_rectList.left, rect.top, xStrip, rect.bottom), GetGroupBackgroundColor());
  }
  const COLORREF clrOldText = pDC->GetTextColor();
  if (!pProp->IsEnabled()) pDC->SetTextColor(npb::look::GrayTextColor());

  CRect rectName = rect;
  if (!bFullWidthName && pProp->HasValueField()) rectName.right = xCenter;

  // Fills start below the row's top line, which is the separator of the row above.
  if (bFullWidthName && !m_bVSDotNetLook) pDC->FillRect(CRect(rect.left + 1, rect.top + 1, rect.right, rect.bottom), brBackground);
  // A row cut by the list's bottom is clipped there but laid out at its full height: it
  // must look the same cut or whole, since scrolling moves its pixels into view.
  if (pProp->IsGroup()) {
    const CRect rectBox(rect.left, rect.top, rect.left + m_nRowHeight, rect.bottom);
    CClipScope clip(*pDC, CRect(rectBox.left, rectBox.top, rectBox.right, nBottom));
    pProp->OnDrawExpandBox(pDC, rectBox);
  }
  if (!pProp->IsGroup() && !pProp->HasValueField()) {
    pDC->FillRect(CRect(rect.left + 1, rect.top + 1, rect.right, rect.bottom), brBackground);
  }
  if (!rectName.IsRectEmpty()) {
    CClipScope clip(*pDC, CRect(rectName.left, rectName.top, rectName.right, nBottom));
    CSelectObject font(*pDC, bPlainGroup ? GetBoldFont() : nullptr);
    pProp->OnDrawName(pDC, rectName);
  }
  {
    const CRect rectValue(xCenter + 1, rect.top, rect.right, rect.bottom);
    CClipScope clip(*pDC, CRect(rectValue.left, rectValue.top, rectValue.right, nBottom));
    pProp->OnDrawValue(pDC, rectValue);
  }
  if (!pProp->GetButtonRect().IsRectEmpty()) pProp->OnDrawButton(pDC, pProp->GetButtonRect());

  pDC->MoveTo(m_rectList.left, rect.bottom);
  pDC->LineTo(m_rectList.right, rect.bottom);
  pDC->SetTextColor(clrOldText);
  return TRUE;
}

void CPropertyGridCtrl::OnDrawDescription(CDC* pDC, CRect rect) {
  if (m_clrDescriptionBackground != kNoColor) {
    CBrush brush(m_clrDescriptionBackground);
    pDC->FillRect(&rect, brush);
  } else {
    pDC->FillRect(&rect, npb::look::FaceBrush());
  }
  rect.top += kDescriptionFrameGap;
  pDC->Draw3dRect(&rect, GetShadowColor(), GetShadowColor());
  if (!m_pSel) return;
  rect.DeflateRect(kDescriptionTextMargin, kDescriptionTextMargin);
  const COLORREF clrOldText = pDC->GetTextColor();
  if (m_clrDescriptionText != kNoColor) pDC->SetTextColor(m_clrDescriptionText);
  m_pSel->OnDrawDescription(pDC, rect);
  pDC->SetTextColor(clrOldText);
}

HBRUSH CPropertyGridCtrl::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  CWnd* pInPlace = m_pSel ? m_pSel->GetInPlaceWnd() : nullptr;
  if (pInPlace && pWnd && pInPlace->m_hWnd == pWnd->m_hWnd) {
    if (HBRUSH hBrush = m_pSel->OnCtlColor(pDC, nCtlColor)) return hBrush;
  }
  return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
}

// ---- non-client area --------------------------------------------------------------------------

void CPropertyGridCtrl::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
  if (!(GetStyle() & WS_BORDER) || !lpncsp) {
    CWnd::OnNcCalcSize(bCalcValidRects, lpncsp);
    return;
  }
  // Either form of the message starts with the proposed client rectangle.
  ::InflateRect(&lpncsp->rgrc[0], -1, -1);
}

void CPropertyGridCtrl::OnNcPaint() {
  if (m_nDescrHeight == -1) {
    // The description height follows the row count only once; later only dragging changes it.
    m_nDescrHeight = m_nDescrRows * m_nRowHeight + m_nRowHeight / 2;
    AdjustLayout();
  }
  if (!(GetStyle() & WS_BORDER)) {
    CWnd::OnNcPaint();
    return;
  }
  HDC hDC = ::GetWindowDC(m_hWnd);
  if (!hDC) return;
  CRect rectWindow;
  GetWindowRect(&rectWindow);
  rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
  CBrush brush(GetShadowColor());
  ::FrameRect(hDC, &rectWindow, brush);
  ::ReleaseDC(m_hWnd, hDC);
}
