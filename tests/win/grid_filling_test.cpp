#include <gtest/gtest.h>
#include <tinyxml.h>

#include <string>
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
  // Shows an axis with these attributes; its group row.
  CPropertyGridProperty* ShowAxis(const std::string& attributes) {
    EXPECT_TRUE(Reload(gridtest::Page("<Object Type=\"Axis\" Object_Name=\"X Axis\" Handle=\"7\"><AttributeTable>" +
                                      attributes + "</AttributeTable></Object>")));
    return Show(m_tree.GetRootItem());
  }
  TiXmlElement* Object() { return m_tree.GetObjectData(m_tree.GetRootItem())->pNode; }
  const char* FlagOf(int index) {
    TiXmlElement* a = CPropertyGridProperty::GetAttributeElement(Object());
    for (int i = 0; i < index; ++i) a = a->NextSiblingElement("Attribute");
    return a->Attribute("ModifiedFlag");
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
    const char* shown;
  } cases[] = {
      {"SEA_COLOR", "255", Is<CColorComboPropertyGridProperty>, 2001, "Red"},
      {"SSA_SHAPE", "4", Is<CPictureComboPropertyGridProperty>, 3005, "Triangle up"},
      {"SEA_THICKNESS", "12abc", Is<CSliderPropertyGridProperty>, 4001, "12"},
      {"SAA_FROMVAL_TERNARY_XRANGE", "0.35", Is<CSliderPropertyGridProperty>, 4048, "0.350000"},
      {"SGA_SHOWNAME", "1", Is<CCheckBoxPropertyGridProperty>, 5061, "1"},
      {"SGA_NAME", "Graph 1", Is<CEditPropertyGridProperty>, 6001, "Graph 1"},
      {"SLA_SAMPLETOP", "3", Is<CComboPropertyGridProperty>, 7001, "3"},
      {"STA_FONT", "Arial", Is<CFormatComboBoxExProp>, 8001, "Arial"},
      {"SPA_WIDTH", "8500", Is<CSpinnerPropertyGridProperty>, 9001, "8500"},
      {"SDA_COLOR", "not a number", Is<CColorComboPropertyGridProperty>, 2009, "Black"},
  };
  // Attributes without a row (9008) sit in between; an unknown name comes last.
  std::string attributes = Attr("SSA_STRING", "A");
  for (const Case& c : cases) attributes += Attr(c.name, c.value) + Attr("SLA_TYPE", "2");
  CPropertyGridProperty* group = ShowAxis(attributes + Attr("NOT_A_NAME", "77"));

  ASSERT_EQ(group->GetSubItemsCount(), static_cast<int>(std::size(cases)) + 1);
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].name);
    auto* row = dynamic_cast<CEditorProperty*>(group->GetSubItem(static_cast<int>(i)));
    ASSERT_NE(row, nullptr);
    EXPECT_TRUE(cases[i].isKind(row));
    EXPECT_EQ(row->GetData(), cases[i].data);
    EXPECT_STREQ(row->GetName(), ("L " + std::string(cases[i].name)).c_str());
    EXPECT_STREQ(row->FormatProperty(), cases[i].shown);
    EXPECT_EQ(row->GetXmlNode(), Object());
    EXPECT_STREQ(row->GetAttrNode()->ToElement()->Attribute("Name"), cases[i].name);
    EXPECT_STREQ(row->GetHandle(), "7");
  }
  CPropertyGridProperty* plain = group->GetSubItem(static_cast<int>(std::size(cases)));
  EXPECT_STREQ(plain->GetName(), "NOT_A_NAME");
  EXPECT_STREQ(plain->FormatProperty(), "");
  EXPECT_EQ(plain->GetData(), 0u);
  EXPECT_EQ(m_tree.GetObjectData(m_tree.GetRootItem())->nAttributes, 2 * static_cast<int>(std::size(cases)) + 2);
  EXPECT_EQ(dynamic_cast<CSliderPropertyGridProperty*>(group->GetSubItem(2))->GetMeasurementUnit(), 3);
  EXPECT_EQ(dynamic_cast<CSpinnerPropertyGridProperty*>(group->GetSubItem(8))->GetMeasurementUnit(), 3);
  EXPECT_EQ(g_unitReads, 1) << "read once per build, not per measuring row";
}

