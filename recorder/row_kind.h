// Which kind of grid row an attribute gets, decided by its StringValue number alone.
#pragma once
#include <cstdint>

namespace npb {

enum class RowKind {
  Plain,       // not in the name table: a bare row showing the raw name
  Colour,      // colour box
  Picture,     // picture list (line types, symbols, fill patterns, ...)
  Slider,      // unit-aware measurement slider
  CheckBox,
  Edit,        // numeric or text field
  OptionList,
  FormatList,  // text format list
  Spinner,
  NoRow,       // read into the object element, or ignored
};

struct RowKindRange {
  std::int32_t first;  // inclusive
  std::int32_t last;   // inclusive
  RowKind kind;
};

// Each range reaches one past its group's numbers at both ends, and the first range
// that holds wins; 9007 has no key yet still falls to the spinners.
inline constexpr RowKindRange kRowKindRanges[] = {
    {2000, 2014, RowKind::Colour},     {3000, 3071, RowKind::Picture},
    {4000, 4054, RowKind::Slider},     {5000, 5121, RowKind::CheckBox},
    {6000, 6027, RowKind::Edit},       {7000, 7029, RowKind::OptionList},
    {8000, 8006, RowKind::FormatList}, {9000, 9007, RowKind::Spinner},
    {9008, 9008, RowKind::NoRow},
};

constexpr RowKind RowKindOf(std::int32_t number) {
  for (const RowKindRange& range : kRowKindRanges) {
    if (number >= range.first && number <= range.last) return range.kind;
  }
  return RowKind::Plain;
}

// The ternary range ends are fractions; every other slider holds an integer.
constexpr bool IsFloatingPointSlider(std::int32_t number) {
  return number >= 4048 && number <= 4053;
}

}  // namespace npb
