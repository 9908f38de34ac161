// The property browser dialog run on a page of the host page library: what its
// initialisation builds, which object it shows first, when Apply is enabled, what Apply,
// OK and Cancel send, the tree's style menu, and resizing.
#include "browser/prop_brow_dlg.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "module/module_globals.h"
#include "resources/resource.h"
#include "tests/win/page_library.h"
#include "tests/win/thread_windows.h"

namespace {

// A small page: upper levels with children on and off the path of every preselection.
constexpr char kPage[] =
    "<XML><ObjectList><Object Type=\"Page\" Object_Name=\"Page 1\" Handle=\"1\">"
    "<Object Type=\"Graph\" Object_Name=\"Graph 1\" Handle=\"10\"><Object List=\"Axes\">"
    "<Object Type=\"Axis\" Object_Name=\"X Axis\" Handle=\"11\"><AttributeTable>"
    "<Attribute ID=\"1025\" Name=\"SAA_SHOW_BOTTOMLINE\" Label=\"Show\" DataType=\"bool\" AttrValue=\"1\" />"
    "<Attribute ID=\"1026\" Name=\"SAA_NAME\" Label=\"Name\" DataType=\"String\" AttrValue=\"X\" />"
    "</AttributeTable><Object Group=\"Scale\" Handle=\"11\" />"
    "<Object Type=\"Line\" Object_Name=\"Major tick lines\" Handle=\"12\" />"
    "<Object Type=\"Line\" Object_Name=\"Minor tick lines\" Handle=\"15\" /></Object>"
    "<Object Type=\"Axis\" Object_Name=\"Y Axis\" Handle=\"13\"><Object Group=\"Scale\" Handle=\"13\" />"
    "</Object></Object><Object Type=\"Plot\" Object_Name=\"Line Plot\" Handle=\"14\" /></Object>"
    "<Object Type=\"Graph\" Object_Name=\"Graph 2\" Handle=\"30\">"
    "<Object Type=\"Plot\" Object_Name=\"Area Plot\" Handle=\"31\" /></Object></Object>"
    "<Object Type=\"Text\" Object_Name=\"Page Title\" Handle=\"20\" /></ObjectList></XML>";
constexpr int kPageObjects = 13;

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

HTREEITEM FindItem(const CTreeCtrlXML& tree, const char* label, int nth = 0) {
  for (HTREEITEM item = tree.GetRootItem(); item; item = tree.GetNextItem(item)) {
    if (tree.GetItemText(item) == CString(label) && nth-- == 0) return item;
  }
  return nullptr;
}

bool IsExpanded(const CTreeCtrlXML& tree, HTREEITEM item) {
  return (tree.GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

CRect ScreenRect(HWND hwnd) {
  CRect rect;
  GetWindowRect(hwnd, &rect);
  return rect;
}

std::string ClassOf(HWND hwnd) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

class BrowserDialog : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(m_lib.Loaded());
    m_page = CreateWindowA("STATIC", "page", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_EQ(m_lib.OpenText(m_page, kPage), kPageObjects);
  }
  void TearDown() override {
    m_lib.Close(m_page);
    DestroyWindow(m_page);
  }

  // The dialog as the invocation sets it up, here modeless and shown so that it can be
  // looked at between steps.
  std::unique_ptr<CPropBrowDlg> Open(UINT nSelectHandle = 0, const char* pszSelectName = "") {
    auto dlg = std::make_unique<CPropBrowDlg>();
    dlg->m_hWndPage = m_page;
    dlg->m_nSelectHandle = nSelectHandle;
    dlg->m_strSelectName = pszSelectName;
    EXPECT_TRUE(dlg->Create(IDD_PROPERTY_BROWSER));
    dlg->ShowWindow(SW_SHOW);
    Pump();
    return dlg;
  }

  void Select(CPropBrowDlg& dlg, const char* label, int nth = 0) {
    HTREEITEM item = FindItem(dlg.m_wndTree, label, nth);
    ASSERT_NE(item, nullptr) << label;
    dlg.m_wndTree.SelectItem(item);
    Pump();
  }

  pgtest::PageLibrary m_lib;
  HWND m_page = nullptr;
};

TEST_F(BrowserDialog, InitialisationBuildsTheTemplatesWindowAndLinksTreeGridAndPage) {
  g_hResourceInstance = nullptr;
  auto dlg = Open();
  ASSERT_TRUE(dlg->IsWindow());
  EXPECT_STREQ(dlg->GetWindowText(), "Property Browser");
  EXPECT_EQ(g_hResourceInstance, GetModuleHandleA(nullptr)) << "resources come from the module in use";

  const struct {
    int id;
    const char* className;
    const char* text;
    bool visible;
  } controls[] = {
      {IDC_UNUSED_STATIC, "Static", "", false}, {IDC_OBJECT_TREE, "SysTreeView32", "Tree1", true},
      {IDC_GRID_FRAME, "Static", "", false},    {IDC_PROPERTY_GRID, "Afx:PropList", "", true},
      {IDOK, "Button", "OK", true},             {IDCANCEL, "Button", "Cancel", true},
      {IDC_APPLY, "Button", "&Apply", true},    {IDHELP, "Button", "&Help", true},
  };
  for (const auto& c : controls) {
    HWND child = GetDlgItem(*dlg, c.id);
    ASSERT_NE(child, nullptr) << c.id;
    EXPECT_STRCASEEQ(ClassOf(child).c_str(), c.className) << c.id;
    EXPECT_STREQ(dlg->GetDlgItemText(c.id), c.text) << c.id;
    EXPECT_EQ(IsWindowVisible(child) != FALSE, c.visible) << c.id;
  }

  EXPECT_EQ(ScreenRect(dlg->m_wndGrid), ScreenRect(dlg->m_wndGridFrame)) << "the grid sits on its frame";
  EXPECT_EQ(GetWindow(dlg->m_wndTree, GW_HWNDNEXT), dlg->m_wndGrid.m_hWnd) << "Tab goes from the tree to the grid";
  EXPECT_EQ(dlg->m_wndTree.GetCount(), static_cast<UINT>(kPageObjects));

  CPropertyGridCtrl& grid = dlg->m_wndGrid;
  EXPECT_FALSE(grid.IsHeaderCtrl());
  EXPECT_TRUE(grid.IsDescriptionArea());
  EXPECT_TRUE(grid.IsVSDotNetLook());
  EXPECT_TRUE(grid.IsMarkModifiedProperties());
  EXPECT_EQ(grid.GetObjectCount(), kPageObjects);
  EXPECT_EQ(grid.GetXmlArrayCount(), dlg->m_nChunkCount);
  EXPECT_GE(dlg->m_nChunkCount, 2) << "the piece count and two more";
  EXPECT_EQ(grid.GetTreeCtrl(), &dlg->m_wndTree);
  EXPECT_EQ(grid.GetWndHandle(), m_page);
  EXPECT_EQ(dlg->m_wndTree.GetPGCtrl(), &grid);

  ASSERT_NE(dlg->m_hIcon, nullptr);
  EXPECT_EQ(reinterpret_cast<HICON>(dlg->SendMessage(WM_GETICON, ICON_BIG)), dlg->m_hIcon);
  EXPECT_EQ(reinterpret_cast<HICON>(dlg->SendMessage(WM_GETICON, ICON_SMALL)), dlg->m_hIcon);

  ASSERT_NE(dlg->m_wndSizeGrip.GetSafeHwnd(), nullptr);
  EXPECT_TRUE(dlg->m_wndSizeGrip.GetStyle() & SBS_SIZEGRIP);
  CRect client, grip = ScreenRect(dlg->m_wndSizeGrip);
  dlg->GetClientRect(&client);
  dlg->ScreenToClient(&grip);
  EXPECT_EQ(grip, CRect(client.right - 12, client.bottom - 12, client.right, client.bottom));
}

TEST_F(BrowserDialog, FirstSelectionShowsThePreselectedObjectElseExpandsTheUpperLevels) {
  const struct {
    UINT handle;
    const char* name;
    const char* shown;
    int nth;              // which item of that label
    const char* offPath;  // a level-1 item with children off the path to the shown one
    bool upperExpanded;   // whether that item is open
    int firstSelection;   // the mark afterwards
  } cases[] = {
      {0, "", "Page 1", 0, "Graph 2", true, 0},
      {11, "X Axis", "X Axis", 0, "Graph 2", false, 1},
      {13, "Scale", "Scale", 1, "Graph 2", false, 1},
      {11, "Y Axis", "Page 1", 0, "Graph 2", true, 0},  // the handle is the X axis's: no match
      {31, "", "Area Plot", 0, "Graph 1", false, 1},    // an empty name matches an empty "Group"
  };
  for (const auto& c : cases) {
    auto dlg = Open(c.handle, c.name);
    const CTreeCtrlXML& tree = dlg->m_wndTree;
    HTREEITEM shown = FindItem(tree, c.shown, c.nth);
    EXPECT_EQ(tree.GetSelectedItem(), shown) << c.handle << " " << c.name;
    EXPECT_EQ(IsExpanded(tree, FindItem(tree, c.offPath)), c.upperExpanded) << c.handle << " " << c.name;
    if (c.firstSelection == 0) {
      EXPECT_FALSE(IsExpanded(tree, FindItem(tree, "Axes"))) << "level 2 stays closed";
    }
    EXPECT_EQ(dlg->m_bFirstSelection, c.firstSelection);
    EXPECT_EQ(tree.GetItemToSelect(), nullptr);
    ASSERT_GE(dlg->m_wndGrid.GetPropertyCount(), 1);
    EXPECT_STREQ(dlg->m_wndGrid.GetProperty(0)->GetName(), CString(c.shown) + " Properties");
    dlg->DestroyWindow();
  }
  // A preselected object is opened; the user's first change still owes the upper levels.
  auto dlg = Open(11, "X Axis");
  EXPECT_TRUE(IsExpanded(dlg->m_wndTree, FindItem(dlg->m_wndTree, "X Axis")));
  Select(*dlg, "Page Title");
  EXPECT_TRUE(IsExpanded(dlg->m_wndTree, FindItem(dlg->m_wndTree, "Graph 2")));
}

TEST_F(BrowserDialog, ApplyButtonFollowsTheSelectedObjectsApplyPendingMark) {
  auto dlg = Open();
  CWnd* apply = dlg->GetDlgItem(IDC_APPLY);
  Select(*dlg, "X Axis");
  Xml_ObjectData* record = dlg->m_wndTree.GetObjectData(dlg->m_wndTree.GetSelectedItem());
  ASSERT_NE(record, nullptr);
  for (int pending : {1, 0, 7, 0}) {
    record->bApplyPending = pending;
    dlg->UpdateButtonStates();
    EXPECT_EQ(apply->IsWindowEnabled() != FALSE, pending != 0) << pending;
  }
  // An item without a record leaves the button as it was, either way.
  dlg->m_wndTree.InsertItem("no record");
  for (int pending : {1, 0}) {
    Select(*dlg, "X Axis");
    record->bApplyPending = pending;
    dlg->UpdateButtonStates();
    Select(*dlg, "no record");
    dlg->UpdateButtonStates();
    EXPECT_EQ(apply->IsWindowEnabled() != FALSE, pending != 0) << pending;
  }
}

TEST_F(BrowserDialog, ApplySendsTheWholeTreeEachTimeAndClearsOnlyTheApplyPendingMark) {
  auto dlg = Open();
  dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_APPLY, BN_CLICKED), 0);
  ASSERT_EQ(m_lib.heard.calls(), 1) << "Apply with nothing changed still sends";
  EXPECT_EQ(m_lib.heard.page, m_page);
  EXPECT_EQ(Count(m_lib.heard.last(), "<Object "), kPageObjects);
  EXPECT_EQ(Count(m_lib.heard.last(), "<AttributeTable"), 0);