TEST_F(GridFillingTest, GroupRowIsNamedForTheItemAndWritesTheObjectState) {
  CPropertyGridProperty* group = ShowAxis(Attr("SGA_NAME", "g"));
  EXPECT_EQ(m_grid.GetPropertyCount(), 1);
  EXPECT_TRUE(group->IsGroup());
  EXPECT_STREQ(group->GetName(), "X Axis Properties");
  EXPECT_EQ(group->GetXmlNode(), Object());
  for (const char* state : {"SEA_COLOR", "AH LENGTH FIRST TIME", "CHECK STATUS", "SSA_SIZE_ENABLE"}) {
    EXPECT_NE(Object()->Attribute(state), nullptr) << state;
  }
  EXPECT_EQ(m_grid.GetDescriptionRows(), 2);
}

TEST_F(GridFillingTest, ObjectWithoutAttributesShowsOneBlankReadOnlyRow) {
  for (const char* table : {"", "<AttributeTable></AttributeTable>"}) {
    ASSERT_TRUE(Reload(gridtest::Page(std::string("<Object Type=\"Axis\" Handle=\"7\">") + table + "</Object>")));
    CPropertyGridProperty* group = Show(m_tree.GetRootItem());
    ASSERT_EQ(group->GetSubItemsCount(), 1) << table;
    EXPECT_EQ(group->GetSubItem(0)->GetData(), 9014u);
    EXPECT_STREQ(group->GetSubItem(0)->GetName(), "");
    EXPECT_FALSE(group->GetSubItem(0)->IsAllowEdit());
  }
  EXPECT_EQ(g_unitReads, 0);
}

TEST_F(GridFillingTest, DescriptionsAreAskedByNumberOnlyForAttributesThatHaveOne) {
  CPropertyGridProperty* group = ShowAxis(Attr("SGA_NAME", "a", "AttrDescription=\"12\"") + Attr("SGA_NAME", "b") +
                                          Attr("SEA_COLOR", "1", "AttrDescription=\"0x5\"") +
                                          Attr("NOT_A_NAME", "1", "AttrDescription=\"9\""));
  EXPECT_EQ(g_described, (std::vector<int>{12, 0, 9}));
  const char* expected[] = {"text 12", "", "text 0", ""};  // a plain row shows none
  for (int i = 0; i < 4; ++i) EXPECT_STREQ(group->GetSubItem(i)->GetDescription(), expected[i]) << i;
}

TEST_F(GridFillingTest, RowlessSymbolValuesGoOnTheObjectAndOnlyEditorRowsClearTheChangeMark) {
  const std::string flag = "ModifiedFlag=\"1\"";
  ShowAxis(Attr("SSA_OPTIONS", "12x", flag) + Attr("SSA_ORIENTATION", "-3") + Attr("SSA_STRING", "Ab c") +
           Attr("SLA_SUBTYPE", "5") + Attr("SGA_NAME", "a", flag) + Attr("NOT_A_NAME", "1", flag));
  EXPECT_STREQ(Object()->Attribute("FlagValue"), "12");
  EXPECT_STREQ(Object()->Attribute("Orientation"), "-3");
  EXPECT_STREQ(Object()->Attribute("SymbolStr"), "Ab c");
  EXPECT_STREQ(FlagOf(0), "1");
  EXPECT_STREQ(FlagOf(4), "");
  EXPECT_STREQ(FlagOf(5), "1");
}

