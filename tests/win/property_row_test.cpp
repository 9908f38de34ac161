#include "grid/property_row.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <string>
#include <vector>

#include "framework/common_controls.h"
#include "framework/masked_edit.h"
#include "framework/std_controls.h"
#include "framework/window_class.h"
#include "framework/wnd.h"

namespace npb {
namespace {

// A frame window that records the notebook view messages rows send it.
class RecordingFrame : public CWnd {
public:
  struct Message {
    UINT id;
    WPARAM wParam;
    std::string text;
  };
  std::vector<Message> messages;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == CPropertyGridProperty::kMsgButtonClicked || message == CPropertyGridProperty::kMsgValueChanged) {
      messages.push_back({message, wParam, lParam ? reinterpret_cast<const char*>(lParam) : ""});
      return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

// Stands in for the grid: owns its top-level rows as the grid does, and optionally has a
// real window (with a frame above it) for the in-place controls.
class FakeGrid : public CPropertyRowHost {
public:
  explicit FakeGrid(bool bWithWindow = false) {
    if (!bWithWindow) return;
    AfxRegisterClass("NpbRowTestWindow");
    frame.CreateEx(0, "NpbRowTestWindow", "", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300), nullptr, 0);
    wnd.CreateEx(0, "NpbRowTestWindow", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &frame, 7);
  }
  ~FakeGrid() {
    for (CPropertyGridProperty* p : rows) delete p;
  }
  int Add(CPropertyGridProperty* p) {
    rows.push_back(p);
    p->SetOwnerList(this);
    return static_cast<int>(rows.size()) - 1;
  }

  CPropertyGridCtrl* GetGridCtrl() override { return nullptr; }
  CWnd* GetGridWnd() override { return wnd.m_hWnd ? &wnd : nullptr; }
  CWnd* GetParentFrameWnd() override { return frame.m_hWnd ? &frame : nullptr; }
  int GetPropertyCount() const override { return static_cast<int>(rows.size()); }
  CPropertyGridProperty* GetProperty(int i) const override { return rows[i]; }
  CPropertyGridProperty* GetCurSel() const override { return sel; }
  void AdjustLayout() override { ++layouts; }
  BOOL EditItem(CPropertyGridProperty* p, LPPOINT pt) override { return p->OnEdit(pt); }
  void OnPropertyChanged(CPropertyGridProperty* p) const override {
    changed.push_back(p);
    p->SetModifiedFlag();
  }
  CString GetTrueLabel() const override { return strTrue; }
  CString GetFalseLabel() const override { return strFalse; }
  char GetListDelimiter() const override { return delimiter; }
  BOOL IsMarkModifiedProperties() const override { return FALSE; }
  HFONT GetGridFont() const override { return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)); }
  HFONT GetBoldFont() const override { return GetGridFont(); }
  CRect GetListRect() const override { return CRect(0, 0, 400, 300); }
  int GetLeftColumnWidth() const override { return 100; }
  int GetRowHeight() const override { return 20; }
  int GetEditLeftMargin(BOOL bBold) const override { return bBold ? 3 : 1; }

  std::vector<CPropertyGridProperty*> rows;
  CPropertyGridProperty* sel = nullptr;
  mutable std::vector<CPropertyGridProperty*> changed;
  int layouts = 0;
  CString strTrue = "True", strFalse = "False";
  char delimiter = ',';
  RecordingFrame frame;
  CWnd wnd;
};

std::string InPlaceText(const CPropertyGridProperty& row) {
  return row.GetInPlaceWnd() ? row.GetInPlaceWnd()->GetWindowText().str() : "<none>";
}

