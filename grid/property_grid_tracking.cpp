// Dragging the column divider and the description border, and the header control's own
// column drag.
#include <algorithm>
#include <climits>

#include "framework/gdi.h"
#include "grid/property_grid_input.h"

namespace {

// The border's drag line is this many pixels above and below the pointer.
constexpr int kDescrLineHalf = 1;
// The description area ends this much below the released border.
constexpr int kDescrHeightExtra = 2;
// Header item 0 is this much wider than the name column.
constexpr int kHeaderNameExtra = 2;

void InvertLine(CWnd& wnd, const CRect& rect) {
  if (rect.IsRectEmpty() || !wnd.m_hWnd) return;
  CClientDC dc(&wnd);
  ::InvertRect(dc.GetSafeHdc(), &rect);
}

}  // namespace

void CPropertyGridCtrl::TrackHeader(int nOffset) {
  if (!m_bShowDragContext) InvertLine(*this, m_rectTrackHeader);
  if (nOffset < 0) {
    m_rectTrackHeader.SetRectEmpty();
    return;
  }
  m_rectTrackHeader = m_rectList;
  m_rectTrackHeader.left = m_rectList.left + nOffset;
  m_rectTrackHeader.right = m_rectTrackHeader.left + 1;
  if (!m_bShowDragContext) {
    InvertLine(*this, m_rectTrackHeader);
    return;
  }
  // With drag context the column itself follows the pointer.
  const int nWidth = GridInput::ClampColumnWidth(*this, nOffset);
  if (nWidth != m_nLeftColumnWidth) GridInput::SetColumnWidth(*this, nWidth);
}

void CPropertyGridCtrl::TrackDescr(int nOffset) {
  InvertLine(*this, m_rectTrackDescr);
  if (nOffset == INT_MIN) {
    m_rectTrackDescr.SetRectEmpty();
    return;
  }
  const CRect rectClient = GridInput::ClientRect(*this);
  const int yMin = rectClient.top + m_nHeaderHeight + m_nRowHeight;
  const int y = std::max(yMin, std::min(nOffset, static_cast<int>(rectClient.bottom) - m_nRowHeight));
  m_rectTrackDescr = CRect(rectClient.left, y - kDescrLineHalf, rectClient.right, y + kDescrLineHalf);
  InvertLine(*this, m_rectTrackDescr);
}

void GridInput::EndTrackHeader(CPropertyGridCtrl& g, int x) {
  g.TrackHeader(-1);
  g.m_bTracking = FALSE;
  if (::GetCapture() == g.m_hWnd) ::ReleaseCapture();
  SetColumnWidth(g, ClampColumnWidth(g, x));
}

void GridInput::EndTrackDescr(CPropertyGridCtrl& g, int y) {
  g.TrackDescr(INT_MIN);
  g.m_bTrackingDescr = FALSE;
  if (::GetCapture() == g.m_hWnd) ::ReleaseCapture();
  const CRect rectClient = ClientRect(g);
  const int nHeight =
      rectClient.Height() - std::max(y, g.m_nHeaderHeight + g.m_nRowHeight) + kDescrHeightExtra;
  g.m_nDescrHeight = std::max(nHeight, g.m_nRowHeight);
  g.AdjustLayout();
}

void GridInput::CancelTracking(CPropertyGridCtrl& g) {
  if (g.m_bTracking) g.TrackHeader(-1);
  if (g.m_bTrackingDescr) g.TrackDescr(INT_MIN);
  g.m_bTracking = g.m_bTrackingDescr = FALSE;
  if (::GetCapture() == g.m_hWnd) ::ReleaseCapture();
}

void GridInput::OnHeaderItemChanged(CPropertyGridCtrl& g, const NMHEADERA& nm) {
  if (nm.iItem != 0 || !g.m_wndHeader.m_hWnd) return;
  HDITEMA item{};
  item.mask = HDI_WIDTH;
  if (!g.m_wndHeader.GetItem(0, &item)) return;
  const int nWidth = ClampColumnWidth(g, item.cxy - kHeaderNameExtra);
  // The grid's own layout sets the header items too; only a real change needs a new layout.
  if (nWidth == g.m_nLeftColumnWidth) return;
  g.m_nLeftColumnWidth = nWidth;
  g.ReposProperties();
  g.InvalidateRect(&g.m_rectList);
  g.UpdateWindow();
}

void GridInput::OnHeaderTrack(CPropertyGridCtrl& g, const NMHEADERA& nm) {
  if (nm.iItem != 0 || !nm.pitem || !(nm.pitem->mask & HDI_WIDTH)) return;
  g.TrackHeader(std::min(nm.pitem->cxy, g.m_rectList.Width()));
}

void GridInput::OnHeaderEndTrack(CPropertyGridCtrl& g) { g.TrackHeader(-1); }