TEST_F(GridFillingTest, ColourAndPictureRowsReceiveTheSourceTheirHandlesSelect) {
  CPropertyGridProperty* group = ShowAxis(Attr("SEA_COLOR", "99", "ThemeHandle=\"5\" ColHandle=\"-2\"") +
                                          Attr("SEA_COLOR", "99", "ThemeHandle=\"junk\" ColHandle=\"??\"") +
                                          Attr("SSA_SHAPE", "99", "ThemeHandle=\"1\" ColHandle=\"3\""));
  auto* theme = dynamic_cast<CColorComboPropertyGridProperty*>(group->GetSubItem(0));
  auto* garbage = dynamic_cast<CColorComboPropertyGridProperty*>(group->GetSubItem(1));
  auto* column = dynamic_cast<CPictureComboPropertyGridProperty*>(group->GetSubItem(2));
  ASSERT_TRUE(theme && garbage && column);
  EXPECT_EQ(theme->GetSourceInfo().dwSource, kColorSourceTheme);
  EXPECT_STREQ(theme->FormatProperty(), "Ocean") << "the host's scheme 5";
  EXPECT_EQ(garbage->GetSourceInfo().dwSource, kColorSourcePlain);
  EXPECT_EQ(garbage->GetColor(), 99u);
  EXPECT_EQ(column->GetSourceInfo().nIndex, 5);
  EXPECT_EQ(column->GetSourceInfo().bFromColumn, 1);
  EXPECT_EQ(column->GetAttrIntValue(), 99);
  EXPECT_STREQ(column->GetThemeHandle(), "1");
}

TEST_F(GridFillingTest, BuildingTheSameObjectAgainKeepsTheUsersPlace) {
  std::string many;
  for (int i = 0; i < 40; ++i) many += Attr("SGA_NAME", std::to_string(i));
  ASSERT_TRUE(Reload(gridtest::Page("<Object Type=\"Axis\" Handle=\"7\"><AttributeTable>" + many +
                                    "</AttributeTable></Object><Object Type=\"Axis\" Handle=\"8\"><AttributeTable>" +
                                    Attr("SGA_NAME", "b") + "</AttributeTable></Object>")));
  const HTREEITEM axis = m_tree.GetRootItem();
  const HTREEITEM other = m_tree.GetNextItem(axis);
  ASSERT_NE(other, nullptr);
  Show(axis);
  m_grid.SetCurSel(m_grid.GetProperty(0)->GetSubItem(30));
  m_grid.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 12),
                     reinterpret_cast<LPARAM>(m_grid.GetScrollBarCtrl(SB_VERT)->m_hWnd));
  ASSERT_EQ(m_grid.GetScrollOffset(), 12);

  // Built again (a style applied, the host's refresh): the same row of the new rows, scrolled alike.
  m_tree.UpdatePropGridCtrl(axis);
  CPropertyGridProperty* group = m_grid.GetProperty(0);
  EXPECT_EQ(m_grid.GetCurSel(), group->GetSubItem(30));
  EXPECT_EQ(m_grid.GetScrollOffset(), 12);
  EXPECT_EQ(group->GetSubItem(30)->GetRect().top, m_grid.GetListRect().top - 1 + (31 - 12) * m_grid.GetRowHeight());
  group->Expand(FALSE);
  m_grid.AdjustLayout();
  m_tree.UpdatePropGridCtrl(axis);
  EXPECT_FALSE(m_grid.GetProperty(0)->IsExpanded()) << "a closed group stays closed";
  EXPECT_EQ(m_grid.GetScrollOffset(), 0) << "nothing left to scroll";

  // Another object starts at the top, open, with no current row; coming back does too.
  for (HTREEITEM item : {other, axis}) {
    Show(item);
    EXPECT_TRUE(m_grid.GetProperty(0)->IsExpanded());
    EXPECT_EQ(m_grid.GetCurSel(), nullptr);
    EXPECT_EQ(m_grid.GetScrollOffset(), 0);
  }
}

TEST_F(GridFillingTest, NullItemLeavesTheGridAndAnItemWithoutRecordEmptiesIt) {
  ShowAxis(Attr("SGA_NAME", "a"));
  npb::FillGridFromTreeItem(m_tree, nullptr);
  EXPECT_EQ(m_grid.GetPropertyCount(), 1);
  m_tree.FreeItemData();
  npb::FillGridFromTreeItem(m_tree, m_tree.GetRootItem());
  EXPECT_EQ(m_grid.GetPropertyCount(), 0);
}

}  // namespace