  Select(*dlg, "X Axis");
  Xml_ObjectData* record = dlg->m_wndTree.GetObjectData(dlg->m_wndTree.GetSelectedItem());
  ASSERT_TRUE(record && record->pNode);
  TiXmlElement* attribute = record->pNode->FirstChildElement("AttributeTable")->FirstChildElement("Attribute");
  attribute->SetAttribute("AttrValue", "0");
  attribute->SetAttribute("ModifiedFlag", "1");
  record->bModified = record->bApplyPending = 1;

  for (int round = 2; round <= 3; ++round) {
    dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_APPLY, BN_CLICKED), 0);
    ASSERT_EQ(m_lib.heard.calls(), round);
    EXPECT_EQ(Count(m_lib.heard.last(), "<Object "), kPageObjects);
    EXPECT_EQ(Count(m_lib.heard.last(), "Name=\"SAA_SHOW_BOTTOMLINE\""), 1) << "round " << round;
    EXPECT_EQ(record->bApplyPending, 0);
    EXPECT_EQ(record->bModified, 1) << "the change is sent again by the next Apply";
  }

  // A document too large for the save buffer is not sent, and the change stays pending.
  attribute->SetAttribute("AttrValue", std::string(70000, '7').c_str());
  record->bApplyPending = 1;
  dlg->m_nChunkCount = 0;  // one 64 KiB piece
  dlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_APPLY, BN_CLICKED), 0);
  EXPECT_EQ(m_lib.heard.calls(), 3);
  EXPECT_EQ(record->bApplyPending, 1) << "a failed save keeps the apply-pending mark";
}

