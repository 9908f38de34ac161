#include "browser/style_menu.h"

#include <gtest/gtest.h>

#include <optional>

#include "tree/object_data.h"

namespace npb {
namespace {

Xml_ObjectData Record(const char* type, const char* group) {
  Xml_ObjectData data;
  data.strType = type;
  data.strGroup = group;
  data.strObjectName = "named";  // never part of a menu text
  return data;
}

TEST(StyleMenu, CopyTextNamesTheKindWhenExactlyOneOfTypeAndGroupIsSet) {
  const struct {
    const char* type;
    const char* group;
    const char* text;
  } cases[] = {
      {"Line", "", "Copy Line Styles"},
      {"", "Scale", "Copy Scale Styles"},
      {"", "", "Copy  Styles"},        // both empty: two blanks in a row
      {"Axis", "Scale", "Copy  Styles"},  // both set: no word either
  };
  for (const auto& c : cases) {
    const Xml_ObjectData selected = Record(c.type, c.group);
    const StyleMenu menu = BuildStyleMenu(&selected, false, nullptr);
    EXPECT_STREQ(menu.copyText, c.text) << c.type << "/" << c.group;
    EXPECT_TRUE(menu.copyEnabled);
  }
}

TEST(StyleMenu, ApplyTextNamesTheCopiedObjectOnceOneIsCopied) {
  const Xml_ObjectData plot = Record("Plot", "");
  const Xml_ObjectData scale = Record("", "Scale");
  const Xml_ObjectData plain = Record("", "");
  const struct {
    bool sourceSet;
    const Xml_ObjectData* source;
    const char* text;
  } cases[] = {
      {false, nullptr, "Apply Plot Styles"},  // nothing copied: the selected object's own word
      {false, &scale, "Apply Plot Styles"},   // a record without the mark does not count
      {true, &scale, "Apply Scale Styles"},
      {true, &plain, "Apply  Styles"},
      {true, nullptr, "Apply  Styles"},  // the copied item has no record
  };
  for (const auto& c : cases) {
    EXPECT_STREQ(BuildStyleMenu(&plot, c.sourceSet, c.source).applyText, c.text);
  }
}

TEST(StyleMenu, ApplyIsEnabledOnlyBetweenObjectsOfTheSameTypeOrGroup) {
  const struct {
    std::optional<Xml_ObjectData> source;  // nullopt: nothing copied
    Xml_ObjectData target;
    bool enabled;
  } cases[] = {
      {std::nullopt, Record("Plot", ""), false},
      {Record("Plot", ""), Record("Plot", ""), true},
      {Record("Plot", ""), Record("Axis", ""), false},
      {Record("Plot", ""), Record("plot", ""), false},  // case counts
      {Record("", "Scale"), Record("", "Scale"), true},
      {Record("Axis", "Scale"), Record("Axis", "Grid"), true},  // equal types suffice
      {Record("Axis", "Scale"), Record("Line", "Scale"), true},  // equal groups suffice
      {Record("", ""), Record("", ""), false},  // empty texts never match
      {Record("Plot", ""), Record("", "Plot"), false},  // a type is not a group
  };
  for (const auto& c : cases) {
    const Xml_ObjectData* source = c.source ? &*c.source : nullptr;
    const StyleMenu menu = BuildStyleMenu(&c.target, c.source.has_value(), source);
    EXPECT_EQ(menu.applyEnabled, c.enabled)
        << (source ? source->strType.GetString() : "-") << "/" << (source ? source->strGroup.GetString() : "-")
        << " onto " << c.target.strType.GetString() << "/" << c.target.strGroup.GetString();
  }
}

TEST(StyleMenu, ACopiedItemWithoutRecordNeverEnablesApply) {
  const Xml_ObjectData plot = Record("Plot", "");
  EXPECT_FALSE(BuildStyleMenu(&plot, true, nullptr).applyEnabled);
  EXPECT_FALSE(CanApplyStyles(&plot, nullptr));
  EXPECT_FALSE(CanApplyStyles(nullptr, &plot));
}

}  // namespace
}  // namespace npb
