// The grid's layout: row height from the font, header, list and description rectangles, the
// scroll sizes, the rows' rectangles (in groups or sorted by name), and the hit test.
#include <algorithm>

#include "framework/gdi.h"
#include "grid/property_grid_ctrl.h"

namespace {

// A row is the font's text height and this much more.
constexpr int kRowPadding = 10;
// The header is a row height and this much more.
constexpr int kHeaderPadding = 4;
// Header item 0 is this much wider than the name column; item 1 this much wider than the client.
constexpr int kHeaderNameExtra = 2;
constexpr int kHeaderValueExtra = 10;

constexpr UINT kChildMoveFlags = SWP_NOZORDER | SWP_NOACTIVATE;

}  // namespace

int CPropertyGridCtrl::MeasureRowHeight() {
  // Text metrics need a device context; the font decides them, so they are read once per font.
  const HFONT hFont = GetGridFont();
  if (hFont != m_hMeasuredFont || m_nFontHeight < 0) {
    CClientDC dc(this);
    CSelectObject font(dc, hFont);
    TEXTMETRICA tm{};
    dc.GetTextMetrics(&tm);
    m_nFontHeight = tm.tmHeight;
    m_hMeasuredFont = hFont;
  }
  return m_nFontHeight + kRowPadding;
}

void CPropertyGridCtrl::PlaceChild(CWnd& child, CRect& rectPlaced, const CRect& rect, UINT nShowFlag) {
  if (!child.m_hWnd || (rectPlaced == rect && !nShowFlag)) return;
  child.SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), kChildMoveFlags | nShowFlag);
  rectPlaced = rect;
}

void CPropertyGridCtrl::AdjustLayout() {
  if (!m_hWnd) return;
  CRect rectClient;
  GetClientRect(&rectClient);
  m_nRowHeight = MeasureRowHeight();

  // The header and the scroll bar are told only of changes: each message to them costs a
  // round trip to the window system, and most layouts leave them as they were.
  m_nHeaderHeight = 0;
  if (m_bHeaderCtrl) {
    m_nHeaderHeight = m_nRowHeight + kHeaderPadding;
    if (m_wndHeader.m_hWnd && m_placed.hHeaderFont != GetGridFont()) {
      m_wndHeader.SetFont(GetGridFont(), FALSE);
      m_placed.hHeaderFont = GetGridFont();
    }
    PlaceChild(m_wndHeader, m_placed.rectHeader, CRect(rectClient.TopLeft(), CSize(rectClient.Width(), m_nHeaderHeight)),
               m_placed.bHeaderShown ? 0 : SWP_SHOWWINDOW);
    m_placed.bHeaderShown = true;
    SetHeaderItemWidths();
  } else if (m_wndHeader.m_hWnd && m_placed.bHeaderShown) {
    m_wndHeader.ShowWindow(SW_HIDE);
    m_placed.bHeaderShown = false;
  }

  m_rectList = rectClient;
  m_rectList.top += m_nHeaderHeight;
  if (m_bDescriptionArea && m_nDescrHeight != -1 && !m_lstProps.empty()) m_rectList.bottom -= m_nDescrHeight;

  SetScrollSizes();
  if (m_nVertScrollTotal >= 1) {
    const int cxScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    m_rectList.right -= cxScroll;
    PlaceChild(m_wndScrollVert, m_placed.rectScroll,
               CRect(m_rectList.right, m_rectList.top, m_rectList.right + cxScroll, m_rectList.bottom), 0);
  } else {
    PlaceChild(m_wndScrollVert, m_placed.rectScroll, CRect(), 0);
  }

  ReposProperties();
  if (m_pSel && m_pSel->HasButton()) m_pSel->AdjustButtonRect();
  // Painted with the next paint message: a rebuild or a run of changes then paints once.
  Invalidate();
}

void CPropertyGridCtrl::SetHeaderItemWidths() {
  if (!m_wndHeader.m_hWnd) return;
  CRect rectClient;
  GetClientRect(&rectClient);
  const int widths[] = {m_nLeftColumnWidth + kHeaderNameExtra, rectClient.Width() + kHeaderValueExtra};
  for (int i = 0; i < 2; ++i) {
    // Setting a width repaints the header even when it stays the same.
    if (m_placed.nHeaderWidths[i] == widths[i]) continue;
    HDITEMA item{};
    item.mask = HDI_WIDTH;
    item.cxy = widths[i];
    m_wndHeader.SetItem(i, &item);
    m_placed.nHeaderWidths[i] = widths[i];
  }
}