// The dialog run modally that, the first time its loop goes idle, notes whether Apply is
// enabled and then sends itself a message.
class IdlePressDlg : public CPropBrowDlg {
public:
  IdlePressDlg(UINT message, WPARAM wParam) : m_message(message), m_wParam(wParam) {}
  int applyEnabled = -1;

protected:
  void OnModalIdle() override {
    CPropBrowDlg::OnModalIdle();
    if (applyEnabled != -1) return;
    applyEnabled = GetDlgItem(IDC_APPLY)->IsWindowEnabled() ? 1 : 0;
    PostMessage(m_message, m_wParam, 0);
  }

private:
  UINT m_message;
  WPARAM m_wParam;
};

TEST_F(BrowserDialog, OkSendsOnceAndClosesCancelAndTheCloseBoxSendNothingAndAllGiveBackWhatTheyTook) {
  const struct {
    const char* how;
    UINT message;
    WPARAM wParam;
    INT_PTR result;
    int sends;
  } cases[] = {
      {"OK", WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), IDOK, 1},
      {"Cancel", WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), IDCANCEL, 0},
      {"close box", WM_SYSCOMMAND, SC_CLOSE, IDCANCEL, 0},
  };
  auto runAll = [&] {
    for (const auto& c : cases) {
      m_lib.heard = {};
      IdlePressDlg dlg(c.message, c.wParam);
      dlg.m_hWndPage = m_page;
      EXPECT_EQ(dlg.DoModal(), c.result) << c.how;
      EXPECT_EQ(m_lib.heard.calls(), c.sends) << c.how;
      EXPECT_FALSE(dlg.IsWindow()) << c.how;
      EXPECT_EQ(dlg.applyEnabled, 0) << "the idle loop found nothing to apply on the first object";
    }
  };
  // The first uses load what stays for the process: classes, fonts, caches.
  runAll();
  const int windows = npb::test::CountThreadWindows(), objects = npb::test::CountGdiObjects();
  ASSERT_GE(objects, 0) << "no way to count GDI objects here";
  for (int i = 0; i < 3; ++i) runAll();
  EXPECT_EQ(npb::test::CountThreadWindows(), windows);
  EXPECT_EQ(npb::test::CountGdiObjects(), objects);
}

