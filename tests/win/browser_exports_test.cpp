// The module as a host sees it: loaded by path, entered through its exports.
#include <string>

#include <gtest/gtest.h>
#include <windows.h>

#include "editors/standalone_color_property.h"
#include "host/pgobj_host.h"
#include "recorder/attribute_names.h"
#include "tests/win/thread_windows.h"
#include "tree/tree_ctrl_xml.h"

namespace {

using InitFn = int(__stdcall*)(HWND, UINT, const char*);
using ActivateFn = int(__stdcall*)(int);

HMODULE LoadFromBin(const char* name) {
  return LoadLibraryA((std::string(NPB_BIN_DIR) + "/" + name).c_str());
}

template <typename Fn>
Fn Lookup(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

struct PageWindow {
  HWND hwnd = CreateWindowA("STATIC", "page", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ~PageWindow() { DestroyWindow(hwnd); }
};

TEST(BrowserExportsTest, EveryExportIsFoundByNameAndByOrdinal) {
  HMODULE module = LoadFromBin("NexelPropBrowser.dll");
  ASSERT_NE(module, nullptr);
  const struct { const char* name; WORD ordinal; } exports[] = {
      {"InitPropertyBrowser", 1},
      {"ActivateDynamicUpdateInPropertyBrowser", 2},
      {"_GetPGCP@0", 233},
      {"_GetPGP@0", 234},
  };
  for (const auto& e : exports) {
    FARPROC byName = GetProcAddress(module, e.name);
    EXPECT_NE(byName, nullptr) << e.name;
    EXPECT_EQ(byName, GetProcAddress(module, MAKEINTRESOURCEA(e.ordinal))) << e.name;
  }
  // Members a host declares as documented and links by name.
  for (const char* member : {"_ZN12CTreeCtrlXML15SaveXMLToStringEPc", "_ZN12CTreeCtrlXML21InitializeOneToOneMapEv"}) {
    EXPECT_NE(GetProcAddress(module, member), nullptr) << member;
  }
  CTreeCtrlXML::InitializeOneToOneMap();
  EXPECT_EQ(npb::LookupStringValue("SEA_COLOR"), 2001) << "the table the grid looks names up in is filled";
}

TEST(BrowserExportsTest, RowFactoriesHandOverEmptyRowsOfTheirClass) {
  HMODULE module = LoadFromBin("NexelPropBrowser.dll");
  auto getPGP = Lookup<CPropertyGridProperty*(__stdcall*)()>(module, "_GetPGP@0");
  auto getPGCP = Lookup<CPropertyGridProperty*(__stdcall*)()>(module, "_GetPGCP@0");
  ASSERT_TRUE(getPGP && getPGCP);
  const struct { CPropertyGridProperty* row; const char* className; bool group; } rows[] = {
      {getPGP(), "CPropertyGridProperty", true},
      {getPGCP(), "CPropertyGridColorProperty", false},
  };
  for (const auto& r : rows) {
    ASSERT_NE(r.row, nullptr);
    EXPECT_STREQ(r.row->GetRuntimeClass()->m_lpszClassName, r.className);
    EXPECT_EQ(r.row->IsGroup() != FALSE, r.group) << r.className;
    EXPECT_TRUE(r.row->GetName().IsEmpty());
    EXPECT_EQ(r.row->GetData(), 0u);
    EXPECT_EQ(r.row->GetValue().vt, VT_EMPTY) << r.className;
    delete r.row;  // the virtual destructor frees it with the module's own allocator
  }
}

TEST(BrowserExportsTest, DynamicUpdateFlagEchoesItsArgument) {
  HMODULE module = LoadFromBin("NexelPropBrowser.dll");
  auto activate = Lookup<ActivateFn>(module, "ActivateDynamicUpdateInPropertyBrowser");
  ASSERT_NE(activate, nullptr);
  for (int value : {5, 0, -1, 1}) EXPECT_EQ(activate(value), value);
}

// Presses Cancel in the browser dialog once its modal loop runs; counts the dialogs seen.
struct CancelBrowserSoon {
  static inline int seen = 0;
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = npb::test::FindThreadWindow("#32770", "Property Browser");
    if (!dialog) return;
    KillTimer(nullptr, id);
    ++seen;
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  }
  CancelBrowserSoon() : timer(SetTimer(nullptr, 0, 30, OnTimer)) {}
  UINT_PTR timer;
};

TEST(BrowserExportsTest, NullPageWindowReturnsZeroWithoutTouchingTheHostLibrary) {
  // Other tests of this program may have loaded the library already; only a process that
  // has not can show that this call does not load it.
  const bool loadedBefore = GetModuleHandleA("pgobj.dll") != nullptr;
  auto init = Lookup<InitFn>(LoadFromBin("NexelPropBrowser.dll"), "InitPropertyBrowser");
  ASSERT_NE(init, nullptr);
  CancelBrowserSoon::seen = 0;
  CancelBrowserSoon cancel;
  EXPECT_EQ(init(nullptr, 7, "Layer1"), 0);
  KillTimer(nullptr, cancel.timer);
  EXPECT_EQ(CancelBrowserSoon::seen, 0) << "no dialog ran";
  if (!loadedBefore) {
    EXPECT_EQ(GetModuleHandleA("pgobj.dll"), nullptr);
  }
}

TEST(BrowserExportsTest, InvocationReturnsOneForReadableUnreadableAndMissingPages) {
  HMODULE pgobj = LoadFromBin("pgobj.dll");
  ASSERT_NE(pgobj, nullptr);
  auto openPage = Lookup<PgOpenPageFn>(pgobj, "PgOpenPage");
  auto openText = Lookup<PgOpenPageTextFn>(pgobj, "PgOpenPageText");
  ASSERT_TRUE(openPage && openText);
  auto init = Lookup<InitFn>(LoadFromBin("NexelPropBrowser.dll"), "InitPropertyBrowser");
  ASSERT_NE(init, nullptr);

  PageWindow sample, broken, unknown;
  CancelBrowserSoon::seen = 0;
  EXPECT_GT(openPage(sample.hwnd, nullptr), 0);
  CancelBrowserSoon{};
  EXPECT_EQ(init(sample.hwnd, 0, nullptr), 1);
  openText(broken.hwnd, "<XML><ObjectList><Object");
  CancelBrowserSoon{};
  EXPECT_EQ(init(broken.hwnd, 0, ""), 1);
  CancelBrowserSoon{};
  EXPECT_EQ(init(unknown.hwnd, 3, "x"), 1);
  EXPECT_EQ(CancelBrowserSoon::seen, 3) << "each call ran the dialog";
}

}  // namespace
