// The grid's tips: where the in-place tip stands, the tip window itself, and the grid's rules
// for what the in-place tip and the ordinary tooltip show.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "framework/gdi.h"
#include "framework/window_class.h"
#include "grid/property_grid_ctrl.h"
#include "tests/win/property_grid_fixture.h"

namespace {

using npb::gridtest::GridWindow;

TEST(InPlaceTipPlacement, TipStandsOverTheCellInsideTheWorkArea) {
  const CRect work(0, 0, 1280, 1000), cell(100, 50, 300, 74), edge(1200, 50, 1400, 74);
  struct Case {
    const char* what;
    CRect cell;
    CSize text;
    BOOL rtl, rowTip;
    CRect expected;
  };
  const Case cases[] = {
      {"fits: text and both margins at the cell's left edge", cell, {80, 14}, FALSE, FALSE, {100, 50, 188, 74}},
      {"wrapped text taller than the cell", cell, {120, 40}, FALSE, FALSE, {100, 50, 228, 90}},
      {"right to left: ends at the cell's right edge", cell, {80, 14}, TRUE, FALSE, {212, 50, 300, 74}},
      {"past the right edge: ends at it", edge, {150, 14}, FALSE, FALSE, {1122, 50, 1280, 74}},
      {"a row's own tip moves 100 pixels left instead", edge, {150, 14}, FALSE, TRUE, {1100, 50, 1258, 74}},
      {"wider than the work area: clipped", cell, {2000, 14}, FALSE, FALSE, {0, 50, 1280, 74}},
      {"left of the work area", {-40, 50, 100, 74}, {80, 14}, FALSE, FALSE, {0, 50, 88, 74}},
      {"below the bottom", {100, 990, 300, 1014}, {80, 14}, FALSE, FALSE, {100, 976, 188, 1000}},
      {"above the top", {100, -10, 300, 14}, {80, 14}, FALSE, FALSE, {100, 0, 188, 24}},
  };
  for (const Case& c : cases) EXPECT_EQ(npb::tips::PlaceTip(c.cell, c.text, 4, c.rtl, c.rowTip, work), c.expected) << c.what;
}

// Records the mouse messages the tip passes on.
class RecordingParent : public CWnd {
public:
  std::vector<std::pair<UINT, CPoint>> seen;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) seen.emplace_back(message, CPoint(lParam));
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

TEST(InPlaceTipWindow, ShowsMeasuredTextOverTheCellAndPassesTheMouseOn) {
  ASSERT_TRUE(AfxRegisterClass("NpbTipTestParent"));
  RecordingParent parent;
  ASSERT_TRUE(parent.CreateEx(0, "NpbTipTestParent", "", WS_POPUP | WS_VISIBLE, CRect(100, 100, 500, 400), nullptr, 0));
  CPropertyGridToolTipCtrl tip;
  ASSERT_TRUE(tip.Create(&parent));
  const auto tipRect = [&tip] { CRect r; tip.GetWindowRect(&r); return r; };
  const int cxText = [&tip] {
    CClientDC dc(&tip);
    CSelectObject font(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    return static_cast<int>(dc.GetTextExtent("longer text").cx);
  }();

  const CRect cell(150, 200, 250, 224);
  const HWND hActive = ::GetActiveWindow();
  tip.Track(cell, "longer text");
  EXPECT_TRUE(tip.IsWindowVisible());
  EXPECT_EQ(::GetActiveWindow(), hActive);
  EXPECT_EQ(tipRect(), CRect(150, 200, 150 + cxText + 20, 224)) << "margin 10 until the grid sets 4";
  tip.SetWindowPos(nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  tip.Track(cell, "longer text");
  EXPECT_EQ(tipRect().TopLeft(), CPoint(10, 10)) << "the same cell and text again change nothing";
  tip.SetTextMargin(4);
  tip.Track(cell, "the first line of a long text, far wider than the box it is wrapped in\nand a second line");
  EXPECT_LE(tipRect().Width(), npb::tips::kWrapWidth + 8);
  EXPECT_GT(tipRect().Height(), cell.Height()) << "a text with a line feed is wrapped";

  // (5, 6) in the tip is (155, 206) on the screen and (55, 106) in the parent.
  tip.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 6));
  EXPECT_TRUE(tip.IsWindowVisible()) << "a plain move keeps the tip";
  MSG msg{tip.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6), 0, {0, 0}};
  EXPECT_TRUE(CWnd::WalkPreTranslateTree(parent.m_hWnd, &msg));
  EXPECT_FALSE(tip.IsWindowVisible());
  EXPECT_TRUE(tip.GetText().IsEmpty());
  ASSERT_EQ(parent.seen.size(), 2u);
  EXPECT_EQ(parent.seen[1], std::make_pair(static_cast<UINT>(WM_LBUTTONDOWN), CPoint(55, 106)));
}