// A row that refuses the text "bad", as an editor refuses a value it cannot take.
class PickyRow : public CPropertyGridProperty {
public:
  PickyRow() : CPropertyGridProperty("Picky", COleVariant("v"), nullptr, 1) {}
  BOOL TextToVar(const CString& strText) override {
    return strText == "bad" ? FALSE : CPropertyGridProperty::TextToVar(strText);
  }
};

// A press and release on the item, as the mouse gives them: the tree follows the press
// until the release, which is already waiting.
void Click(CTreeCtrlXML& tree, HTREEITEM item) {
  tree.EnsureVisible(item);
  CRect rect;
  ASSERT_TRUE(tree.GetItemRect(item, &rect, TRUE));
  const LPARAM at = MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
  tree.PostMessage(WM_LBUTTONUP, 0, at);
  tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
}

TEST_F(BrowserDialog, OkApplyAndATreeClickTakeTheOpenEditorsValueFirstAndStopWhenItIsRefused) {
  constexpr DWORD_PTR kAxisName = 6006;  // SAA_NAME
  enum Action { kApply = IDC_APPLY, kOk = IDOK, kTreeClick = 0 };
  const struct {
    const char* how;
    Action action;
    bool refused;
  } cases[] = {
      {"Apply", kApply, false},         {"OK", kOk, false},         {"tree click", kTreeClick, false},
      {"Apply, refused", kApply, true}, {"OK, refused", kOk, true}, {"tree click, refused", kTreeClick, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    m_lib.heard = {};
    auto dlg = Open();
    Select(*dlg, "X Axis");
    CPropertyGridCtrl& grid = dlg->m_wndGrid;
    CPropertyGridProperty* row = grid.FindItemByData(kAxisName);
    if (c.refused) {
      row = new PickyRow;
      grid.GetProperty(0)->AddSubItem(row);
      grid.AdjustLayout();
    }
    ASSERT_TRUE(row && grid.EditItem(row) && row->GetInPlaceWnd());
    // The host keeps what it was sent, so each case types a value of its own.
    const std::string typed = "77" + std::to_string(&c - cases);
    row->GetInPlaceWnd()->SetWindowText(c.refused ? "bad" : typed.c_str());
    // A click message moves the focus off the editor before the action runs.
    if (c.action == kTreeClick) {
      Click(dlg->m_wndTree, FindItem(dlg->m_wndTree, "Page Title"));
    } else {
      dlg->GetDlgItem(c.action)->SendMessage(BM_CLICK);
    }
    Pump();
    EXPECT_EQ(dlg->IsWindowVisible() == FALSE, c.action == kOk && !c.refused) << "OK closes";
    if (c.refused) {
      EXPECT_EQ(m_lib.heard.calls(), 0);
      EXPECT_TRUE(row->IsInPlaceEditing());
      EXPECT_STREQ(row->GetInPlaceWnd()->GetWindowText(), "bad");
      EXPECT_STREQ(dlg->m_wndTree.GetItemText(dlg->m_wndTree.GetSelectedItem()), "X Axis");
      continue;
    }
    if (c.action == kTreeClick) {
      EXPECT_STREQ(dlg->m_wndTree.GetItemText(dlg->m_wndTree.GetSelectedItem()), "Page Title");
      EXPECT_EQ(m_lib.heard.calls(), 0);
      // Coming back rebuilds the axis's rows; its change has not been sent and stays marked.
      Select(*dlg, "X Axis");
      dlg->OnApply();
    }
    ASSERT_EQ(m_lib.heard.calls(), 1);
    const std::string sent = "AttrValue=\"" + typed + "\"";
    EXPECT_EQ(Count(m_lib.heard.last(), sent), 1) << m_lib.heard.last();
    if (c.action != kApply) continue;
    // Once sent, the change is the description's own: a rebuild clears its mark.
    Select(*dlg, "Page Title");
    Select(*dlg, "X Axis");
    dlg->OnApply();
    EXPECT_EQ(Count(m_lib.heard.last(), sent), 0) << m_lib.heard.last();
  }
}

struct MenuLine {
  std::string text;
  bool enabled;
};

std::vector<MenuLine> Lines(HMENU menu) {
  std::vector<MenuLine> lines;
  for (UINT id : {ID_COPY_STYLES, ID_APPLY_STYLES}) {
    char text[128] = {};
    GetMenuStringA(menu, id, text, sizeof text, MF_BYCOMMAND);
    lines.push_back({text, (GetMenuState(menu, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0});
  }
  return lines;
}

TEST_F(BrowserDialog, StyleMenuNamesTheKindsAndOffersApplyOnlyBetweenLikeObjects) {
  auto dlg = Open();
  const struct {
    const char* select;
    int nth;
    bool copyFirst;  // choose Copy on this item before looking at the menu of the next
    const char* copyText;
    const char* applyText;
    bool applyEnabled;
  } steps[] = {
      {"Major tick lines", 0, true, "Copy Line Styles", "Apply Line Styles", false},
      {"Minor tick lines", 0, false, "Copy Line Styles", "Apply Line Styles", true},
      {"Line Plot", 0, false, "Copy Plot Styles", "Apply Line Styles", false},
      {"Scale", 1, true, "Copy Scale Styles", "Apply Line Styles", false},
      {"Scale", 0, false, "Copy Scale Styles", "Apply Scale Styles", true},
      {"Axes", 0, false, "Copy  Styles", "Apply Scale Styles", false},  // a list names no kind
  };
  for (const auto& s : steps) {
    Select(*dlg, s.select, s.nth);
    CMenu menu;
    ASSERT_TRUE(dlg->BuildStyleMenu(menu)) << s.select;
    const std::vector<MenuLine> lines = Lines(menu);
    EXPECT_EQ(lines[0].text, s.copyText) << s.select;
    EXPECT_TRUE(lines[0].enabled) << s.select;
    EXPECT_EQ(lines[1].text, s.applyText) << s.select;
    EXPECT_EQ(lines[1].enabled, s.applyEnabled) << s.select;
    if (s.copyFirst) dlg->SendMessage(WM_COMMAND, ID_COPY_STYLES, 0);
  }
  dlg->m_wndTree.InsertItem("no record");
  Select(*dlg, "no record");
  CMenu none;
  EXPECT_FALSE(dlg->BuildStyleMenu(none)) << "no record, no menu";
}

TEST_F(BrowserDialog, ApplyStylesSendsTheDifferingStyleAttributesOnceAndNothingOnceTheSourceIsRemoved) {
  auto attr = [](const char* id, const char* name, const char* value) {
    return std::string("<Attribute ID=\"") + id + "\" Name=\"" + name + "\" Label=\"" + name +
           "\" DataType=\"int\" AttrValue=\"" + value + "\" />";
  };
  auto object = [](const char* type, const char* name, const char* handle, const std::string& attrs,
                   const std::string& children = "") {
    return std::string("<Object Type=\"") + type + "\" Object_Name=\"" + name + "\" Handle=\"" + handle +
           "\"><AttributeTable>" + attrs + "</AttributeTable>" + children + "</Object>";
  };
  const std::string page =
      "<XML><ObjectList><Object Type=\"Graph\" Object_Name=\"Graph 1\" Handle=\"10\">" +
      object("Plot", "P1", "14", attr("1", "SLA_COLOR", "1") + attr("2", "SLA_PLOT_TYPE", "200") + attr("3", "SLA_WIDTH", "5"),
             object("Line", "L1", "15", attr("4", "SEA_COLOR", "8"))) +
      object("Plot", "P2", "16", attr("1", "SLA_COLOR", "2") + attr("2", "SLA_PLOT_TYPE", "201") + attr("3", "SLA_WIDTH", "5"),
             object("Line", "L2", "17", attr("4", "SEA_COLOR", "9"))) +
      object("Plot", "P3", "18", attr("1", "SLA_COLOR", "3")) + object("Axis", "X", "19", attr("1", "SLA_COLOR", "4")) +
      "<Object Group=\"Custom Fills\">" + object("Fill", "Fill 1", "40", attr("5", "SDA_COLOR", "1")) + "</Object>" +
      object("Fill", "Fill 2", "41", attr("5", "SDA_COLOR", "2")) + "</Object></ObjectList></XML>";
  m_lib.Close(m_page);
  ASSERT_EQ(m_lib.OpenText(m_page, page), 10);
  auto dlg = Open();
  Select(*dlg, "P1");
  dlg->SendMessage(WM_COMMAND, ID_COPY_STYLES, 0);
  Select(*dlg, "X");
  CMenu menu;
  ASSERT_TRUE(dlg->BuildStyleMenu(menu));
  EXPECT_EQ(menu.GetMenuState(ID_APPLY_STYLES, MF_BYCOMMAND) & MF_GRAYED, static_cast<UINT>(MF_GRAYED))
      << "a plot's style does not go onto an axis";
  dlg->SendMessage(WM_COMMAND, ID_APPLY_STYLES, 0);
  EXPECT_EQ(m_lib.heard.calls(), 0);
  EXPECT_NE(dlg->m_hStyleSource, nullptr) << "a refused apply keeps the copied item";

  Select(*dlg, "P2");
  dlg->SendMessage(WM_COMMAND, ID_APPLY_STYLES, 0);
  ASSERT_EQ(m_lib.heard.calls(), 1);
  EXPECT_EQ(dlg->m_hStyleSource, nullptr) << "a copied style is applied once";
  ASSERT_GE(dlg->m_wndGrid.GetPropertyCount(), 1);
  EXPECT_STREQ(dlg->m_wndGrid.GetProperty(0)->GetName(), "P2 Properties");
  const std::string& sent = m_lib.heard.last();
  EXPECT_EQ(Count(sent, "<Attribute "), 2) << sent;
  EXPECT_NE(sent.find("Name=\"SLA_COLOR\" Label=\"SLA_COLOR\" DataType=\"int\" AttrValue=\"1\""), std::string::npos);
  EXPECT_NE(sent.find("Name=\"SEA_COLOR\" Label=\"SEA_COLOR\" DataType=\"int\" AttrValue=\"8\""), std::string::npos)
      << "the sub-object in the same place takes its counterpart's style";
  dlg->SendMessage(WM_COMMAND, IDC_APPLY, 0);
  EXPECT_EQ(Count(m_lib.heard.last(), "<Attribute "), 0) << "a style goes out once";

  // The host removes the copied fill, and with it its group, before the style is applied.
  Select(*dlg, "Fill 1");
  dlg->SendMessage(WM_COMMAND, ID_COPY_STYLES, 0);
  EXPECT_TRUE(dlg->m_wndTree.RemoveTreeNode(0, 40, "Fill 1"));
  EXPECT_EQ(FindItem(dlg->m_wndTree, "Custom Fills"), nullptr);
  Select(*dlg, "Fill 2");
  dlg->SendMessage(WM_COMMAND, ID_APPLY_STYLES, 0);
  EXPECT_EQ(m_lib.heard.calls(), 2) << "nothing is left to apply";
  EXPECT_EQ(dlg->m_hStyleSource, nullptr);
  dlg->DestroyWindow();
}

// Reads the open context menu and closes it, from inside the menu's loop.
struct MenuPeek {
  static inline std::vector<MenuLine> seen;
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    HWND popup = npb::test::FindThreadWindow("#32768");
    if (!popup) return;
    KillTimer(nullptr, id);
    seen = Lines(reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0)));
    EndMenu();
  }
};

