#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/win/tree_window_fixture.h"
#include "tree/tree_ctrl_xml.h"

namespace {

const char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\n";

// A layer with two axes and a plot, a list heading, and a second layer.
const char kSample[] =
    "<Object Type='Graph' Object_Name='Layer1' Handle='1'>"
    " <AttributeTable><Attribute ID='10' Name='SGA_WIDTH' Label='Width' DataType='int' AttrValue='5000'/>"
    " </AttributeTable>"
    " <Object Type='Axis' Object_Name='X Axis' Handle='2'>"
    "  <AttributeTable>"
    "   <Attribute ID='20' Name='SAA_TICSIZE' Label='Tick Size' DataType='int' AttrValue='50' AttrDescription='3'/>"
    "   <Attribute ID='21' Name='SAA_COLOR' Label='Color' DataType='int' AttrValue='0' ColHandle='-2'/>"
    "  </AttributeTable>"
    " </Object>"
    " <Object Type='Axis' Object_Name='Y Axis' Handle='3'/>"
    " <Object Type='Plot' Group='Lines' Handle='4'>"
    "  <Object List='Styles'/>"
    " </Object>"
    "</Object>"
    "<Object Type='Graph' Object_Name='Layer2' Handle='5'/>";

std::string Unchanged() {
  return std::string(kDeclaration) +
         "<XML>\n"
         "    <ObjectList>\n"
         "        <Object Type=\"Graph\" Object_Name=\"Layer1\" Handle=\"1\">\n"
         "            <Object Type=\"Axis\" Object_Name=\"X Axis\" Handle=\"2\" />\n"
         "            <Object Type=\"Axis\" Object_Name=\"Y Axis\" Handle=\"3\" />\n"
         "            <Object Group=\"Lines\" Handle=\"4\">\n"
         "                <Object List=\"Styles\" />\n"
         "            </Object>\n"
         "        </Object>\n"
         "        <Object Type=\"Graph\" Object_Name=\"Layer2\" Handle=\"5\" />\n"
         "    </ObjectList>\n"
         "</XML>\n";
}

class TreeSaveTest : public TreeWindowTest {
protected:
  Xml_ObjectData& Record(std::size_t i) { return *tree_.GetObjectData(ItemsInOrder().at(i)); }
  // The attribute with the given "ID" of the i-th item, as a row would find it.
  TiXmlElement* Attribute(std::size_t i, const char* id) {
    TiXmlElement* table = Record(i).pNode->FirstChildElement("AttributeTable");
    for (TiXmlElement* a = table ? table->FirstChildElement("Attribute") : nullptr; a;
         a = a->NextSiblingElement("Attribute")) {
      if (std::string(a->Attribute("ID")) == id) return a;
    }
    return nullptr;
  }
  std::string Save(std::size_t size = 1 << 16) {
    std::string buffer(size, 'x');
    if (!tree_.SaveXMLToString(buffer.data(), buffer.size())) return "(did not fit)";
    return buffer.c_str();
  }
};

TEST_F(TreeSaveTest, UnchangedTreeGivesItsShapeOnly) {
  ASSERT_TRUE(Load(Page(kSample)));
  EXPECT_EQ(Save(), Unchanged());
  EXPECT_EQ(Save(), Unchanged());
  // The host's form, into a buffer it sized for the whole document.
  std::string sized(1 << 16, 'x');
  ASSERT_TRUE(tree_.SaveXMLToString(sized.data()));
  EXPECT_EQ(std::string(sized.c_str()), Unchanged());
}

TEST_F(TreeSaveTest, OneChangedAttributeIsAllTheDocumentCarries) {
  ASSERT_TRUE(Load(Page(kSample)));
  // What a committing row does: new value, its change mark, the record's marks.
  TiXmlElement* tick = Attribute(1, "20");
  ASSERT_NE(tick, nullptr);
  tick->SetAttribute("AttrValue", "75");
  tick->SetAttribute("ModifiedFlag", "1");
  Record(1).bModified = 1;
  Record(1).bApplyPending = 1;
  std::string expected = Unchanged();
  const std::string axis = "        <Object Type=\"Axis\" Object_Name=\"X Axis\" Handle=\"2\" />\n";
  expected.replace(expected.find("    " + axis), axis.size() + 4,
                   "            <Object Type=\"Axis\" Object_Name=\"X Axis\" Handle=\"2\">\n"
                   "                <AttributeTable>\n"
                   "                    <Attribute ID=\"20\" Name=\"SAA_TICSIZE\" Label=\"Tick Size\" "
                   "DataType=\"int\" AttrValue=\"75\" />\n"
                   "                </AttributeTable>\n"
                   "            </Object>\n");
  EXPECT_EQ(Save(), expected);
  // The change marks stay, so the next save sends it again.
  EXPECT_EQ(Save(), expected);
  EXPECT_EQ(Record(1).bModified, 1);
  EXPECT_STREQ(tick->Attribute("ModifiedFlag"), "1");
}

TEST_F(TreeSaveTest, AStyleGoesWithOneSaveOnly) {
  ASSERT_TRUE(Load(Page(kSample)));
  Attribute(1, "21")->SetAttribute("ApplyStyleFlag", "1");
  Record(1).bApplyStyle = 1;
  const std::string styled = Save();
  EXPECT_NE(styled.find("<Attribute ID=\"21\" Name=\"SAA_COLOR\" Label=\"Color\" DataType=\"int\" AttrValue=\"0\" "
                        "ColHandle=\"-2\" />"),
            std::string::npos)
      << styled;
  EXPECT_EQ(Record(1).bApplyStyle, 0);
  EXPECT_STREQ(Attribute(1, "21")->Attribute("ApplyStyleFlag"), "1");
  EXPECT_EQ(Save(), Unchanged());
}

TEST_F(TreeSaveTest, ADocumentThatDoesNotFitWritesNothingAndKeepsTheMarks) {
  ASSERT_TRUE(Load(Page(kSample)));
  Attribute(1, "21")->SetAttribute("ApplyStyleFlag", "1");
  Record(1).bApplyStyle = 1;
  std::string full(1 << 16, '\0');
  ASSERT_TRUE(tree_.SaveXMLToString(full.data(), full.size()));
  const std::size_t length = std::string(full.c_str()).size();
  Record(1).bApplyStyle = 1;

  // Exactly too small: nothing written, not even past the end, and the style kept.
  std::string buffer(length + 8, '#');
  EXPECT_FALSE(tree_.SaveXMLToString(buffer.data(), length));
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(buffer.substr(length), std::string(8, '#'));
  EXPECT_EQ(Record(1).bApplyStyle, 1);
  EXPECT_FALSE(tree_.SaveXMLToString(buffer.data(), 0));
  EXPECT_FALSE(tree_.SaveXMLToString(nullptr, 100));

  // Just large enough for the text and its terminator.
  ASSERT_TRUE(tree_.SaveXMLToString(buffer.data(), length + 1));
  EXPECT_EQ(std::string(buffer.c_str()), full.c_str());
  EXPECT_EQ(buffer.substr(length + 1), std::string(7, '#'));
  EXPECT_EQ(Record(1).bApplyStyle, 0);
}

TEST_F(TreeSaveTest, TheDocumentNestsAsTheTreeDoes) {
  // Level 2 straight back to the top, long descents and climbs, wide levels.
  std::vector<int> levels = {0, 1, 2, 0, 1, 1, 2, 3, 4, 0, 0, 1, 2, 3, 1};
  for (int i = 0; i < 300; ++i) levels.push_back(i % 7 == 0 ? 0 : std::min(levels.back() + 1, (i * 13) % 5));
  ASSERT_TRUE(Load(NestedPage(levels)));
  TiXmlDocument saved;
  std::string text = Save(1 << 20);
  saved.Parse(text.c_str());
  ASSERT_FALSE(saved.Error()) << text;
  // Back into levels, in document order.
  std::vector<int> found;
  struct Walk {
    static void Objects(const TiXmlElement* parent, int level, std::vector<int>& out) {
      for (const TiXmlElement* o = parent->FirstChildElement("Object"); o; o = o->NextSiblingElement("Object")) {
        EXPECT_EQ(std::string(o->Attribute("Object_Name")), "o" + std::to_string(out.size()));
        out.push_back(level);
        Objects(o, level + 1, out);
      }
    }
  };
  Walk::Objects(saved.FirstChildElement("XML")->FirstChildElement("ObjectList"), 0, found);
  EXPECT_EQ(found, levels);
}

TEST_F(TreeSaveTest, TheWalkStopsAtAnItemWithoutRecord) {
  ASSERT_TRUE(Load(Page(kSample)));
  HTREEITEM plot = ItemsInOrder().at(3);
  delete tree_.GetObjectData(plot);
  tree_.SetItemData(plot, 0);
  const std::string text = Save();
  EXPECT_NE(text.find("Y Axis"), std::string::npos);
  EXPECT_EQ(text.find("Lines"), std::string::npos);
  EXPECT_EQ(text.find("Layer2"), std::string::npos);

  CTreeCtrlXML empty;  // no window: no items
  std::string buffer(256, '\0');
  ASSERT_TRUE(empty.SaveXMLToString(buffer.data(), buffer.size()));
  EXPECT_STREQ(buffer.c_str(), (std::string(kDeclaration) + "<XML>\n    <ObjectList />\n</XML>\n").c_str());
}

std::string ReadBinary(const std::string& path) {
  std::string text;
  if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) text.append(chunk, n);
    std::fclose(file);
  }
  return text;
}

TEST_F(TreeSaveTest, TheFileHoldsTheSameTextWithTheSystemsLineEnds) {
  ASSERT_TRUE(Load(Page(kSample)));
  char folder[MAX_PATH];
  ASSERT_GT(GetTempPathA(MAX_PATH, folder), 0u);
  const std::string path = std::string(folder) + "npb_tree_save_test.xml";
  ASSERT_TRUE(tree_.SaveXMLToFile(path.c_str()));
  std::string expected;
  for (char c : Unchanged()) expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(ReadBinary(path), expected);
  std::remove(path.c_str());

  const std::string missing = std::string(folder) + "npb_no_such_folder\\out.xml";
  EXPECT_FALSE(tree_.SaveXMLToFile(missing.c_str()));
  EXPECT_EQ(GetFileAttributesA(missing.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(tree_.SaveXMLToFile("Z:\\dev\\full")) << "opened, but every write fails";
  EXPECT_FALSE(tree_.SaveXMLToFile(""));
  EXPECT_FALSE(tree_.SaveXMLToFile(nullptr));
}

}  // namespace
