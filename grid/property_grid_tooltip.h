// CPropertyGridToolTipCtrl: the in-place tip of the property grid, a borderless popup that
// shows the whole text of a truncated name or value right over its cell. Mouse messages that
// reach it are passed on to the grid, so a click on the tip acts on the cell below.
#pragma once

#include <windows.h>

#include "framework/afx_string.h"
#include "framework/geometry.h"
#include "framework/wnd.h"

namespace npb::tips {

// A text of more than one line is wrapped in a box this wide.
constexpr int kWrapWidth = 200;
// A row's own tip running past the work area's right edge moves this far left.
constexpr int kRowTipShift = 100;

// The tip's rectangle for a text of the given extent over a cell (screen coordinates): the
// text plus a margin on each side, at least as high as the cell, at the cell's left edge (its
// right edge when bRightToLeft), then kept inside rectWork.
CRect PlaceTip(const CRect& rectCell, CSize sizeText, int nTextMargin, BOOL bRightToLeft, BOOL bRowTip,
               const CRect& rectWork);

// Moves and clips a rectangle into the work area; a row's own tip running past the right edge
// moves kRowTipShift left instead of ending at the edge.
CRect ConfineToWorkArea(CRect rect, const CRect& rectWork, BOOL bRowTip);

// The work area of the monitor under a point, else the desktop's work area.
CRect WorkAreaAt(CPoint ptScreen);

}  // namespace npb::tips

class CPropertyGridToolTipCtrl : public CWnd {
public:
  static constexpr const char* kWindowClass = "NpbPropertyGridTip";
  static constexpr int kInitialTextMargin = 10;

  CPropertyGridToolTipCtrl() = default;

  // Stores the window that receives the tip's mouse messages and creates the hidden popup.
  BOOL Create(CWnd* pWndParent);
  // Shows the text over the cell (screen coordinates); bRowTip marks a row's own tip text.
  void Track(CRect rect, const CString& strText, BOOL bRowTip = FALSE);
  void Hide();
  void SetTextAlign(int nTextAlign, BOOL bRedraw = TRUE);
  void SetTextMargin(int nTextMargin) { m_nTextMargin = nTextMargin; }

  const CString& GetText() const { return m_strText; }
  const CRect& GetLastRect() const { return m_rectLast; }
  int GetTextMargin() const { return m_nTextMargin; }
  int GetTextAlign() const { return m_nTextAlign; }
  CWnd* GetParentWnd() const { return m_pWndParent; }

  BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override;
  BOOL OnEraseBkgnd(CDC* pDC) override;
  void OnSetFont(HFONT hFont, BOOL bRedraw) override;
  HFONT OnGetFont() override;

private:
  // Hides the tip unless it is a plain move and sends the message on to the parent in the
  // parent's client coordinates. bScreen: the point is already in screen coordinates.
  void PassMouseMessage(UINT message, WPARAM wParam, CPoint point, BOOL bScreen);
  HFONT TipFont() const;

  CString m_strText;
  CRect m_rectLast;
  int m_nTextMargin = kInitialTextMargin;
  int m_nTextAlign = 0;
  CWnd* m_pWndParent = nullptr;
  HFONT m_hFont = nullptr;
};