void CPropertyGridCtrl::OnSize(UINT, int cx, int) {
  EndEditItem(TRUE);
  m_nLeftColumnWidth = cx / 2;
  AdjustLayout();
}

void CPropertyGridCtrl::SetScrollSizes() {
  if (!m_wndScrollVert.m_hWnd) return;
  if (m_nRowHeight == 0) {
    m_nVertScrollOffset = m_nVertScrollTotal = m_nVertScrollPage = 0;
  } else {
    m_nVertScrollPage = std::max(0, m_rectList.Height() / m_nRowHeight - 1);
    m_nVertScrollTotal = GetTotalItems(FALSE);
    if (m_nVertScrollTotal <= m_nVertScrollPage) m_nVertScrollPage = m_nVertScrollTotal = 0;
    m_nVertScrollOffset = std::min(m_nVertScrollOffset, m_nVertScrollTotal);
  }
  // The bar repaints on every change it is told of, so it is told only of real ones.
  if (m_placed.nScrollMax != m_nVertScrollTotal || m_placed.nScrollPage != m_nVertScrollPage ||
      m_placed.nScrollPos != m_nVertScrollOffset) {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMax = m_nVertScrollTotal;
    si.nPage = static_cast<UINT>(m_nVertScrollPage);
    si.nPos = m_nVertScrollOffset;
    m_wndScrollVert.SetScrollInfo(&si, TRUE);
    m_placed.nScrollMax = m_nVertScrollTotal;
    m_placed.nScrollPage = m_nVertScrollPage;
    m_placed.nScrollPos = m_nVertScrollOffset;
  }
  const UINT nArrows = m_nVertScrollTotal < 1 ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH;
  if (nArrows != m_placed.nScrollArrows) {
    m_wndScrollVert.EnableScrollBar(nArrows);
    m_placed.nScrollArrows = nArrows;
  }
}

int CPropertyGridCtrl::CountShownSubItems(const CPropertyGridProperty* pProp, BOOL bIncludeHidden) const {
  if (!pProp->IsExpanded()) return 0;
  int nCount = 0;
  for (int i = 0; i < pProp->GetSubItemsCount(); ++i) {
    const CPropertyGridProperty* pSub = pProp->GetSubItem(i);
    nCount += (bIncludeHidden || pSub->IsVisible() ? 1 : 0) + CountShownSubItems(pSub, bIncludeHidden);
  }
  return nCount;
}

namespace {

// Leaf rows and value lists below a row, reached through groups that are not value lists.
int CountTerminalRows(const CPropertyGridProperty* pProp, BOOL bIncludeHidden) {
  if (!pProp->IsGroup() || pProp->IsValueList()) return bIncludeHidden || pProp->IsVisible() ? 1 : 0;
  int nCount = 0;
  for (int i = 0; i < pProp->GetSubItemsCount(); ++i) nCount += CountTerminalRows(pProp->GetSubItem(i), bIncludeHidden);
  return nCount;
}

}  // namespace

int CPropertyGridCtrl::GetTotalItems(BOOL bIncludeHidden) const {
  int nCount = 0;
  for (const CPropertyGridProperty* pProp : m_lstProps) {
    // Counted from the rows rather than the terminal list, which the next layout rebuilds.
    nCount += m_bAlphabeticMode ? CountTerminalRows(pProp, bIncludeHidden)
                                : (bIncludeHidden || pProp->IsVisible() ? 1 : 0) +
                                      CountShownSubItems(pProp, bIncludeHidden);
  }
  return nCount;
}

void CPropertyGridCtrl::AddTerminalProps(CPropertyGridProperty* pProp, std::vector<CPropertyGridProperty*>& lstLeaves) {
  if (pProp->IsGroup() && !pProp->IsValueList()) {
    pProp->SetRect(CRect());
    pProp->ClearButtonRect();
    for (int i = 0; i < pProp->GetSubItemsCount(); ++i) AddTerminalProps(pProp->GetSubItem(i), lstLeaves);
    return;
  }
  lstLeaves.push_back(pProp);
}

