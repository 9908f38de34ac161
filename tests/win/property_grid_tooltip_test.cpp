// The grid's tips: where the in-place tip stands (work-area confinement, the right-edge shift,
// right-to-left), the tip window itself (showing, hiding, passing the mouse on), and the grid's
// rules for which text the in-place tip and the ordinary tooltip show.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "framework/window_class.h"
#include "grid/property_grid_ctrl.h"
#include "grid/property_grid_tooltip.h"
#include "tests/win/property_grid_fixture.h"

namespace {

using npb::tips::ConfineToWorkArea;
using npb::tips::PlaceTip;

const CRect kWork(0, 0, 1280, 1000);

TEST(InPlaceTipPlacement, TipStandsOverTheCellInsideTheWorkArea) {
  struct Case {
    const char* what;
    CRect cell;
    CSize text;
    BOOL rtl, rowTip;
    CRect work, expected;
  };
  const Case cases[] = {
      {"fits: text plus both margins at the cell's left edge, cell high", {100, 50, 300, 74}, {80, 14}, FALSE, FALSE,
       kWork, {100, 50, 188, 74}},
      {"wrapped text taller than the cell keeps its own height", {100, 50, 300, 74}, {120, 40}, FALSE, FALSE, kWork,
       {100, 50, 228, 90}},
      {"right to left: ends at the cell's right edge", {100, 50, 300, 74}, {80, 14}, TRUE, FALSE, kWork,
       {212, 50, 300, 74}},
      {"past the right edge: ends at the work area's right edge", {1200, 50, 1400, 74}, {150, 14}, FALSE, FALSE, kWork,
       {1122, 50, 1280, 74}},
      {"a row's own tip past the right edge moves 100 pixels left", {1200, 50, 1400, 74}, {150, 14}, FALSE, TRUE,
       kWork, {1100, 50, 1258, 74}},
      {"wider than the work area: clipped to it", {100, 50, 300, 74}, {2000, 14}, FALSE, FALSE, kWork,
       {0, 50, 1280, 74}},
      {"starting left of the work area: starts at its left edge", {-40, 50, 100, 74}, {80, 14}, FALSE, FALSE, kWork,
       {0, 50, 88, 74}},
      {"below the bottom: ends at the bottom edge", {100, 990, 300, 1014}, {80, 14}, FALSE, FALSE, kWork,
       {100, 976, 188, 1000}},
      {"above the top: starts at the top edge", {100, -10, 300, 14}, {80, 14}, FALSE, FALSE, kWork,
       {100, 0, 188, 24}},
      {"a second monitor's work area", {2500, 50, 2600, 74}, {150, 14}, FALSE, FALSE, {1280, 0, 2560, 1000},
       {2402, 50, 2560, 74}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CRect(PlaceTip(c.cell, c.text, 4, c.rtl, c.rowTip, c.work)), c.expected) << c.what;
  }
}

TEST(InPlaceTipPlacement, ConfinementLeavesATipInsideAloneAndNeverShrinksOneThatFits) {
  const CRect inside(10, 10, 200, 40);
  EXPECT_EQ(ConfineToWorkArea(inside, kWork, FALSE), inside);
  EXPECT_EQ(ConfineToWorkArea(inside, kWork, TRUE), inside);
  // Exactly as wide as the work area and out on both sides: moved, not clipped.
  const CRect wide = ConfineToWorkArea(CRect(-5, 0, 1275, 30), kWork, FALSE);
  EXPECT_EQ(wide, CRect(0, 0, 1280, 30));
}

// A window that records the mouse messages a tip passes to it.
class RecordingParent : public CWnd {
public:
  struct Seen {
    UINT message;
    CPoint point;
  };
  std::vector<Seen> seen;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) seen.push_back({message, CPoint(lParam)});
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

class TipWindow : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(AfxRegisterClass("NpbTipTestParent"));
    ASSERT_TRUE(parent.CreateEx(0, "NpbTipTestParent", "", WS_POPUP | WS_VISIBLE, CRect(100, 100, 500, 400), nullptr, 0));
    ASSERT_TRUE(tip.Create(&parent));
  }

  CRect TipRect() const {
    CRect rect;
    tip.GetWindowRect(&rect);
    return rect;
  }

  int TextWidth(const char* text) {
    HDC hdc = ::GetDC(tip.m_hWnd);
    HGDIOBJ old = ::SelectObject(hdc, ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    ::GetTextExtentPoint32A(hdc, text, lstrlenA(text), &size);
    ::SelectObject(hdc, old);
    ::ReleaseDC(tip.m_hWnd, hdc);
    return size.cx;
  }

  int LineHeight() {
    HDC hdc = ::GetDC(tip.m_hWnd);
    HGDIOBJ old = ::SelectObject(hdc, ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm{};
    ::GetTextMetricsA(hdc, &tm);
    ::SelectObject(hdc, old);
    ::ReleaseDC(tip.m_hWnd, hdc);
    return tm.tmHeight;
  }

  RecordingParent parent;
  CPropertyGridToolTipCtrl tip;
};

TEST_F(TipWindow, TrackShowsTheTextOverTheCellWithoutTakingActivationAndHideForgetsIt) {
  EXPECT_EQ(tip.GetTextMargin(), 10);
  EXPECT_EQ(tip.GetParentWnd(), &parent);
  EXPECT_FALSE(tip.IsWindowVisible());
  HWND hActive = ::GetActiveWindow();

  const CRect cell(150, 200, 250, 224);
  tip.SetTextMargin(4);
  tip.Track(cell, "a value longer than its cell");
  EXPECT_TRUE(tip.IsWindowVisible());
  EXPECT_EQ(::GetActiveWindow(), hActive);
  EXPECT_EQ(tip.GetText(), "a value longer than its cell");
  EXPECT_EQ(tip.GetLastRect(), cell);
  const CRect rect = TipRect();
  EXPECT_EQ(rect.TopLeft(), cell.TopLeft());
  EXPECT_EQ(rect.Width(), TextWidth("a value longer than its cell") + 8);
  EXPECT_EQ(rect.Height(), cell.Height());

  tip.Hide();
  EXPECT_FALSE(tip.IsWindowVisible());
  EXPECT_TRUE(tip.GetText().IsEmpty());
  EXPECT_TRUE(tip.GetLastRect().IsRectNull());
}

TEST_F(TipWindow, TheSameCellAndTextAgainChangeNothingAndANewTextIsMeasuredAgain) {
  const CRect cell(150, 200, 250, 224);
  tip.Track(cell, "first");
  tip.SetWindowPos(nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  tip.Track(cell, "first");
  EXPECT_EQ(TipRect().TopLeft(), CPoint(10, 10)) << "a repeated Track must not place the tip again";

  tip.Track(cell, "second, a longer text");
  EXPECT_EQ(TipRect().TopLeft(), cell.TopLeft());
  EXPECT_EQ(TipRect().Width(), TextWidth("second, a longer text") + 20);
}

TEST_F(TipWindow, TextWithALineFeedIsWrappedInABoxTwoHundredPixelsWide) {
  const CRect cell(150, 200, 250, 224);
  tip.SetTextMargin(4);
  tip.Track(cell,
            "the first line of a long text of several lines, far wider than the box it is wrapped in\n"
            "the second line of the same text, also far wider than two hundred pixels of any font");
  const CRect rect = TipRect();
  EXPECT_LE(rect.Width(), npb::tips::kWrapWidth + 8);
  EXPECT_GT(rect.Width(), 8);
  EXPECT_GE(rect.Height(), 4 * LineHeight()) << "two lines, each wrapped at least once";
}

TEST_F(TipWindow, MouseMessagesGoOnToTheParentInItsCoordinatesAndOnlyAMoveKeepsTheTip) {
  const CRect cell(150, 200, 250, 224);
  tip.Track(cell, "text");
  // (5, 6) in the tip is (155, 206) on the screen, (55, 106) in the parent.
  tip.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 6));
  EXPECT_TRUE(tip.IsWindowVisible());
  tip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
  EXPECT_FALSE(tip.IsWindowVisible());
  ASSERT_EQ(parent.seen.size(), 2u);
  EXPECT_EQ(parent.seen[0].message, static_cast<UINT>(WM_MOUSEMOVE));
  EXPECT_EQ(parent.seen[1].message, static_cast<UINT>(WM_LBUTTONDOWN));
  EXPECT_EQ(parent.seen[1].point, CPoint(55, 106));

  // Through a message loop's pre-translation the same happens, and the tip keeps nothing.
  tip.Track(cell, "text");
  MSG msg{tip.m_hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(1, 1), 0, {0, 0}};
  EXPECT_TRUE(CWnd::WalkPreTranslateTree(parent.m_hWnd, &msg));
  EXPECT_FALSE(tip.IsWindowVisible());
  ASSERT_EQ(parent.seen.size(), 3u);
  EXPECT_EQ(parent.seen[2].point, CPoint(51, 101));

  MSG key{tip.m_hWnd, WM_KEYDOWN, VK_DOWN, 0, 0, {0, 0}};
  EXPECT_FALSE(tip.PreTranslateMessage(&key));
}

