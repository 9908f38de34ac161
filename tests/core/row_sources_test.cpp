#include <gtest/gtest.h>

#include "tree/row_sources.h"

namespace {

using npb::ChooseColorSource;
using npb::ChoosePictureSource;

TEST(RowSourcesTest, AttributeIntegersReadAsAtoiDoes) {
  const struct {
    const char* text;
    int value;
  } cases[] = {{nullptr, 0},  {"", 0},      {"abc", 0},     {"  -12x", -12},
               {"+7", 7},     {"0x10", 0},  {"4294967297", 2147483647}, {"-99999999999", -2147483647 - 1}};
  for (const auto& c : cases) EXPECT_EQ(npb::ReadAttrInt(c.text), c.value) << (c.text ? c.text : "null");
}

TEST(RowSourcesTest, ColourSourceFollowsThemeAndColumnHandles) {
  const struct {
    const char* theme;
    const char* col;
    std::uint32_t source;
    int index;
    int shown;
  } cases[] = {
      {"5", "-2", kColorSourceTheme, 5, 5},      // theme colour
      {"3", "-2", kColorSourceTheme, 3, 3},
      {"2", "-2", kColorSourcePlain, 0, 99},     // theme numbers 2 and below are not themes
      {"", "-2", kColorSourcePlain, 0, 99},
      {"4", "3", kColorSourceColumn, 3, 3},      // column colour
      {"4", "0", kColorSourceColumn, 0, 0},
      {"4", "-1", kColorSourcePlain, 0, 99},
      {"4", "", kColorSourcePlain, 0, 99},
      {"1", "3", kColorSourcePlain, 0, 99},
      {"junk", "??", kColorSourcePlain, 0, 99},  // garbage reads as 0
      {nullptr, nullptr, kColorSourcePlain, 0, 99},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.theme ? c.theme : "null") << "/" << (c.col ? c.col : "null"));
    const npb::ColorChoice choice = ChooseColorSource({c.theme, c.col}, 99);
    EXPECT_EQ(choice.info.dwSource, c.source);
    EXPECT_EQ(choice.info.nIndex, c.index);
    EXPECT_EQ(choice.info.nValue, 99);
    EXPECT_EQ(choice.nColor, c.shown);
    EXPECT_EQ(choice.info.szName[0], '\0');
  }
}

TEST(RowSourcesTest, PictureSourceFollowsThemeAndColumnHandles) {
  const struct {
    const char* theme;
    const char* col;
    int hasSource;
    int index;
    int fromColumn;
    int shown;
  } cases[] = {
      {"5", "-2", 1, 5, 0, 5},   // theme
      {"4", "3", 1, 3, 1, 3},    // column
      {"1", "3", 1, 5, 1, 5},    // column, shifted past the two fixed entries
      {"4", "-1", 0, 0, 0, 99},  // no column
      {"1", "", 0, 0, 0, 99},
      {"2", "3", 0, 0, 0, 99},   // another theme number: the plain value
      {"", "3", 1, 3, 1, 3},     // no theme: the column
      {"0", "0", 1, 0, 1, 0},
      {"x", "7", 1, 7, 1, 7},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.theme << "/" << c.col);
    const npb::PictureChoice choice = ChoosePictureSource({c.theme, c.col}, 99);
    EXPECT_EQ(choice.info.bHasSource, c.hasSource);
    EXPECT_EQ(choice.info.nIndex, c.index);
    EXPECT_EQ(choice.info.bFromColumn, c.fromColumn);
    EXPECT_EQ(choice.nPicture, c.shown);
  }
}

}  // namespace
