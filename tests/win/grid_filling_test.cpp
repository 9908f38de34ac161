#include <gtest/gtest.h>
#include <tinyxml.h>

#include <string>
#include <typeinfo>
#include <vector>

#include "editors/check_box_property.h"
#include "editors/color_combo_property.h"
#include "editors/combo_property.h"
#include "editors/edit_property.h"
#include "editors/format_combo_property.h"
#include "editors/picture_combo_property.h"
#include "editors/slider_property.h"
#include "editors/spinner_property.h"
#include "tests/win/grid_filling_fixture.h"
#include "tree/grid_filling.h"

namespace {

using gridtest::Attr;
using gridtest::Page;

// Counts the reads of the default unit and the description numbers asked for.
int g_unitReads = 0;
std::vector<int> g_described;
int CountingUnit() {
  ++g_unitReads;
  return 3;
}
std::string CountingDescription(int number) {
  g_described.push_back(number);
  return "text " + std::to_string(number);
}

class GridFillingTest : public gridtest::GridWithTree {
protected:
  void SetUp() override {
    GridWithTree::SetUp();
    g_unitReads = 0;
    g_described.clear();
    m_oldSources = npb::SetGridFillingSources({CountingUnit, CountingDescription});
  }
  void TearDown() override {
    npb::SetGridFillingSources(m_oldSources);
    GridWithTree::TearDown();
  }

  // The one object of a page with these attributes, shown in the grid; its group row.
  CPropertyGridProperty* ShowObject(const std::string& attributes,
                                    const std::string& object = "Type=\"Axis\" Object_Name=\"X Axis\" Handle=\"7\"") {
    const std::string table = attributes.empty() ? "" : "<AttributeTable>\n" + attributes + "</AttributeTable>\n";
    EXPECT_TRUE(Load(Page("<Object " + object + ">\n" + table + "</Object>\n")));
    return Show(m_tree.GetRootItem());
  }

  TiXmlElement* Element() { return m_tree.GetObjectData(m_tree.GetRootItem())->pNode; }
  TiXmlElement* AttributeNamed(const char* name) {
    for (TiXmlElement* a = CPropertyGridProperty::GetAttributeElement(Element()); a;
         a = a->NextSiblingElement("Attribute")) {
      if (std::string(a->Attribute("Name")) == name) return a;
    }
    return nullptr;
  }