TEST(PropertyRow, ConstructorsSetFlagsAndEditRulesFromValueAndDataCode) {
  TiXmlElement element("Object");
  const struct {
    const char* what;
    CPropertyGridProperty* row;
    DWORD flags;
    BOOL allowEdit, group, expanded;
  } cases[] = {
      {"plain", new CPropertyGridProperty("a", COleVariant(1)), 0, TRUE, FALSE, TRUE},
      {"button code", new CPropertyGridProperty("a", COleVariant(true), nullptr, 9009), AFX_PROP_HAS_BUTTON, FALSE, FALSE, TRUE},
      {"read-only code", new CPropertyGridProperty("a", COleVariant("x"), nullptr, 9014), 0, FALSE, FALSE, TRUE},
      {"boolean", new CPropertyGridProperty("a", COleVariant(false)), AFX_PROP_HAS_LIST, FALSE, FALSE, TRUE},
      {"node ignores codes", new CPropertyGridProperty("a", COleVariant(1), &element, nullptr, 9009, nullptr, nullptr, nullptr), 0, TRUE, FALSE, TRUE},
      {"node boolean", new CPropertyGridProperty("a", COleVariant(true), &element, nullptr, 9014, nullptr, nullptr, nullptr), AFX_PROP_HAS_LIST, FALSE, FALSE, TRUE},
      {"group", new CPropertyGridProperty(CString("g")), 0, TRUE, TRUE, TRUE},
      {"value list", new CPropertyGridProperty(CString("g"), 0, TRUE), 0, TRUE, TRUE, FALSE},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.row->GetFlags(), c.flags) << c.what;
    EXPECT_EQ(c.row->IsAllowEdit(), c.allowEdit) << c.what;
    EXPECT_EQ(c.row->IsGroup(), c.group) << c.what;
    EXPECT_EQ(c.row->IsExpanded(), c.expanded) << c.what;
    EXPECT_TRUE(c.row->IsEnabled() && c.row->IsVisible() && !c.row->IsModified()) << c.what;
    delete c.row;
  }
}

TEST(PropertyRow, ObjectGroupRowWritesTheStateAttributesOnceEach) {
  TiXmlElement element("Object");
  element.SetAttribute("Handle", "12");
  element.SetAttribute("CHECK STATUS", 5);
  element.SetAttribute("MULTIPLIER ENABLE", "0");
  CPropertyGridProperty group("Graph Properties", &element, 0, FALSE);

  const char* expected[][2] = {
      {"Handle", "12"}, {"CHECK STATUS", "0"}, {"MULTIPLIER ENABLE", "1"}, {"SEA_COLOR", "0"},
      {"SEA_GAP_COLOR", "0"}, {"SSA_COLOR", "0"}, {"SSA_EDGECOLOR", "0"}, {"SDA_COLOR", "0"},
      {"SDA_EDGECOLOR", "0"}, {"SLA_QCOPTS_DIRECTION", "0"}, {"AH LENGTH FIRST TIME", "1"},
      {"PIE EXPLODE SLICE ENABLE", "0"}, {"MAJORFREQ ENABLE", "1"}, {"ORGVAL ENABLE", "1"},
      {"TIC LABEL TYPE", "0"}, {"TIC LABEL FORMAT SERIES TYPE", "0"}, {"TIC LABEL AUTOPREC", "0"},
      {"3D SHADINGSMOOTH ENABLE", "0"}, {"SAMPLE RANGE ENABLE", "1"}, {"SXA_POSITION_TOP", "0"},
      {"SXA_POSITION_LEFT", "0"}, {"SXA_POSITION_WIDTH", "0"}, {"SXA_POSITION_HEIGHT", "0"},
      {"GAP COLOR DISABLE", "0"}, {"CONSTANT LABEL ON", "0"}, {"BREAK MIN", "0"}, {"BREAK MAX", "0"},
      {"SSA_SIZE_ENABLE", "1"},
  };
  std::vector<std::pair<std::string, std::string>> got;
  for (const TiXmlAttribute* a = element.FirstAttribute(); a; a = a->Next()) got.emplace_back(a->Name(), a->Value());
  ASSERT_EQ(got.size(), std::size(expected));  // 27 written, two of them overwritten in place
  for (size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i].first, expected[i][0]) << i;
    EXPECT_EQ(got[i].second, expected[i][1]) << got[i].first;
  }

  TiXmlText text("not an element");
  CPropertyGridProperty onText("x", &text, 0, FALSE);  // quietly writes nothing
  EXPECT_EQ(onText.GetXmlNode(), &text);
}