// ---- the grid's rules ---------------------------------------------------------------------

constexpr const char* kLong = "a value much too long for the hundred and fifty pixel value column";
constexpr const char* kLongName = "a name much too long for the hundred and fifty pixel name column";
constexpr const char* kLongGroup = "a group name far too long to fit in the whole width of the grid";

class OwnTipRow : public CPropertyGridProperty {
public:
  OwnTipRow(const char* name, const char* value, const char* valueTip, DWORD_PTR data = 0)
      : CPropertyGridProperty(name, COleVariant(value), nullptr, data), m_valueTip(valueTip) {}
  CString GetNameTooltip() override { return "own name tip"; }
  CString GetValueTooltip() override { return m_valueTip; }

private:
  CString m_valueTip;
};

class GridTips : public testing::Test {
protected:
  enum Row { kShort, kLongValue, kLongNameRow, kRich, kOwnLong, kOwnShort, kRichOwn, kGroup, kRowCount };

  void SetUp() override {
    rows[kShort] = new CPropertyGridProperty("short", COleVariant("v"));
    rows[kLongValue] = new CPropertyGridProperty("long value", COleVariant(kLong));
    rows[kLongNameRow] = new CPropertyGridProperty(kLongName, COleVariant("v"));
    rows[kRich] = new CPropertyGridProperty("rich", COleVariant("rtf"), nullptr, 6004);
    rows[kOwnLong] = new OwnTipRow(kLongName, kLong, "own value tip");
    rows[kOwnShort] = new OwnTipRow("own", "v", "own value tip");
    rows[kRichOwn] = new OwnTipRow("rich own", "rtf", "own rich tip", 6004);
    rows[kGroup] = new CPropertyGridProperty(CString(kLongGroup));
    rows[kGroup]->AddSubItem(new CPropertyGridProperty("in group", COleVariant("v")));
    for (CPropertyGridProperty* p : rows) ASSERT_GE(w.grid.AddProperty(p), 0);
    w.Paint();  // truncation is known once the rows are drawn
  }

  CPoint At(Row row, int x) const { return CPoint(x, rows[row]->GetRect().CenterPoint().y); }
  const CPropertyGridToolTipCtrl& Tip() const { return w.grid.GetInPlaceToolTip(); }
  CRect TipRect() const { CRect r; Tip().GetWindowRect(&r); return r; }
  void Track(CPoint point) {
    w.grid.TrackToolTip(kBelowRows);
    w.grid.TrackToolTip(point);
  }

  const CPoint kBelowRows{100, 390};
  static constexpr int kName = 75, kValue = 225, kDivider = 150;
  GridWindow w;
  CPropertyGridProperty* rows[kRowCount] = {};
};

