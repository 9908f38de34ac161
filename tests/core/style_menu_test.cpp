#include "browser/style_menu.h"

#include <gtest/gtest.h>

#include "tree/object_data.h"

namespace npb {
namespace {

Xml_ObjectData Record(const char* type, const char* group) {
  Xml_ObjectData data;
  data.strType = type;
  data.strGroup = group;
  return data;
}

// The menu texts are checked on the dialog itself; here the matching rule in full.
TEST(StyleMenu, ApplyIsEnabledOnlyBetweenObjectsOfTheSameTypeOrGroup) {
  const struct {
    Xml_ObjectData source;
    Xml_ObjectData target;
    bool enabled;
  } cases[] = {
      {Record("Plot", ""), Record("Plot", ""), true},
      {Record("Plot", ""), Record("Axis", ""), false},
      {Record("Plot", ""), Record("plot", ""), false},  // case counts
      {Record("", "Scale"), Record("", "Scale"), true},
      {Record("Axis", "Scale"), Record("Axis", "Grid"), true},   // equal types suffice
      {Record("Axis", "Scale"), Record("Line", "Scale"), true},  // equal groups suffice
      {Record("", ""), Record("", ""), false},                   // empty texts never match
      {Record("Plot", ""), Record("", "Plot"), false},           // a type is not a group
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BuildStyleMenu(&c.target, true, &c.source).applyEnabled, c.enabled)
        << c.source.strType.GetString() << "/" << c.source.strGroup.GetString() << " onto "
        << c.target.strType.GetString() << "/" << c.target.strGroup.GetString();
  }
  const Xml_ObjectData plot = Record("Plot", "");
  EXPECT_FALSE(BuildStyleMenu(&plot, false, &plot).applyEnabled) << "nothing copied";
  EXPECT_FALSE(BuildStyleMenu(&plot, true, nullptr).applyEnabled) << "the copied item has no record";
  EXPECT_STREQ(BuildStyleMenu(&plot, true, nullptr).applyText, "Apply  Styles");
}

}  // namespace
}  // namespace npb