TEST(PropertyRow, FormattingFollowsTheGridsLabelsAndDelimiter) {
  FakeGrid grid;
  grid.strTrue = "Yes";
  grid.strFalse = "No";
  grid.delimiter = ';';
  auto* flag = new CPropertyGridProperty("flag", COleVariant(true));
  auto* list = new CPropertyGridProperty(CString("size"), 0, TRUE);
  for (const char* v : {"a", "b", "c"}) list->AddSubItem(new CPropertyGridProperty(v, COleVariant(v)));
  CPropertyGridProperty loose("loose", COleVariant(false));

  EXPECT_EQ(flag->FormatProperty(), CString("True"));  // not in a grid: the default labels
  EXPECT_EQ(list->FormatProperty(), CString("a, b, c"));
  EXPECT_EQ(loose.FormatProperty(), CString("False"));
  grid.Add(flag);
  grid.Add(list);
  EXPECT_EQ(flag->FormatProperty(), CString("Yes"));
  EXPECT_EQ(list->FormatProperty(), CString("a; b; c"));
  EXPECT_TRUE(flag->TextToVar("Yes"));
  EXPECT_EQ(flag->GetValue().boolVal, VARIANT_TRUE);
  EXPECT_TRUE(flag->TextToVar("True"));
  EXPECT_EQ(flag->GetValue().boolVal, VARIANT_FALSE);
  CPropertyGridProperty group(CString("group"));
  EXPECT_FALSE(group.TextToVar("1"));
  EXPECT_EQ(group.FormatProperty(), CString("*** error ***"));
}

TEST(PropertyRow, ValuesOfAnotherKindAreIgnoredAndResetRestoresTheSubtree) {
  FakeGrid grid;
  auto* group = new CPropertyGridProperty(CString("g"));
  auto* a = new CPropertyGridProperty("a", COleVariant(5));
  auto* b = new CPropertyGridProperty("b", COleVariant(1.5));
  group->AddSubItem(a);
  group->AddSubItem(b);
  grid.Add(group);

  a->SetValue(COleVariant("text"));
  a->SetOriginalValue(COleVariant(2.0));
  EXPECT_TRUE(a->GetValue() == COleVariant(5));
  EXPECT_TRUE(a->GetOriginalValue() == COleVariant(5));

  a->SetValue(COleVariant(7));
  b->SetValue(COleVariant(2.5));
  a->SetModifiedFlag();
  b->SetModifiedFlag();
  EXPECT_TRUE(a->IsModified() && b->IsModified());
  group->ResetOriginalValue();
  EXPECT_TRUE(a->GetValue() == COleVariant(5));
  EXPECT_TRUE(b->GetValue() == COleVariant(1.5));
  EXPECT_FALSE(a->IsModified() || b->IsModified());

  a->SetOriginalValue(COleVariant(9));  // the new original makes the value differ
  a->SetModifiedFlag();
  EXPECT_TRUE(a->IsModified());
}