TEST(InPlaceTipWindow, WithoutAWindowOrAParentNothingBreaks) {
  CPropertyGridToolTipCtrl tip;
  tip.Track(CRect(0, 0, 10, 10), "x");
  tip.Hide();
  tip.SetTextAlign(DT_CENTER, TRUE);
  EXPECT_EQ(tip.GetTextAlign(), DT_CENTER);
  ASSERT_TRUE(tip.Create(nullptr));
  tip.Track(CRect(0, 0, 10, 10), "x");
  tip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, 0);
  EXPECT_FALSE(tip.IsWindowVisible());
}

// ---- the grid's rules ---------------------------------------------------------------------

using npb::gridtest::GridWindow;
using npb::gridtest::kRowHeight;

constexpr const char* kLong = "a value much too long for the hundred and fifty pixel value column";
constexpr const char* kLongName = "a name much too long for the hundred and fifty pixel name column";
constexpr DWORD_PTR kRichText = 6004;

// A row with texts of its own for the ordinary tooltip.
class OwnTipRow : public CPropertyGridProperty {
public:
  OwnTipRow(const char* name, const char* value, const char* nameTip, const char* valueTip, DWORD_PTR data = 0)
      : CPropertyGridProperty(name, COleVariant(value), nullptr, data), m_nameTip(nameTip), m_valueTip(valueTip) {}
  CString GetNameTooltip() override { return m_nameTip; }
  CString GetValueTooltip() override { return m_valueTip; }

private:
  CString m_nameTip, m_valueTip;
};