void CPropertyGridCtrl::ReposProperties() {
  m_lstTerminalProps.clear();
  m_lstShownProps.clear();
  m_lstLaidOutTools.clear();

  int y = m_rectList.top - m_nVertScrollOffset * m_nRowHeight - 1;
  if (!m_bAlphabeticMode) {
    for (CPropertyGridProperty* pProp : m_lstProps) pProp->Reposition(y);
  } else {
    for (CPropertyGridProperty* pProp : m_lstProps) AddTerminalProps(pProp, m_lstTerminalProps);
    // A stable sort keeps rows with equal names in the order they were met, as inserting each
    // before the first greater name would, without the quadratic cost on large lists.
    std::stable_sort(m_lstTerminalProps.begin(), m_lstTerminalProps.end(),
                     [this](const CPropertyGridProperty* p1, const CPropertyGridProperty* p2) {
                       return CompareProps(p1, p2) < 0;
                     });
    for (CPropertyGridProperty* pProp : m_lstTerminalProps) pProp->Reposition(y);
  }
  SyncTools();
}

void CPropertyGridCtrl::OnPropertyPlaced(CPropertyGridProperty* pProp) {
  m_lstShownProps.push_back(pProp);
  // Tools only for rows inside the list: one elsewhere could only answer over the header or
  // the description area, and registering every row of a long list would cost a tooltip
  // message per row on every layout.
  const CRect& rect = pProp->GetRect();
  if (rect.bottom <= m_rectList.top || rect.top >= m_rectList.bottom) return;
  CRect rectName = rect;
  rectName.right = m_rectList.left + m_nLeftColumnWidth;
  m_lstLaidOutTools.push_back(rectName);
  if (pProp->IsGroup()) return;
  m_lstLaidOutTools.emplace_back(rectName.right + 1, rect.top, rect.right, rect.bottom);
}

void CPropertyGridCtrl::SyncTools() {
  // Tools 1, 2, ... cover the laid-out cells in order. Each tooltip message costs a tenth of a
  // millisecond under Wine, and most layouts (a rebuild, a scroll) put the cells where they
  // were, so only the differences are sent. A tool asks for its text by the point, so one
  // over the same cell serves whichever row lies there now.
  if (!m_ToolTip.m_hWnd) {
    m_lstTools.clear();
    m_nTooltipsCount = 0;
    return;
  }
  const size_t nOld = m_lstTools.size();
  const size_t nNew = m_lstLaidOutTools.size();
  for (size_t i = 0; i < std::min(nOld, nNew); ++i) {
    if (m_lstTools[i] != m_lstLaidOutTools[i]) m_ToolTip.SetToolRect(this, i + 1, &m_lstLaidOutTools[i]);
  }
  for (size_t i = nOld; i < nNew; ++i) m_ToolTip.AddTool(this, LPSTR_TEXTCALLBACKA, &m_lstLaidOutTools[i], i + 1);
  for (size_t i = nNew; i < nOld; ++i) m_ToolTip.DelTool(this, i + 1);
  m_lstTools.swap(m_lstLaidOutTools);
  m_nTooltipsCount = static_cast<int>(m_lstTools.size());
}

size_t CPropertyGridCtrl::FirstShownBelow(int y) const {
  const auto it = std::partition_point(m_lstShownProps.begin(), m_lstShownProps.end(),
                                       [y](const CPropertyGridProperty* p) { return p->GetRect().bottom <= y; });
  return static_cast<size_t>(it - m_lstShownProps.begin());
}

CPropertyGridProperty* CPropertyGridCtrl::HitTest(CPoint pt, ClickArea* pnArea, BOOL bPropsOnly) const {
  if (!m_rectList.PtInRect(pt)) {
    if (!bPropsOnly && pnArea && m_hWnd) {
      CRect rectClient;
      GetClientRect(&rectClient);
      if (rectClient.PtInRect(pt) && pt.y >= m_rectList.bottom) *pnArea = ClickDescription;
    }
    return nullptr;
  }
  // Laid-out rows are stacked top to bottom without gaps, so the only candidate is the first
  // one reaching below the point.
  const size_t nIndex = FirstShownBelow(pt.y);
  if (nIndex == m_lstShownProps.size()) return nullptr;
  CPropertyGridProperty* pProp = m_lstShownProps[nIndex];
  const CRect& rect = pProp->GetRect();
  if (!rect.PtInRect(pt)) return nullptr;
  if (pnArea) {
    if (pProp->IsGroup() && pt.x < rect.left + m_nRowHeight) {
      *pnArea = ClickExpandBox;
    } else if (pProp->HasValueField() && pt.x > m_rectList.left + m_nLeftColumnWidth) {
      *pnArea = ClickValue;
    } else {
      *pnArea = ClickName;
    }
  }
  return pProp;
}
