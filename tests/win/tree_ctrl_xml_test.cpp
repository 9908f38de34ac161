#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "framework/window_class.h"
#include "tests/win/tree_window_fixture.h"
#include "tree/tree_ctrl_xml.h"

namespace {

class TreeCtrlXmlTest : public TreeWindowTest {};

TEST_F(TreeCtrlXmlTest, LabelIsTheOneNamingAttributeElseTheObjectName) {
  struct Case {
    const char* attributes;
    const char* label;
    const char* handle;  // the record keeps it for objects with a Type or a Group only
  } const cases[] = {
      {"Object_Name='Layer1' Type='Graph' Handle='3'", "Layer1", "3"},
      {"Type='Axis' Handle='4'", "Axis", "4"},
      {"List='Custom Fills' Handle='5'", "Custom Fills", ""},
      {"Type='Plot' Group='Lines' Handle='6'", "", "6"},
      {"Group='Lines' Handle='7'", "Lines", "7"},
      {"Group='Lines' List='Heading'", "Lines", ""},
      {"Object_Name='Title' List='Heading' Handle='8'", "Title", ""},
      {"Type='Axis' List='Heading'", "Axis", ""},
      {"", "", ""},
      {"Object_Name='' Type='' Group='' List=''", "", ""},
      {"type='lower case is another name' OBJECT_NAME='x'", "", ""},
  };
  std::string objects;
  for (const Case& c : cases) objects += std::string("<Object ") + c.attributes + "/>\n";
  ASSERT_TRUE(Load(Page(objects)));
  std::vector<HTREEITEM> items = ItemsInOrder();
  ASSERT_EQ(items.size(), std::size(cases));
  for (std::size_t i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(cases[i].attributes);
    EXPECT_STREQ(tree_.GetItemText(items[i]), cases[i].label);
    const Xml_ObjectData* record = tree_.GetObjectData(items[i]);
    ASSERT_NE(record, nullptr);
    EXPECT_STREQ(record->strHandle, cases[i].handle);
    EXPECT_EQ(record->bModified | record->bApplyStyle | record->bApplyPending, 0);
  }
}

TEST_F(TreeCtrlXmlTest, PreselectionTakesTheLastMatchInDocumentOrder) {
  struct Case {
    const char* objects;
    unsigned handle;
    const char* name;
    int selected;  // index in tree order, -1 for none
  } const cases[] = {
      {"<Object Group='Lines' Handle='9'/><Object Group='Lines' Handle='9'/>", 9, "Lines", 1},
      {"<Object Object_Name='Layer1' Handle='2'/><Object Object_Name='Layer2' Handle='2'/>", 2, "Layer1", 0},
      {"<Object Object_Name='A' Handle='4'><Object Object_Name='A' Handle='4'/></Object><Object Handle='1'/>", 4,
       "A", 1},
      {"<Object Object_Name='Axis' Handle='5'/>", 5, "", 0},
      {"<Object Object_Name='Axis' Handle='5'/>", 5, nullptr, 0},
      {"<Object Object_Name='Axis' Group='' Handle='5'/>", 5, "Axis", 0},
      {"<Object Object_Name='Axis' Group='G' Handle='5'/>", 5, "", -1},
      {"<Object Type='Plot' Handle='3'/>", 3, "Plot", -1},  // the Type is no key
      {"<Object Object_Name='Layer1' Handle='2'/>", 3, "Layer1", -1},
      {"<Object Object_Name='Layer1' Handle='2'/>", 2, "layer1", -1},
      {"<Object Object_Name='Layer1'/>", 0, "Layer1", -1},
      {"<Object Object_Name='Layer1' Handle='12abc'/>", 12, "Layer1", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.objects);
    tree_.FreeItemData();
    tree_.DeleteAllItems();
    tree_.SetItemToSelect(nullptr);
    ASSERT_TRUE(Load(Page(c.objects), c.handle, c.name));
    std::vector<HTREEITEM> items = ItemsInOrder();
    EXPECT_EQ(tree_.GetItemToSelect(), c.selected < 0 ? nullptr : items.at(c.selected));
  }
}

TEST_F(TreeCtrlXmlTest, LoadingMarksNoAttributeForStyleApplication) {
  ASSERT_TRUE(Load(Page("<Object Type='Axis' Handle='1'><AttributeTable>"
                        "<Attribute Name='SAA_TICSIZE' ApplyStyleFlag='1'/><Attribute Name=''/>"
                        "</AttributeTable><Object Type='Label'><AttributeTable>"
                        "<Attribute ApplyStyleFlag='abc'/></AttributeTable></Object></Object>")));
  int seen = 0;
  for (HTREEITEM item : ItemsInOrder()) {
    TiXmlElement* table = tree_.GetObjectData(item)->pNode->FirstChildElement("AttributeTable");
    for (TiXmlElement* a = table->FirstChildElement("Attribute"); a; a = a->NextSiblingElement("Attribute")) {
      EXPECT_STREQ(a->Attribute("ApplyStyleFlag"), "0");
      ++seen;
    }
  }
  EXPECT_EQ(seen, 3);
}

TEST_F(TreeCtrlXmlTest, UnreadableTextLoadsNothingAndIsValidXmlLeavesTheTreeAlone) {
  std::string tooDeep;
  for (int i = 0; i < 10000; ++i) tooDeep += "<Object>";
  for (int i = 0; i < 10000; ++i) tooDeep += "</Object>";
  struct Case {
    std::string text;
    bool loads;
    unsigned items;
  } const cases[] = {
      {Page("<Object Type='Axis'/>"), true, 1},
      {"<XML><Other/></XML>", true, 0},
      {"\r\n<XML>\r<ObjectList><Object Type='A'/>\r\n<Object Type='B'/></ObjectList></XML>", true, 2},
      {"<Root><ObjectList><Object Type='Axis'/></ObjectList></Root>", false, 0},
      {"<XML><ObjectList><Object></ObjectList></XML>", false, 0},
      {"", false, 0},
      {Page(tooDeep), false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 60));
    tree_.FreeItemData();
    tree_.DeleteAllItems();
    ASSERT_TRUE(Load(Page("<Object Type='Before'/>")));
    TiXmlNode* loaded = tree_.GetXml();
    std::string copy = c.text;
    EXPECT_EQ(tree_.IsValidXML(copy.data()), c.loads);
    EXPECT_EQ(tree_.GetCount(), 1u);
    EXPECT_EQ(tree_.GetXml(), loaded);

    tree_.FreeItemData();
    tree_.DeleteAllItems();
    EXPECT_EQ(Load(c.text), c.loads);
    EXPECT_EQ(tree_.GetCount(), c.items);
    EXPECT_EQ(tree_.GetXml() != nullptr, c.loads);
  }
  EXPECT_FALSE(tree_.LoadXMLFromString(nullptr, 0, nullptr));
  EXPECT_FALSE(tree_.LoadXMLFromFile("Z:\\no\\such\\description.xml", 0, nullptr));
}

