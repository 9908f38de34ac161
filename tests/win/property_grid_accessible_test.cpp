// The grid read back as a screen reader reads it: the object the window hands out for its
// client area, the answers for the grid and for a row, hit testing, and the focus events that
// follow the current row.
#include <gtest/gtest.h>
#include <windows.h>

#include <oleacc.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/property_grid_ctrl.h"
#include "tests/win/property_grid_fixture.h"

namespace {

using npb::gridtest::GridWindow;

constexpr LONG kFocusableSelectable = 0x300000;
constexpr LONG kFocusedSelected = 0x6;
constexpr LONG kReadOnly = 0x40;

VARIANT Child(LONG id) {
  VARIANT v;
  ::VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

LONG Packed(CPoint point) { return static_cast<LONG>(MAKELONG(static_cast<WORD>(point.x), static_cast<WORD>(point.y))); }

std::string Narrow(BSTR bstr) {
  std::string text;
  for (UINT i = 0; bstr && i < ::SysStringLen(bstr); ++i) text += static_cast<char>(bstr[i]);
  ::SysFreeString(bstr);
  return text;
}

// A COM apartment for the test's thread, as every host of the grid has one.
class ComApartment {
public:
  ComApartment() : m_hr(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComApartment() {
    if (SUCCEEDED(m_hr)) ::CoUninitialize();
  }

private:
  HRESULT m_hr;
};

// Rows top to bottom: "Title" (a text value), "Axis" (a group) with "Tick size" and a disabled
// "Scale", and "Margins" (a value list of two numbers).
class AccessibleGrid : public testing::Test {
protected:
  void SetUp() override {
    title = new CPropertyGridProperty("Title", COleVariant("Plot of y"));
    axis = new CPropertyGridProperty(CString("Axis"));
    tick = new CPropertyGridProperty("Tick size", COleVariant("0.1"));
    scale = new CPropertyGridProperty("Scale", COleVariant("Linear"));
    scale->Enable(FALSE);
    axis->AddSubItem(tick);
    axis->AddSubItem(scale);
    margins = new CPropertyGridProperty(CString("Margins"), 0, TRUE);
    margins->AddSubItem(new CPropertyGridProperty("Left", COleVariant("1")));
    margins->AddSubItem(new CPropertyGridProperty("Right", COleVariant("2")));
    for (CPropertyGridProperty* p : {title, axis, margins}) ASSERT_GE(w->grid.AddProperty(p), 0);
  }

  void TearDown() override {
    if (acc) acc->Release();
  }

  IAccessible* Acc() {
    if (!acc) {
      EXPECT_EQ(::AccessibleObjectFromWindow(w->grid.m_hWnd, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                             reinterpret_cast<void**>(&acc)),
                S_OK);
    }
    return acc;
  }

  CPoint ScreenTopLeft(const CPropertyGridProperty* p) const {
    CPoint point = p->GetRect().TopLeft();
    w->grid.ClientToScreen(&point);
    return point;
  }

  CPoint ScreenCentre(const CPropertyGridProperty* p) const {
    CPoint point = p->GetRect().CenterPoint();
    w->grid.ClientToScreen(&point);
    return point;
  }

  // Makes a row the reported one the way a screen reader does, by hit testing its centre.
  LONG Reach(const CPropertyGridProperty* p) {
    const CPoint centre = ScreenCentre(p);
    VARIANT v;
    ::VariantInit(&v);
    EXPECT_EQ(Acc()->accHitTest(centre.x, centre.y, &v), S_OK);
    EXPECT_EQ(v.vt, VT_I4);
    return v.lVal;
  }

  LONG Role(LONG id) {
    VARIANT v;
    ::VariantInit(&v);
    EXPECT_EQ(Acc()->get_accRole(Child(id), &v), S_OK);
    return v.vt == VT_I4 ? v.lVal : -1;
  }

  LONG State(LONG id) {
    VARIANT v;
    ::VariantInit(&v);
    EXPECT_EQ(Acc()->get_accState(Child(id), &v), S_OK);
    return v.vt == VT_I4 ? v.lVal : -1;
  }

  std::string Name(LONG id) {
    BSTR bstr = nullptr;
    EXPECT_EQ(Acc()->get_accName(Child(id), &bstr), S_OK);
    return Narrow(bstr);
  }

  ComApartment com;
  std::unique_ptr<GridWindow> w = std::make_unique<GridWindow>();
  IAccessible* acc = nullptr;
  CPropertyGridProperty *title = nullptr, *axis = nullptr, *tick = nullptr, *scale = nullptr, *margins = nullptr;
};

TEST_F(AccessibleGrid, GridIsAListNamedByItsWindowTextOrPropertyList) {
  ASSERT_NE(Acc(), nullptr);
  EXPECT_EQ(Role(CHILDID_SELF), ROLE_SYSTEM_LIST);
  EXPECT_EQ(Name(CHILDID_SELF), "PropertyList");
  EXPECT_EQ(State(CHILDID_SELF), 0);

  BSTR bstr = nullptr;
  EXPECT_EQ(Acc()->get_accDescription(Child(CHILDID_SELF), &bstr), S_OK);
  EXPECT_EQ(Narrow(bstr), "PropertyList");
  bstr = nullptr;
  EXPECT_EQ(Acc()->get_accValue(Child(CHILDID_SELF), &bstr), S_FALSE);
  EXPECT_EQ(bstr, nullptr);
  LONG count = -1;
  EXPECT_EQ(Acc()->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 0);

  LONG x = 0, y = 0, cx = 0, cy = 0;
  EXPECT_EQ(Acc()->accLocation(&x, &y, &cx, &cy, Child(CHILDID_SELF)), S_OK);
  CRect rect;
  w->grid.GetWindowRect(&rect);
  EXPECT_EQ(CRect(x, y, x + cx, y + cy), rect);

  w->grid.SetWindowText("Axis properties");
  EXPECT_EQ(Name(CHILDID_SELF), "Axis properties");
}

TEST_F(AccessibleGrid, FixedAnswersAndMissingOutputs) {
  ASSERT_NE(Acc(), nullptr);
  const VARIANT self = Child(CHILDID_SELF);
  BSTR bstr = nullptr;
  VARIANT v;
  ::VariantInit(&v);
  LONG n = 0;
  IDispatch* disp = nullptr;
  struct Case {
    const char* what;
    HRESULT got, expected;
  };
  const Case cases[] = {
      {"help", Acc()->get_accHelp(self, &bstr), S_FALSE},
      {"help topic", Acc()->get_accHelpTopic(&bstr, self, &n), S_FALSE},
      {"keyboard shortcut", Acc()->get_accKeyboardShortcut(self, &bstr), S_FALSE},
      {"focus", Acc()->get_accFocus(&v), DISP_E_MEMBERNOTFOUND},
      {"default action", Acc()->get_accDefaultAction(self, &bstr), DISP_E_MEMBERNOTFOUND},
      {"name without output", Acc()->get_accName(self, nullptr), E_INVALIDARG},
      {"value without output", Acc()->get_accValue(self, nullptr), E_INVALIDARG},
      {"role without output", Acc()->get_accRole(self, nullptr), E_INVALIDARG},
      {"state without output", Acc()->get_accState(self, nullptr), E_INVALIDARG},
      {"child count without output", Acc()->get_accChildCount(nullptr), E_INVALIDARG},
      {"location without output", Acc()->accLocation(nullptr, &n, &n, &n, self), E_INVALIDARG},
      {"hit test without output", Acc()->accHitTest(0, 0, nullptr), E_INVALIDARG},
      {"help without output", Acc()->get_accHelp(self, nullptr), E_INVALIDARG},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.expected) << c.what;

  EXPECT_EQ(Acc()->get_accChild(Child(1), &disp), S_OK);
  ASSERT_NE(disp, nullptr);
  IAccessible* child = nullptr;
  EXPECT_EQ(disp->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&child)), S_OK);
  ASSERT_NE(child, nullptr);
  VARIANT role;
  ::VariantInit(&role);
  EXPECT_EQ(child->get_accRole(self, &role), S_OK);
  EXPECT_EQ(role.lVal, ROLE_SYSTEM_LIST) << "the child object is the grid's own";
  child->Release();
  disp->Release();
}

TEST_F(AccessibleGrid, RowsAnswerAsRowsWithTheirNameValueAndState) {
  ASSERT_NE(Acc(), nullptr);
  w->grid.SetCurSel(tick);
  struct Case {
    const char* what;
    CPropertyGridProperty* row;
    const char* value;  // null: no value (S_FALSE)
    LONG state;
  };
  const Case cases[] = {
      {"current row", tick, "0.1", kFocusableSelectable | kFocusedSelected},
      {"another row", title, "Plot of y", kFocusableSelectable},
      {"disabled row", scale, "Linear", kFocusableSelectable | kReadOnly},
      {"group", axis, nullptr, kFocusableSelectable | kReadOnly},
      {"value list", margins, "1, 2", kFocusableSelectable},
  };
  for (const Case& c : cases) {
    const LONG id = Reach(c.row);
    EXPECT_EQ(id, Packed(ScreenCentre(c.row))) << c.what;
    EXPECT_EQ(w->grid.GetAccProp(), c.row) << c.what;
    EXPECT_EQ(Role(id), ROLE_SYSTEM_ROW) << c.what;
    EXPECT_EQ(Name(id), c.row->GetName().str()) << c.what;
    EXPECT_EQ(State(id), c.state) << c.what;

    BSTR bstr = nullptr;
    EXPECT_EQ(Acc()->get_accDescription(Child(id), &bstr), S_OK) << c.what;
    EXPECT_EQ(Narrow(bstr), c.row->GetName().str()) << c.what;
    bstr = nullptr;
    EXPECT_EQ(Acc()->get_accValue(Child(id), &bstr), c.value ? S_OK : S_FALSE) << c.what;
    EXPECT_EQ(Narrow(bstr), c.value ? c.value : "") << c.what;

    LONG x = 0, y = 0, cx = 0, cy = 0;
    EXPECT_EQ(Acc()->accLocation(&x, &y, &cx, &cy, Child(id)), S_OK) << c.what;
    CRect rect = c.row->GetRect();
    w->grid.ClientToScreen(&rect);
    EXPECT_EQ(CRect(x, y, x + cx, y + cy), rect) << c.what;
  }
  // The current group is focused and selected as well as read-only.
  w->grid.SetCurSel(axis);
  EXPECT_EQ(State(Reach(axis)), kFocusableSelectable | kFocusedSelected | kReadOnly);
}

TEST_F(AccessibleGrid, HitTestOutsideTheRowsIsTheGridItself) {
  ASSERT_NE(Acc(), nullptr);
  Reach(title);
  CRect rect;
  w->grid.GetWindowRect(&rect);
  const CPoint misses[] = {{rect.left + 5, rect.bottom - 5}, {rect.left + 5, rect.top + 3}, {rect.right + 50, rect.top + 40}};
  for (const CPoint& point : misses) {
    VARIANT v;
    ::VariantInit(&v);
    EXPECT_EQ(Acc()->accHitTest(point.x, point.y, &v), S_OK);
    EXPECT_EQ(v.vt, VT_I4);
    EXPECT_EQ(v.lVal, CHILDID_SELF) << point.x << "," << point.y;
  }
  EXPECT_EQ(w->grid.GetAccProp(), title) << "a miss keeps the row last reported";
}

// Focus events seen by an out-of-context hook: delivered through this thread's message loop.
struct FocusEvent {
  HWND hwnd;
  LONG idObject, idChild;
};
std::vector<FocusEvent> g_events;

void CALLBACK RecordFocus(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG idObject, LONG idChild, DWORD, DWORD) {
  if (event == EVENT_OBJECT_FOCUS) g_events.push_back({hwnd, idObject, idChild});
}

void Pump() {
  for (int i = 0; i < 20; ++i) {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    ::Sleep(5);
  }
}

TEST_F(AccessibleGrid, EveryChangeOfTheCurrentRowRaisesAFocusEventForThatRow) {
  HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, RecordFocus,
                                         ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  Pump();
  g_events.clear();
  w->grid.SetCurSel(title);
  w->grid.SetCurSel(tick, FALSE);
  w->grid.SetCurSel(nullptr);
  Pump();
  ::UnhookWinEvent(hook);

  std::vector<FocusEvent> ours;
  for (const FocusEvent& e : g_events) {
    if (e.hwnd == w->grid.m_hWnd) ours.push_back(e);
  }
  ASSERT_EQ(ours.size(), 2u) << "clearing the selection reports nothing";
  EXPECT_EQ(ours[0].idObject, OBJID_CLIENT);
  EXPECT_EQ(ours[0].idChild, Packed(ScreenTopLeft(title)));
  EXPECT_EQ(ours[1].idChild, Packed(ScreenTopLeft(tick)));
  EXPECT_EQ(w->grid.GetAccProp(), tick);
}

TEST_F(AccessibleGrid, WithAccessibilityOffTheWindowSystemAnswersAndNoEventIsRaised) {
  w->grid.EnableActiveAccessibility(FALSE);
  ASSERT_NE(Acc(), nullptr);
  EXPECT_NE(Role(CHILDID_SELF), ROLE_SYSTEM_LIST);
  w->grid.SetCurSel(title);
  EXPECT_EQ(w->grid.GetAccProp(), nullptr);
}

TEST_F(AccessibleGrid, RowsAndGridThatAreGoneAreAnsweredQuietly) {
  ASSERT_NE(Acc(), nullptr);
  const LONG id = Reach(tick);
  w->grid.RemoveAll();
  BSTR bstr = nullptr;
  EXPECT_EQ(Acc()->get_accName(Child(id), &bstr), S_FALSE);
  EXPECT_EQ(bstr, nullptr);
  LONG x = 0, y = 0, cx = 0, cy = 0;
  EXPECT_EQ(Acc()->accLocation(&x, &y, &cx, &cy, Child(id)), S_FALSE);
  VARIANT wrongType;
  ::VariantInit(&wrongType);
  wrongType.vt = VT_BSTR;
  wrongType.bstrVal = nullptr;
  EXPECT_EQ(Acc()->get_accName(wrongType, &bstr), E_INVALIDARG);
  EXPECT_EQ(Name(CHILDID_SELF), "PropertyList") << "the empty grid still answers";

  w.reset();
  EXPECT_EQ(Acc()->get_accName(Child(CHILDID_SELF), &bstr), RPC_E_DISCONNECTED);
  VARIANT v;
  ::VariantInit(&v);
  EXPECT_EQ(Acc()->accHitTest(0, 0, &v), RPC_E_DISCONNECTED);
}

}  // namespace