TEST_F(BrowserDialog, RightClickSelectsTheItemUnderThePointerBeforeTheMenuOpens) {
  auto dlg = Open();
  CTreeCtrlXML& tree = dlg->m_wndTree;
  HTREEITEM title = FindItem(tree, "Page Title");
  CRect itemRect;
  ASSERT_TRUE(tree.GetItemRect(title, &itemRect, TRUE));
  CPoint at = itemRect.CenterPoint();
  tree.ClientToScreen(&at);

  MenuPeek::seen.clear();
  SetTimer(nullptr, 0, 30, MenuPeek::OnTimer);
  dlg->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tree.m_hWnd), MAKELPARAM(at.x, at.y));
  EXPECT_EQ(tree.GetSelectedItem(), title);
  ASSERT_EQ(MenuPeek::seen.size(), 2u) << "the menu opened";
  EXPECT_EQ(MenuPeek::seen[0].text, "Copy Text Styles");

  // A request over another control opens nothing.
  MenuPeek::seen.clear();
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, MenuPeek::OnTimer);
  dlg->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(dlg->GetDlgItem(IDOK)->m_hWnd), MAKELPARAM(at.x, at.y));
  KillTimer(nullptr, timer);
  EXPECT_TRUE(MenuPeek::seen.empty());
}