TEST(PropertyRow, ValueListModifiedMarkFollowsItsSubRows) {
  FakeGrid grid;
  auto* list = new CPropertyGridProperty(CString("list"), 0, TRUE);
  auto* x = new CPropertyGridProperty("x", COleVariant(1));
  auto* y = new CPropertyGridProperty("y", COleVariant(2));
  list->AddSubItem(x);
  list->AddSubItem(y);
  grid.Add(list);

  x->TextToVar("10");
  y->TextToVar("20");
  x->SetModifiedFlag();
  y->SetModifiedFlag();
  EXPECT_TRUE(list->IsModified());
  x->TextToVar("1");
  x->SetModifiedFlag();
  EXPECT_TRUE(list->IsModified()) << "y still differs";
  y->TextToVar("2");
  y->SetModifiedFlag();
  EXPECT_FALSE(list->IsModified());
  y->TextToVar("3");
  list->SetModifiedFlag();  // from the list down
  EXPECT_TRUE(y->IsModified());
  EXPECT_TRUE(list->IsModified());
}

TEST(PropertyRow, OptionsAndFlagSwitchesByKind) {
  CPropertyGridProperty row("r", COleVariant("x"));
  EXPECT_TRUE(row.AddOption("one"));
  EXPECT_FALSE(row.AddOption("one"));
  EXPECT_TRUE(row.AddOption("one", FALSE));
  EXPECT_TRUE(row.AddOption("two"));
  EXPECT_EQ(row.GetOptionCount(), 3);
  EXPECT_STREQ(row.GetOption(2), "two");
  EXPECT_EQ(row.GetOption(3), nullptr);
  EXPECT_EQ(row.GetOption(-1), nullptr);
  row.RemoveAllOptions();
  EXPECT_EQ(row.GetOptionCount(), 0);

  const struct {
    COleVariant value;
    bool spin, slider;
  } kinds[] = {
      {COleVariant(short{1}), true, true}, {COleVariant(1), true, true}, {COleVariant(1u), true, true},
      {COleVariant(1, VT_INT), true, true}, {COleVariant(1u, VT_UINT), true, true},
      {COleVariant(static_cast<unsigned short>(1)), true, true}, {COleVariant(1.0), false, true},
      {COleVariant(1.0f), false, false}, {COleVariant("1"), false, false}, {COleVariant(true), false, false},
  };
  for (const auto& k : kinds) {
    CPropertyGridProperty r("k", k.value);
    const DWORD before = r.GetFlags();
    r.EnableSpinControl(TRUE, 1, 9);
    r.EnableSliderControl(TRUE);
    EXPECT_EQ((r.GetFlags() & AFX_PROP_HAS_SPIN) != 0, k.spin) << "kind " << k.value.vt;
    EXPECT_EQ((r.GetFlags() & PROP_HAS_SLIDER) != 0, k.slider) << "kind " << k.value.vt;
    r.EnableSpinControl(FALSE);
    r.EnableSliderControl(FALSE);
    EXPECT_EQ(r.GetFlags(), before) << "kind " << k.value.vt;
  }
}

