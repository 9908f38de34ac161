// Where a colour or picture row's value comes from: the plain value, a theme (scheme) or a
// worksheet column. The grid filling decides it from the attribute's "ThemeHandle" and
// "ColHandle" and hands the record to the row, which fills in the entry's name.
#pragma once

#include <cstdint>

// dwSource values of a colour row.
inline constexpr std::uint32_t kColorSourcePlain = 0;
inline constexpr std::uint32_t kColorSourceTheme = 0x10000000;
inline constexpr std::uint32_t kColorSourceColumn = 0x20000001;

struct ColorSourceInfo {
  std::uint32_t dwSource = kColorSourcePlain;
  std::int32_t nIndex = 0;  // theme or column number; meaningful only with a source
  std::int32_t nValue = 0;  // the attribute's integer value
  char szName[24] = {};
};

struct PictureSourceInfo {
  std::int32_t bHasSource = 0;
  std::int32_t nIndex = 0;  // theme or column number
  char szName[48] = {};
  std::int32_t bFromColumn = 0;  // 1: a column, 0: a theme
};
