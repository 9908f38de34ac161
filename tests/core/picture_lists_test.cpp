#include "editors/picture_lists.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using npb::PictureValueRule;
using Names = std::vector<std::string>;

Names Load(const std::map<unsigned, std::string>& strings, unsigned id) {
  return npb::LoadNameList(id, [&strings](unsigned n) {
    const auto it = strings.find(n);
    return it == strings.end() ? std::string() : it->second;
  });
}

TEST(PictureListsTest, NameListsSplitAtBarsAndContinueAfterACaret) {
  const std::map<unsigned, std::string> strings = {
      {1, "(None)|Dotted|^"}, {2, "Star|^"}, {3, "Circle|Hex"}, {4, "next list|"},
      {10, "|||"},            {20, "a||b|"}, {30, "^"},
  };
  EXPECT_EQ(Load(strings, 1), (Names{"(None)", "Dotted", "Star", "Circle", "Hex"}));
  EXPECT_EQ(Load(strings, 10), (Names{"", "", ""})) << "empty names count";
  EXPECT_EQ(Load(strings, 20), (Names{"a", "", "b"}));
  EXPECT_EQ(Load(strings, 30), Names{}) << "a caret into nothing ends the list";
  EXPECT_EQ(Load(strings, 99), Names{});
  EXPECT_EQ(Load(strings, 0), Names{});
}

TEST(PictureListsTest, ChoicesGiveTheAttributesValuesAndValuesGiveBackTheirChoice) {
  const struct {
    PictureValueRule rule;
    bool density;
    int index;
    int attrValue;
    int rowValue;
  } cases[] = {
      {PictureValueRule::kIndexPlusOne, false, 1, 2, 1},  // line type "Solid"
      {PictureValueRule::kIndex, false, 3, 3, 3},
      {PictureValueRule::kIndexBoth, false, 7, 7, 7},
      {PictureValueRule::kMinusIndex, false, 4, -4, 4},
      {PictureValueRule::kIndexOptionBelow, false, 2, 2, 1},
      {PictureValueRule::kQcMethod, false, 0, 101, 0},
      {PictureValueRule::kQcMethod, false, 3, 95, 3},
      {PictureValueRule::kQcMethod, false, 5, 104, 5},
      {PictureValueRule::kShape, false, 18, 2, 18},  // "Circle"
      {PictureValueRule::kShape, false, 58, 30, 58},
      {PictureValueRule::kShape, false, npb::kTextSymbolIndex, npb::kTextSymbolCode, npb::kTextSymbolIndex},
      {PictureValueRule::kPattern, false, 0, 1, 0},   // "(none)"
      {PictureValueRule::kPattern, false, 1, 3, 1},   // forward diagonal
      {PictureValueRule::kPattern, false, 31, 33, 31},
      {PictureValueRule::kPattern, true, 0, 1, 0},
      {PictureValueRule::kPattern, true, 1, 50 * 65536 + 3, 1},   // first group, fine
      {PictureValueRule::kPattern, true, 6, 100 * 65536 + 4, 6},  // second group, medium
      {PictureValueRule::kPattern, true, 8, 0 * 65536 + 4, 8},    // second group, the system's density
      {PictureValueRule::kPattern, true, 23, 150 * 65536 + 8, 23},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.rule) << " index " << c.index);
    const npb::PictureChoiceValues values = npb::ValueOfChoice(c.rule, c.index, c.density);
    EXPECT_EQ(values.nAttrValue, c.attrValue);
    EXPECT_EQ(values.nRowValue, c.rowValue);
    const npb::SymbolShape& shape = npb::SymbolAt(c.index < npb::kSymbolCount ? c.index : 0);
    EXPECT_EQ(npb::IndexOfValue(c.rule, c.attrValue, c.density, shape.nOptions, shape.nOrientation), c.index);
  }
}

TEST(PictureListsTest, SymbolVariantsAreToldApartByOptionsAndOrientation) {
  const struct {
    int code, options, orientation, index;
  } cases[] = {
      {2, 0, 0, 18},    {2, 1024, 0, 19},  {2, 2048, 0, 20},  {2, 1024 | 1, 0, 19},
      {20, 0, 1800, 23}, {20, 0, 900, 24}, {20, 0, 450, 22},  // unknown orientation: the first of the code
      {99, 0, 0, -1},   {0, 0, 0, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "code " << c.code);
    EXPECT_EQ(npb::IndexOfValue(PictureValueRule::kShape, c.code, false, c.options, c.orientation), c.index);
  }
  const npb::PictureChoiceValues dotted = npb::ValueOfChoice(PictureValueRule::kShape, 31, false);
  EXPECT_EQ(dotted.nAttrValue, 3);
  EXPECT_EQ(dotted.nOptions, 1024);
  const npb::PictureChoiceValues turned = npb::ValueOfChoice(PictureValueRule::kShape, 36, false);
  EXPECT_EQ(turned.nOrientation, 2700);
}