TEST(PropertyRow, SubRowsAreOwnedOnceWhateverHappensToThem) {
  const int baseline = CPropertyGridProperty::GetLiveCount();
  {
    FakeGrid grid;
    auto* top = new CPropertyGridProperty(CString("top"), 1);
    auto* inner = new CPropertyGridProperty(CString("inner"), 2);
    auto* leaf = new CPropertyGridProperty("leaf", COleVariant(1), nullptr, 3);
    auto* other = new CPropertyGridProperty(CString("other"), 4);
    ASSERT_TRUE(inner->AddSubItem(leaf));
    ASSERT_TRUE(top->AddSubItem(inner));
    grid.Add(top);
    grid.Add(other);
    EXPECT_EQ(CPropertyGridProperty::GetLiveCount(), baseline + 4);
    EXPECT_EQ(leaf->GetOwnerHost(), &grid) << "the grid reaches rows added before it";
    EXPECT_EQ(leaf->GetHierarchyLevel(), 2);

    // Rejections change nothing.
    CPropertyGridProperty value("v", COleVariant(1));
    CPropertyGridProperty never("never", COleVariant(0));
    EXPECT_FALSE(value.AddSubItem(&never)) << "not a group";
    EXPECT_EQ(value.GetSubItemsCount(), 0);
    EXPECT_FALSE(other->AddSubItem(leaf)) << "already under a parent";
    EXPECT_FALSE(other->AddSubItem(top)) << "already a top-level row";
    EXPECT_FALSE(inner->AddSubItem(top)) << "would make a cycle";
    EXPECT_FALSE(inner->AddSubItem(inner));
    EXPECT_FALSE(inner->AddSubItem(nullptr));
    EXPECT_EQ(other->GetSubItemsCount(), 0);

    // Regrouping: taken out unowned, then accepted by another group.
    CPropertyGridProperty* moved = inner;
    ASSERT_TRUE(top->RemoveSubItem(moved, FALSE));
    EXPECT_EQ(moved, inner);
    EXPECT_EQ(inner->GetParent(), nullptr);
    EXPECT_EQ(inner->GetOwnerHost(), nullptr);
    ASSERT_TRUE(other->AddSubItem(inner));
    EXPECT_EQ(leaf->GetOwnerHost(), &grid);
    EXPECT_EQ(top->FindSubItemByData(3), nullptr);
    EXPECT_EQ(other->FindSubItemByData(3), leaf);

    // Removal with deletion, found at any depth.
    CPropertyGridProperty* gone = leaf;
    EXPECT_TRUE(other->RemoveSubItem(gone));
    EXPECT_EQ(gone, nullptr);
    EXPECT_FALSE(other->RemoveSubItem(gone));
    EXPECT_EQ(CPropertyGridProperty::GetLiveCount(), baseline + 5);  // + value + never - leaf
  }
  EXPECT_EQ(CPropertyGridProperty::GetLiveCount(), baseline);
}

TEST(PropertyRow, TreeQueriesAndStatePropagation) {
  FakeGrid grid;
  auto* top = new CPropertyGridProperty(CString("top"), 1);
  auto* g1 = new CPropertyGridProperty(CString("g1"), 2);
  auto* deep = new CPropertyGridProperty("deep", COleVariant(1), nullptr, 7);
  auto* later = new CPropertyGridProperty("later", COleVariant(1), nullptr, 7);
  g1->AddSubItem(deep);
  top->AddSubItem(g1);
  top->AddSubItem(later);
  grid.Add(top);

  EXPECT_EQ(top->FindSubItemByData(7), deep) << "depth first";
  EXPECT_TRUE(top->IsSubItem(deep));
  EXPECT_FALSE(g1->IsSubItem(later));
  EXPECT_EQ(top->GetSubItem(1), later);
  EXPECT_EQ(top->GetSubItem(2), nullptr);

  top->ExpandDeep(FALSE);
  EXPECT_FALSE(g1->IsExpanded());
  EXPECT_FALSE(deep->IsParentExpanded());
  top->Expand(TRUE);
  EXPECT_FALSE(deep->IsParentExpanded()) << "g1 is still collapsed";
  g1->Expand(TRUE);
  EXPECT_TRUE(deep->IsParentExpanded());

  top->Show(FALSE);
  EXPECT_FALSE(deep->IsVisible());
  EXPECT_EQ(grid.layouts, 1) << "one relayout for the whole subtree";
  top->Show(FALSE);
  EXPECT_EQ(grid.layouts, 1) << "no change, no relayout";
  top->Show(TRUE, FALSE);
  EXPECT_TRUE(later->IsVisible());
  EXPECT_EQ(grid.layouts, 1);

  EXPECT_FALSE(top->IsSelected());
  grid.sel = top;
  EXPECT_TRUE(top->IsSelected());
}

