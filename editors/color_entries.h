// What a colour list offers, read from the host's small documents: the standard colours by
// their host names, the colour schemes and the worksheet columns. Window-free, so that the
// reading of broken host answers is tested natively with the sanitizers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace npb {

// Colour values are 0x00BBGGRR; this one means no colour and is drawn as a hollow swatch.
inline constexpr std::uint32_t kNoColor = 0xFF000000;

// Kinds of colour list entries. A column entry carries its image index in the low 16 bits.
inline constexpr std::uint32_t kColorEntryPlain = 0;
inline constexpr std::uint32_t kColorEntryScheme = 0x10000000;
inline constexpr std::uint32_t kColorEntryColumn = 0x20000000;
inline constexpr std::uint32_t kColorEntryKindMask = 0xF0000000;
// The image of the column strip that marks a worksheet column.
inline constexpr std::uint32_t kColumnImageIndex = 1;

// "ThemeHandle" of a plain colour and of a column, and "ColHandle" of anything but a column.
inline constexpr int kThemeHandlePlain = 2;
inline constexpr int kThemeHandleColumn = 4;
inline constexpr int kColHandleNone = -2;

// The colour list's longest name: longer names are cut.
inline constexpr std::size_t kMaxColorNameLength = 23;
// At most this many options of a standard-options answer are read.
inline constexpr int kMaxStandardOptions = 50;

struct StandardColor {
  const char* hostName;  // the name in the host's standard-options answers
  unsigned nIdsName;     // the module's own text for it, when the box fills itself
  std::uint32_t color;
};

// The standard colours in colour-index order (the index the row shows names by).
inline constexpr StandardColor kStandardColors[] = {
    {"(None)", 9001, kNoColor},     {"Black", 9002, 0x000000},     {"White", 9003, 0xFFFFFF},
    {"Red", 9004, 0x0000FF},        {"Green", 9005, 0x00FF00},     {"Yellow", 9006, 0x00FFFF},
    {"Blue", 9007, 0xFF0000},       {"Pink", 9008, 0xFF00FF},      {"Cyan", 9009, 0xFFFF00},
    {"Gray", 9010, 0xC0C0C0},       {"Dk Red", 9011, 0x000080},    {"Dk Green", 9012, 0x008000},
    {"Dk Yellow", 9013, 0x008080},  {"Dk Blue", 9014, 0x800000},   {"Dk Pink", 9015, 0x800080},
    {"Dk Cyan", 9016, 0x808000},    {"Dk Gray", 9017, 0x808080},
};
inline constexpr int kStandardColorCount = static_cast<int>(sizeof kStandardColors / sizeof kStandardColors[0]);
// The custom entry: its host name and the module's own text.
inline constexpr const char* kHostCustomName = "Custom";
inline constexpr unsigned kIdsCustomColor = 9018;

// Index of a colour in the standard table, or -1.
int StandardColorIndex(std::uint32_t color);
// Index of a host option name in the standard table (exact, case-sensitive), or -1.
int StandardColorIndexOfName(const char* pszHostName);

struct ColorEntry {
  std::uint32_t kind = kColorEntryPlain;
  std::int32_t value = 0;  // scheme handle or column number; 0 for a plain colour
  std::uint32_t colors[4] = {};
  std::string name;        // at most kMaxColorNameLength characters
  bool bCustom = false;    // the custom entry among the plain ones
};

// The "name" of every "option" of a standard-options answer ("XML"/"Root"/
// "standardOptions"), at most nMaxOptions of them.
std::vector<std::string> ReadOptionNames(const char* pszText, int nMaxOptions = kMaxStandardOptions);
// The entries of a scheme-table answer ("XML"/"Root"/"SchemeTable"), nested schemes after
// the scheme they are in; colours from the "value" of the first four "Attribute" children
// of each "SchemeList".
std::vector<ColorEntry> ReadSchemeTable(const char* pszText);
// The entries of a column-table answer ("XML"/"Root"/"ColumnTable"): value "ColumnNo",
// colours from "Value" of the "ColumnList" cells.
std::vector<ColorEntry> ReadColumnTable(const char* pszText);
// The plain entries of a standard-options answer ("XML"/"Root"/"standardOptions"): the
// known colour names with their colours, and "Custom" with `customColor`; other names
// are skipped.
std::vector<ColorEntry> ReadStandardColorOptions(const char* pszText, std::uint32_t customColor);

}  // namespace npb
