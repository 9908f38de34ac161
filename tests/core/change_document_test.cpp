#include "tree/change_document.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <tinyxml.h>

#include "tree/object_data.h"
#include "tree/xml_document.h"

namespace {

// A page and one record per "Object", in tree order with its level, as the tree holds
// them; the text gives the marks the attributes have at the time of the save.
class LoadedPage {
public:
  explicit LoadedPage(const std::string& objects) {
    EXPECT_TRUE(npb::ReadXmlText(m_doc, "<XML><ObjectList>" + objects + "</ObjectList></XML>"));
    TiXmlElement* root = npb::FindXmlRoot(m_doc);
    if (root) Collect(root->FirstChildElement("ObjectList"), 0);
  }

  Xml_ObjectData& Record(std::size_t i) { return m_records[i]; }
  std::size_t Size() const { return m_records.size(); }
  TiXmlElement* Element(std::size_t i) { return m_records[i].pNode; }

  // The change document's "ObjectList" as one line of text.
  std::string Save() {
    TiXmlDocument doc;
    npb::ChangeDocumentWriter writer(*npb::StartChangeDocument(doc));
    for (std::size_t i = 0; i < m_records.size(); ++i) {
      if (!writer.Add(m_levels[i], &m_records[i])) break;
    }
    return Line(*writer.ObjectList());
  }

  static std::string Line(const TiXmlNode& node) {
    TiXmlPrinter printer;
    printer.SetStreamPrinting();
    node.Accept(&printer);
    return printer.Str();
  }

private:
  void Collect(TiXmlElement* parent, int level) {
    for (TiXmlElement* object = parent ? parent->FirstChildElement("Object") : nullptr; object;
         object = object->NextSiblingElement("Object")) {
      m_records.push_back(npb::MakeObjectData(object));
      m_levels.push_back(level);
      Collect(object, level + 1);
    }
  }