TEST_F(TreeCtrlXmlTest, LoadsFromAFileLikeFromText) {
  char path[MAX_PATH];
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  GetTempFileNameA(folder, "npb", 0, path);
  std::string text = Page("<Object Type='Axis' Handle='7'>\r\n<Object Group='Ticks' Handle='8'/></Object>\r\n");
  if (FILE* f = std::fopen(path, "wb")) {
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
  }
  EXPECT_TRUE(tree_.LoadXMLFromFile(path, 8, "Ticks"));
  DeleteFileA(path);
  std::vector<HTREEITEM> items = ItemsInOrder();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(tree_.GetIndentLevel(items[1]), 1);
  EXPECT_EQ(tree_.GetItemToSelect(), items[1]);
}

TEST_F(TreeCtrlXmlTest, EveryRecordIsFreedOnceAndAReloadCutsOldRecordsLoose) {
  ASSERT_TRUE(Load(NestedPage({0, 1, 2, 1, 0})));
  ASSERT_TRUE(Load(NestedPage({0, 0, 1})));
  // The first load's elements went with its document; the second load's are live.
  std::vector<HTREEITEM> items = ItemsInOrder();
  ASSERT_EQ(items.size(), 8u);
  for (std::size_t i = 0; i < items.size(); ++i) {
    TiXmlElement* node = tree_.GetObjectData(items[i])->pNode;
    EXPECT_EQ(node != nullptr, i >= 5) << i;
    if (node) {
      EXPECT_STREQ(node->Attribute("Object_Name"), tree_.GetItemText(items[i]));
    }
  }

  EXPECT_EQ(tree_.FreeItemData(), 8);
  for (HTREEITEM item : ItemsInOrder()) EXPECT_EQ(tree_.GetItemData(item), 0u);
  EXPECT_EQ(tree_.FreeItemData(), 0);
}