// Rows top to bottom: short, long value, long name, rich text, own tips (long value and long
// name), own tips (short), rich text with an own value tip, a group with a long name and one row.
class GridTips : public testing::Test {
protected:
  enum Row { kShort, kLongValue, kLongNameRow, kRich, kOwnLong, kOwnShort, kRichOwn, kGroup, kRowCount };

  void SetUp() override {
    rows[kShort] = new CPropertyGridProperty("short", COleVariant("v"));
    rows[kLongValue] = new CPropertyGridProperty("long value", COleVariant(kLong));
    rows[kLongNameRow] = new CPropertyGridProperty(kLongName, COleVariant("v"));
    rows[kRich] = new CPropertyGridProperty("rich", COleVariant("rtf"), nullptr, kRichText);
    rows[kOwnLong] = new OwnTipRow(kLongName, kLong, "own name tip", "own value tip");
    rows[kOwnShort] = new OwnTipRow("own", "v", "own name tip", "own value tip");
    rows[kRichOwn] = new OwnTipRow("rich own", "rtf", "", "own rich tip", kRichText);
    rows[kGroup] = new CPropertyGridProperty(CString("a group name far too long to fit in the whole grid width at all"));
    rows[kGroup]->AddSubItem(new CPropertyGridProperty("in group", COleVariant("v")));
    for (CPropertyGridProperty* p : rows) ASSERT_GE(w.grid.AddProperty(p), 0);
    w.Paint();  // truncation is known once the rows are drawn
  }

