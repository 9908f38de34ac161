#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tree/tree_ctrl_xml.h"

namespace {

std::string Page(const std::string& objects) {
  return "<?xml version=\"1.0\" ?>\n<XML>\n<ObjectList>\n" + objects + "</ObjectList>\n</XML>\n";
}

// A page whose objects are nested as `levels` says, in document order: object i is named
// "o<i>" and sits at depth levels[i] (each level at most one below the one before).
std::string NestedPage(const std::vector<int>& levels) {
  std::string text;
  int open = 0;
  for (std::size_t i = 0; i < levels.size(); ++i) {
    for (; open > levels[i]; --open) text += "</Object>";
    text += "<Object Object_Name=\"o" + std::to_string(i) + "\">";
    ++open;
  }
  for (; open > 0; --open) text += "</Object>";
  return Page(text);
}

// A tree view in a hidden top-level window.
class TreeCtrlXmlTest : public testing::Test {
protected:
  void SetUp() override {
    HWND frame = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 400, nullptr, nullptr, nullptr, nullptr);
    parent_.Attach(frame);
    ASSERT_TRUE(tree_.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT, CRect(0, 0, 300, 400),
                             &parent_, 1001));
  }
  void TearDown() override {
    tree_.FreeItemData();
    tree_.DestroyWindow();
    DestroyWindow(parent_.Detach());
  }
  bool Load(std::string text, unsigned handle = 0, const char* name = nullptr) {
    return tree_.LoadXMLFromString(text.data(), handle, name);
  }
  std::vector<HTREEITEM> ItemsInOrder() {
    std::vector<HTREEITEM> items;
    for (HTREEITEM item = tree_.GetRootItem(); item; item = tree_.GetNextItem(item)) items.push_back(item);
    return items;
  }

  CWnd parent_;
  CTreeCtrlXML tree_;
};

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

TEST_F(TreeCtrlXmlTest, NavigationFollowsTheDocumentOnDeepAndWideTrees) {
  std::vector<int> deep;
  for (int i = 0; i < 3000; ++i) deep.push_back(i);
  for (int level : {1500, 2, 0, 1}) deep.push_back(level);
  std::vector<int> wide;
  for (int i = 0; i < 3000; ++i) wide.push_back(i % 3 == 2 ? 1 : 0);
  std::vector<int> zigzag = {0, 1, 2, 3, 1, 2, 0, 1, 1, 0, 0, 1, 2};

  for (const std::vector<int>* levels : {&deep, &wide, &zigzag}) {
    tree_.FreeItemData();
    tree_.DeleteAllItems();
    ASSERT_TRUE(Load(NestedPage(*levels)));
    std::vector<HTREEITEM> items = ItemsInOrder();
    ASSERT_EQ(items.size(), levels->size());
    const int n = static_cast<int>(items.size());
    // The climb of GetIndentLevel and GetNextSibItem costs the depth; sample long trees.
    const int step = n > 100 ? 37 : 1;
    for (int i = 0; i < n; ++i) {
      ASSERT_STREQ(tree_.GetItemText(items[i]), ("o" + std::to_string(i)).c_str());
      if (i % step != 0 && i < n - 6) continue;
      EXPECT_EQ(tree_.GetIndentLevel(items[i]), (*levels)[i]) << i;
      int after = i + 1;
      while (after < n && (*levels)[after] > (*levels)[i]) ++after;
      bool hasChildren = i + 1 < n && (*levels)[i + 1] > (*levels)[i];
      HTREEITEM expected = hasChildren && after < n ? items[after] : nullptr;
      EXPECT_EQ(tree_.GetNextSibItem(items[i]), expected) << i;
    }
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

}  // namespace