TEST(PropertyRow, EditRectanglesShareTheValueField) {
  FakeGrid grid;
  auto* row = new CPropertyGridProperty("r", COleVariant(5));
  grid.Add(row);
  row->SetRect(CRect(0, 40, 300, 60));

  CRect edit, spin, slider;
  row->EnableSliderControl(TRUE);
  row->AdjustInPlaceEditRect(edit, spin, slider);
  // Left edge: list left 0 + column 100 - margin 1 + 5; the edit keeps 40 % of 196 pixels.
  EXPECT_EQ(edit, CRect(104, 42, 182, 58));
  EXPECT_EQ(slider, CRect(182, 43, 300, 58));
  EXPECT_TRUE(spin.IsRectNull());

  row->EnableSpinControl(TRUE);
  slider = CRect(1, 1, 2, 2);
  row->AdjustInPlaceEditRect(edit, spin, slider);
  EXPECT_EQ(spin, CRect(284, 43, 300, 58)) << "as wide as the edit is high";
  EXPECT_EQ(edit.right, 284);
  EXPECT_EQ(slider, CRect(1, 1, 2, 2)) << "slider untouched beside a spin";
  row->AdjustInPlaceEditRect(edit, spin);
  EXPECT_EQ(spin, CRect(280, 41, 300, 60)) << "as wide as the row is high";

  row->EnableSpinControl(FALSE);
  row->EnableSliderControl(FALSE);
  auto* button = new CPropertyGridProperty("b", COleVariant("x"), nullptr, 9009);
  grid.Add(button);
  button->SetRect(CRect(0, 40, 300, 60));
  button->AdjustInPlaceEditRect(edit, spin);
  EXPECT_EQ(edit, CRect(104, 42, 283, 58)) << "the edit ends at the button";
  EXPECT_TRUE(spin.IsRectNull());
}

