#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/std_controls.h"
#include "framework/tree_ctrl.h"
#include "tests/win/property_grid_fixture.h"

namespace npb::gridtest {
namespace {

// Rows of a group of text rows laid out from the list top: the group, then its rows.
struct GroupGrid {
  explicit GroupGrid(int nRows, int cy = 400) : w(300, cy) {
    pGroup = GroupOf("g", nRows, 6000);
    w.grid.AddProperty(pGroup);
    rows.push_back(pGroup);
    for (int i = 0; i < nRows; ++i) rows.push_back(pGroup->GetSubItem(i));
  }
  int IndexOf(const CPropertyGridProperty* p) const {
    for (size_t i = 0; i < rows.size(); ++i) {
      if (rows[i] == p) return static_cast<int>(i);
    }
    return -1;
  }
  CPoint Centre(int nRow, int x) const { return CPoint(x, rows[nRow]->GetRect().CenterPoint().y); }
  int Divider() const { return w.grid.GetListRect().left + w.grid.GetLeftColumnWidth(); }

  GridWindow w;
  CPropertyGridProperty* pGroup;
  std::vector<CPropertyGridProperty*> rows;
};

// Holds modifier keys down in the thread's keyboard state for its scope.
class HeldKeys {
public:
  explicit HeldKeys(const std::vector<int>& keys) {
    ::GetKeyboardState(m_saved);
    BYTE state[256];
    std::memcpy(state, m_saved, sizeof state);
    for (int vk : keys) state[vk] |= 0x80;
    ::SetKeyboardState(state);
  }
  ~HeldKeys() { ::SetKeyboardState(m_saved); }
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;

private:
  BYTE m_saved[256];
};

// What the browser's message loop does with a message: the grid sees it first.
void Deliver(CPropertyGridCtrl& grid, HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  MSG msg{hWnd, message, wParam, lParam, 0, {}};
  if (!grid.PreTranslateInput(&msg)) ::DispatchMessageA(&msg);
}

void PumpPosted() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
}

void Mouse(CPropertyGridCtrl& grid, UINT message, CPoint pt, WPARAM wParam = 0) {
  grid.SendMessage(message, wParam, MAKELPARAM(pt.x, pt.y));
}

void Drag(CPropertyGridCtrl& grid, CPoint from, CPoint to) {
  Mouse(grid, WM_LBUTTONDOWN, from, MK_LBUTTON);
  Mouse(grid, WM_MOUSEMOVE, to, MK_LBUTTON);
  Mouse(grid, WM_LBUTTONUP, to);
  grid.EndEditItem(FALSE);
}

std::string EditText(const CPropertyGridProperty* p) {
  return p->GetInPlaceWnd() ? p->GetInPlaceWnd()->GetWindowText().str() : std::string("<closed>");
}

void Type(CWnd* pEdit, const char* text) {
  pEdit->SendMessage(EM_SETSEL, 0, -1);
  for (const char* c = text; *c; ++c) pEdit->SendMessage(WM_CHAR, static_cast<unsigned char>(*c), 1);
}

// A text row that refuses the text "bad". With bEditorIds its controls carry the data code
// as their id, as an editor row's do; else the plain rows' fixed id.
class PickyRow : public CPropertyGridProperty {
public:
  PickyRow(const char* name, DWORD_PTR data, bool bEditorIds = false)
      : CPropertyGridProperty(name, COleVariant("v"), nullptr, data) {
    if (bEditorIds) m_nInPlaceCtrlId = static_cast<UINT>(data);
  }
  BOOL TextToVar(const CString& strText) override {
    return strText == "bad" ? FALSE : CPropertyGridProperty::TextToVar(strText);
  }
};

TEST(PropertyGridKeys, EachKeyMovesTheCurrentRowAndScrolls) {
  // 31 rows of 24 pixels in a 372-pixel list: a page of 14 rows, offsets 0 to 18.
  GroupGrid gg(30);
  CPropertyGridCtrl& grid = gg.w.grid;
  ASSERT_EQ(grid.GetScrollPage(), 14);
  const struct {
    const char* name;
    int start;  // -1: no current row
    int offset;
    UINT vk;
    int expectRow;
    int expectOffset;
  } cases[] = {
      {"Home", 10, 5, VK_HOME, 0, 0},
      {"End", 3, 0, VK_END, 30, 18},
      {"Down", 1, 0, VK_DOWN, 2, 0},
      {"Up", 2, 0, VK_UP, 1, 0},
      {"Up past the list top scrolls a line", 5, 5, VK_UP, 4, 4},
      {"Down past the list bottom scrolls a line", 14, 0, VK_DOWN, 15, 1},
      {"Page Down", 1, 0, VK_NEXT, 15, 14},
      {"Page Up", 20, 14, VK_PRIOR, 6, 0},
      {"Page Up within the first page goes home", 3, 0, VK_PRIOR, 0, 0},
      {"Page Down within the last page goes to the end", 25, 18, VK_NEXT, 30, 18},
      {"Left on a value row walks up", 5, 0, VK_LEFT, 4, 0},
      {"Right on a value row walks down", 5, 0, VK_RIGHT, 6, 0},
      {"Up with no current row goes home", -1, 3, VK_UP, 0, 0},
      {"Down with no current row goes home", -1, 3, VK_DOWN, 0, 0},
      {"Page Down with no current row goes home", -1, 3, VK_NEXT, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    grid.SetCurSel(nullptr);
    grid.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, c.offset), 0);
    ASSERT_EQ(grid.GetScrollOffset(), c.offset);
    if (c.start >= 0) grid.SetCurSel(gg.rows[c.start]);
    grid.SendMessage(WM_KEYDOWN, c.vk, 0);
    EXPECT_EQ(gg.IndexOf(grid.GetCurSel()), c.expectRow);
    EXPECT_EQ(grid.GetScrollOffset(), c.expectOffset);
  }
}