  npb::GridFillingSources m_oldSources{};
};

template <typename Row>
bool Is(const CPropertyGridProperty* row) {
  return dynamic_cast<const Row*>(row) != nullptr;
}

TEST_F(GridFillingTest, EachAttributeGetsTheRowOfItsNumbersRangeInDocumentOrder) {
  struct Case {
    const char* name;
    const char* value;
    bool (*isKind)(const CPropertyGridProperty*);
    DWORD_PTR data;
    const char* shown;  // FormatProperty of the built row
  } cases[] = {
      {"SEA_COLOR", "255", Is<CColorComboPropertyGridProperty>, 2001, "255"},
      {"SDA_COLOREX", "16", Is<CColorComboPropertyGridProperty>, 2012, "16"},
      {"SSA_SHAPE", "4", Is<CPictureComboPropertyGridProperty>, 3005, "4"},
      {"SEA_THICKNESS", "12abc", Is<CSliderPropertyGridProperty>, 4001, "12"},
      {"SAA_FROMVAL_TERNARY_XRANGE", "0.35", Is<CSliderPropertyGridProperty>, 4048, "0.350000"},
      {"SGA_FLAG_AUTOLEGENDBOX", "1", Is<CCheckBoxPropertyGridProperty>, 5001, "1"},
      {"SGA_NAME", "Graph 1", Is<CEditPropertyGridProperty>, 6001, "Graph 1"},
      {"SLA_SAMPLETOP", "3", Is<CComboPropertyGridProperty>, 7001, "3"},
      {"STA_FONT", "Arial", Is<CFormatComboBoxExProp>, 8001, "Arial"},
      {"SPA_WIDTH", "8500", Is<CSpinnerPropertyGridProperty>, 9001, "8500"},
      {"SEA_COLOR", "not a number", Is<CColorComboPropertyGridProperty>, 2001, "0"},
  };
  std::string attributes;
  for (const Case& c : cases) attributes += Attr(c.name, c.value);
  // Names the table does not know, and those that make no row, in between.
  attributes.insert(0, Attr("SSA_STRING", "A"));
  attributes += Attr("NOT_A_NAME", "77") + Attr("SLA_TYPE", "2");

  CPropertyGridProperty* group = ShowObject(attributes);
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(m_grid.GetPropertyCount(), 1);
  ASSERT_EQ(group->GetSubItemsCount(), static_cast<int>(std::size(cases)) + 1);
  for (size_t i = 0; i < std::size(cases); ++i) {
    const CPropertyGridProperty* row = group->GetSubItem(static_cast<int>(i));
    EXPECT_TRUE(cases[i].isKind(row)) << cases[i].name << ": " << typeid(*row).name();
    EXPECT_EQ(row->GetData(), cases[i].data) << cases[i].name;
    EXPECT_STREQ(row->GetName(), ("L " + std::string(cases[i].name)).c_str());
    EXPECT_STREQ(const_cast<CPropertyGridProperty*>(row)->FormatProperty(), cases[i].shown) << cases[i].name;
    EXPECT_EQ(row->GetXmlNode(), Element()) << cases[i].name;
  }
  // The unknown name: a plain row under its name, an empty text, data 0.
  CPropertyGridProperty* plain = group->GetSubItem(static_cast<int>(std::size(cases)));
  EXPECT_EQ(typeid(*plain), typeid(CPropertyGridProperty));
  EXPECT_STREQ(plain->GetName(), "NOT_A_NAME");
  EXPECT_STREQ(plain->FormatProperty(), "");
  EXPECT_EQ(plain->GetData(), 0u);
  EXPECT_EQ(m_tree.GetObjectData(m_tree.GetRootItem())->nAttributes, static_cast<int>(std::size(cases)) + 3);
}

TEST_F(GridFillingTest, EditorRowsKeepTheirAttributeHandleNameAndUnit) {
  CPropertyGridProperty* group = ShowObject(Attr("SEA_THICKNESS", "20") + Attr("SPA_WIDTH", "8500") +
                                            Attr("SGA_NAME", "g") + Attr("SSA_SIZE", "30"));
  ASSERT_EQ(group->GetSubItemsCount(), 4);
  const char* names[] = {"SEA_THICKNESS", "SPA_WIDTH", "SGA_NAME", "SSA_SIZE"};
  for (int i = 0; i < 4; ++i) {
    auto* row = dynamic_cast<CEditorProperty*>(group->GetSubItem(i));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->GetAttrNode(), AttributeNamed(names[i]));
    EXPECT_STREQ(row->GetAttrName(), names[i]);
    EXPECT_STREQ(row->GetHandle(), "7");
  }
  EXPECT_EQ(dynamic_cast<CSliderPropertyGridProperty*>(group->GetSubItem(0))->GetMeasurementUnit(), 3);
  EXPECT_EQ(dynamic_cast<CSpinnerPropertyGridProperty*>(group->GetSubItem(1))->GetMeasurementUnit(), 3);
  EXPECT_EQ(g_unitReads, 1) << "read once per build, not per measuring row";
}

TEST_F(GridFillingTest, GroupRowIsNamedForTheItemAndWritesTheObjectState) {
  CPropertyGridProperty* group = ShowObject(Attr("SGA_NAME", "g"));
  ASSERT_NE(group, nullptr);
  EXPECT_TRUE(group->IsGroup());
  EXPECT_STREQ(group->GetName(), "X Axis Properties");
  EXPECT_EQ(group->GetData(), 0u);
  EXPECT_EQ(group->GetXmlNode(), Element());
  const struct {
    const char* name;
    const char* value;
  } state[] = {{"SEA_COLOR", "0"}, {"AH LENGTH FIRST TIME", "1"}, {"CHECK STATUS", "0"}, {"SSA_SIZE_ENABLE", "1"}};
  for (const auto& s : state) {
    ASSERT_NE(Element()->Attribute(s.name), nullptr) << s.name;
    EXPECT_STREQ(Element()->Attribute(s.name), s.value) << s.name;
  }
  EXPECT_EQ(m_grid.GetDescriptionRows(), 2);
}

