// What the host knows about an object beyond its attribute table: its kind number,
// plot features, picture summary state and custom settings.
#pragma once
#include <array>
#include <set>
#include <string_view>

namespace pg {

// Host attribute numbers that the model answers from this state, not from the table.
constexpr int kAttrObjectKind = 1026;

// Groups of custom settings an object can carry (line, symbol, fill).
constexpr int kCustomLine = 6;
constexpr int kCustomSymbol = 7;
constexpr int kCustomFill = 8;

struct ObjectState {
  int kind = 0;                       // low 16 bits: object kind (axis kind for axes)
  std::array<bool, 2> features{};     // plot dimension answers for selectors 1 and 2
  int pictureState = 0;               // non-zero: fills are shown as densities
  std::array<int, 3> pictureInfo{};   // summary state: first non-zero = no error summaries
  std::set<int> customKinds;          // groups of custom settings present
};

// The state a freshly opened object of this type and name starts with.
ObjectState DefaultState(std::string_view type, std::string_view objectName);

}  // namespace pg