TEST_F(GridTips, InPlaceTipShowsWhatDoesNotFitAndTheRichTextValueAlways) {
  struct Case {
    const char* what;
    CPoint point;
    const char* text;  // empty: no tip
    int cellLeft;
  };
  const Case cases[] = {
      {"short value", At(kShort, kValue), "", 0},
      {"long value", At(kLongValue, kValue), kLong, kDivider + 1},
      {"long name", At(kLongNameRow, kName), kLongName, 0},
      {"rich text, short value", At(kRich, kValue), "rtf", kDivider + 1},
      {"own value tip replaces the value", At(kOwnLong, kValue), "own value tip", kDivider + 1},
      {"own name tip: the ordinary tooltip's", At(kOwnLong, kName), "", 0},
      {"own tips, nothing truncated", At(kOwnShort, kValue), "", 0},
      {"rich text with an own value tip", At(kRichOwn, kValue), "own rich tip", kDivider + 1},
      {"group name, after its expand box", At(kGroup, 100), kLongGroup, npb::gridtest::kRowHeight},
      {"group expand box", At(kGroup, npb::gridtest::kRowHeight), "", 0},
      {"on the divider, rich text", CPoint(kDivider + 2, At(kRich, 0).y), "", 0},
      {"on the divider, long name", CPoint(kDivider - 2, At(kLongNameRow, 0).y), "", 0},
      {"no row", kBelowRows, "", 0},
  };
  for (const Case& c : cases) {
    // From a shown tip, so that every case that shows nothing must also take it away.
    w.grid.TrackToolTip(At(kLongValue, kValue));
    w.grid.TrackToolTip(c.point);
    EXPECT_EQ(Tip().GetText(), c.text) << c.what;
    EXPECT_EQ(Tip().IsWindowVisible(), *c.text != '\0') << c.what;
    EXPECT_EQ(::GetCapture() == w.grid.m_hWnd, *c.text != '\0') << c.what << ": the grid watches the pointer leave";
    if (*c.text) {
      EXPECT_EQ(TipRect().TopLeft(), CPoint(c.cellLeft, w.grid.HitTest(c.point)->GetRect().top)) << c.what;
    }
  }
  // A point inside the shown tip changes nothing, whatever lies below it.
  Track(At(kLongValue, kValue));
  CPoint inTip = TipRect().BottomRight() - CSize(2, 2);
  w.grid.ScreenToClient(&inTip);
  w.grid.TrackToolTip(inTip);
  EXPECT_EQ(Tip().GetText(), kLong);
}