// What the control itself holds, read with messages to its class procedure: each item in
// tree order with its level and record.
struct ControlItem {
  HTREEITEM item;
  int level;
  Xml_ObjectData* record;
};

LRESULT ToControl(HWND tree, UINT message, WPARAM wParam, LPARAM lParam) {
  auto proc = reinterpret_cast<WNDPROC>(GetClassLongPtrA(tree, GCLP_WNDPROC));
  return CallWindowProcA(proc, tree, message, wParam, lParam);
}

void ControlWalk(HWND tree, HTREEITEM first, int level, std::vector<ControlItem>& rows) {
  auto navigate = [tree](HTREEITEM item, UINT code) {
    return reinterpret_cast<HTREEITEM>(ToControl(tree, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
  };
  for (HTREEITEM item = first; item; item = navigate(item, TVGN_NEXT)) {
    TVITEMA data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    ToControl(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    rows.push_back({item, level, reinterpret_cast<Xml_ObjectData*>(data.lParam)});
    ControlWalk(tree, navigate(item, TVGN_CHILD), level + 1, rows);
  }
}

std::vector<ControlItem> ControlWalk(HWND tree) {
  std::vector<ControlItem> rows;
  ControlWalk(tree, reinterpret_cast<HTREEITEM>(ToControl(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)), 0, rows);
  return rows;
}

// The class's navigation against the control's own answers, item by item.
void ExpectNavigationMatchesControl(const CTreeCtrlXML& tree) {
  const std::vector<ControlItem> rows = ControlWalk(tree.m_hWnd);
  HTREEITEM item = tree.GetRootItem();
  for (std::size_t i = 0; i < rows.size(); ++i, item = tree.GetNextItem(item)) {
    ASSERT_EQ(item, rows[i].item) << "item " << i;
    EXPECT_EQ(tree.GetIndentLevel(item), rows[i].level) << "item " << i;
    EXPECT_EQ(tree.GetObjectData(item), rows[i].record) << "item " << i;
    std::size_t after = i + 1;
    while (after < rows.size() && rows[after].level > rows[i].level) ++after;
    HTREEITEM nextSib = after > i + 1 && after < rows.size() ? rows[after].item : nullptr;
    EXPECT_EQ(tree.GetNextSibItem(item), nextSib) << "item " << i;
  }
  EXPECT_EQ(item, nullptr) << "the class walks past the control's last item";
}

// The tree under a framework window, which hands the tree's notifications back to it.
class TreeOrderTrackingTest : public testing::Test {
public:  // the change table below reaches in from lambdas
  void SetUp() override {
    ASSERT_TRUE(parent_.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CRect(0, 0, 300, 400), nullptr, 0));
    ASSERT_TRUE(tree_.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT, CRect(0, 0, 300, 400),
                             &parent_, 1001));
  }
  void TearDown() override {
    tree_.FreeItemData();
    tree_.DestroyWindow();
    parent_.DestroyWindow();
  }
  bool Load(std::string text) { return tree_.LoadXMLFromString(text.data(), 0, nullptr); }
  // The item with the given label.
  HTREEITEM Named(const char* label) {
    for (const ControlItem& row : ControlWalk(tree_.m_hWnd)) {
      if (tree_.GetItemText(row.item) == CString(label)) return row.item;
    }
    ADD_FAILURE() << "no item " << label;
    return nullptr;
  }
  static std::size_t Count(const std::string& text, const char* what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
  }
  std::string Saved() {
    std::vector<char> buffer(1 << 16);
    EXPECT_TRUE(tree_.SaveXMLToString(buffer.data(), buffer.size()));
    return buffer.data();
  }
  HTREEITEM RawInsert(const char* label, HTREEITEM parent, HTREEITEM after, Xml_ObjectData* record) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(label);
    insert.item.lParam = reinterpret_cast<LPARAM>(record);
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree_.m_hWnd, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  }

  CWnd parent_;
  CTreeCtrlXML tree_;
  // The record of items the tests insert themselves; with an element, so the save goes on.
  TiXmlElement extraNode_{"Object"};
  Xml_ObjectData extra_ = WithElement(&extraNode_);

private:
  static Xml_ObjectData WithElement(TiXmlElement* node) {
    Xml_ObjectData data;
    data.pNode = node;
    return data;
  }
};