TEST_F(GridFillingTest, ObjectWithoutAttributesShowsOneBlankReadOnlyRow) {
  for (const char* attributes : {"", "<AttributeTable></AttributeTable>"}) {
    const std::string object = std::string("<Object Type=\"Axis\" Handle=\"7\">") + attributes + "</Object>";
    ASSERT_TRUE(Load(Page(object)));
    CPropertyGridProperty* group = Show(m_tree.GetRootItem());
    ASSERT_NE(group, nullptr) << attributes;
    ASSERT_EQ(group->GetSubItemsCount(), 1);
    EXPECT_EQ(group->GetSubItem(0)->GetData(), 9014u);
    EXPECT_STREQ(group->GetSubItem(0)->GetName(), "");
    EXPECT_FALSE(group->GetSubItem(0)->IsAllowEdit());
    EXPECT_EQ(m_tree.GetObjectData(m_tree.GetRootItem())->nAttributes, 0);
    m_tree.FreeItemData();
    m_tree.DeleteAllItems();
  }
  EXPECT_EQ(g_unitReads, 0);
}

TEST_F(GridFillingTest, DescriptionsAreAskedByNumberOnlyForAttributesThatHaveOne) {
  CPropertyGridProperty* group = ShowObject(Attr("SGA_NAME", "a", "AttrDescription=\"12\"") + Attr("SGA_NAME", "b") +
                                            Attr("SEA_COLOR", "1", "AttrDescription=\"0x5\"") +
                                            Attr("NOT_A_NAME", "1", "AttrDescription=\"9\""));
  ASSERT_EQ(group->GetSubItemsCount(), 4);
  EXPECT_EQ(g_described, (std::vector<int>{12, 0, 9}));
  EXPECT_STREQ(group->GetSubItem(0)->GetDescription(), "text 12");
  EXPECT_STREQ(group->GetSubItem(1)->GetDescription(), "");
  EXPECT_STREQ(group->GetSubItem(2)->GetDescription(), "text 0");
  EXPECT_STREQ(group->GetSubItem(3)->GetDescription(), "") << "a plain row has no description";
}

TEST_F(GridFillingTest, RowlessSymbolAttributesAreKeptOnTheObject) {
  CPropertyGridProperty* group = ShowObject(Attr("SSA_OPTIONS", "12x") + Attr("SSA_ORIENTATION", "-3") +
                                            Attr("SSA_STRING", "Ab c") + Attr("SLA_SUBTYPE", "5"));
  ASSERT_EQ(group->GetSubItemsCount(), 0);
  EXPECT_STREQ(Element()->Attribute("FlagValue"), "12");
  EXPECT_STREQ(Element()->Attribute("Orientation"), "-3");
  EXPECT_STREQ(Element()->Attribute("SymbolStr"), "Ab c");
  EXPECT_EQ(Element()->Attribute("SLA_SUBTYPE"), nullptr);
}

TEST_F(GridFillingTest, BuildingClearsModifiedFlagOfEditorRowsOnly) {
  const std::string flag = "ModifiedFlag=\"1\"";
  ShowObject(Attr("SGA_NAME", "a", flag) + Attr("NOT_A_NAME", "1", flag) + Attr("SSA_STRING", "s", flag) +
             Attr("SEA_COLOR", "3", flag));
  EXPECT_STREQ(AttributeNamed("SGA_NAME")->Attribute("ModifiedFlag"), "");
  EXPECT_STREQ(AttributeNamed("SEA_COLOR")->Attribute("ModifiedFlag"), "");
  EXPECT_STREQ(AttributeNamed("NOT_A_NAME")->Attribute("ModifiedFlag"), "1");
  EXPECT_STREQ(AttributeNamed("SSA_STRING")->Attribute("ModifiedFlag"), "1");
}