  CPoint NameAt(Row row, int x = 75) const { return CPoint(x, rows[row]->GetRect().CenterPoint().y); }
  CPoint ValueAt(Row row) const { return CPoint(225, rows[row]->GetRect().CenterPoint().y); }
  CPoint BelowRows() const { return CPoint(100, 390); }
  const CPropertyGridToolTipCtrl& Tip() const { return w.grid.GetInPlaceToolTip(); }
  CRect TipRect() const {
    CRect rect;
    Tip().GetWindowRect(&rect);
    return rect;
  }
  CRect ScreenRect(CRect rect) const {
    w.grid.ClientToScreen(&rect);
    return rect;
  }

  GridWindow w;
  CPropertyGridProperty* rows[kRowCount] = {};
};

TEST_F(GridTips, InPlaceTipShowsOnlyWhatDoesNotFitAndTheRichTextValueAlways) {
  ASSERT_TRUE(rows[kLongValue]->IsValueTruncated());
  ASSERT_FALSE(rows[kShort]->IsValueTruncated());
  struct Case {
    const char* what;
    Row row;
    bool value;  // right of the divider
    const char* text;  // empty: no tip
    int cellLeft;      // in grid client coordinates
  };
  const int xValue = w.grid.GetLeftColumnWidth() + 1;
  const Case cases[] = {
      {"short value", kShort, true, "", 0},
      {"long value", kLongValue, true, kLong, xValue},
      {"short name", kShort, false, "", 0},
      {"long name", kLongNameRow, false, kLongName, 0},
      {"rich text, short value", kRich, true, "rtf", xValue},
      {"rich text, name fits", kRich, false, "", 0},
      {"own value tip replaces the value", kOwnLong, true, "own value tip", xValue},
      {"own name tip: left to the ordinary tooltip", kOwnLong, false, "", 0},
      {"own tips, nothing truncated", kOwnShort, true, "", 0},
      {"rich text with an own value tip", kRichOwn, true, "own rich tip", xValue},
      {"group name past its expand box", kGroup, false, "a group name far too long to fit in the whole grid width at all",
       kRowHeight},
  };
  for (const Case& c : cases) {
    w.grid.TrackToolTip(BelowRows());
    ASSERT_FALSE(Tip().IsWindowVisible());
    w.grid.TrackToolTip(c.value ? ValueAt(c.row) : NameAt(c.row, c.row == kGroup ? 100 : 75));
    EXPECT_EQ(Tip().GetText(), c.text) << c.what;
    EXPECT_EQ(Tip().IsWindowVisible(), *c.text != '\0') << c.what;
    if (!*c.text) continue;
    const CRect cell = rows[c.row]->GetRect();
    EXPECT_EQ(TipRect().TopLeft(), ScreenRect(CRect(c.cellLeft, cell.top, c.cellLeft + 1, cell.bottom)).TopLeft())
        << c.what;
    EXPECT_EQ(Tip().GetTextMargin(), 4) << c.what;
    EXPECT_EQ(::GetCapture(), w.grid.m_hWnd) << c.what << ": the grid watches the pointer leave";
  }
}