TEST(PropertyRow, TypedTextUpdatesTheValueAndNotifiesOnlyOnChange) {
  FakeGrid grid(true);
  ASSERT_NE(grid.GetGridWnd(), nullptr);
  auto* list = new CPropertyGridProperty(CString("list"), 9012, TRUE);
  for (const char* v : {"a", "b", "c"}) list->AddSubItem(new CPropertyGridProperty(v, COleVariant(v)));
  auto* number = new CPropertyGridProperty("n", COleVariant(5), nullptr, 9013);
  grid.Add(list);
  grid.Add(number);
  list->SetRect(CRect(0, 0, 300, 20));
  number->SetRect(CRect(0, 20, 300, 40));

  ASSERT_TRUE(number->OnEdit(nullptr));
  EXPECT_EQ(InPlaceText(*number), "5");
  {
    // The edit keeps its rectangle, and its text starts where the painted value's did:
    // centred in the row, one pixel lower.
    HWND hEdit = number->GetInPlaceWnd()->m_hWnd;
    RECT window, client = {};
    ::GetWindowRect(hEdit, &window);
    ::MapWindowPoints(nullptr, grid.GetGridWnd()->m_hWnd, reinterpret_cast<POINT*>(&window), 2);
    ::MapWindowPoints(hEdit, grid.GetGridWnd()->m_hWnd, reinterpret_cast<POINT*>(&client), 1);
    HDC hDC = ::GetDC(hEdit);
    ::SelectObject(hDC, reinterpret_cast<HFONT>(::SendMessageA(hEdit, WM_GETFONT, 0, 0)));
    TEXTMETRICA tm{};
    ::GetTextMetricsA(hDC, &tm);
    ::ReleaseDC(hEdit, hDC);
    EXPECT_EQ(CRect(window).top, 22);
    EXPECT_EQ(CRect(window).bottom, 38);
    EXPECT_EQ(client.top, 20 + (20 - tm.tmHeight) / 2 + 1);
  }
  EXPECT_TRUE(number->OnUpdateValue());
  EXPECT_TRUE(grid.changed.empty()) << "same text: no notice";
  number->GetInPlaceWnd()->SetWindowText("12abc");
  EXPECT_TRUE(number->OnUpdateValue());
  EXPECT_EQ(number->GetValue().lVal, 12);
  ASSERT_EQ(grid.changed.size(), 1u);
  EXPECT_TRUE(number->IsModified());
  ASSERT_EQ(grid.frame.messages.size(), 1u);
  EXPECT_EQ(grid.frame.messages[0].id, 0x62Fu);
  EXPECT_EQ(grid.frame.messages[0].wParam, 9013u);
  EXPECT_EQ(grid.frame.messages[0].text, "12abc");
  number->OnEndEdit();
  EXPECT_EQ(number->GetInPlaceWnd(), nullptr);
  // A row with a mask or valid characters opens the masked edit, in the mask's shape.
  auto* time = new CPropertyGridProperty("t", COleVariant("1230"), nullptr, 0, "DD DD", "  :  ", nullptr);
  auto* digits = new CPropertyGridProperty("d", COleVariant("12"), nullptr, 0, nullptr, nullptr, "0123456789");
  for (CPropertyGridProperty* masked : {time, digits}) {
    grid.Add(masked);
    masked->SetRect(CRect(0, 40, 300, 60));
    ASSERT_TRUE(masked->OnEdit(nullptr));
    EXPECT_NE(dynamic_cast<CMaskedEdit*>(masked->GetInPlaceWnd()), nullptr);
    masked->OnEndEdit();
  }
  ASSERT_TRUE(time->OnEdit(nullptr));
  EXPECT_EQ(InPlaceText(*time), "12:30");
  time->OnEndEdit();
  // A plain row's controls carry the one id the grid answers for plain rows, whatever its code.
  number->EnableSpinControl(TRUE, 0, 99);
  number->EnableSliderControl(TRUE);
  ASSERT_TRUE(number->OnEdit(nullptr));
  ASSERT_TRUE(number->GetSpinWnd() && number->GetSliderWnd());
  for (const CWnd* pCtrl : {static_cast<const CWnd*>(number->GetInPlaceWnd()),
                            static_cast<const CWnd*>(number->GetSpinWnd()),
                            static_cast<const CWnd*>(number->GetSliderWnd())}) {
    EXPECT_EQ(pCtrl->GetDlgCtrlID(), 3);
  }
  number->OnEndEdit();

  ASSERT_TRUE(list->OnEdit(nullptr));
  EXPECT_EQ(InPlaceText(*list), "a, b, c");
  list->GetInPlaceWnd()->SetWindowText(" x , y");
  EXPECT_TRUE(list->OnUpdateValue());
  EXPECT_EQ(list->FormatProperty(), CString("x, y, c")) << "only two items typed";
  EXPECT_TRUE(list->IsModified());
  EXPECT_EQ(grid.frame.messages.back().wParam, 9012u);
  list->OnEndEdit();
}

TEST(PropertyRow, BooleanRowCyclesItsLabelsAndForgetsThemAfterEditing) {
  FakeGrid grid(true);
  auto* flag = new CPropertyGridProperty("flag", COleVariant(true));
  grid.Add(flag);
  flag->SetRect(CRect(0, 0, 300, 20));

  ASSERT_TRUE(flag->OnEdit(nullptr));
  EXPECT_EQ(flag->GetComboWnd()->GetDlgCtrlID(), 3);
  EXPECT_EQ(flag->GetOptionCount(), 2);
  EXPECT_EQ(InPlaceText(*flag), "True");
  EXPECT_TRUE(flag->OnDblClk(CPoint(-1, -1)));
  EXPECT_EQ(flag->GetValue().boolVal, VARIANT_FALSE);
  EXPECT_TRUE(flag->OnDblClk(CPoint(-1, -1)));
  EXPECT_EQ(flag->GetValue().boolVal, VARIANT_TRUE);
  EXPECT_TRUE(flag->OnRotateListValue(FALSE));
  EXPECT_EQ(InPlaceText(*flag), "False");
  EXPECT_FALSE(flag->PushChar('x')) << "not typed into";
  EXPECT_EQ(flag->GetInPlaceWnd(), nullptr) << "a refused key ends editing";
  EXPECT_EQ(flag->GetOptionCount(), 0);
}