TEST(PictureListsTest, ValuesOutsideEveryListGiveNoEntry) {
  EXPECT_EQ(npb::IndexOfValue(PictureValueRule::kIndexPlusOne, 0, false, 0, 0), -1);
  EXPECT_EQ(npb::IndexOfValue(PictureValueRule::kIndexPlusOne, INT32_MIN, false, 0, 0), -1);
  EXPECT_EQ(npb::IndexOfValue(PictureValueRule::kIndex, -3, false, 0, 0), -1);
  EXPECT_EQ(npb::IndexOfValue(PictureValueRule::kMinusIndex, 2, false, 0, 0), -1);
  EXPECT_EQ(npb::IndexOfValue(PictureValueRule::kPattern, 2, false, 0, 0), -1);
  EXPECT_EQ(npb::IndexOfValue(PictureValueRule::kPattern, 50 * 65536 + 3, false, 0, 0), -1)
      << "a density value read as a plain pattern";
  EXPECT_EQ(npb::IndexOfValue(PictureValueRule::kPattern, 70 * 65536 + 3, true, 0, 0), -1);
  EXPECT_EQ(npb::IndexOfValue(PictureValueRule::kQcMethod, 100, false, 0, 0), -1);
}

TEST(PictureListsTest, SpecialFormsPickTheirStripAndNames) {
  npb::PictureListContext plain;
  npb::PictureListContext density = plain;
  density.bDensityForm = true;
  npb::PictureListContext noLegend = plain;
  noLegend.bLegendStyles = false;
  npb::PictureListContext threeD = plain;
  threeD.bFeature1 = threeD.bFeature2 = true;
  npb::PictureListContext twoD = plain;
  twoD.bFeature1 = true;
  npb::PictureListContext qcVertical = plain;
  qcVertical.nQcDirection = 1;
  npb::PictureListContext dateAxis = plain;
  dateAxis.nAxisKind = 3;
  const struct {
    const char* name;
    const npb::PictureListContext& context;
    unsigned strip, names;
    int height;
  } cases[] = {
      {"SEA_LINETYPE", plain, 9020, 9022, 4},         {"SDA_PATTERN", plain, 9074, 9075, 15},
      {"SDA_PATTERN", density, 9059, 9060, 15},       {"STA_LEGENDSTYLE", plain, 9066, 9071, 16},
      {"STA_LEGENDSTYLE", noLegend, 9128, 9129, 16},  {"DIRECTION_FLAGS", plain, 9082, 9090, 22},
      {"DIRECTION_FLAGS", threeD, 9080, 9087, 22},    {"DIRECTION_FLAGS", twoD, 9081, 9091, 22},
      {"SLA_FLAG_QCONTOP", qcVertical, 9064, 9069, 24}, {"SAA_FLAG_AUTORANGE", dateAxis, 9143, 9144, 16},
      {"SAA_MAJOR_DIRECTION_OUTER", plain, 9106, 9108, 18}, {"SAA_MINOR_DIRECTION_REAR", plain, 9107, 9108, 18},
      {"SAA_MAJOR_DIRECTION_SPOKE3", plain, 9138, 9108, 18}, {"SAA_MINOR_DIRECTION_TOP", plain, 9137, 9108, 18},
      {"SAA_TERNARY_MINOR_DIRECTION_LEFT", plain, 9147, 9148, 16},
      {"SAA_SUB_POLARLABELSINCW_MINOR_SPOKE4", plain, 9104, 9105, 18},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    npb::PictureList list;
    ASSERT_TRUE(npb::FindPictureList(c.name, c.context, list));
    EXPECT_EQ(list.nStrip, c.strip);
    EXPECT_EQ(list.nNames, c.names);
    EXPECT_EQ(list.nHeight, c.height);
  }
  npb::PictureList list;
  EXPECT_FALSE(npb::FindPictureList("SAA_MAJOR_DIRECTION_MIDDLE", plain, list));
  EXPECT_FALSE(npb::FindPictureList("sea_linetype", plain, list));
  EXPECT_FALSE(npb::FindPictureList(nullptr, plain, list));
}

TEST(PictureListsTest, SymbolTextIsReadBetweenTheFirstTwoApostrophes) {
  EXPECT_EQ(npb::SymbolTextOfName("Text 'A'"), "A");
  EXPECT_EQ(npb::SymbolTextOfName("Text ''"), "");
  EXPECT_EQ(npb::SymbolTextOfName("Text 'it's'"), "it");
  EXPECT_EQ(npb::SymbolTextOfName("Text 'open"), "");
  EXPECT_EQ(npb::SymbolTextOfName("Circle"), "");
}

}  // namespace