TEST(PropertyGridKeys, GroupsOpenAndCloseFromTheKeyboard) {
  GroupGrid gg(3);
  CPropertyGridCtrl& grid = gg.w.grid;
  const struct {
    const char* name;
    UINT vk;
    BOOL bExpandedBefore;
    BOOL bExpandedAfter;
    bool bThroughLoop;  // Return is taken before the dialog would press its default button
  } cases[] = {
      {"Left closes", VK_LEFT, TRUE, FALSE, false},   {"Right opens", VK_RIGHT, FALSE, TRUE, false},
      {"pad + opens", VK_ADD, FALSE, TRUE, false},    {"pad - closes", VK_SUBTRACT, TRUE, FALSE, false},
      {"pad - on closed", VK_SUBTRACT, FALSE, FALSE, false}, {"pad + on open", VK_ADD, TRUE, TRUE, false},
      {"Return opens", VK_RETURN, FALSE, TRUE, true}, {"Return closes", VK_RETURN, TRUE, FALSE, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    gg.pGroup->Expand(c.bExpandedBefore);
    grid.AdjustLayout();
    grid.SetCurSel(gg.pGroup);
    if (c.bThroughLoop) {
      Deliver(grid, grid.m_hWnd, WM_KEYDOWN, c.vk);
    } else {
      grid.SendMessage(WM_KEYDOWN, c.vk, 0);
    }
    EXPECT_EQ(gg.pGroup->IsExpanded(), c.bExpandedAfter);
    EXPECT_EQ(grid.GetCurSel(), gg.pGroup);
    // Laid out again: the sub-rows have a place exactly when the group is open.
    EXPECT_EQ(gg.rows[1]->GetRect().IsRectEmpty(), !c.bExpandedAfter);
  }
}

TEST(PropertyGridKeys, CtrlArrowsMoveTheDividerFivePixelsWithinItsLimits) {
  for (BOOL bDragContext : {TRUE, FALSE}) {
    SCOPED_TRACE(bDragContext ? "drag context" : "drag line only");
    GroupGrid gg(30);
    CPropertyGridCtrl& grid = gg.w.grid;
    grid.SetShowDragContext(bDragContext);
    ASSERT_EQ(grid.GetLeftColumnWidth(), 150);
    HeldKeys ctrl({VK_CONTROL});
    for (int i = 0; i < 5; ++i) grid.SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(grid.GetLeftColumnWidth(), 175);
    HDITEMA item{};
    item.mask = HDI_WIDTH;
    grid.GetHeaderCtrl().GetItem(0, &item);
    EXPECT_EQ(item.cxy, 177);
    grid.SendMessage(WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(grid.GetLeftColumnWidth(), 170);
    EXPECT_EQ(grid.GetCurSel(), nullptr) << "Ctrl+arrows move no selection";

    for (int i = 0; i < 100; ++i) grid.SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(grid.GetLeftColumnWidth(), 300 - ::GetSystemMetrics(SM_CXVSCROLL) - 5);
    for (int i = 0; i < 100; ++i) grid.SendMessage(WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(grid.GetLeftColumnWidth(), kRowHeight);
  }
}

TEST(PropertyGridKeys, AltDownAsksTheRowForItsValueBeforePressingItsButton) {
  class ButtonRow : public CPropertyGridProperty {
  public:
    ButtonRow() : CPropertyGridProperty("b", COleVariant("v"), nullptr, kDataButtonRow) {}
    BOOL OnUpdateValue() override {
      calls.push_back("update");
      return CPropertyGridProperty::OnUpdateValue();
    }
    void OnClickButton(CPoint) override { calls.push_back("button"); }
    std::vector<std::string> calls;
  };
  GroupGrid gg(0);
  auto* pRow = new ButtonRow;
  ASSERT_TRUE(gg.pGroup->AddSubItem(pRow));
  gg.w.grid.AdjustLayout();
  gg.w.grid.SetCurSel(pRow);
  {
    HeldKeys alt({VK_MENU});
    gg.w.grid.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
  }
  EXPECT_EQ(pRow->calls, (std::vector<std::string>{"update", "button"}));
  EXPECT_FALSE(pRow->IsInPlaceEditing());
  EXPECT_EQ(pRow->FormatProperty().str(), "v") << "no editor open: no typed text to take over";
  EXPECT_TRUE(gg.w.owner.changes.empty());
}

TEST(PropertyGridTab, TabWalksTheGroupWrapsAndHandsBackToTheTree) {
  GroupGrid gg(4);
  CPropertyGridCtrl& grid = gg.w.grid;
  CTreeCtrl tree;
  ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &gg.w.owner, 5));
  const auto tabUp = [&](bool bShift) {
    HeldKeys keys(bShift ? std::vector<int>{VK_SHIFT} : std::vector<int>{});
    Deliver(grid, ::GetFocus(), WM_KEYUP, VK_TAB);
  };

  // Focus from the tree: the group's first row, and that Tab's own release moves nothing.
  tree.SetFocus();
  grid.SetFocus();
  EXPECT_TRUE(grid.IsFocused());
  EXPECT_EQ(grid.GetCurSel(), gg.rows[1]);
  EXPECT_TRUE(grid.IsSkipNextTab());
  tabUp(false);
  EXPECT_EQ(grid.GetCurSel(), gg.rows[1]);
  EXPECT_FALSE(grid.IsSkipNextTab());

  const struct {
    const char* name;
    int start;
    bool bShift;
    int expectRow;
  } cases[] = {
      {"Tab to the next row", 1, false, 2},
      {"Tab on the last row wraps to the first", 4, false, 1},
      {"Shift+Tab to the row before", 3, true, 2},
      {"Tab with no current row starts at the first row", -1, false, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    grid.SetCurSel(c.start < 0 ? nullptr : gg.rows[c.start]);
    tabUp(c.bShift);
    EXPECT_EQ(gg.IndexOf(grid.GetCurSel()), c.expectRow);
    EXPECT_FALSE(grid.GetCurSel()->IsInPlaceEditing()) << "the row Tab opened on its way is closed again";
  }

  // While the editor has the focus a Tab release changes nothing.
  grid.SetCurSel(gg.rows[2]);
  ASSERT_TRUE(grid.EditItem(gg.rows[2]));
  tabUp(false);
  EXPECT_EQ(grid.GetCurSel(), gg.rows[2]);
  EXPECT_TRUE(gg.rows[2]->IsInPlaceEditing());
  grid.EndEditItem(FALSE);

  // Shift+Tab on the first row gives the focus back to the tree, when the grid knows it.
  grid.SetTreeCtrl(reinterpret_cast<CTreeCtrlXML*>(&tree));
  grid.SetFocus();
  grid.SetCurSel(gg.rows[1]);
  tabUp(true);
  EXPECT_EQ(::GetFocus(), tree.m_hWnd);
  EXPECT_EQ(grid.GetCurSel(), gg.rows[1]);
  grid.SetTreeCtrl(nullptr);
}

TEST(PropertyGridMouse, DividerAndDescriptionBorderDragOnlyFromTheirHotZones) {
  GroupGrid gg(4);
  CPropertyGridCtrl& grid = gg.w.grid;
  const int x0 = gg.Divider();
  for (int dx : {-3, -2, 0, 2, 3}) {
    SCOPED_TRACE("press at divider + " + std::to_string(dx));
    Drag(grid, gg.Centre(2, x0 + dx), gg.Centre(2, x0 + dx + 40));
    const bool bOnDivider = dx > -3 && dx < 3;
    EXPECT_EQ(grid.GetLeftColumnWidth(), bOnDivider ? x0 + dx + 40 : x0);
    EXPECT_EQ(::GetCapture(), nullptr);
    // A double-click on the divider puts it back in the middle.
    Mouse(grid, WM_LBUTTONDBLCLK, gg.Centre(2, grid.GetLeftColumnWidth()), MK_LBUTTON);
    EXPECT_EQ(grid.GetLeftColumnWidth(), 150);
  }

  grid.EnableDescriptionArea(TRUE);
  gg.w.Paint();
  const int nStartHeight = grid.GetDescriptionHeight();
  ASSERT_GT(nStartHeight, kRowHeight);
  const struct {
    int dy;
    int yTo;
    int expectHeight;
  } cases[] = {
      {-3, 400, nStartHeight},  // in the list's last pixels: no drag
      {3, 400, nStartHeight},
      {2, 200, 400 - 200 + 2},
      {-2, 400, kRowHeight},  // to the bottom: one row stays
      {0, 0, 400 - (kHeaderHeight + kRowHeight) + 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("press at border + " + std::to_string(c.dy) + ", release at " + std::to_string(c.yTo));
    const int yBorder = grid.GetListRect().bottom + 4;
    Drag(grid, CPoint(100, yBorder + c.dy), CPoint(100, c.yTo));
    EXPECT_EQ(grid.GetDescriptionHeight(), c.expectHeight);
    EXPECT_EQ(grid.GetListRect().bottom, 400 - grid.GetDescriptionHeight());
    if (c.expectHeight != nStartHeight) {
      Drag(grid, CPoint(100, grid.GetListRect().bottom + 4), CPoint(100, 400 - nStartHeight + 2));
      ASSERT_EQ(grid.GetDescriptionHeight(), nStartHeight);
    }
  }
}

TEST(PropertyGridMouse, HitTestAreasChangeAtTheZoneBorders) {
  GroupGrid gg(4);
  CPropertyGridCtrl& grid = gg.w.grid;
  grid.EnableDescriptionArea(TRUE);
  gg.w.Paint();
  const int x0 = gg.Divider();
  const int nGroupLeft = gg.pGroup->GetRect().left;
  const int yBelowList = grid.GetListRect().bottom + 1;
  const struct {
    CPoint pt;
    int expectRow;  // -1: none
    int expectArea;
  } cases[] = {
      {gg.Centre(0, nGroupLeft + kRowHeight - 1), 0, CPropertyGridCtrl::ClickExpandBox},
      {gg.Centre(0, nGroupLeft + kRowHeight), 0, CPropertyGridCtrl::ClickName},
      {gg.Centre(2, x0 - 3), 2, CPropertyGridCtrl::ClickName},
      {gg.Centre(2, x0), 2, CPropertyGridCtrl::ClickName},
      {gg.Centre(2, x0 + 1), 2, CPropertyGridCtrl::ClickValue},
      {gg.Centre(2, x0 + 3), 2, CPropertyGridCtrl::ClickValue},
      {CPoint(100, yBelowList), -1, CPropertyGridCtrl::ClickDescription},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("point " + std::to_string(c.pt.x) + "," + std::to_string(c.pt.y));
    CPropertyGridCtrl::ClickArea nArea = CPropertyGridCtrl::ClickName;
    EXPECT_EQ(gg.IndexOf(grid.HitTest(c.pt, &nArea)), c.expectRow);
    EXPECT_EQ(nArea, c.expectArea);
  }
}

TEST(PropertyGridMouse, WheelScrollsOneLinePerNotch) {
  GroupGrid gg(30);
  CPropertyGridCtrl& grid = gg.w.grid;
  const struct {
    short delta;
    int expectOffset;
  } cases[] = {{-240, 2}, {-119, 2}, {-120, 3}, {240, 1}, {360, 0}, {-1200, 10}, {-2400, 18}, {120, 17}};
  for (const auto& c : cases) {
    SCOPED_TRACE("delta " + std::to_string(c.delta));
    EXPECT_NE(grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, c.delta), 0), 0) << "always handled";
    EXPECT_EQ(grid.GetScrollOffset(), c.expectOffset);
  }
}

TEST(PropertyGridMouse, ClickIntoTheValueOpensTheEditorOnTheWordUnderThePointer) {
  GroupGrid gg(2);
  CPropertyGridCtrl& grid = gg.w.grid;
  CPropertyGridProperty* pRow = gg.rows[1];
  pRow->SetValue(COleVariant("alpha beta gamma"));
  // Where the edit will draw the word "beta": measured on an editor opened beforehand.
  ASSERT_TRUE(grid.EditItem(pRow));
  CWnd* pEdit = pRow->GetInPlaceWnd();
  const LRESULT pos = pEdit->SendMessage(EM_POSFROMCHAR, 7);
  CPoint pt(static_cast<short>(LOWORD(pos)), gg.Centre(1, 0).y);
  ::MapWindowPoints(pEdit->m_hWnd, grid.m_hWnd, &pt, 1);
  pt.y = gg.Centre(1, 0).y;
  grid.EndEditItem(FALSE);
  grid.SetCurSel(nullptr);

  Mouse(grid, WM_LBUTTONDOWN, pt, MK_LBUTTON);
  Mouse(grid, WM_LBUTTONUP, pt);
  ASSERT_TRUE(pRow->IsInPlaceEditing());
  EXPECT_EQ(grid.GetCurSel(), pRow);
  DWORD dwStart = 0, dwEnd = 0;
  pRow->GetInPlaceWnd()->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
  EXPECT_EQ(dwStart, 6u);
  EXPECT_GE(dwEnd, 10u);
  EXPECT_LE(dwEnd, 11u);
  grid.EndEditItem(FALSE);
}

TEST(PropertyGridEditing, ReturnAcceptsEscapeCancelsARefusedValueKeepsTheEditorOpen) {
  GroupGrid gg(1);
  CPropertyGridCtrl& grid = gg.w.grid;
  auto* pRow = new PickyRow("text", 6009);
  ASSERT_TRUE(gg.pGroup->AddSubItem(pRow));
  grid.AdjustLayout();
  const struct {
    const char* name;
    const char* typed;
    UINT vk;
    int nPresses;
    const char* expectValue;
    bool bExpectOpen;
    size_t expectChanges;
  } cases[] = {
      {"Return takes the typed value", "new value", VK_RETURN, 1, "new value", false, 1},
      {"Escape leaves the value", "other", VK_ESCAPE, 1, "new value", false, 0},
      {"Return on a refused value keeps the editor", "bad", VK_RETURN, 3, "new value", true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    gg.w.owner.changes.clear();
    grid.SetFocus();
    grid.SetCurSel(pRow);
    grid.SendMessage(WM_KEYDOWN, VK_F4, 0);
    ASSERT_TRUE(pRow->IsInPlaceEditing());
    CWnd* pEdit = pRow->GetInPlaceWnd();
    EXPECT_EQ(::GetFocus(), pEdit->m_hWnd);
    for (const char* t = c.typed; *t; ++t) pEdit->SendMessage(WM_CHAR, static_cast<unsigned char>(*t), 1);
    for (int i = 0; i < c.nPresses; ++i) Deliver(grid, ::GetFocus(), WM_KEYDOWN, c.vk);
    EXPECT_EQ(pRow->FormatProperty().str(), c.expectValue);
    EXPECT_EQ(pRow->IsInPlaceEditing(), c.bExpectOpen);
    EXPECT_EQ(::GetFocus(), grid.m_hWnd);
    EXPECT_EQ(gg.w.owner.changes.size(), c.expectChanges);
    if (c.bExpectOpen) {
      EXPECT_EQ(EditText(pRow), c.typed) << "the refused text stays for correcting";
      Mouse(grid, WM_LBUTTONDOWN, gg.Centre(0, 100), MK_LBUTTON);
      EXPECT_EQ(grid.GetCurSel(), pRow) << "a click elsewhere cannot leave a refused value";
      EXPECT_TRUE(pRow->IsInPlaceEditing());
      Deliver(grid, ::GetFocus(), WM_KEYDOWN, VK_ESCAPE);
      EXPECT_FALSE(pRow->IsInPlaceEditing());
      EXPECT_EQ(pRow->FormatProperty().str(), c.expectValue);
    }
  }
}

TEST(PropertyGridEditing, FocusLeavingTheEditorCommitsForPlainRowsAndKnownEditorIds) {
  const struct {
    DWORD_PTR data;
    bool bEditorIds;
    const char* typed;
    bool bExpectClosed;
    bool bExpectFocusBack;
  } cases[] = {
      {6009, true, "kept", true, false},   {9012, true, "kept", true, false}, {2003, true, "kept", true, false},
      {5001, true, "kept", false, false},  // check boxes listen to no edit
      {0, false, "kept", true, false},     {5001, false, "kept", true, false},  // plain rows always
      {6009, true, "bad", false, true},    {0, false, "bad", false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("data " + std::to_string(c.data) + (c.bEditorIds ? " editor" : " plain") + " typed " + c.typed);
    GroupGrid gg(0);
    CPropertyGridCtrl& grid = gg.w.grid;
    auto* pRow = new PickyRow("text", c.data, c.bEditorIds);
    ASSERT_TRUE(gg.pGroup->AddSubItem(pRow));
    grid.AdjustLayout();
    CButton other;
    ASSERT_TRUE(other.Create("x", WS_CHILD | WS_VISIBLE, CRect(0, 0, 5, 5), &gg.w.owner, 9));
    grid.SetCurSel(pRow);
    ASSERT_TRUE(grid.EditItem(pRow));
    Type(pRow->GetInPlaceWnd(), c.typed);
    // A notification from a control the grid does not know changes nothing.
    grid.SendMessage(WM_COMMAND, MAKEWPARAM(1234, EN_KILLFOCUS), reinterpret_cast<LPARAM>(other.m_hWnd));
    EXPECT_TRUE(pRow->IsInPlaceEditing());

    other.SetFocus();
    PumpPosted();
    EXPECT_EQ(!pRow->IsInPlaceEditing(), c.bExpectClosed);
    EXPECT_EQ(pRow->FormatProperty().str(), c.bExpectClosed ? c.typed : "v");
    if (c.bExpectFocusBack) {
      EXPECT_EQ(::GetFocus(), pRow->GetInPlaceWnd()->m_hWnd);
    }
    grid.EndEditItem(FALSE);
  }
}

TEST(PropertyGridEditing, CharactersStartAnEditAndClipboardKeysReachTheEditor) {
  GroupGrid gg(2);
  CPropertyGridCtrl& grid = gg.w.grid;
  CPropertyGridProperty* pRow = gg.rows[1];
  grid.SetFocus();
  grid.SetCurSel(pRow);
  // A control character opens the editor as any other: Backspace leaves it empty.
  grid.SendMessage(WM_CHAR, VK_BACK, 1);
  ASSERT_TRUE(pRow->IsInPlaceEditing());
  EXPECT_EQ(EditText(pRow), "");
  grid.EndEditItem(FALSE);
  EXPECT_EQ(pRow->FormatProperty().str(), "v");
  grid.SendMessage(WM_CHAR, 'x', 1);
  ASSERT_TRUE(pRow->IsInPlaceEditing());
  EXPECT_EQ(EditText(pRow), "x");

  Type(pRow->GetInPlaceWnd(), "hello");
  pRow->GetInPlaceWnd()->SendMessage(EM_SETSEL, 0, -1);
  {
    HeldKeys ctrl({VK_CONTROL});
    EXPECT_FALSE(grid.ProcessClipboardAccelerators('A'));
    EXPECT_TRUE(grid.ProcessClipboardAccelerators('X'));
    EXPECT_EQ(EditText(pRow), "");
    EXPECT_TRUE(grid.ProcessClipboardAccelerators('V'));
    EXPECT_EQ(EditText(pRow), "hello");
  }
  {
    HeldKeys shift({VK_SHIFT});
    EXPECT_TRUE(grid.ProcessClipboardAccelerators(VK_INSERT));
    EXPECT_EQ(EditText(pRow), "hellohello");
  }
  grid.EndEditItem(FALSE);
  EXPECT_FALSE(grid.ProcessClipboardAccelerators('V')) << "no editor, nothing to paste into";
}

TEST(PropertyGridEditing, SpinChangesReachTheRowOnlyFromSpinnerIdsAndPlainRows) {
  // A row that records whether its update came from the spin control; 0 stands for a plain row.
  class SpinRow : public CPropertyGridProperty {
  public:
    explicit SpinRow(DWORD_PTR data) : CPropertyGridProperty("n", COleVariant(5L), nullptr, data) {
      if (data) m_nInPlaceCtrlId = static_cast<UINT>(data);
    }
    BOOL OnUpdateValue() override {
      updates.push_back(m_bUpdateFromSpin);
      return CPropertyGridProperty::OnUpdateValue();
    }
    std::vector<BOOL> updates;
  };
  for (DWORD_PTR data : {9001u, 4001u, 0u}) {
    SCOPED_TRACE("data " + std::to_string(data));
    GroupGrid gg(0);
    CPropertyGridCtrl& grid = gg.w.grid;
    auto* pRow = new SpinRow(data);
    gg.pGroup->AddSubItem(pRow);
    grid.AdjustLayout();
    grid.SetCurSel(pRow);
    ASSERT_TRUE(grid.EditItem(pRow));
    NMUPDOWN nm{};
    nm.hdr.hwndFrom = pRow->GetInPlaceWnd()->m_hWnd;
    nm.hdr.idFrom = pRow->GetInPlaceCtrlId();
    nm.hdr.code = UDN_DELTAPOS;
    nm.iDelta = 1;
    EXPECT_EQ(grid.SendMessage(WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm)), 0) << "the change is allowed";
    PumpPosted();
    EXPECT_EQ(pRow->updates, data != 4001u ? std::vector<BOOL>{TRUE} : std::vector<BOOL>{});
    grid.EndEditItem(FALSE);
  }
}

TEST(PropertyGridBadInput, NoRowsRemovedRowsAndStrayMessagesLeaveTheGridUsable) {
  GridWindow w;
  CPropertyGridCtrl& grid = w.grid;
  for (UINT vk : {VK_HOME, VK_END, VK_PRIOR, VK_NEXT, VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_ADD, VK_SUBTRACT, VK_F4,
                  VK_RETURN, VK_ESCAPE}) {
    Deliver(grid, grid.m_hWnd, WM_KEYDOWN, vk);
  }
  Deliver(grid, grid.m_hWnd, WM_KEYUP, VK_TAB);
  grid.SendMessage(WM_CHAR, 'a', 1);
  grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -240), 0);
  Mouse(grid, WM_LBUTTONDOWN, CPoint(100, 100), MK_LBUTTON);
  Mouse(grid, WM_LBUTTONUP, CPoint(100, 100));
  Mouse(grid, WM_LBUTTONDBLCLK, CPoint(100, 100), MK_LBUTTON);
  Mouse(grid, WM_RBUTTONDOWN, CPoint(100, 100), MK_RBUTTON);
  grid.SendMessage(WM_COMMAND, MAKEWPARAM(6001, EN_KILLFOCUS), reinterpret_cast<LPARAM>(grid.m_hWnd));
  grid.SendMessage(WM_COMMAND, MAKEWPARAM(7001, CBN_SELENDOK), reinterpret_cast<LPARAM>(grid.m_hWnd));
  grid.SendMessage(CPropertyGridCtrl::kMsgUpdateSpin);
  grid.SendMessage(CPropertyGridCtrl::kMsgUpdateSlider);
  grid.SendMessage(WM_CANCELMODE);
  EXPECT_EQ(grid.GetCurSel(), nullptr);

  // A row deleted while its editor is open takes the editor with it.
  CPropertyGridProperty* pGroup = GroupOf("g", 3, 6000);
  grid.AddProperty(pGroup);
  CPropertyGridProperty* pRow = pGroup->GetSubItem(1);
  grid.SetFocus();
  grid.SetCurSel(pRow);
  ASSERT_TRUE(grid.EditItem(pRow));
  HWND hEdit = pRow->GetInPlaceWnd()->m_hWnd;
  ASSERT_TRUE(grid.DeleteProperty(pRow));
  EXPECT_FALSE(::IsWindow(hEdit));
  Deliver(grid, grid.m_hWnd, WM_KEYDOWN, VK_RETURN);
  grid.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(grid.GetCurSel(), pGroup);
  grid.SendMessage(WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(grid.GetCurSel(), pGroup->GetSubItem(1));
}

}  // namespace
}  // namespace npb::gridtest
