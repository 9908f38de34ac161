#include "grid/property_grid_ctrl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/gdi.h"
#include "tests/win/property_grid_fixture.h"

namespace npb::gridtest {
namespace {

// The rows the grid laid out, top to bottom, by name.
std::vector<std::string> ShownNames(const CPropertyGridCtrl& grid) {
  std::vector<std::pair<int, std::string>> rows;
  const auto visit = [&rows](const auto& self, const CPropertyGridProperty* p) -> void {
    if (!p->GetRect().IsRectEmpty()) rows.emplace_back(p->GetRect().top, p->GetName().str());
    for (int i = 0; i < p->GetSubItemsCount(); ++i) self(self, p->GetSubItem(i));
  };
  for (int i = 0; i < grid.GetPropertyCount(); ++i) visit(visit, grid.GetProperty(i));
  std::sort(rows.begin(), rows.end());
  std::vector<std::string> names;
  for (const auto& row : rows) names.push_back(row.second);
  return names;
}

TEST(PropertyGridOwnership, RowsAreFreedOnceWhateverRemovesThem) {
  const int nBaseline = CPropertyGridProperty::GetLiveCount();
  {
    GridWindow w;
    CPropertyGridCtrl& grid = w.grid;
    CPropertyGridProperty* pA = GroupOf("a", 3, 100);
    CPropertyGridProperty* pB = GroupOf("b", 2, 200);
    ASSERT_EQ(grid.AddProperty(pA), 0);
    ASSERT_EQ(grid.AddProperty(pB), 1);
    EXPECT_EQ(CPropertyGridProperty::GetLiveCount() - nBaseline, 7);

    // Already owned rows are refused, whoever owns them.
    CPropertyGridProperty* pOrphanGroup = GroupOf("o", 1);
    EXPECT_EQ(grid.AddProperty(pA), -1);
    EXPECT_EQ(grid.AddProperty(pA->GetSubItem(1)), -1);
    EXPECT_EQ(grid.AddProperty(pOrphanGroup->GetSubItem(0)), -1) << "a sub-row belongs to its group";
    EXPECT_EQ(grid.GetPropertyCount(), 2);
    delete pOrphanGroup;

    // A sub-row moved to another group is neither freed nor lost.
    CPropertyGridProperty* pMoved = pA->GetSubItem(0);
    ASSERT_TRUE(pA->RemoveSubItem(pMoved, FALSE));
    ASSERT_TRUE(pB->AddSubItem(pMoved));
    EXPECT_EQ(pA->GetSubItemsCount(), 2);
    EXPECT_EQ(pB->GetSubItemsCount(), 3);
    EXPECT_EQ(CPropertyGridProperty::GetLiveCount() - nBaseline, 7);

    // The selected row goes with its parent; painting afterwards must not touch it.
    grid.SetCurSel(pB->GetSubItem(1));
    CPropertyGridProperty* pGone = pB;
    EXPECT_TRUE(grid.DeleteProperty(pGone, TRUE, FALSE));
    EXPECT_EQ(pGone, nullptr);
    EXPECT_EQ(grid.GetCurSel(), nullptr);
    EXPECT_EQ(CPropertyGridProperty::GetLiveCount() - nBaseline, 3);
    w.Paint();

    CPropertyGridProperty* pSub = pA->GetSubItem(1);
    EXPECT_TRUE(grid.DeleteProperty(pSub));
    EXPECT_EQ(pA->GetSubItemsCount(), 1);
    CPropertyGridProperty* pStranger = ValueRow("stranger");
    EXPECT_FALSE(grid.DeleteProperty(pStranger)) << "not in the grid";
    EXPECT_NE(pStranger, nullptr);
    delete pStranger;

    grid.RemoveAll();
    EXPECT_EQ(grid.GetPropertyCount(), 0);
    EXPECT_EQ(CPropertyGridProperty::GetLiveCount(), nBaseline);
    w.Paint();

    grid.AddProperty(GroupOf("c", 4));
    grid.SetCurSel(grid.GetProperty(0)->GetSubItem(2));
  }
  EXPECT_EQ(CPropertyGridProperty::GetLiveCount(), nBaseline) << "the destroyed grid frees its rows";

  {
    CPropertyGridCtrl windowless;
    windowless.AddProperty(GroupOf("d", 2));
  }
  EXPECT_EQ(CPropertyGridProperty::GetLiveCount(), nBaseline) << "a grid that never had a window";
}

TEST(PropertyGridOwnership, DestroyingTheWindowWhileEditingFreesRowsAndEditor) {
  const int nBaseline = CPropertyGridProperty::GetLiveCount();
  GridWindow w;
  w.grid.AddProperty(GroupOf("g", 2));
  CPropertyGridProperty* pRow = w.grid.GetProperty(0)->GetSubItem(0);
  ASSERT_TRUE(w.grid.EditItem(pRow));
  ASSERT_NE(pRow->GetInPlaceWnd(), nullptr);
  w.grid.DestroyWindow();
  EXPECT_EQ(w.grid.GetPropertyCount(), 0);
  EXPECT_EQ(CPropertyGridProperty::GetLiveCount(), nBaseline);
}

TEST(PropertyGridRows, FindItemByDataSearchesEachRowsSubtreeBeforeTheNextRow) {
  CPropertyGridCtrl grid;
  CPropertyGridProperty* pFirst = GroupOf("a", 2, 10);  // sub-rows 11, 12
  CPropertyGridProperty* pLater = ValueRow("b", 12);
  grid.AddProperty(pFirst);
  grid.AddProperty(pLater);
  EXPECT_EQ(grid.FindItemByData(12), pFirst->GetSubItem(1));
  EXPECT_EQ(grid.FindItemByData(12, FALSE), pLater);
  EXPECT_EQ(grid.FindItemByData(10), pFirst);
  EXPECT_EQ(grid.FindItemByData(99), nullptr);
  EXPECT_EQ(grid.GetProperty(2), nullptr);
  EXPECT_EQ(grid.GetProperty(-1), nullptr);
}

TEST(PropertyGridRows, NewGridDefaultsAndColourFallbacks) {
  GridWindow w;
  CPropertyGridCtrl& grid = w.grid;
  auto* pBool = new CPropertyGridProperty("b", COleVariant(true));
  auto* pList = new CPropertyGridProperty(CString("list"), 0, TRUE);
  pList->AddSubItem(ValueRow("x", 0, "1"));
  pList->AddSubItem(ValueRow("y", 0, "2"));
  grid.AddProperty(pBool);
  grid.AddProperty(pList);
  EXPECT_EQ(pBool->FormatProperty(), "True");
  EXPECT_EQ(pList->FormatProperty(), "1, 2");
  EXPECT_EQ(grid.GetDescriptionRows(), 3);
  EXPECT_TRUE(grid.IsHeaderCtrl());
  EXPECT_TRUE(::IsWindowVisible(grid.GetHeaderCtrl().m_hWnd));
  EXPECT_FALSE(grid.IsDescriptionArea());
  EXPECT_FALSE(grid.IsAlphabeticMode());

  grid.SetBoolLabels("Yes", "No");
  grid.SetListDelimiter(';');
  EXPECT_EQ(pBool->FormatProperty(), "Yes");
  EXPECT_EQ(pList->FormatProperty(), "1; 2");

  EXPECT_EQ(grid.GetBkColor(), ::GetSysColor(COLOR_WINDOW));
  grid.SetCustomColors(RGB(1, 2, 3), RGB(4, 5, 6), -1, -1, -1, -1, -1);
  EXPECT_EQ(grid.GetBkColor(), RGB(1, 2, 3));
  EXPECT_EQ(grid.GetTextColor(), RGB(4, 5, 6));
  EXPECT_NE(grid.GetBackgroundBrush(), ::GetSysColorBrush(COLOR_WINDOW));
  grid.SetCustomColors(-1, -1, -1, -1, -1, -1, -1);
  EXPECT_EQ(grid.GetBkColor(), ::GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(grid.GetBackgroundBrush(), ::GetSysColorBrush(COLOR_WINDOW)) << "no custom brush is left";
}

TEST(PropertyGridRows, PropertyChangeMarksTheRowAndTellsTheOwner) {
  GridWindow w;
  w.grid.AddProperty(GroupOf("g", 2));
  CPropertyGridProperty* pRow = w.grid.GetProperty(0)->GetSubItem(1);
  pRow->SetValue(COleVariant("changed"));
  w.grid.OnPropertyChanged(pRow);
  EXPECT_TRUE(pRow->IsModified());
  ASSERT_EQ(w.owner.changes.size(), 1u);
  EXPECT_EQ(w.owner.changes[0].first, kGridId);
  EXPECT_EQ(w.owner.changes[0].second, reinterpret_cast<LPARAM>(pRow));
}

TEST(PropertyGridRows, EndingAnEditCommitsTheTypedTextUnlessCancelled) {
  GridWindow w;
  w.grid.AddProperty(GroupOf("g", 2));
  CPropertyGridProperty* pGroup = w.grid.GetProperty(0);
  CPropertyGridProperty* pRow = pGroup->GetSubItem(0);
  EXPECT_FALSE(w.grid.EditItem(pGroup)) << "a plain group has no editor";

  ASSERT_TRUE(w.grid.EditItem(pRow));
  EXPECT_EQ(w.grid.GetCurSel(), pRow);
  pRow->GetInPlaceWnd()->SetWindowText("typed");
  ASSERT_TRUE(w.grid.EndEditItem(FALSE));
  EXPECT_EQ(pRow->FormatProperty(), "v");
  EXPECT_TRUE(w.owner.changes.empty());

  ASSERT_TRUE(w.grid.EditItem(pRow));
  pRow->GetInPlaceWnd()->SetWindowText("typed");
  w.grid.SetCurSel(pGroup->GetSubItem(1));  // moving on accepts the edit
  EXPECT_EQ(pRow->GetInPlaceWnd(), nullptr);
  EXPECT_EQ(pRow->FormatProperty(), "typed");
  EXPECT_TRUE(pRow->IsModified());
  EXPECT_EQ(w.owner.changes.size(), 1u);
  EXPECT_NE(::GetCapture(), w.grid.m_hWnd);
}

TEST(PropertyGridRows, RecorderCallbackIsCalledOnlyOnceSet) {
  static int s_nCalls = 0;
  CPropertyGridCtrl::SetGirdCallback(nullptr);
  CPropertyGridCtrl::RefreshRecorderObject();
  CPropertyGridCtrl::SetGirdCallback([] {
    ++s_nCalls;
    CPropertyGridCtrl::SetRefreshedRecorderPropGrid(reinterpret_cast<CRecorder*>(0x1234));
  });
  CPropertyGridCtrl::RefreshRecorderObject();
  EXPECT_EQ(s_nCalls, 1);
  EXPECT_EQ(CPropertyGridCtrl::GetRecorderPB(), reinterpret_cast<CRecorder*>(0x1234));
  CPropertyGridCtrl::SetGirdCallback(nullptr);
  CPropertyGridCtrl::SetRefreshedRecorderPropGrid(nullptr);
}

TEST(PropertyGridLayout, FiguresFollowTheFontAndTheWindowSize) {
  GridWindow w(301, 400);
  CPropertyGridCtrl& grid = w.grid;
  {
    CClientDC dc(&grid);
    CSelectObject font(dc, w.font);
    TEXTMETRICA tm{};
    dc.GetTextMetrics(&tm);
    ASSERT_EQ(tm.tmHeight, kFontHeight) << "the test font is not available as asked";
  }
  grid.AddProperty(GroupOf("g", 3));
  grid.EnableDescriptionArea(TRUE);
  EXPECT_EQ(grid.GetRowHeight(), kRowHeight);
  EXPECT_EQ(grid.GetHeaderHeight(), kHeaderHeight);
  EXPECT_EQ(grid.GetLeftColumnWidth(), 150) << "half of 301";
  w.Paint();
  EXPECT_EQ(grid.GetDescriptionHeight(), 3 * kRowHeight + kRowHeight / 2);
  EXPECT_EQ(grid.GetListRect(), CRect(0, kHeaderHeight, 301, 400 - grid.GetDescriptionHeight()));

  HDITEMA item{};
  item.mask = HDI_WIDTH;
  grid.GetHeaderCtrl().GetItem(0, &item);
  EXPECT_EQ(item.cxy, 152);
  grid.GetHeaderCtrl().GetItem(1, &item);
  EXPECT_EQ(item.cxy, 311);

  // Rows start one pixel above the list, one row height apart, indented a row height a level.
  const CPropertyGridProperty* pGroup = grid.GetProperty(0);
  EXPECT_EQ(pGroup->GetRect(), CRect(0, kHeaderHeight - 1, 301, kHeaderHeight - 1 + kRowHeight));
  EXPECT_EQ(pGroup->GetSubItem(2)->GetRect(),
            CRect(kRowHeight, kHeaderHeight - 1 + 3 * kRowHeight, 301, kHeaderHeight - 1 + 4 * kRowHeight));

  // Later sizes change the description only by dragging; the header can go.
  grid.SetDescriptionRows(1);
  EXPECT_EQ(grid.GetDescriptionHeight(), 3 * kRowHeight + kRowHeight / 2);
  grid.EnableHeaderCtrl(FALSE);
  EXPECT_EQ(grid.GetListRect().top, 0);
  EXPECT_FALSE(::IsWindowVisible(grid.GetHeaderCtrl().m_hWnd));
}

TEST(PropertyGridLayout, BorderTakesOnePixelEachSide) {
  GridWindow w(300, 200, WS_BORDER);
  CRect rectClient;
  w.grid.GetClientRect(&rectClient);
  EXPECT_EQ(rectClient, CRect(0, 0, 298, 198));
  EXPECT_EQ(w.grid.GetLeftColumnWidth(), 149);
}

TEST(PropertyGridLayout, ScrollBarAppearsWhenTheRowsExceedAPage) {
  // 400 - 28 = 372 pixels of list: 15 rows of 24, a page of 14.
  const int nPage = (400 - kHeaderHeight) / kRowHeight - 1;
  const struct {
    int rows;
    int total;
    bool bar;
  } cases[] = {{nPage, 0, false}, {nPage + 1, nPage + 1, true}, {40, 40, true}};
  for (const auto& c : cases) {
    GridWindow w;
    for (int i = 0; i < c.rows; ++i) w.grid.AddProperty(ValueRow("r"), FALSE, FALSE);
    w.grid.AdjustLayout();
    EXPECT_EQ(w.grid.GetScrollTotal(), c.total) << c.rows;
    EXPECT_EQ(w.grid.GetScrollPage(), c.bar ? nPage : 0) << c.rows;
    CRect rectBar;
    w.grid.GetScrollBarCtrl(SB_VERT)->GetWindowRect(&rectBar);
    EXPECT_EQ(!rectBar.IsRectEmpty(), c.bar) << c.rows;
    EXPECT_EQ(w.grid.GetListRect().right, c.bar ? 300 - ::GetSystemMetrics(SM_CXVSCROLL) : 300) << c.rows;
  }
}

TEST(PropertyGridLayout, HitTestAreas) {
  GridWindow w;
  CPropertyGridCtrl& grid = w.grid;
  grid.AddProperty(GroupOf("g", 2));
  auto* pNoValue = new CPropertyGridProperty(CString("list"), 0, TRUE);
  grid.AddProperty(pNoValue);
  grid.EnableDescriptionArea(TRUE);
  w.Paint();
  const CPropertyGridProperty* pGroup = grid.GetProperty(0);
  const CPropertyGridProperty* pSub = pGroup->GetSubItem(0);
  const int yGroup = pGroup->GetRect().top + 5, ySub = pSub->GetRect().top + 5;
  const int xDivider = grid.GetListRect().left + grid.GetLeftColumnWidth();
  constexpr auto kUnset = static_cast<CPropertyGridCtrl::ClickArea>(-1);
  const struct {
    const char* what;
    CPoint pt;
    BOOL propsOnly;
    const CPropertyGridProperty* row;
    CPropertyGridCtrl::ClickArea area;
  } cases[] = {
      {"group expand box", {3, yGroup}, FALSE, pGroup, CPropertyGridCtrl::ClickExpandBox},
      {"group past the box", {kRowHeight + 1, yGroup}, FALSE, pGroup, CPropertyGridCtrl::ClickName},
      {"group right of the divider", {xDivider + 5, yGroup}, FALSE, pGroup, CPropertyGridCtrl::ClickValue},
      {"sub-row name", {kRowHeight + 1, ySub}, FALSE, pSub, CPropertyGridCtrl::ClickName},
      {"on the divider", {xDivider, ySub}, FALSE, pSub, CPropertyGridCtrl::ClickName},
      {"sub-row value", {xDivider + 1, ySub}, FALSE, pSub, CPropertyGridCtrl::ClickValue},
      {"sub-row indentation", {3, ySub}, FALSE, nullptr, kUnset},
      {"header", {3, 3}, FALSE, nullptr, kUnset},
      {"below the rows", {3, grid.GetListRect().bottom - 2}, FALSE, nullptr, kUnset},
      {"description", {3, grid.GetListRect().bottom + 3}, FALSE, nullptr, CPropertyGridCtrl::ClickDescription},
      {"description, rows only", {3, grid.GetListRect().bottom + 3}, TRUE, nullptr, kUnset},
  };
  for (const auto& c : cases) {
    CPropertyGridCtrl::ClickArea area = kUnset;
    EXPECT_EQ(grid.HitTest(c.pt, &area, c.propsOnly), c.row) << c.what;
    EXPECT_EQ(area, c.area) << c.what;
  }
}

TEST(PropertyGridLayout, CollapsedGroupsHideTheirRowsAndAlphabeticModeListsLeavesByName) {
  GridWindow w;
  CPropertyGridCtrl& grid = w.grid;
  auto* pFirst = new CPropertyGridProperty(CString("G1"));
  pFirst->AddSubItem(ValueRow("b", 1));
  pFirst->AddSubItem(ValueRow("same", 2));
  pFirst->AddSubItem(ValueRow("a", 3));
  auto* pSecond = new CPropertyGridProperty(CString("G2"));
  pSecond->AddSubItem(ValueRow("same", 4));
  auto* pList = new CPropertyGridProperty(CString("list"), 5, TRUE);
  pList->AddSubItem(ValueRow("x", 6));
  pSecond->AddSubItem(pList);
  grid.AddProperty(pFirst);
  grid.AddProperty(pSecond);

  using Names = std::vector<std::string>;
  EXPECT_EQ(ShownNames(grid), (Names{"G1", "b", "same", "a", "G2", "same", "list"})) << "a value list starts closed";
  EXPECT_EQ(grid.GetTotalItems(FALSE), 7);
  grid.ExpandAll(FALSE);
  EXPECT_EQ(ShownNames(grid), (Names{"G1", "G2"}));
  EXPECT_TRUE(pFirst->GetSubItem(0)->GetRect().IsRectEmpty());
  grid.ExpandAll(TRUE);
  EXPECT_EQ(ShownNames(grid), (Names{"G1", "b", "same", "a", "G2", "same", "list", "x"}));
  pFirst->GetSubItem(0)->Show(FALSE);
  EXPECT_EQ(ShownNames(grid), (Names{"G1", "same", "a", "G2", "same", "list", "x"}));
  pFirst->GetSubItem(0)->Show(TRUE);

  grid.SetCurSel(pFirst->GetSubItem(1));
  grid.SetAlphabeticMode(TRUE);
  EXPECT_EQ(grid.GetCurSel(), nullptr);
  EXPECT_EQ(ShownNames(grid), (Names{"a", "b", "list", "x", "same", "same"}));
  EXPECT_EQ(grid.GetTotalItems(), 5) << "leaves and value lists, not their items";
  EXPECT_LT(pFirst->GetSubItem(1)->GetRect().top, pSecond->GetSubItem(0)->GetRect().top) << "equal names keep order";
  EXPECT_EQ(pList->GetRect().left, 0);
  EXPECT_EQ(pList->GetSubItem(0)->GetRect().left, kRowHeight);
  EXPECT_EQ(pFirst->GetSubItem(2)->GetRect().left, kRowHeight);
  grid.ExpandAll(FALSE);
  EXPECT_TRUE(pList->IsExpanded()) << "ignored in alphabetic mode";

  grid.SetAlphabeticMode(FALSE);
  EXPECT_EQ(ShownNames(grid), (Names{"G1", "b", "same", "a", "G2", "same", "list", "x"}));
}

TEST(PropertyGridScroll, ScrollBarRequestsMoveTheRowsWithinRange) {
  GridWindow w;
  CPropertyGridCtrl& grid = w.grid;
  for (int i = 0; i < 40; ++i) grid.AddProperty(ValueRow("r", i), FALSE, FALSE);
  grid.AdjustLayout();
  const int nPage = grid.GetScrollPage();
  const int nMax = 40 - nPage + 1;
  const HWND hBar = grid.GetScrollBarCtrl(SB_VERT)->m_hWnd;
  const struct {
    UINT code;
    int pos;
    int offset;
  } steps[] = {
      {SB_LINEDOWN, 0, 1},   {SB_PAGEDOWN, 0, 1 + nPage}, {SB_LINEUP, 0, nPage}, {SB_THUMBPOSITION, 7, 7},
      {SB_BOTTOM, 0, nMax},  {SB_LINEDOWN, 0, nMax},      {SB_PAGEUP, 0, nMax - nPage}, {SB_TOP, 0, 0},
      {SB_LINEUP, 0, 0},     {SB_THUMBTRACK, 500, nMax},
  };
  for (const auto& s : steps) {
    grid.SendMessage(WM_VSCROLL, MAKEWPARAM(s.code, s.pos), reinterpret_cast<LPARAM>(hBar));
    EXPECT_EQ(grid.GetScrollOffset(), s.offset) << s.code;
    EXPECT_EQ(::GetScrollPos(hBar, SB_CTL), s.offset) << s.code;
    EXPECT_EQ(grid.GetProperty(0)->GetRect().top, kHeaderHeight - 1 - s.offset * kRowHeight) << s.code;
  }
  // Another control's scroll notification (an editor's up-down) is not the grid's.
  HWND hOther = ::CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | SBS_VERT, 0, 0, 10, 10, grid.m_hWnd, nullptr,
                                  nullptr, nullptr);
  grid.SendMessage(WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(hOther));
  EXPECT_EQ(grid.GetScrollOffset(), nMax) << "unchanged";
  ::DestroyWindow(hOther);
}

TEST(PropertyGridScroll, EnsureVisibleBringsTheRowIntoTheList) {
  GridWindow w;
  CPropertyGridCtrl& grid = w.grid;
  for (int i = 0; i < 40; ++i) grid.AddProperty(ValueRow("r", i), FALSE, FALSE);
  grid.AdjustLayout();
  const int nMax = 40 - grid.GetScrollPage() + 1;
  const struct {
    int start, row, offset;
    bool inside;
  } cases[] = {
      {0, 15, 1, true},      // cut by the list's bottom edge: one line
      {0, 20, 21, false},    // further down: its top in rows (the header counts), less the offset
      {0, 39, nMax, true},   // the last row: as far as the range goes
      {nMax, 0, 0, true},
      {5, 5, 5, true},  // already inside
      {5, 4, 4, true},
      {5, 30, 21, true},  // scrolled: the offset is taken off, not added
  };
  const HWND hBar = grid.GetScrollBarCtrl(SB_VERT)->m_hWnd;
  for (const auto& c : cases) {
    grid.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, c.start), reinterpret_cast<LPARAM>(hBar));
    ASSERT_EQ(grid.GetScrollOffset(), c.start);
    CPropertyGridProperty* pRow = grid.GetProperty(c.row);
    grid.EnsureVisible(pRow);
    EXPECT_EQ(grid.GetScrollOffset(), c.offset) << c.row;
    if (!c.inside) continue;
    EXPECT_GE(pRow->GetRect().top, grid.GetListRect().top - 1) << c.row;
    EXPECT_LE(pRow->GetRect().bottom, grid.GetListRect().bottom) << c.row;
  }

  // A row under a collapsed group is reached by opening its parents.
  grid.RemoveAll();
  grid.AddProperty(GroupOf("g", 30));
  grid.ExpandAll(FALSE);
  CPropertyGridProperty* pDeep = grid.GetProperty(0)->GetSubItem(29);
  grid.EnsureVisible(pDeep);
  EXPECT_TRUE(pDeep->GetRect().IsRectEmpty());
  grid.EnsureVisible(pDeep, TRUE);
  EXPECT_TRUE(grid.GetProperty(0)->IsExpanded());
  EXPECT_FALSE(pDeep->GetRect().IsRectEmpty());
  EXPECT_LE(pDeep->GetRect().bottom, grid.GetListRect().bottom);
}

}  // namespace
}  // namespace npb::gridtest
