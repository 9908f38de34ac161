// A grid row's drawing operations: its name, value, expand box, button and description, and
// the colours of its in-place edit. The grid clips each call to the part's rectangle.
#include <algorithm>

#include "framework/gdi.h"
#include "grid/grid_look.h"
#include "grid/property_grid_ctrl.h"
#include "grid/property_row.h"
#include "grid/row_value.h"

namespace {

// Names and values keep this far from their cell's left and right edges.
constexpr int kTextMargin = 4;
constexpr UINT kCellTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
constexpr UINT kDescriptionFormat = DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS;
// The expand box is at most this wide.
constexpr int kMaxExpandBoxSide = 9;
// The sign inside the expand box keeps this far from its frame.
constexpr int kExpandSignInset = 2;
constexpr COLORREF kNoColor = static_cast<COLORREF>(-1);

// Draws a one-line text in a cell narrowed by the text margin; true when it did not fit.
bool DrawCellText(CDC* pDC, const CString& strText, CRect rect) {
  rect.DeflateRect(kTextMargin, 0);
  pDC->DrawText(strText, &rect, kCellTextFormat);
  return pDC->GetTextExtent(strText).cx > rect.Width();
}

void DrawDropArrow(CDC* pDC, const CRect& rect) {
  const CPoint c = rect.CenterPoint();
  const POINT points[] = {{c.x - 3, c.y - 1}, {c.x + 3, c.y - 1}, {c.x, c.y + 2}};
  CPen pen(PS_SOLID, 1, npb::look::SysColor(COLOR_BTNTEXT));
  CBrush brush(npb::look::SysColor(COLOR_BTNTEXT));
  CSelectObject selectPen(*pDC, pen);
  CSelectObject selectBrush(*pDC, brush);
  pDC->Polygon(points, 3);
}

}  // namespace

void CPropertyGridProperty::OnDrawName(CDC* pDC, CRect rect) {
  const CPropertyGridCtrl* pGrid = GetOwnerList();
  const int nRowHeight = m_pWndList ? m_pWndList->GetRowHeight() : m_Rect.Height();
  const BOOL bPlainGroup = m_bGroup && !m_bIsValueList;
  const BOOL bVSDotNet = pGrid && pGrid->IsVSDotNetLook();
  // A group's name starts after its expand box; an item of a value list one step further in.
  if (m_bGroup) rect.left += nRowHeight;
  if (m_pParent && m_pParent->m_bIsValueList) rect.left += nRowHeight;

  const COLORREF clrOldText = pDC->GetTextColor();
  if (IsSelected() && !(bVSDotNet && bPlainGroup)) {
    const BOOL bActive = pGrid && pGrid->IsFocused();
    pDC->FillRect(CRect(rect.left, rect.top + 1, rect.right, rect.bottom), npb::look::SelectionBrush(bActive));
    pDC->SetTextColor(npb::look::SelectionTextColor(bActive));
  }
  if (bVSDotNet && bPlainGroup) pDC->SetTextColor(pGrid->GetGroupTextColor());
  m_bNameIsTruncated = DrawCellText(pDC, m_strName, rect);
  pDC->SetTextColor(clrOldText);
}

void CPropertyGridProperty::OnDrawValue(CDC* pDC, CRect rect) {
  if ((m_bGroup && !m_bIsValueList) || !HasValueField()) return;
  const BOOL bBold = m_bIsModified && m_pWndList && m_pWndList->IsMarkModifiedProperties();
  CSelectObject font(*pDC, bBold ? m_pWndList->GetBoldFont() : nullptr);
  const COLORREF clrOldText = pDC->GetTextColor();
  if (m_bValueIsHighlighted) {
    pDC->FillRect(&rect, npb::look::SelectionBrush(TRUE));
    pDC->SetTextColor(npb::look::SelectionTextColor(TRUE));
  }
  rect.OffsetRect(0, 1);
  m_bValueIsTruncated = DrawCellText(pDC, FormatProperty(), rect);
  pDC->SetTextColor(clrOldText);
}

void CPropertyGridProperty::OnDrawExpandBox(CDC* pDC, CRect rect) {
  const CPropertyGridCtrl* pGrid = GetOwnerList();
  const int nHalf = std::min(rect.Width(), kMaxExpandBoxSide) / 2;
  const CPoint c = rect.CenterPoint();
  const CRect rectBox(c.x - nHalf, c.y - nHalf, c.x + nHalf + 1, c.y + nHalf + 1);
  if (m_bIsValueList) pDC->FillRect(&rectBox, pGrid ? pGrid->GetBackgroundBrush() : npb::look::WindowBrush());

  const BOOL bVSDotNet = pGrid && pGrid->IsVSDotNetLook();
  const COLORREF clrLine = bVSDotNet ? npb::look::LightShadowColor() : npb::look::ShadowColor();
  CBrush frame(clrLine);
  pDC->FrameRect(&rectBox, frame);

  CPen pen(PS_SOLID, 1, npb::look::SysColor(COLOR_BTNTEXT));
  CSelectObject selectPen(*pDC, pen);
  pDC->MoveTo(rectBox.left + kExpandSignInset, c.y);
  pDC->LineTo(rectBox.right - kExpandSignInset, c.y);
  const BOOL bOpen = m_bExpanded && !m_lstSubItems.empty();
  if (!bOpen) {
    pDC->MoveTo(c.x, rectBox.top + kExpandSignInset);
    pDC->LineTo(c.x, rectBox.bottom - kExpandSignInset);
  }
}

void CPropertyGridProperty::OnDrawButton(CDC* pDC, CRect rect) {
  CRect rectFace = rect;
  pDC->DrawFrameControl(&rectFace, DFC_BUTTON, DFCS_BUTTONPUSH | (m_bButtonIsDown ? DFCS_PUSHED : 0));
  CRect rectGlyph = rect;
  if (m_bButtonIsDown) rectGlyph.OffsetRect(1, 1);
  if (m_dwFlags & AFX_PROP_HAS_LIST) {
    DrawDropArrow(pDC, rectGlyph);
  } else {
    const COLORREF clrOldText = pDC->SetTextColor(npb::look::SysColor(COLOR_BTNTEXT));
    pDC->DrawText(CString("..."), &rectGlyph, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    pDC->SetTextColor(clrOldText);
  }
  if (m_bButtonIsFocused) {
    CRect rectFocus = rect;
    rectFocus.DeflateRect(2, 2);
    pDC->DrawFocusRect(&rectFocus);
  }
}

void CPropertyGridProperty::OnDrawDescription(CDC* pDC, CRect rect) {
  pDC->DrawText(m_strDescr, &rect, kDescriptionFormat);
}

HBRUSH CPropertyGridProperty::OnCtlColor(CDC* pDC, UINT) {
  const CPropertyGridCtrl* pGrid = GetOwnerList();
  if (!pGrid) return nullptr;
  COLORREF clrBackground, clrText, clrUnused;
  pGrid->GetCustomColors(clrBackground, clrText, clrUnused, clrUnused, clrUnused, clrUnused, clrUnused);
  if (clrText != kNoColor) pDC->SetTextColor(clrText);
  if (clrBackground != kNoColor) {
    pDC->SetBkColor(clrBackground);
    return pGrid->GetBackgroundBrush();
  }
  // A read-only edit would take the dialog face colour; the grid keeps its window colour.
  if (npb::IsRowValueKind(m_varValue.vt) && (!m_bEnabled || !m_bAllowEdit)) {
    pDC->SetBkColor(npb::look::WindowColor());
    return npb::look::WindowBrush();
  }
  return nullptr;
}