TEST_F(BrowserDialog, ResizingKeepsTheLayoutAndABorderDragStopsAt360By300) {
  auto dlg = Open();
  const CRect tree = ScreenRect(dlg->m_wndTree), frame = ScreenRect(dlg->m_wndGridFrame);
  const CRect ok = ScreenRect(*dlg->GetDlgItem(IDOK)), window = ScreenRect(*dlg);
  dlg->SetWindowPos(nullptr, 0, 0, window.Width() + 200, window.Height() + 100, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  const CRect bigger = ScreenRect(*dlg);
  const int dx = bigger.right - window.right, dy = bigger.bottom - window.bottom;
  EXPECT_EQ(ScreenRect(dlg->m_wndTree), CRect(tree.left, tree.top, tree.right, tree.bottom + dy));
  EXPECT_EQ(ScreenRect(dlg->m_wndGridFrame), CRect(frame.left, frame.top, frame.right + dx, frame.bottom + dy));
  EXPECT_EQ(ScreenRect(dlg->m_wndGrid), ScreenRect(dlg->m_wndGridFrame));
  EXPECT_EQ(ScreenRect(*dlg->GetDlgItem(IDOK)), CRect(ok.left + dx, ok.top + dy, ok.right + dx, ok.bottom + dy));
  CRect client;
  dlg->GetClientRect(&client);
  CRect grip = ScreenRect(dlg->m_wndSizeGrip);
  dlg->ScreenToClient(&grip);
  EXPECT_EQ(grip.BottomRight(), client.BottomRight());

  // Too small both ways: only the edge being dragged moves.
  const CRect small(100, 100, 300, 250);
  const struct {
    UINT side;
    CRect held;
  } drags[] = {
      {WMSZ_RIGHT, CRect(100, 100, 460, 400)},      {WMSZ_LEFT, CRect(-60, 100, 300, 400)},
      {WMSZ_TOP, CRect(100, -50, 460, 250)},        {WMSZ_BOTTOM, CRect(100, 100, 460, 400)},
      {WMSZ_TOPLEFT, CRect(-60, -50, 300, 250)},    {WMSZ_TOPRIGHT, CRect(100, -50, 460, 250)},
      {WMSZ_BOTTOMLEFT, CRect(-60, 100, 300, 400)}, {WMSZ_BOTTOMRIGHT, CRect(100, 100, 460, 400)},
  };
  for (const auto& d : drags) {
    RECT rect = small;
    dlg->SendMessage(WM_SIZING, d.side, reinterpret_cast<LPARAM>(&rect));
    EXPECT_EQ(CRect(rect), d.held) << "side " << d.side;
  }
}

}  // namespace