// o0..o8: o0 { o1 { o2 o3 } o4 } o5 { o6 } o7 { o8 }
const std::vector<int> kShape = {0, 1, 2, 2, 1, 0, 1, 0, 1};

TEST_F(TreeOrderTrackingTest, NavigationFollowsChangesMadeAroundTheClass) {
  struct Case {
    const char* what;
    void (*change)(TreeOrderTrackingTest& t);
  } const cases[] = {
      {"DeleteItem of a subtree in the middle", [](TreeOrderTrackingTest& t) {
         delete t.tree_.GetObjectData(t.Named("o2"));  // the test frees what it deletes
         delete t.tree_.GetObjectData(t.Named("o3"));
         delete t.tree_.GetObjectData(t.Named("o1"));
         t.tree_.DeleteItem(t.Named("o1"));
       }},
      {"raw insertion last under an early item",
       [](TreeOrderTrackingTest& t) { t.RawInsert("x", t.Named("o1"), TVI_LAST, &t.extra_); }},
      {"raw insertion first under an item",
       [](TreeOrderTrackingTest& t) { t.RawInsert("x", t.Named("o5"), TVI_FIRST, &t.extra_); }},
      {"raw insertion after a sibling",
       [](TreeOrderTrackingTest& t) { t.RawInsert("x", t.Named("o1"), t.Named("o2"), &t.extra_); }},
      {"children sorted into another order", [](TreeOrderTrackingTest& t) {
         t.RawInsert("a", t.Named("o1"), TVI_LAST, &t.extra_);
         SendMessageA(t.tree_.m_hWnd, TVM_SORTCHILDREN, FALSE, reinterpret_cast<LPARAM>(t.Named("o1")));
       }},
      {"record replaced with SetItemData", [](TreeOrderTrackingTest& t) {
         HTREEITEM item = t.Named("o6");
         delete t.tree_.GetObjectData(item);
         t.tree_.SetItemData(item, reinterpret_cast<DWORD_PTR>(&t.extra_));
       }},
      {"subtree deleted through the class procedure, heard from the parent", [](TreeOrderTrackingTest& t) {
         HTREEITEM item = t.Named("o5");
         delete t.tree_.GetObjectData(t.Named("o6"));
         delete t.tree_.GetObjectData(item);
         ToControl(t.tree_.m_hWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
       }},
      {"everything deleted, then loaded again", [](TreeOrderTrackingTest& t) {
         t.tree_.FreeItemData();
         t.tree_.DeleteAllItems();
         ASSERT_TRUE(t.Load(NestedPage({0, 1, 0})));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    tree_.FreeItemData();
    tree_.DeleteAllItems();
    ASSERT_TRUE(Load(NestedPage(kShape)));
    ASSERT_NO_FATAL_FAILURE(ExpectNavigationMatchesControl(tree_));
    c.change(*this);
    EXPECT_NO_FATAL_FAILURE(ExpectNavigationMatchesControl(tree_));
    // The save walks the same index: one "Object" per item the control still has.
    std::vector<char> buffer(1 << 16);
    ASSERT_TRUE(tree_.SaveXMLToString(buffer.data(), buffer.size()));
    std::size_t objects = 0;
    for (const char* at = buffer.data(); (at = std::strstr(at, "<Object")) != nullptr; ++at) objects += at[7] != 'L';
    EXPECT_EQ(objects, ControlWalk(tree_.m_hWnd).size());
    for (const ControlItem& row : ControlWalk(tree_.m_hWnd)) {
      if (row.record == &extra_) tree_.SetItemData(row.item, 0);  // not the tree's to free
    }
  }
}

// The control holds the document's items in order and at their levels, and the class's
// navigation answers as the control does, both with the index built while loading and
// with one walked again from the control (here after a sort that changes nothing).
TEST_F(TreeOrderTrackingTest, NavigationFollowsTheDocumentAndARebuiltIndexOnDeepAndWideTrees) {
  std::vector<int> deep;
  for (int i = 0; i < 2000; ++i) deep.push_back(i);
  for (int level : {1000, 2, 0, 1}) deep.push_back(level);
  std::vector<int> wide;
  for (int i = 0; i < 2000; ++i) wide.push_back(i % 3 == 2 ? 1 : 0);
  std::vector<int> zigzag = {0, 1, 2, 3, 1, 2, 0, 1, 1, 0, 0, 1, 2};
  for (const std::vector<int>* levels : {&deep, &wide, &zigzag}) {
    const UINT before = tree_.GetCount();
    EXPECT_EQ(tree_.DeleteAllItemsAndData(), static_cast<int>(before)) << "one record an item";
    EXPECT_EQ(tree_.GetCount(), 0u);
    EXPECT_EQ(tree_.FreeItemData(), 0) << "nothing left to free twice";
    ASSERT_TRUE(Load(NestedPage(*levels)));
    const std::vector<ControlItem> rows = ControlWalk(tree_.m_hWnd);
    ASSERT_EQ(rows.size(), levels->size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      ASSERT_STREQ(tree_.GetItemText(rows[i].item), ("o" + std::to_string(i)).c_str());
      ASSERT_EQ(rows[i].level, (*levels)[i]) << i;
    }
    ASSERT_NO_FATAL_FAILURE(ExpectNavigationMatchesControl(tree_));
    HTREEITEM leaf = tree_.GetRootItem();
    while (tree_.GetChildItem(leaf)) leaf = tree_.GetChildItem(leaf);
    SendMessageA(tree_.m_hWnd, TVM_SORTCHILDREN, FALSE, reinterpret_cast<LPARAM>(leaf));
    ASSERT_NO_FATAL_FAILURE(ExpectNavigationMatchesControl(tree_));
  }
}

// The host's editing lines on an open tree, one after another: each changes only what it
// says, and after each the class's navigation equals a fresh walk of the control.
TEST_F(TreeOrderTrackingTest, HostEditingLinesChangeTheTreeAndTheIndexFollowsEachOne) {
  const char* const kGraph =
      "<Object Type=\"Graph\" Object_Name=\"Graph 1\" Handle=\"10\">"
      "<Object Type=\"Axis\" Object_Name=\"X Axis\" Handle=\"11\"><AttributeTable>"
      "<Attribute ID=\"1\" Name=\"SAA_COLOR\" Label=\"Color\" DataType=\"int\" AttrValue=\"3\" ThemeHandle=\"1\" "
      "ColHandle=\"2\" /></AttributeTable>"
      "<Object Type=\"Text\" Object_Name=\"Title\" Handle=\"12\" /><Object Type=\"Text\" Handle=\"13\" /></Object>"
      "<Object Group=\"Custom Fills\"><Object Type=\"Fill\" Object_Name=\"Fill A\" Handle=\"40\" /></Object>"
      "<Object Type=\"Fill\" Object_Name=\"Fill B\" Handle=\"41\" /></Object>";
  const std::string kAdd = Page("<Object Type=\"Line\" Object_Name=\"Grid\" Handle=\"60\">"
                                "<Object Type=\"Text\" Object_Name=\"Grid Label\" Handle=\"61\" /></Object>");
  auto modify = [](const char* label, const char* value, const char* theme, const char* column) {
    return Page(std::string("<Object Type=\"Axis\" Object_Name=\"X Axis\" Handle=\"11\"><AttributeTable>"
                            "<Attribute ID=\"1\" Name=\"SAA_COLOR\" Label=\"") +
                label + "\" DataType=\"int\" AttrValue=\"" + value + "\" ThemeHandle=\"" + theme +
                "\" ColHandle=\"" + column + "\" /></AttributeTable></Object>");
  };
  struct Step {
    const char* line;
    std::function<bool(CTreeCtrlXML&)> run;
    bool result;
    const char* select;  // label of the item to select afterwards ("" for none)
    const char* tree;    // labels with levels in tree order
    const char* color;   // X Axis's SAA_COLOR as value/theme/column
  };
  const char* const kLoaded = "0Graph 1 1X Axis 2Title 2Text 1Custom Fills 2Fill A 1Fill B ";
  std::string bad = "<XML><ObjectList>", noXml = "<Other />", add = kAdd, add2 = kAdd;
  std::string sameValue = modify("Color", "7", "", "9"), otherLabel = modify("Colour", "8", "5", "5");
  const Step steps[] = {
      {"host-select 11 Axis", [](CTreeCtrlXML& t) { return t.SelectTreeNode(0, 11, "Axis"); }, true, "X Axis",
       kLoaded, "3/1/2"},
      {"host-add 1 (not a mode that adds)", [&](CTreeCtrlXML& t) { return t.AddTreeNode(1, 11, add.data(), "X Axis"); },
       false, "X Axis", kLoaded, "3/1/2"},
      {"host-add of text that does not parse",
       [&](CTreeCtrlXML& t) { return t.AddTreeNode(2, 11, bad.data(), "X Axis"); }, true, "X Axis", kLoaded, "3/1/2"},
      {"host-add without XML", [&](CTreeCtrlXML& t) { return t.AddTreeNode(2, 11, noXml.data(), "X Axis"); }, false,
       "X Axis", kLoaded, "3/1/2"},
      {"host-add to a handle that matches nothing",
       [&](CTreeCtrlXML& t) { return t.AddTreeNode(2, 99, add.data(), "X Axis"); }, true, "", kLoaded, "3/1/2"},
      {"host-add naming the type", [&](CTreeCtrlXML& t) { return t.AddTreeNode(2, 11, add.data(), "Axis"); }, true, "",
       kLoaded, "3/1/2"},
      {"host-add", [&](CTreeCtrlXML& t) { return t.AddTreeNode(2, 11, add2.data(), "X Axis"); }, true, "X Axis",
       "0Graph 1 1X Axis 2Title 2Text 2Grid 3Grid Label 1Custom Fills 2Fill A 1Fill B ", "3/1/2"},
      {"host-modify 1 with another label",
       [&](CTreeCtrlXML& t) { return t.ModifyTreeNode(1, 11, otherLabel.data(), "X Axis"); }, true, "",
       "0Graph 1 1X Axis 2Title 2Text 2Grid 3Grid Label 1Custom Fills 2Fill A 1Fill B ", "3/1/2"},
      {"host-modify 1", [&](CTreeCtrlXML& t) { return t.ModifyTreeNode(1, 11, sameValue.data(), "X Axis"); }, true,
       "X Axis", "0Graph 1 1X Axis 2Title 2Text 2Grid 3Grid Label 1Custom Fills 2Fill A 1Fill B ", "7/1/9"},
      {"host-modify 4 dir_x", [](CTreeCtrlXML& t) { return t.ModifyTreeNode(4, 11, nullptr, "dir_x"); }, true, "",
       "0Graph 1 1X Axis 2Left Label 2Right Label 2Grid 3Grid Label 1Custom Fills 2Fill A 1Fill B ", "7/1/9"},
      {"host-modify 5 renumbers by name", [](CTreeCtrlXML& t) { return t.ModifyTreeNode(5, 70, nullptr, "grid"); },
       true, "", "0Graph 1 1X Axis 2Left Label 2Right Label 2Grid 3Grid Label 1Custom Fills 2Fill A 1Fill B ",
       "7/1/9"},
      {"host-remove the renumbered object, with the item below it",
       [](CTreeCtrlXML& t) { return t.RemoveTreeNode(0, 70, "Grid"); }, true, "",
       "0Graph 1 1X Axis 2Left Label 2Right Label 2Grid 1Custom Fills 2Fill A 1Fill B ", "7/1/9"},
      {"host-modify 3 (no such mode)", [](CTreeCtrlXML& t) { return t.ModifyTreeNode(3, 11, nullptr, "X Axis"); },
       false, "", "0Graph 1 1X Axis 2Left Label 2Right Label 2Grid 1Custom Fills 2Fill A 1Fill B ", "7/1/9"},
      {"host-remove of a handle that matches nothing",
       [](CTreeCtrlXML& t) { return t.RemoveTreeNode(0, 99, "Fill A"); }, true, "",
       "0Graph 1 1X Axis 2Left Label 2Right Label 2Grid 1Custom Fills 2Fill A 1Fill B ", "7/1/9"},
      {"host-remove the only custom fill", [](CTreeCtrlXML& t) { return t.RemoveTreeNode(0, 40, "Fill A"); }, true,
       "", "0Graph 1 1X Axis 2Left Label 2Right Label 2Grid 1Fill B ", "7/1/9"},
  };
  ASSERT_TRUE(Load(Page(kGraph)));
  HTREEITEM axis = Named("X Axis");
  for (const Step& step : steps) {
    SCOPED_TRACE(step.line);
    for (const ControlItem& row : ControlWalk(tree_.m_hWnd)) tree_.Expand(row.item, TVE_EXPAND);
    tree_.SetItemToSelect(nullptr);
    EXPECT_EQ(step.run(tree_), step.result);
    EXPECT_NO_FATAL_FAILURE(ExpectNavigationMatchesControl(tree_));
    std::string labels;
    for (const ControlItem& row : ControlWalk(tree_.m_hWnd)) {
      labels += std::to_string(row.level) + tree_.GetItemText(row.item).GetString() + " ";
    }
    EXPECT_EQ(labels, step.tree);
    HTREEITEM select = tree_.GetItemToSelect();
    EXPECT_EQ(select ? tree_.GetItemText(select) : CString(), CString(step.select));
    const TiXmlElement* color = tree_.GetObjectData(axis)->pNode->FirstChildElement("AttributeTable")
                                    ->FirstChildElement("Attribute");
    EXPECT_EQ(std::string(color->Attribute("AttrValue")) + "/" + color->Attribute("ThemeHandle") + "/" +
                  color->Attribute("ColHandle"),
              step.color);
  }
  // What went: the removed object's element is empty, the custom group's element too.
  EXPECT_EQ(tree_.GetItemToDelete(), nullptr) << "the item to delete went with its group";
  EXPECT_EQ(tree_.GetObjectData(Named("Grid"))->pNode->FirstChild(), nullptr);
  EXPECT_STREQ(tree_.GetObjectData(Named("Grid"))->pNode->Attribute("Handle"), "70");
  EXPECT_EQ(Count(Saved(), "<Object"), ControlWalk(tree_.m_hWnd).size() + 1) << "one per item, and the list";
}

}  // namespace
