#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/color_entries.h"

namespace npb {
namespace {

std::string Answer(const std::string& table, const std::string& body) {
  return "<?xml version=\"1.0\" ?>\n<XML><Root><" + table + ">" + body + "</" + table + "></Root></XML>\n";
}

// name:kind:value:first colour, per entry, for comparing whole lists at once.
std::vector<std::string> Describe(const std::vector<ColorEntry>& entries) {
  std::vector<std::string> out;
  for (const ColorEntry& e : entries) {
    out.push_back(e.name + ":" + std::to_string(e.kind) + ":" + std::to_string(e.value) + ":" +
                  std::to_string(e.colors[0]) + (e.bCustom ? ":custom" : ""));
  }
  return out;
}

TEST(ColorEntries, SchemesAreReadDepthFirstWithTheirFirstFourColours) {
  const std::string text = Answer(
      "SchemeTable",
      "<Scheme Name=\"Earth\" Handle=\"3\"><SchemeList><Attribute value=\"1\"/><Attribute value=\"2\"/>"
      "<Attribute value=\"3\"/><Attribute value=\"4\"/><Attribute value=\"5\"/></SchemeList>"
      "<Scheme Name=\"Inner\" Handle=\"8\"><SchemeList><Attribute value=\"9\"/></SchemeList>"
      "<Scheme Name=\"Innermost\" Handle=\"9\"/></Scheme></Scheme>"
      "<Scheme Name=\"A name much longer than the list allows\" Handle=\"5\"/>");
  const std::vector<ColorEntry> entries = ReadSchemeTable(text.c_str());
  const std::string scheme = std::to_string(kColorEntryScheme);
  EXPECT_EQ(Describe(entries), (std::vector<std::string>{"Earth:" + scheme + ":3:1", "Inner:" + scheme + ":8:9",
                                                          "Innermost:" + scheme + ":9:0",
                                                          "A name much longer than:" + scheme + ":5:0"}));
  ASSERT_FALSE(entries.empty());
  EXPECT_EQ(std::vector<std::uint32_t>(entries[0].colors, entries[0].colors + 4),
            (std::vector<std::uint32_t>{1, 2, 3, 4}));
}

TEST(ColorEntries, ColumnsCarryTheirNumberAndTheColumnImage) {
  const std::string text = Answer(
      "ColumnTable",
      "<Scheme ColumnNo=\"2\" Name=\"col(2)\"><ColumnList><Attribute Value=\"255\"/><Attribute Value=\"-16777216\"/>"
      "</ColumnList></Scheme><Scheme ColumnNo=\"x\" Name=\"odd\"><ColumnList><Attribute value=\"7\"/></ColumnList>"
      "</Scheme>");
  const std::vector<ColorEntry> entries = ReadColumnTable(text.c_str());
  const std::string column = std::to_string(kColorEntryColumn | kColumnImageIndex);
  // Columns take "Value", not the schemes' "value"; a column number that is no number is 0.
  EXPECT_EQ(Describe(entries), (std::vector<std::string>{"col(2):" + column + ":2:255", "odd:" + column + ":0:0"}));
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].colors[1], kNoColor);
}

TEST(ColorEntries, StandardOptionsKeepKnownNamesAndCustomUpToFifty) {
  std::string many;
  for (int i = 0; i < 60; ++i) many += "<option name=\"" + std::string(i == 55 ? "Red" : "Mauve") + "\"/>";
  const struct {
    const char* what;
    std::string text;
    std::vector<std::string> entries;
  } cases[] = {
      {"known, unknown and custom",
       Answer("standardOptions",
              "<option id=\"0\" name=\"Dk Red\"/><option name=\"Chartreuse\"/><option name=\"(None)\"/>"
              "<option name=\"red\"/><option name=\"Custom\"/><option/>"),
       {"Dk Red:0:0:128", "(None):0:0:4278190080", "Custom:0:0:1971210:custom"}},
      {"past fifty nothing is read", Answer("standardOptions", many), {}},
      {"empty answer", "", {}},
      {"not XML", "<XML><Root><standardOptions><option name=\"Red\"", {}},
      {"no table", Answer("SchemeTable", "<option name=\"Red\"/>"), {}},
      {"table under another root", "<XML><Other><standardOptions><option name=\"Red\"/></standardOptions></Other></XML>",
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Describe(ReadStandardColorOptions(c.text.c_str(), 0x1E140A)), c.entries);
  }
  EXPECT_TRUE(ReadStandardColorOptions(nullptr, 0).empty());
  EXPECT_EQ(ReadOptionNames(Answer("standardOptions", many).c_str()).size(), 50u);
}

TEST(ColorEntries, BrokenOrDeepTablesGiveNothing) {
  std::string deep;
  for (int i = 0; i < 5000; ++i) deep += "<Scheme Name=\"s\" Handle=\"3\">";
  const std::string texts[] = {"", "junk", Answer("SchemeTable", "<Scheme Name=\"a\">"),
                               Answer("SchemeTable", deep)};
  for (const std::string& text : texts) {
    EXPECT_TRUE(ReadSchemeTable(text.c_str()).empty()) << text.substr(0, 60);
    EXPECT_TRUE(ReadColumnTable(text.c_str()).empty()) << text.substr(0, 60);
  }
  EXPECT_TRUE(ReadSchemeTable(nullptr).empty());
}

TEST(ColorEntries, StandardTableMapsColoursAndNamesBothWays) {
  EXPECT_EQ(StandardColorIndex(0x000080), 10);
  EXPECT_EQ(StandardColorIndexOfName("Dk Red"), 10);
  EXPECT_EQ(StandardColorIndex(kNoColor), 0);
  EXPECT_EQ(StandardColorIndex(0x123456), -1);
  EXPECT_EQ(StandardColorIndexOfName("Dk. Red"), -1);
  EXPECT_EQ(StandardColorIndexOfName(nullptr), -1);
}

}  // namespace
}  // namespace npb
