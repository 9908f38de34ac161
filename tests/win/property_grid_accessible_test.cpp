// The grid read back as a screen reader reads it: the object its window hands out, the answers
// for the grid and for a row, hit testing, and the focus events that follow the current row.
#include <gtest/gtest.h>
#include <windows.h>

#include <oleacc.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/property_grid_ctrl.h"
#include "tests/win/property_grid_fixture.h"

namespace {

constexpr LONG kFocusableSelectable = 0x300000, kFocusedSelected = 0x6, kReadOnly = 0x40;

VARIANT Child(LONG id) {
  VARIANT v;
  ::VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

LONG Packed(CPoint p) { return static_cast<LONG>(MAKELONG(static_cast<WORD>(p.x), static_cast<WORD>(p.y))); }

// The text of a call's answer, freed; "<hr>" appended when the call did not succeed with S_OK.
std::string Text(HRESULT hr, BSTR bstr) {
  std::string text;
  for (UINT i = 0; bstr && i < ::SysStringLen(bstr); ++i) text += static_cast<char>(bstr[i]);
  ::SysFreeString(bstr);
  return hr == S_OK ? text : text + "<" + std::to_string(hr) + ">";
}

// Rows: "Title", a group "Axis" with "Tick size" and a disabled "Scale", and a value list.
class AccessibleGrid : public testing::Test {
protected:
  void SetUp() override {
    m_com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // every host of the grid has COM
    axis->AddSubItem(tick);
    axis->AddSubItem(scale);
    scale->Enable(FALSE);
    margins->AddSubItem(new CPropertyGridProperty("Left", COleVariant("1")));
    margins->AddSubItem(new CPropertyGridProperty("Right", COleVariant("2")));
    for (CPropertyGridProperty* p : {title, axis, margins}) ASSERT_GE(w->grid.AddProperty(p), 0);
  }
  void TearDown() override {
    if (acc) acc->Release();
    if (SUCCEEDED(m_com)) ::CoUninitialize();
  }

  IAccessible* Acc() {
    if (!acc) ::AccessibleObjectFromWindow(w->grid.m_hWnd, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                           reinterpret_cast<void**>(&acc));
    return acc;
  }
  CPoint Screen(CPoint p) const { w->grid.ClientToScreen(&p); return p; }
  // Hit tests a row's centre, as a screen reader reaches a row; the child id it gives.
  LONG Reach(const CPropertyGridProperty* p) {
    const CPoint centre = Screen(p->GetRect().CenterPoint());
    VARIANT v = Child(-1);
    EXPECT_EQ(Acc()->accHitTest(centre.x, centre.y, &v), S_OK);
    return v.lVal;
  }
  LONG I4(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), LONG id) {
    VARIANT v = Child(-1);
    return (Acc()->*get)(Child(id), &v) == S_OK && v.vt == VT_I4 ? v.lVal : -1;
  }
  std::string Str(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), LONG id) {
    BSTR bstr = nullptr;
    const HRESULT hr = (Acc()->*get)(Child(id), &bstr);
    return Text(hr, bstr);
  }
  CRect Location(LONG id) {
    LONG x = 0, y = 0, cx = 0, cy = 0;
    return Acc()->accLocation(&x, &y, &cx, &cy, Child(id)) == S_OK ? CRect(x, y, x + cx, y + cy) : CRect();
  }

  std::unique_ptr<npb::gridtest::GridWindow> w = std::make_unique<npb::gridtest::GridWindow>();
  IAccessible* acc = nullptr;
  HRESULT m_com = E_FAIL;
  CPropertyGridProperty* title = new CPropertyGridProperty("Title", COleVariant("Plot of y"));
  CPropertyGridProperty* axis = new CPropertyGridProperty(CString("Axis"));
  CPropertyGridProperty* tick = new CPropertyGridProperty("Tick size", COleVariant("0.1"));
  CPropertyGridProperty* scale = new CPropertyGridProperty("Scale", COleVariant("Linear"));
  CPropertyGridProperty* margins = new CPropertyGridProperty(CString("Margins"), 0, TRUE);
};