TEST_F(GridFillingTest, ColourAndPictureRowsGetTheSourceOfTheirHandles) {
  struct Case {
    const char* name;
    const char* more;
    const char* shown;
    int source;  // colour: dwSource; picture: bHasSource * 10 + bFromColumn
    int index;
  } cases[] = {
      {"SEA_COLOR", "ThemeHandle=\"5\" ColHandle=\"-2\"", "5", 0x10000000, 5},
      {"SEA_COLOR", "ThemeHandle=\"4\" ColHandle=\"3\"", "3", 0x20000001, 3},
      {"SEA_COLOR", "ThemeHandle=\"4\" ColHandle=\"-1\"", "99", 0, 0},
      {"SEA_COLOR", "ThemeHandle=\"junk\" ColHandle=\"??\"", "99", 0, 0},
      {"SSA_SHAPE", "ThemeHandle=\"1\" ColHandle=\"3\"", "5", 11, 5},
      {"SSA_SHAPE", "ThemeHandle=\"\" ColHandle=\"x\"", "0", 11, 0},
      {"SSA_SHAPE", "", "99", 0, 0},
  };
  std::string attributes;
  for (const Case& c : cases) attributes += Attr(c.name, "99", c.more);
  CPropertyGridProperty* group = ShowObject(attributes);
  ASSERT_EQ(group->GetSubItemsCount(), static_cast<int>(std::size(cases)));
  for (size_t i = 0; i < std::size(cases); ++i) {
    CPropertyGridProperty* row = group->GetSubItem(static_cast<int>(i));
    EXPECT_STREQ(row->FormatProperty(), cases[i].shown) << i;
    if (auto* colour = dynamic_cast<CColorComboPropertyGridProperty*>(row)) {
      EXPECT_EQ(colour->GetSourceInfo().dwSource, static_cast<std::uint32_t>(cases[i].source)) << i;
      EXPECT_EQ(colour->GetSourceInfo().nIndex, cases[i].index) << i;
      EXPECT_EQ(colour->GetSourceInfo().nValue, 99) << i;
    } else {
      auto* picture = dynamic_cast<CPictureComboPropertyGridProperty*>(row);
      ASSERT_NE(picture, nullptr);
      EXPECT_EQ(picture->GetSourceInfo().bHasSource * 10 + picture->GetSourceInfo().bFromColumn, cases[i].source) << i;
      EXPECT_EQ(picture->GetSourceInfo().nIndex, cases[i].index) << i;
      EXPECT_EQ(picture->GetAttrIntValue(), 99) << i;
    }
  }
}

TEST_F(GridFillingTest, NullItemLeavesTheGridAndAnItemWithoutRecordEmptiesIt) {
  ShowObject(Attr("SGA_NAME", "a"));
  ASSERT_EQ(m_grid.GetPropertyCount(), 1);
  m_tree.UpdatePropGridCtrl(nullptr);
  EXPECT_EQ(m_grid.GetPropertyCount(), 1);
  npb::FillGridFromTreeItem(m_tree, nullptr);
  EXPECT_EQ(m_grid.GetPropertyCount(), 1);

  m_tree.FreeItemData();
  m_tree.UpdatePropGridCtrl(m_tree.GetRootItem());
  EXPECT_EQ(m_grid.GetPropertyCount(), 0);
}

// Every object of the sample page: one row per attribute that makes one, none lost.
TEST_F(GridFillingTest, SamplePageObjectsShowEveryAttributeThatMakesARow) {
  ASSERT_TRUE(m_tree.LoadXMLFromFile("Z:" NPB_SOURCE_DIR "/host/sample_page.xml", 0, nullptr));
  int objects = 0;
  for (HTREEITEM item : Items()) {
    Xml_ObjectData* data = m_tree.GetObjectData(item);
    int expected = 0, total = 0;
    for (TiXmlElement* a = CPropertyGridProperty::GetAttributeElement(data->pNode); a;
         a = a->NextSiblingElement("Attribute"), ++total) {
      if (npb::LookupStringValue(a->Attribute("Name")) != npb::kStringValueNoRow) ++expected;
    }
    npb::FillGridFromTreeItem(m_tree, item);
    CPropertyGridProperty* group = m_grid.GetProperty(0);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->GetSubItemsCount(), total ? expected : 1) << m_tree.GetItemText(item).GetString();
    EXPECT_EQ(data->nAttributes, total);
    ++objects;
  }
  EXPECT_GT(objects, 10);
}

}  // namespace
