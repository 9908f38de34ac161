#include "host/host_state.h"

#include <string_view>

namespace pg {

namespace {

struct TypeDefaults {
  std::string_view type;
  int kind;
  bool feature1, feature2;
  int pictureState;
  std::array<int, 3> pictureInfo;
  unsigned customMask;  // bit n: custom settings of group n
};

// Plots carry per-point symbol settings until the user overrides them; 3D plots answer
// both dimension features; a box chart has no error summaries.
constexpr TypeDefaults kTypes[] = {
    {"Page", 1, false, false, 0, {0, 0, 0}, 0},
    {"Cartesian2D Graph", 2, false, false, 0, {0, 0, 0}, 0},
    {"Pie Graph", 2, false, false, 0, {0, 0, 0}, 0},
    {"Polar Graph", 2, false, false, 0, {0, 0, 0}, 0},
    {"Contour Graph", 2, false, false, 0, {0, 0, 0}, 0},
    {"Ternary Graph", 2, false, false, 0, {0, 0, 0}, 0},
    {"Radar Graph", 2, false, false, 0, {0, 0, 0}, 0},
    {"Cartesian3D Graph", 2, false, false, 0, {0, 0, 0}, 0},
    {"2DScatter Plot", 3, true, false, 0, {0, 1, 0}, 1u << kCustomSymbol},
    {"2DBar Plot", 3, true, false, 0, {0, 0, 1}, 1u << kCustomFill},
    {"Pie Plot", 3, false, false, 1, {0, 0, 0}, 1u << kCustomFill},
    {"Polar Plot", 3, true, false, 0, {0, 1, 0}, 0},
    {"Ternary Plot", 3, true, true, 0, {0, 1, 0}, 0},
    {"Mesh Plot", 3, true, true, 1, {0, 0, 0}, 0},
    {"Contour Plot", 3, true, true, 1, {0, 0, 0}, 1u << kCustomLine},
    {"Vector Plot", 3, true, false, 0, {0, 0, 0}, 0},
    {"Radar Plot", 3, true, false, 0, {0, 1, 0}, 0},
    {"Tukey Plot", 3, true, false, 0, {1, 0, 0}, 0},
    {"3DScatter Plot", 3, true, true, 0, {0, 1, 0}, 1u << kCustomSymbol},
    {"3DBar Plot", 3, true, true, 0, {0, 0, 1}, 1u << kCustomFill},
    {"Text", 5, false, false, 0, {0, 0, 0}, 0},
    {"Line", 6, false, false, 0, {0, 0, 0}, 0},
    {"Symbol", 7, false, false, 0, {0, 0, 0}, 0},
    {"Solid", 8, false, false, 0, {0, 0, 0}, 0},
    {"Tuple", 9, false, false, 0, {0, 0, 0}, 0},
    {"Function", 10, false, false, 0, {0, 0, 0}, 0},
    {"External", 11, false, false, 0, {0, 0, 0}, 0},
    {"Bag", 12, false, false, 0, {0, 0, 0}, 0},
};

// An axis's kind is its dimension.
constexpr std::pair<std::string_view, int> kAxisKinds[] = {
    {"X Axis", 1}, {"Y Axis", 2}, {"Z Axis", 3}, {"Radial Axis", 1}, {"Angular Axis", 2},
};

}  // namespace

ObjectState DefaultState(std::string_view type, std::string_view objectName) {
  ObjectState state;
  if (type == "Axis") {
    state.kind = 1;
    for (const auto& [name, kind] : kAxisKinds)
      if (name == objectName) state.kind = kind;
    return state;
  }
  for (const TypeDefaults& row : kTypes) {
    if (row.type != type) continue;
    state.kind = row.kind;
    state.features = {row.feature1, row.feature2};
    state.pictureState = row.pictureState;
    state.pictureInfo = row.pictureInfo;
    for (int kind = 0; kind < 32; ++kind)
      if (row.customMask & (1u << kind)) state.customKinds.insert(kind);
    break;
  }
  return state;
}

}  // namespace pg