TEST_F(GridTips, PointsThatShowNoInPlaceTipHideTheOneShown) {
  const int xDivider = w.grid.GetLeftColumnWidth();
  const CPoint hides[] = {
      BelowRows(),
      CPoint(xDivider + 2, ValueAt(kRich).y),  // a rich-text value would show otherwise
      CPoint(xDivider - 2, NameAt(kLongNameRow).y),
      NameAt(kGroup, kRowHeight),  // on the group's expand box
      ValueAt(kShort),
  };
  for (const CPoint& point : hides) {
    w.grid.TrackToolTip(ValueAt(kLongValue));
    ASSERT_TRUE(Tip().IsWindowVisible());
    w.grid.TrackToolTip(point);
    EXPECT_FALSE(Tip().IsWindowVisible()) << point.x << "," << point.y;
    EXPECT_NE(::GetCapture(), w.grid.m_hWnd) << point.x << "," << point.y;
  }

  // A point inside the shown tip changes nothing, even over another row.
  w.grid.TrackToolTip(ValueAt(kLongValue));
  CPoint inTip = TipRect().BottomRight();
  inTip.Offset(-2, -2);
  w.grid.ScreenToClient(&inTip);
  w.grid.TrackToolTip(inTip);
  EXPECT_TRUE(Tip().IsWindowVisible());
  EXPECT_EQ(Tip().GetText(), kLong);
}

TEST_F(GridTips, ModifiedValueTipIsBoldWhileModifiedRowsAreMarked) {
  rows[kLongValue]->SetValue(COleVariant("changed, and still far too long for the value column of the grid"));
  rows[kLongValue]->SetModifiedFlag();
  ASSERT_TRUE(rows[kLongValue]->IsModified());
  w.Paint();
  const auto tipFont = [this](CPoint point) {
    w.grid.TrackToolTip(BelowRows());
    w.grid.TrackToolTip(point);
    return Tip().GetFont();
  };
  EXPECT_EQ(tipFont(ValueAt(kLongValue)), w.grid.GetGridFont());
  w.grid.MarkModifiedProperties(TRUE);
  w.Paint();
  EXPECT_EQ(tipFont(ValueAt(kLongValue)), w.grid.GetBoldFont());
  EXPECT_EQ(tipFont(NameAt(kLongNameRow)), w.grid.GetGridFont()) << "names are never bold";
}