TEST_F(AccessibleGrid, GridIsAListNamedByItsWindowTextOrPropertyList) {
  ASSERT_NE(Acc(), nullptr);
  EXPECT_EQ(I4(&IAccessible::get_accRole, CHILDID_SELF), ROLE_SYSTEM_LIST);
  EXPECT_EQ(I4(&IAccessible::get_accState, CHILDID_SELF), 0);
  EXPECT_EQ(Str(&IAccessible::get_accName, CHILDID_SELF), "PropertyList");
  EXPECT_EQ(Str(&IAccessible::get_accDescription, CHILDID_SELF), "PropertyList");
  EXPECT_EQ(Str(&IAccessible::get_accValue, CHILDID_SELF), "<1>") << "S_FALSE";
  EXPECT_EQ(Str(&IAccessible::get_accHelp, CHILDID_SELF), "<1>");
  EXPECT_EQ(Str(&IAccessible::get_accDefaultAction, CHILDID_SELF), "<" + std::to_string(DISP_E_MEMBERNOTFOUND) + ">");
  CRect rect;
  w->grid.GetWindowRect(&rect);
  EXPECT_EQ(Location(CHILDID_SELF), rect);
  LONG count = -1;
  EXPECT_EQ(Acc()->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 0);
  VARIANT v;
  EXPECT_EQ(Acc()->get_accFocus(&v), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(Acc()->get_accName(Child(CHILDID_SELF), nullptr), E_INVALIDARG);
  EXPECT_EQ(Acc()->accHitTest(0, 0, nullptr), E_INVALIDARG);

  w->grid.SetWindowText("Axis properties");
  EXPECT_EQ(Str(&IAccessible::get_accName, CHILDID_SELF), "Axis properties");
}

TEST_F(AccessibleGrid, RowsAnswerAsRowsWithTheirNameValueStateAndPlace) {
  ASSERT_NE(Acc(), nullptr);
  w->grid.SetCurSel(tick);
  struct Case {
    const char* what;
    CPropertyGridProperty* row;
    const char* value;
    LONG state;
  };
  const Case cases[] = {
      {"current row", tick, "0.1", kFocusableSelectable | kFocusedSelected},
      {"another row", title, "Plot of y", kFocusableSelectable},
      {"disabled row", scale, "Linear", kFocusableSelectable | kReadOnly},
      {"group", axis, "<1>", kFocusableSelectable | kReadOnly},
      {"value list", margins, "1, 2", kFocusableSelectable},
  };
  for (const Case& c : cases) {
    const LONG id = Reach(c.row);
    EXPECT_EQ(id, Packed(Screen(c.row->GetRect().CenterPoint()))) << c.what;
    EXPECT_EQ(w->grid.GetAccProp(), c.row) << c.what;
    EXPECT_EQ(I4(&IAccessible::get_accRole, id), ROLE_SYSTEM_ROW) << c.what;
    EXPECT_EQ(I4(&IAccessible::get_accState, id), c.state) << c.what;
    EXPECT_EQ(Str(&IAccessible::get_accName, id), c.row->GetName().str()) << c.what;
    EXPECT_EQ(Str(&IAccessible::get_accDescription, id), c.row->GetName().str()) << c.what;
    EXPECT_EQ(Str(&IAccessible::get_accValue, id), c.value) << c.what;
    CRect rect = c.row->GetRect();
    w->grid.ClientToScreen(&rect);
    EXPECT_EQ(Location(id), rect) << c.what;
  }
  w->grid.SetCurSel(axis);
  EXPECT_EQ(I4(&IAccessible::get_accState, Reach(axis)), kFocusableSelectable | kFocusedSelected | kReadOnly);

  // Off the rows (the header, below the last row) the grid itself is hit; the row stays.
  for (const CPoint p : {Screen(CPoint(5, 3)), Screen(CPoint(5, 390))}) {
    VARIANT v = Child(-1);
    EXPECT_EQ(Acc()->accHitTest(p.x, p.y, &v), S_OK);
    EXPECT_EQ(v.lVal, CHILDID_SELF);
  }
  EXPECT_EQ(w->grid.GetAccProp(), axis);
}

std::vector<std::pair<HWND, std::pair<LONG, LONG>>> g_focusEvents;

void CALLBACK RecordFocus(HWINEVENTHOOK, DWORD, HWND hwnd, LONG idObject, LONG idChild, DWORD, DWORD) {
  g_focusEvents.push_back({hwnd, {idObject, idChild}});
}

TEST_F(AccessibleGrid, EveryChangeOfTheCurrentRowRaisesAFocusEventOnlyWhileAccessibilityIsOn) {
  // Out of context, so the events come through this thread's message queue.
  HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, RecordFocus,
                                         ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  const auto pump = [] {
    for (int i = 0; i < 20; ++i) {
      MSG msg;
      while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
      ::Sleep(5);
    }
  };
  pump();
  g_focusEvents.clear();
  w->grid.SetCurSel(title);
  w->grid.SetCurSel(tick, FALSE);
  w->grid.SetCurSel(nullptr);
  w->grid.EnableActiveAccessibility(FALSE);
  w->grid.SetCurSel(scale);
  pump();
  ::UnhookWinEvent(hook);

  std::erase_if(g_focusEvents, [this](const auto& e) { return e.first != w->grid.m_hWnd; });
  ASSERT_EQ(g_focusEvents.size(), 2u) << "no event for clearing the selection, none with accessibility off";
  EXPECT_EQ(g_focusEvents[0].second, std::make_pair(LONG{OBJID_CLIENT}, Packed(Screen(title->GetRect().TopLeft()))));
  EXPECT_EQ(g_focusEvents[1].second, std::make_pair(LONG{OBJID_CLIENT}, Packed(Screen(tick->GetRect().TopLeft()))));
  EXPECT_EQ(w->grid.GetAccProp(), tick);
  ASSERT_NE(Acc(), nullptr);
  EXPECT_NE(I4(&IAccessible::get_accRole, CHILDID_SELF), ROLE_SYSTEM_LIST) << "the window system answers instead";
}

TEST_F(AccessibleGrid, RowsAndGridsThatAreGoneAreAnsweredQuietly) {
  ASSERT_NE(Acc(), nullptr);
  const LONG id = Reach(tick);
  w->grid.RemoveAll();
  EXPECT_EQ(Str(&IAccessible::get_accName, id), "<1>");
  EXPECT_EQ(Location(id), CRect());
  EXPECT_EQ(Str(&IAccessible::get_accName, CHILDID_SELF), "PropertyList");
  w.reset();
  EXPECT_EQ(Str(&IAccessible::get_accName, CHILDID_SELF), "<" + std::to_string(RPC_E_DISCONNECTED) + ">");
}

}  // namespace