TEST_F(GridTips, ModifiedValueTipIsBoldAndANearEdgeTipEndsAtTheWorkArea) {
  rows[kLongValue]->SetValue(COleVariant("changed, and still far too long for the value column of the grid"));
  rows[kLongValue]->SetModifiedFlag();
  w.grid.MarkModifiedProperties(TRUE);
  w.Paint();
  Track(At(kLongValue, kValue));
  EXPECT_EQ(Tip().GetFont(), w.grid.GetBoldFont());
  Track(At(kLongNameRow, kName));
  EXPECT_EQ(Tip().GetFont(), w.grid.GetGridFont());

  const CRect work = npb::tips::WorkAreaAt(CPoint(0, 0));
  const int cellLeft = work.right - 50;
  w.owner.SetWindowPos(nullptr, cellLeft - kDivider - 1, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Track(At(kLongValue, kValue));
  EXPECT_EQ(TipRect().right, work.right);
  EXPECT_GT(TipRect().Width(), 50);
  Track(At(kOwnLong, kValue));
  EXPECT_EQ(TipRect().left, cellLeft - npb::tips::kRowTipShift);
}

TEST_F(GridTips, OrdinaryTooltipTextFollowsTheRowsOwnTipsAndTruncation) {
  struct Case {
    const char* what;
    BOOL always;
    CPoint point;
    const char* text;
  };
  const Case cases[] = {
      {"own name tip", TRUE, At(kOwnShort, kName), "own name tip"},
      {"own value tip", TRUE, At(kOwnShort, kValue), "own value tip"},
      {"truncated, always shown", TRUE, At(kOwnLong, kValue), "own value tip"},
      {"truncated value, not always shown", FALSE, At(kOwnLong, kValue), ""},
      {"truncated name, not always shown", FALSE, At(kOwnLong, kName), ""},
      {"nothing truncated, not always shown", FALSE, At(kOwnShort, kValue), "own value tip"},
      {"rich text never", TRUE, At(kRichOwn, kValue), ""},
      {"no row", TRUE, kBelowRows, ""},
  };
  for (const Case& c : cases) {
    w.grid.AlwaysShowUserToolTip(c.always);
    EXPECT_EQ(w.grid.GetToolTipTextAt(c.point), c.text) << c.what;
  }
  // The request of the grid's own tooltip (owned by the grid's window) is answered for the
  // row under the pointer; another window's is not the grid's to answer.
  CPoint point = At(kOwnShort, kName);
  w.grid.ClientToScreen(&point);
  ASSERT_TRUE(::SetCursorPos(point.x, point.y));
  HWND hToolTip = ::FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr);
  while (hToolTip && ::GetWindow(hToolTip, GW_OWNER) != w.owner.m_hWnd) {
    hToolTip = ::FindWindowExA(nullptr, hToolTip, TOOLTIPS_CLASSA, nullptr);
  }
  for (HWND from : {w.owner.m_hWnd, hToolTip}) {
    NMTTDISPINFOA info{};
    info.hdr = {from, 1, TTN_NEEDTEXTA};
    info.lpszText = const_cast<LPSTR>("unset");
    w.grid.SendMessage(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(info.lpszText, from == hToolTip ? "own name tip" : "unset");
  }
}

TEST_F(GridTips, PreTranslationTracksTheTipThenGivesTheGridItsKeys) {
  const CPoint point = At(kLongValue, kValue);
  MSG move{w.grid.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y), 0, {0, 0}};
  EXPECT_FALSE(w.grid.PreTranslateMessage(&move));
  EXPECT_EQ(Tip().GetText(), kLong);
  move.wParam = MK_LBUTTON;
  move.lParam = MAKELPARAM(At(kShort, kValue).x, At(kShort, kValue).y);
  w.grid.PreTranslateMessage(&move);
  EXPECT_TRUE(Tip().IsWindowVisible()) << "not tracked while a button is held";

  MSG key{w.grid.m_hWnd, WM_KEYDOWN, VK_DOWN, 0, 0, {0, 0}};
  w.grid.PreTranslateMessage(&key);
  EXPECT_FALSE(Tip().IsWindowVisible()) << "a key takes the tip away";
  MSG tab{w.grid.m_hWnd, WM_KEYUP, VK_TAB, 0, 0, {0, 0}};
  EXPECT_TRUE(w.grid.PreTranslateMessage(&tab));
  EXPECT_NE(w.grid.GetCurSel(), nullptr) << "Tab released reaches the grid's navigation";
}

TEST(GridTipsBadInput, EmptyUnfocusedAndWindowlessGridsStayQuiet) {
  GridWindow w;
  w.Paint();
  for (const CPoint point : {CPoint(-5, -5), CPoint(150, 100), CPoint(5000, 5000)}) {
    w.grid.TrackToolTip(point);
    EXPECT_TRUE(w.grid.GetToolTipTextAt(point).IsEmpty());
  }
  ASSERT_NE(::GetFocus(), w.grid.m_hWnd);
  for (UINT message : {WM_KEYDOWN, WM_SYSKEYDOWN, WM_KEYUP, WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_NCRBUTTONDOWN}) {
    MSG msg{w.grid.m_hWnd, message, VK_DOWN, MAKELPARAM(20, 40), 0, {20, 40}};
    w.grid.PreTranslateMessage(&msg);
  }
  w.grid.RelayToolTipMessage(nullptr);
  EXPECT_FALSE(w.grid.GetInPlaceToolTip().IsWindowVisible());

  CPropertyGridCtrl windowless;
  windowless.AddProperty(new CPropertyGridProperty("x", COleVariant(kLong)));
  windowless.TrackToolTip(CPoint(10, 10));
  EXPECT_TRUE(windowless.GetToolTipTextAt(CPoint(10, 10)).IsEmpty());
}

}  // namespace