  TiXmlDocument m_doc;
  std::vector<Xml_ObjectData> m_records;
  std::vector<int> m_levels;
};

TEST(ChangeDocumentTest, ObjectsNameThemselvesByTheFirstRuleThatFits) {
  const struct {
    const char* loaded;
    const char* written;
  } cases[] = {
      {"List='Fills' Group='g' Type='Plot' Object_Name='n' Handle='5'", "<Object List=\"Fills\" />"},
      {"Group='Lines' Handle='7'", "<Object Group=\"Lines\" Handle=\"7\" />"},
      {"Type='Plot' Group='Lines' Object_Name='n' Handle='6'", "<Object Group=\"Lines\" Handle=\"6\" />"},
      {"Group='Lines'", "<Object Group=\"Lines\" />"},
      {"Type='Axis'", "<Object Type=\"Axis\" Object_Name=\"\" Handle=\"\" />"},
      {"Type='Axis' Object_Name='' Handle='4'", "<Object Type=\"Axis\" Object_Name=\"\" Handle=\"4\" />"},
      {"Object_Name='Layer1' Type='Graph' Handle='3'", "<Object Type=\"Graph\" Object_Name=\"Layer1\" Handle=\"3\" />"},
      {"Object_Name='Title'", "<Object Type=\"\" Object_Name=\"Title\" Handle=\"\" />"},
      // Only objects with a type or a group keep their handle in the record.
      {"Object_Name='Title' Handle='9'", "<Object Type=\"\" Object_Name=\"Title\" Handle=\"\" />"},
      {"Handle='9'", "<Object />"},
      {"", "<Object />"},
      {"Type='' Object_Name='' Group='' List='' FlagValue='3' CHECK_STATUS='1'", "<Object />"},
  };
  for (const auto& c : cases) {
    LoadedPage page(std::string("<Object ") + c.loaded + "/>");
    EXPECT_EQ(page.Save(), std::string("<ObjectList>") + c.written + "</ObjectList>") << c.loaded;
  }
}

// The nesting of the written objects, each as its "Object_Name", children in brackets.
std::string Shape(const TiXmlElement& parent) {
  std::string text;
  for (const TiXmlElement* object = parent.FirstChildElement("Object"); object;
       object = object->NextSiblingElement("Object")) {
    if (!text.empty()) text += ' ';
    const char* name = object->Attribute("Object_Name");
    text += name ? name : "-";
    const std::string inner = Shape(*object);
    if (!inner.empty()) text += "(" + inner + ")";
  }
  return text;
}

TEST(ChangeDocumentTest, ObjectsNestByTheirLevels) {
  const struct {
    std::vector<int> levels;
    const char* shape;
  } cases[] = {
      {{}, ""},
      {{0, 0, 0}, "a b c"},
      {{0, 1, 2, 0}, "a(b(c)) d"},
      {{0, 1, 1, 2, 1, 0, 1}, "a(b c(d) e) f(g)"},
      {{0, 1, 2, 3, 1, 2}, "a(b(c(d)) e(f))"},
      // Deeper than one step: empty objects fill the levels in between.
      {{0, 2, 0}, "a(-(b)) c"},
      {{1, 0}, "-(a) b"},
      {{0, -3, 0}, "a b c"},
  };
  for (const auto& c : cases) {
    TiXmlDocument doc;
    npb::ChangeDocumentWriter writer(*npb::StartChangeDocument(doc));
    std::vector<Xml_ObjectData> records(c.levels.size());
    TiXmlElement loaded("Object");
    for (std::size_t i = 0; i < records.size(); ++i) {
      records[i].strObjectName = std::string(1, static_cast<char>('a' + i));
      records[i].pNode = &loaded;
      ASSERT_TRUE(writer.Add(c.levels[i], &records[i]));
    }
    EXPECT_EQ(Shape(*writer.ObjectList()), c.shape) << testing::PrintToString(c.levels);
  }
}

constexpr const char* kMarked = "Type='Axis' Object_Name='X' Handle='3'";

TEST(ChangeDocumentTest, MarkedObjectsCarryTheAttributesThatAreToChange) {
  const struct {
    const char* name;
    int modified;
    int style;
    const char* attributes;  // the loaded object's "Attribute" elements
    const char* table;       // its written "AttributeTable", "" for none
  } cases[] = {
      {"unmarked", 0, 0, "<Attribute ID='1' Name='SAA_A' ModifiedFlag='1' ApplyStyleFlag='1'/>", ""},
      {"changed", 1, 0,
       "<Attribute ID='1' Name='SAA_A' Label='A' DataType='int' AttrValue='5' ModifiedFlag='1'/>"
       "<Attribute ID='2' Name='SAA_B' AttrValue='6' ModifiedFlag=''/>"
       "<Attribute ID='3' Name='SAA_C' AttrValue='7' ModifiedFlag='0'/>",
       "<AttributeTable><Attribute ID=\"1\" Name=\"SAA_A\" Label=\"A\" DataType=\"int\" AttrValue=\"5\" />"
       "<Attribute ID=\"3\" Name=\"SAA_C\" Label=\"\" DataType=\"\" AttrValue=\"7\" /></AttributeTable>"},
      {"changed, nothing marked", 1, 0, "<Attribute ID='1' AttrValue='5'/>", "<AttributeTable />"},
      {"handles only when set, never the working attributes", 1, 0,
       "<Attribute ColHandle='-2' AttrDescription='12' Option='x' ThemeHandle='' ID='4' ModifiedFlag='1' "
       "ApplyStyleFlag='0' AttrValue='255' Name='SLA_COLOR' Label='Color' DataType='int'/>"
       "<Attribute ID='5' ThemeHandle='8' ModifiedFlag='1'/>",
       "<AttributeTable><Attribute ID=\"4\" Name=\"SLA_COLOR\" Label=\"Color\" DataType=\"int\" AttrValue=\"255\" "
       "ColHandle=\"-2\" /><Attribute ID=\"5\" Name=\"\" Label=\"\" DataType=\"\" AttrValue=\"\" ThemeHandle=\"8\" />"
       "</AttributeTable>"},
      {"symbol settings before the changed attribute", 1, 0,
       "<Attribute ID='9' Name='SSA_SHAPE' AttrValue='2' FlagValue='17' Orientation='90' SymbolStr='A&amp;B' "
       "ModifiedFlag='1'/>",
       "<AttributeTable><Attribute ID=\"1799\" Name=\"SSA_OPTIONS\" Label=\"Options\" DataType=\"bool\" "
       "AttrValue=\"17\" /><Attribute ID=\"1810\" Name=\"SSA_ORIENTATION\" Label=\"Orientation\" "
       "DataType=\"Integer\" AttrValue=\"90\" /><Attribute ID=\"1803\" Name=\"SSA_STRING\" Label=\"Symbol Text\" "
       "DataType=\"PTR String\" AttrValue=\"A&amp;B\" /><Attribute ID=\"9\" Name=\"SSA_SHAPE\" Label=\"\" "
       "DataType=\"\" AttrValue=\"2\" /></AttributeTable>"},
      {"symbol settings without a change mark", 1, 0, "<Attribute ID='9' Orientation='45' FlagValue=''/>",
       "<AttributeTable><Attribute ID=\"1810\" Name=\"SSA_ORIENTATION\" Label=\"Orientation\" "
       "DataType=\"Integer\" AttrValue=\"45\" /></AttributeTable>"},
      {"restyled", 0, 1,
       "<Attribute ID='1' ApplyStyleFlag='1'/><Attribute ID='2' ApplyStyleFlag='0' ModifiedFlag='1' FlagValue='3'/>"
       "<Attribute ID='3' ApplyStyleFlag='1x'/><Attribute ID='4' ApplyStyleFlag='2'/>"
       "<Attribute ID='5' ApplyStyleFlag=''/>",
       "<AttributeTable><Attribute ID=\"1\" Name=\"\" Label=\"\" DataType=\"\" AttrValue=\"\" />"
       "<Attribute ID=\"3\" Name=\"\" Label=\"\" DataType=\"\" AttrValue=\"\" /></AttributeTable>"},
      {"changed and restyled: each attribute once", 1, 1,
       "<Attribute ID='1' ModifiedFlag='1' ApplyStyleFlag='1'/><Attribute ID='2' ApplyStyleFlag='1'/>"
       "<Attribute ID='3'/>",
       "<AttributeTable><Attribute ID=\"1\" Name=\"\" Label=\"\" DataType=\"\" AttrValue=\"\" />"
       "<Attribute ID=\"2\" Name=\"\" Label=\"\" DataType=\"\" AttrValue=\"\" /></AttributeTable>"},
  };
  for (const auto& c : cases) {
    LoadedPage page(std::string("<Object ") + kMarked + "><AttributeTable>" + c.attributes +
                    "</AttributeTable></Object>");
    ASSERT_EQ(page.Size(), 1u);
    page.Record(0).bModified = c.modified;
    page.Record(0).bApplyStyle = c.style;
    EXPECT_EQ(page.Save(), std::string("<ObjectList><Object Type=\"Axis\" Object_Name=\"X\" Handle=\"3\"") +
                               (*c.table ? std::string(">") + c.table + "</Object>" : std::string(" />")) +
                               "</ObjectList>")
        << c.name;
  }
}

TEST(ChangeDocumentTest, TheTableComesBeforeTheChildObjects) {
  // In the loaded text the table follows the child; the written one leads.
  LoadedPage page(
      "<Object Type='Graph' Object_Name='L' Handle='1'>"
      "<Object Type='Axis' Object_Name='X' Handle='2'/>"
      "<AttributeTable><Attribute ID='7' AttrValue='4' ModifiedFlag='1'/></AttributeTable></Object>");
  ASSERT_EQ(page.Size(), 2u);
  page.Record(0).bModified = 1;
  EXPECT_EQ(page.Save(),
            "<ObjectList><Object Type=\"Graph\" Object_Name=\"L\" Handle=\"1\"><AttributeTable>"
            "<Attribute ID=\"7\" Name=\"\" Label=\"\" DataType=\"\" AttrValue=\"4\" /></AttributeTable>"
            "<Object Type=\"Axis\" Object_Name=\"X\" Handle=\"2\" /></Object></ObjectList>");
}

TEST(ChangeDocumentTest, ObjectsWithoutAHandleOrAnElementContributeNoAttributes) {
  const char* changed = "<AttributeTable><Attribute ID='1' ModifiedFlag='1' ApplyStyleFlag='1'/></AttributeTable>";
  LoadedPage page(std::string("<Object Group='Lines'>") + changed + "</Object><Object Type='Plot' Handle='5'>" +
                  changed + "</Object><Object Type='Axis' Handle='6'>" + changed + "</Object>");
  ASSERT_EQ(page.Size(), 3u);
  for (std::size_t i = 0; i < page.Size(); ++i) page.Record(i).bApplyStyle = 1;
  page.Record(1).pNode = nullptr;  // the walk stops after writing this one's place
  EXPECT_EQ(page.Save(),
            "<ObjectList><Object Group=\"Lines\"><AttributeTable /></Object>"
            "<Object Type=\"Plot\" Object_Name=\"\" Handle=\"5\"><AttributeTable /></Object></ObjectList>");
  // The first was visited to the end; the walk stopped before clearing the others.
  EXPECT_EQ(page.Record(0).bApplyStyle, 0);
  EXPECT_EQ(page.Record(1).bApplyStyle, 1);
  EXPECT_EQ(page.Record(2).bApplyStyle, 1);

  TiXmlDocument doc;
  npb::ChangeDocumentWriter writer(*npb::StartChangeDocument(doc));
  EXPECT_FALSE(writer.Add(0, nullptr));
  EXPECT_EQ(LoadedPage::Line(*writer.ObjectList()), "<ObjectList />");
}

TEST(ChangeDocumentTest, SavingClearsOnlyTheRecordsStyleMarks) {
  LoadedPage page(
      "<Object Type='Axis' Object_Name='X' Handle='3'><AttributeTable>"
      "<Attribute ID='1' AttrValue='5' ModifiedFlag='1' ApplyStyleFlag='0'/>"
      "<Attribute ID='2' AttrValue='6' ApplyStyleFlag='1'/></AttributeTable></Object>");
  ASSERT_EQ(page.Size(), 1u);
  Xml_ObjectData& record = page.Record(0);
  record.bModified = 1;
  record.bApplyStyle = 1;
  record.bApplyPending = 1;
  const std::string first = page.Save();
  EXPECT_NE(first.find("ID=\"2\""), std::string::npos);
  EXPECT_EQ(record.bApplyStyle, 0);
  EXPECT_EQ(record.bModified, 1);
  EXPECT_EQ(record.bApplyPending, 1);
  // The loaded document keeps every mark, so the change goes again; the style does not.
  const std::string second = page.Save();
  EXPECT_NE(second.find("ID=\"1\""), std::string::npos);
  EXPECT_EQ(second.find("ID=\"2\""), std::string::npos);
  EXPECT_EQ(page.Save(), second);
  const TiXmlElement* attribute = page.Element(0)->FirstChildElement("AttributeTable")->FirstChildElement();
  EXPECT_STREQ(attribute->Attribute("ModifiedFlag"), "1");
  EXPECT_STREQ(attribute->NextSiblingElement()->Attribute("ApplyStyleFlag"), "1");
}

}  // namespace