TEST(PropertyRow, KeysOnListRowsPickOptionsByFirstLetter) {
  FakeGrid grid(true);
  auto* row = new CPropertyGridProperty("shape", COleVariant("Circle"), nullptr, 9014);
  for (const char* o : {"Circle", "square", "Star", "cross"}) row->AddOption(o);
  auto* list = new CPropertyGridProperty(CString("list"), 0, TRUE);
  list->AddSubItem(new CPropertyGridProperty("a", COleVariant(1)));
  grid.Add(row);
  grid.Add(list);
  row->SetRect(CRect(0, 0, 300, 20));
  list->SetRect(CRect(0, 20, 300, 40));

  ASSERT_TRUE(row->OnEdit(nullptr));
  row->PushChar('s');
  EXPECT_EQ(row->GetValue().strVal, CString("square")) << "after the current option, case folded";
  ASSERT_TRUE(row->OnEdit(nullptr));
  row->PushChar('S');
  EXPECT_EQ(row->GetValue().strVal, CString("Star"));
  ASSERT_TRUE(row->OnEdit(nullptr));
  row->PushChar('C');
  EXPECT_EQ(row->GetValue().strVal, CString("cross"));
  ASSERT_TRUE(row->OnEdit(nullptr));
  row->GetInPlaceWnd()->SetWindowText("Hexagon");
  EXPECT_FALSE(row->PushChar('s'));
  EXPECT_EQ(row->GetValue().strVal, CString("cross")) << "unknown current text picks nothing";
  row->OnEndEdit();

  ASSERT_TRUE(list->OnEdit(nullptr));
  EXPECT_FALSE(list->PushChar('+'));
  ASSERT_TRUE(list->OnEdit(nullptr));
  EXPECT_TRUE(list->PushChar('7'));
  EXPECT_EQ(InPlaceText(*list), "7");
  list->OnEndEdit();
}

TEST(PropertyRow, ButtonRowTellsTheFrameAndTabMovesFocusToTheButton) {
  FakeGrid grid(true);
  auto* row = new CPropertyGridProperty("data", COleVariant("Book1"), nullptr, 9009);
  grid.Add(row);
  row->SetRect(CRect(0, 0, 300, 20));

  EXPECT_TRUE(row->OnDblClk(CPoint(-1, -1)));
  ASSERT_EQ(grid.frame.messages.size(), 1u);
  EXPECT_EQ(grid.frame.messages[0].id, 0x62Bu);
  EXPECT_EQ(grid.frame.messages[0].wParam, 0u);
  EXPECT_TRUE(grid.changed.empty()) << "the value did not change";

  EXPECT_TRUE(row->OnActivateByTab()) << "opens the editor";
  EXPECT_TRUE(row->IsInPlaceEditing());
  EXPECT_TRUE(row->OnActivateByTab()) << "toggles the button focus";
  row->OnEndEdit();
  row->Enable(FALSE);
  EXPECT_FALSE(row->OnActivateByTab());
}

TEST(PropertyRow, AttributeElementOfAnObject) {
  TiXmlDocument doc;
  doc.Parse("<Object Handle='3'><AttributeTable><Attribute Name='SEA_COLOR'/></AttributeTable></Object>"
            "<Object Handle='4'/>");
  TiXmlElement* first = doc.FirstChildElement("Object");
  TiXmlElement* attr = CPropertyGridProperty::GetAttributeElement(first);
  ASSERT_NE(attr, nullptr);
  EXPECT_STREQ(attr->Attribute("Name"), "SEA_COLOR");
  EXPECT_EQ(CPropertyGridProperty::GetAttributeElement(first->NextSiblingElement()), nullptr);
  EXPECT_EQ(CPropertyGridProperty::GetAttributeElement(nullptr), nullptr);
}

}  // namespace
}  // namespace npb