TEST_F(GridTips, TipNearTheRightScreenEdgeEndsAtTheWorkAreaEdge) {
  const CRect work = npb::tips::WorkAreaAt(CPoint(0, 0));
  // The value column starts 50 pixels before the work area's right edge.
  w.owner.SetWindowPos(nullptr, work.right - w.grid.GetLeftColumnWidth() - 50, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  w.grid.TrackToolTip(ValueAt(kLongValue));
  ASSERT_TRUE(Tip().IsWindowVisible());
  EXPECT_EQ(TipRect().right, work.right);
  EXPECT_GT(TipRect().Width(), 50);

  // A row's own tip moves 100 pixels left of its cell instead.
  w.grid.TrackToolTip(ValueAt(kOwnLong));
  ASSERT_TRUE(Tip().IsWindowVisible());
  EXPECT_EQ(TipRect().left, work.right - 50 + 1 - npb::tips::kRowTipShift);
}

TEST_F(GridTips, OrdinaryTooltipTextFollowsTheRowsOwnTipsAndTruncation) {
  struct Case {
    const char* what;
    BOOL always;
    CPoint point;
    const char* text;
  };
  const Case cases[] = {
      {"own name tip", TRUE, NameAt(kOwnShort), "own name tip"},
      {"own value tip", TRUE, ValueAt(kOwnShort), "own value tip"},
      {"own tips over truncated texts, always shown", TRUE, ValueAt(kOwnLong), "own value tip"},
      {"own name over a truncated name, always shown", TRUE, NameAt(kOwnLong), "own name tip"},
      {"truncated value, tips not always shown: the in-place tip has it", FALSE, ValueAt(kOwnLong), ""},
      {"truncated name, tips not always shown", FALSE, NameAt(kOwnLong), ""},
      {"nothing truncated, tips not always shown", FALSE, ValueAt(kOwnShort), "own value tip"},
      {"rich text never has an ordinary value tip", TRUE, ValueAt(kRichOwn), ""},
      {"a plain row has no texts of its own", TRUE, ValueAt(kLongValue), ""},
      {"no row", TRUE, BelowRows(), ""},
  };
  for (const Case& c : cases) {
    w.grid.AlwaysShowUserToolTip(c.always);
    EXPECT_EQ(w.grid.GetToolTipTextAt(c.point), c.text) << c.what;
  }
}

// The tooltip control of the grid: the popup of the tooltip class owned by the grid's window.
struct ToolTipSearch {
  HWND owner, found;
};

BOOL CALLBACK MatchGridToolTip(HWND hWnd, LPARAM lParam) {
  auto* search = reinterpret_cast<ToolTipSearch*>(lParam);
  char name[64] = {};
  ::GetClassNameA(hWnd, name, sizeof name);
  if (lstrcmpiA(name, TOOLTIPS_CLASSA) != 0 || ::GetWindow(hWnd, GW_OWNER) != search->owner) return TRUE;
  search->found = hWnd;
  return FALSE;
}

HWND FindGridToolTip(HWND hOwner) {
  ToolTipSearch search{hOwner, nullptr};
  ::EnumThreadWindows(::GetCurrentThreadId(), MatchGridToolTip, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST_F(GridTips, TipTextRequestsAreAnsweredOnlyForTheGridsOwnTooltip) {
  const HWND hToolTip = FindGridToolTip(w.owner.m_hWnd);
  ASSERT_NE(hToolTip, nullptr);
  CPoint point = NameAt(kOwnShort);
  w.grid.ClientToScreen(&point);
  ASSERT_TRUE(::SetCursorPos(point.x, point.y));

  char buffer[8] = "unset";
  NMTTDISPINFOA info{};
  info.hdr = {hToolTip, 1, TTN_NEEDTEXTA};
  info.lpszText = buffer;
  w.grid.SendMessage(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&info));
  ASSERT_NE(info.lpszText, nullptr);
  EXPECT_STREQ(info.lpszText, "own name tip");

  info.hdr.hwndFrom = w.owner.m_hWnd;
  info.lpszText = buffer;
  w.grid.SendMessage(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.lpszText, buffer) << "another window's request is not the grid's to answer";
}

TEST(GridTipsBadInput, EmptyGridUnfocusedGridAndWindowlessGridStayQuiet) {
  GridWindow w;
  w.Paint();
  const CPoint points[] = {{-5, -5}, {10, 10}, {150, 100}, {299, 399}, {5000, 5000}};
  for (const CPoint& point : points) {
    w.grid.TrackToolTip(point);
    EXPECT_TRUE(w.grid.GetToolTipTextAt(point).IsEmpty());
  }
  EXPECT_FALSE(w.grid.GetInPlaceToolTip().IsWindowVisible());
  ASSERT_NE(::GetFocus(), w.grid.m_hWnd);
  const UINT messages[] = {WM_KEYDOWN, WM_SYSKEYDOWN, WM_KEYUP, WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_NCRBUTTONDOWN};
  for (UINT message : messages) {
    MSG msg{w.grid.m_hWnd, message, VK_DOWN, MAKELPARAM(20, 40), 0, {20, 40}};
    w.grid.PreTranslateMessage(&msg);
    w.grid.RelayToolTipMessage(&msg);
  }
  w.grid.RelayToolTipMessage(nullptr);

  CPropertyGridCtrl windowless;
  windowless.AddProperty(new CPropertyGridProperty("x", COleVariant(kLong)));
  windowless.TrackToolTip(CPoint(10, 10));
  EXPECT_TRUE(windowless.GetToolTipTextAt(CPoint(10, 10)).IsEmpty());
}

}  // namespace
