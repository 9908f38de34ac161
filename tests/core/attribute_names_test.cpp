#include "recorder/attribute_names.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "recorder/row_kind.h"

namespace npb {
namespace {

// The name list transcribed on its own, as name<TAB>number lines after a header line.
std::vector<std::pair<std::string, int>> ReadTranscription() {
  std::ifstream in(NPB_SOURCE_DIR "/tests/data/attribute_names.tsv");
  std::vector<std::pair<std::string, int>> rows;
  std::string line;
  std::getline(in, line);  // header
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto tab = line.find('\t');
    if (tab == std::string::npos) continue;
    rows.emplace_back(line.substr(0, tab), std::stoi(line.substr(tab + 1)));
  }
  return rows;
}

CAttributeNameMap FilledMap() {
  CAttributeNameMap map;
  map.Fill();
  return map;
}

TEST(AttributeNames, AgreesWithTheTranscriptionInBothDirections) {
  const auto rows = ReadTranscription();
  ASSERT_EQ(rows.size(), 328u) << "transcription not found or incomplete";
  const CAttributeNameMap map = FilledMap();
  EXPECT_EQ(map.GetCount(), 328u);

  for (const auto& [name, number] : rows) {
    EXPECT_EQ(map.NumberOf(name), number) << name;
  }
  std::map<std::string, int> transcribed(rows.begin(), rows.end());
  for (const AttributeName& entry : kAttributeNameTable) {
    const auto found = transcribed.find(std::string(entry.key));
    ASSERT_NE(found, transcribed.end()) << "extra name " << entry.key;
    EXPECT_EQ(found->second, entry.number) << entry.key;
  }
}

TEST(AttributeNames, MissesLeaveTheResultAndTheMapAlone) {
  const CAttributeNameMap map = FilledMap();
  const std::string missing[] = {
      "",
      "sea_color",          // keys are case-sensitive
      "Sea_Color",
      "SEA_COLOR ",         // trailing blank
      " SEA_COLOR",
      "SEA_COLO",           // prefix of a key
      "SEA_COLORX",
      "LOWER_BOUND",        // the key has a blank, not an underscore
      "lower bound",
      std::string("SEA_COLOR\0", 10),
  };
  for (const std::string& name : missing) {
    StringValue value = static_cast<StringValue>(-7);
    EXPECT_FALSE(map.Lookup(name, value)) << '"' << name << '"';
    EXPECT_EQ(value, -7) << '"' << name << '"';
    EXPECT_EQ(map.NumberOf(name), kStringValueNone) << '"' << name << '"';
  }
  StringValue value = static_cast<StringValue>(-7);
  EXPECT_FALSE(map.Lookup(static_cast<const char*>(nullptr), value));
  EXPECT_EQ(value, -7);
  EXPECT_EQ(map.NumberOf(static_cast<const char*>(nullptr)), kStringValueNone);
  EXPECT_EQ(map.GetCount(), 328u);
}

TEST(AttributeNames, HitsTakeTheKeyTextExactly) {
  const CAttributeNameMap map = FilledMap();
  const std::string owned = "STA_FLAG_BOLD";
  const std::string_view slice = std::string_view("LOWER BOUNDARY").substr(0, 11);
  const struct {
    std::string_view key;
    int expected;
  } cases[] = {
      {"SEA_COLOR", 2001},  {"SEA_LINETYPE", 3001}, {"SAA_TICSIZE", 4009},
      {owned, 5019},        {"STA_RTF", 6004},      {slice, 6021},
      {"UPPER BOUND", 6022}, {"STA_FONT", 8001},    {"SPA_BOTTOMMARGIN", 9006},
      {"SSA_STRING", 9008}, {"SXA_OBJECTID", 9008},
  };
  for (const auto& c : cases) {
    StringValue value = kStringValueNone;
    EXPECT_TRUE(map.Lookup(c.key, value)) << c.key;
    EXPECT_EQ(value, c.expected) << c.key;
  }
  EXPECT_EQ(map.NumberOf(owned.c_str()), 5019);
  static_assert(StringValueOf("SAA_TICLABELNOTATION") == 7013);
  static_assert(StringValueOf("LOWER BOUND") == 6021);
}

TEST(AttributeNames, EmptyUntilFilledAndFillingAgainChangesNothing) {
  CAttributeNameMap map;
  EXPECT_TRUE(map.IsEmpty());
  EXPECT_EQ(map.NumberOf("SEA_COLOR"), kStringValueNone);

  map.Fill();
  map.Fill();
  EXPECT_EQ(map.GetCount(), 328u);
  for (const AttributeName& entry : kAttributeNameTable) {
    EXPECT_EQ(map.NumberOf(entry.key), entry.number) << entry.key;
  }
}

TEST(AttributeNames, ModuleMapIsOneObjectFilledInPlace) {
  EXPECT_EQ(&TheAttributeNameMap(), &TheAttributeNameMap());
  FillAttributeNameMap();
  FillAttributeNameMap();
  EXPECT_EQ(TheAttributeNameMap().GetCount(), 328u);
  EXPECT_EQ(LookupStringValue("SAA_TICSIZE"), 4009);
  EXPECT_EQ(LookupStringValue(std::string_view("SDA_PATTERN")), 3014);
  EXPECT_EQ(LookupStringValue("sda_pattern"), kStringValueNone);
  EXPECT_EQ(LookupStringValue(static_cast<const char*>(nullptr)), kStringValueNone);
}

TEST(RowKind, RangesIncludeOneNumberBeyondEachGroupEnd) {
  const struct {
    int number;
    RowKind kind;
  } cases[] = {
      {0, RowKind::Plain},         {-1, RowKind::Plain},       {1999, RowKind::Plain},
      {2000, RowKind::Colour},     {2014, RowKind::Colour},    {2015, RowKind::Plain},
      {2999, RowKind::Plain},      {3000, RowKind::Picture},   {3071, RowKind::Picture},
      {3072, RowKind::Plain},      {4000, RowKind::Slider},    {4054, RowKind::Slider},
      {4055, RowKind::Plain},      {5000, RowKind::CheckBox},  {5121, RowKind::CheckBox},
      {5122, RowKind::Plain},      {6000, RowKind::Edit},      {6027, RowKind::Edit},
      {6028, RowKind::Plain},      {7000, RowKind::OptionList}, {7029, RowKind::OptionList},
      {7030, RowKind::Plain},      {8000, RowKind::FormatList}, {8006, RowKind::FormatList},
      {8007, RowKind::Plain},      {8999, RowKind::Plain},     {9000, RowKind::Spinner},
      {9007, RowKind::Spinner},    {9008, RowKind::NoRow},     {9009, RowKind::Plain},
      {9999, RowKind::Plain},      {10000, RowKind::Plain},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RowKindOf(c.number), c.kind) << c.number;
  }
  const std::pair<int, bool> floating[] = {
      {4001, false}, {4047, false}, {4048, true}, {4053, true}, {4054, false}, {0, false}};
  for (const auto& [number, expected] : floating) {
    EXPECT_EQ(IsFloatingPointSlider(number), expected) << number;
  }
}

TEST(RowKind, EveryTranscribedNameGetsItsGroupsRow) {
  const std::map<int, RowKind> byGroup = {
      {2, RowKind::Colour},   {3, RowKind::Picture},    {4, RowKind::Slider},
      {5, RowKind::CheckBox}, {6, RowKind::Edit},       {7, RowKind::OptionList},
      {8, RowKind::FormatList}, {9, RowKind::Spinner},
  };
  const auto rows = ReadTranscription();
  ASSERT_FALSE(rows.empty());
  FillAttributeNameMap();
  for (const auto& [name, number] : rows) {
    const RowKind expected = number == 9008 ? RowKind::NoRow : byGroup.at(number / 1000);
    EXPECT_EQ(RowKindOf(LookupStringValue(name)), expected) << name;
  }
}

}  // namespace
}  // namespace npb
