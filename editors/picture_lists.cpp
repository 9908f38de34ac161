#include "editors/picture_lists.h"

#include <cstring>

namespace npb {
namespace {

using Rule = PictureValueRule;
using Tint = PictureTint;

// Message parameters of the notices to the frame that a commit of these attributes sends.
constexpr int kFrameScaleChanged = 1030;
constexpr int kFrameFramesChanged = 576;

struct FixedList {
  const char* name;
  PictureList list;
};

// Lists that depend on nothing but the attribute. Order of fields: strip, height, names,
// scheme strip, scheme height, tint, value rule, column "ThemeHandle", frame notice.
const FixedList kFixedLists[] = {
    {"SEA_LINETYPE", {9020, 4, 9022, 9019, 18, Tint::kLineAndGap, Rule::kIndexPlusOne, 4, 0}},
    {"SLA_LINEPATH", {9023, 24, 9025, 0, 0, Tint::kLine, Rule::kIndex, -1, 0}},
    {"SLA_FLAG_LINEONTOP", {9024, 24, 9026, 0, 0, Tint::kLine, Rule::kIndex, -1, 0}},
    {"SGA_FLAG_GRIDINFRONT", {9077, 24, 9078, 0, 0, Tint::kNone, Rule::kIndexBoth, -1, 0}},
    {"SSA_SHAPE", {9040, 16, 9041, 9037, 18, Tint::kFillAndEdge, Rule::kShape, 4, 0}},
    {"SLA_QCMETHOD", {9048, 16, 9049, 0, 0, Tint::kNone, Rule::kQcMethod, -1, 0}},
    {"SAA_OLDSTYLEDATELABELON", {9050, 16, 9051, 9076, 16, Tint::kNone, Rule::kIndexPlusOne, 1, 0}},
    {"SSA_SIZEREPEAT", {9076, 16, 0, 9076, 16, Tint::kNone, Rule::kIndexPlusOne, -1, 0}},
    {"SAA_TICLABELTHRESHMIN", {9052, 16, 9054, 0, 0, Tint::kNone, Rule::kMinusIndex, -1, 0}},
    {"SAA_TICLABELTHRESHMAX", {9053, 16, 9055, 0, 0, Tint::kNone, Rule::kIndex, -1, 0}},
    {"SAA_BREAKTYPE", {9056, 12, 9057, 0, 0, Tint::kLine, Rule::kIndexPlusOne, -1, 0}},
    {"SLA_QCOPTS_DIRECTION", {9065, 24, 9070, 0, 0, Tint::kNone, Rule::kIndexOptionBelow, -1, 0}},
    {"SAA_TYPE", {9068, 16, 9073, 0, 0, Tint::kNone, Rule::kIndexBoth, -1, kFrameScaleChanged}},
    {"SAA_FLAG_AUTOTICKS", {9094, 16, 9095, 9076, 16, Tint::kNone, Rule::kIndexPlusOne, 4, 0}},
    {"SLA_PIEEXPLODEFROM", {9096, 24, 9098, 9097, 24, Tint::kNone, Rule::kIndexBoth, 0, 0}},
    {"SNA_ERROR1SUMMARYMETHOD", {9083, 16, 9092, 0, 0, Tint::kNone, Rule::kIndex, -1, 0}},
    {"SNA_ERROR2SUMMARYMETHOD", {9083, 16, 9093, 0, 0, Tint::kNone, Rule::kIndex, -1, 0}},
    {"SLA_FLAG_3DSHADINGSMOOTH", {9100, 16, 9101, 0, 0, Tint::kNone, Rule::kIndexOptionBelow, -1, 0}},
    {"SAA_OLDSTYLEDATELABEL", {9102, 18, 9103, 0, 0, Tint::kNone, Rule::kIndexPlusOne, -1, 0}},
    {"SLA_BARUNIFORMTHICKNESS", {9110, 17, 9112, 0, 0, Tint::kNone, Rule::kIndexOptionBelow, -1, 0}},
    {"SLA_BARALIGNMENT", {9109, 17, 9111, 0, 0, Tint::kNone, Rule::kIndexOptionBelow, -1, 0}},
    {"SGA_FRAMESLINES_FROMORIGIN",
     {9113, 34, 9114, 0, 0, Tint::kNone, Rule::kIndexOptionBelow, -1, kFrameFramesChanged}},
    {"STA_FLAG_LGNDRIGHT", {9067, 16, 9072, 0, 0, Tint::kNone, Rule::kIndex, -1, 0}},
    {"SAA_TERNARY_SCALE_DIRECTION", {9145, 16, 9146, 0, 0, Tint::kNone, Rule::kIndexBoth, -1, 0}},
};

// Tick directions: the strip shows the axis line on the side the ticks belong to.
const struct {
  const char* side;
  unsigned strip;
} kTickSides[] = {
    {"LEFT", 9106},  {"OUTER", 9106},  {"FRONT", 9106},  {"RIGHT", 9107},  {"INNER", 9107},  {"REAR", 9107},
    {"BOTTOM", 9138}, {"SPOKE1", 9138}, {"SPOKE3", 9138}, {"TOP", 9137},    {"SPOKE2", 9137}, {"SPOKE4", 9137},
};

const SymbolShape kSymbols[kSymbolCount] = {
    {1, 0, 0},     {1, 0, 1024},   {1, 0, 2048},  {15, 0, 0},   {11, 0, 0},    {10, 0, 0},   {12, 0, 0},
    {8, 0, 0},     {9, 0, 0},      {14, 0, 0},    {13, 0, 0},   {4, 0, 0},     {4, 0, 1024}, {4, 0, 2048},
    {5, 0, 0},     {5, 0, 1024},   {5, 0, 2048},  {31, 0, 0},   {2, 0, 0},     {2, 0, 1024}, {2, 0, 2048},
    {16, 0, 0},    {20, 0, 0},     {20, 1800, 0}, {20, 900, 0}, {20, 2700, 0}, {21, 0, 0},   {21, 450, 0},
    {21, 900, 0},  {21, 1350, 0},  {3, 0, 0},     {3, 0, 1024}, {3, 0, 2048},  {17, 0, 0},   {22, 0, 0},
    {22, 1800, 0}, {23, 2700, 0},  {23, 900, 0},  {24, 0, 0},   {24, 900, 0},  {6, 0, 0},    {6, 0, 1024},
    {6, 0, 2048},  {18, 0, 0},     {26, 0, 0},    {26, 1800, 0}, {26, 900, 0}, {26, 2700, 0}, {27, 0, 0},
    {25, 0, 0},    {7, 0, 0},      {7, 0, 1024},  {7, 0, 2048}, {19, 0, 0},    {28, 0, 0},   {28, 1800, 0},
    {29, 0, 0},    {29, 1800, 0},  {30, 0, 0},
};
// The options flags that tell symbol variants apart.
constexpr int kSymbolVariantBits = 1024 | 2048;

// Control-chart methods in list order.
constexpr int kQcMethods[] = {101, 102, 103, 95, 99, 104};
constexpr int kQcMethodCount = static_cast<int>(sizeof kQcMethods / sizeof kQcMethods[0]);

// Densities of the density form's groups (fine, medium, coarse, the system's).
constexpr int kDensities[] = {50, 100, 150, 0};
// Fills that are neither "(none)" nor density groups start at this code.
constexpr int kFirstPatternCode = 3;
constexpr int kNoFillCode = 1;
constexpr int kDensityEntries = 24;

bool StartsWith(const char* text, const char* prefix) { return std::strncmp(text, prefix, std::strlen(prefix)) == 0; }

bool IsTickDirection(const char* name, unsigned& strip) {
  for (const char* prefix : {"SAA_MAJOR_DIRECTION_", "SAA_MINOR_DIRECTION_"}) {
    if (!StartsWith(name, prefix)) continue;
    for (const auto& side : kTickSides) {
      if (std::strcmp(name + std::strlen(prefix), side.side) == 0) {
        strip = side.strip;
        return true;
      }
    }
  }
  return false;
}

PictureList Make(unsigned strip, int height, unsigned names, Rule rule, Tint tint = Tint::kNone) {
  PictureList list;
  list.nStrip = strip;
  list.nHeight = height;
  list.nNames = names;
  list.rule = rule;
  list.tint = tint;
  return list;
}

}  // namespace

bool FindPictureList(const char* pszAttrName, const PictureListContext& context, PictureList& list) {
  if (!pszAttrName) return false;
  const char* name = pszAttrName;
  for (const FixedList& fixed : kFixedLists) {
    if (std::strcmp(fixed.name, name) != 0) continue;
    list = fixed.list;
    return true;
  }
  unsigned tickStrip = 0;
  if (std::strcmp(name, "SDA_PATTERN") == 0) {
    list = context.bDensityForm ? Make(9059, 15, 9060, Rule::kPattern, Tint::kFill)
                                : Make(9074, 15, 9075, Rule::kPattern, Tint::kFill);
    list.nSchemeStrip = 9058;
    list.nSchemeHeight = 18;
    list.nColumnTheme = 4;
  } else if (std::strcmp(name, "SLA_FLAG_QCONTOP") == 0) {
    list = Make(context.nQcDirection == 0 ? 9063 : 9064, 24, 9069, Rule::kIndex);
  } else if (std::strcmp(name, "STA_LEGENDSTYLE") == 0) {
    list = context.bLegendStyles ? Make(9066, 16, 9071, Rule::kIndexPlusOne) : Make(9128, 16, 9129, Rule::kIndexPlusOne);
  } else if (std::strcmp(name, "DIRECTION_FLAGS") == 0) {
    if (!context.bFeature1) {
      list = Make(9082, 22, 9090, Rule::kIndex);
    } else if (context.bFeature2) {
      list = Make(9080, 22, 9087, Rule::kIndex);
    } else {
      list = Make(9081, 22, 9091, Rule::kIndex);
    }
    list.nSchemeStrip = 9019;
    list.nSchemeHeight = 18;
  } else if (std::strcmp(name, "SNA_SYMBOLSUMMARYMETHOD") == 0) {
    const unsigned names = context.nSummaryArrangement <= 0 ? 9084 : context.nSummaryArrangement == 1 ? 9085 : 9086;
    list = Make(9079, 18, names, Rule::kIndex);
  } else if (StartsWith(name, "SAA_SUB_POLARLABELSINCW_")) {
    list = Make(9104, 18, 9105, Rule::kIndexOptionBelow);
  } else if (IsTickDirection(name, tickStrip)) {
    list = Make(tickStrip, 18, 9108, Rule::kIndexOptionBelow, Tint::kLine);
  } else if (std::strcmp(name, "SAA_FLAG_AUTORANGE") == 0) {
    list = context.nAxisKind == 3   ? Make(9143, 16, 9144, Rule::kIndex)
           : context.nAxisKind == 2 ? Make(9141, 16, 9142, Rule::kIndex)
                                    : Make(9094, 16, 9095, Rule::kIndex);
    list.nSchemeStrip = 9076;
    list.nSchemeHeight = 16;
  } else if (StartsWith(name, "SAA_TERNARY_MAJOR_DIRECTION_") || StartsWith(name, "SAA_TERNARY_MINOR_DIRECTION_")) {
    list = Make(9147, 16, 9148, Rule::kIndexBoth);
  } else {
    return false;
  }
  return true;
}

std::vector<std::string> LoadNameList(unsigned nFirstId, const std::function<std::string(unsigned)>& load) {
  std::vector<std::string> names;
  if (nFirstId == 0 || !load) return names;
  constexpr int kMaxStrings = 64;
  for (int n = 0; n < kMaxStrings; ++n) {
    std::string text = load(nFirstId + static_cast<unsigned>(n));
    const bool bContinues = !text.empty() && text.back() == '^';
    if (bContinues) text.pop_back();
    size_t start = 0;
    for (size_t bar; (bar = text.find('|', start)) != std::string::npos; start = bar + 1) {
      names.push_back(text.substr(start, bar - start));
    }
    if (start < text.size()) names.push_back(text.substr(start));
    if (!bContinues) break;
  }
  return names;
}

const SymbolShape& SymbolAt(int nIndex) {
  if (nIndex < 0 || nIndex >= kSymbolCount) return kSymbols[0];
  return kSymbols[nIndex];
}

PictureChoiceValues ValueOfChoice(PictureValueRule rule, int nIndex, bool bDensityForm) {
  PictureChoiceValues values;
  values.nRowValue = nIndex;
  switch (rule) {
    case Rule::kIndex:
    case Rule::kIndexBoth:
      values.nAttrValue = nIndex;
      break;
    case Rule::kMinusIndex:
      values.nAttrValue = -nIndex;
      break;
    case Rule::kIndexPlusOne:
      values.nAttrValue = nIndex + 1;
      break;
    case Rule::kIndexOptionBelow:
      values.nAttrValue = nIndex;
      values.nRowValue = nIndex - 1;
      break;
    case Rule::kShape:
      if (nIndex >= 0 && nIndex < kSymbolCount) {
        values.nAttrValue = kSymbols[nIndex].nCode;
        values.nOrientation = kSymbols[nIndex].nOrientation;
        values.nOptions = kSymbols[nIndex].nOptions;
      } else {
        values.nAttrValue = kTextSymbolCode;
      }
      break;
    case Rule::kPattern: {
      const int k = nIndex - 1;
      if (nIndex <= 0) {
        values.nAttrValue = kNoFillCode;
      } else if (!bDensityForm) {
        values.nAttrValue = k + kFirstPatternCode;
      } else if (k < kDensityEntries) {
        values.nAttrValue = kDensities[k % 4] * kDensityFactor + k / 4 + kFirstPatternCode;
      } else {
        values.nAttrValue = k - 15;
      }
      break;
    }
    case Rule::kQcMethod:
      values.nAttrValue = nIndex >= 0 && nIndex < kQcMethodCount ? kQcMethods[nIndex] : nIndex;
      break;
  }
  return values;
}

int IndexOfValue(PictureValueRule rule, int nAttrValue, bool bDensityForm, int nOptions, int nOrientation) {
  int nIndex = -1;
  switch (rule) {
    case Rule::kIndex:
    case Rule::kIndexBoth:
    case Rule::kIndexOptionBelow:
      nIndex = nAttrValue;
      break;
    case Rule::kMinusIndex:
      nIndex = nAttrValue == INT32_MIN ? -1 : -nAttrValue;
      break;
    case Rule::kIndexPlusOne:
      nIndex = nAttrValue == INT32_MIN ? -1 : nAttrValue - 1;
      break;
    case Rule::kShape: {
      if (nAttrValue == kTextSymbolCode) return kTextSymbolIndex;
      int nFirst = -1;
      for (int i = 0; i < kSymbolCount; ++i) {
        if (kSymbols[i].nCode != nAttrValue) continue;
        if (nFirst < 0) nFirst = i;
        if (kSymbols[i].nOrientation == nOrientation &&
            kSymbols[i].nOptions == (nOptions & kSymbolVariantBits)) {
          return i;
        }
      }
      return nFirst;
    }
    case Rule::kPattern: {
      if (nAttrValue == kNoFillCode) return 0;
      const int nDensity = nAttrValue / kDensityFactor;
      const int nCode = nAttrValue % kDensityFactor;
      if (!bDensityForm) {
        nIndex = nDensity == 0 && nCode >= kFirstPatternCode ? nCode - kFirstPatternCode + 1 : -1;
        break;
      }
      const bool bGroup = nCode >= kFirstPatternCode && nCode < kFirstPatternCode + kDensityEntries / 4;
      for (int d = 0; d < 4 && bGroup; ++d) {
        if (kDensities[d] == nDensity) return (nCode - kFirstPatternCode) * 4 + d + 1;
      }
      nIndex = nDensity == 0 && nAttrValue >= kDensityEntries - 15 ? nAttrValue + 15 + 1 : -1;
      break;
    }
    case Rule::kQcMethod:
      for (int i = 0; i < kQcMethodCount; ++i) {
        if (kQcMethods[i] == nAttrValue) return i;
      }
      return -1;
  }
  return nIndex >= 0 ? nIndex : -1;
}

std::string SymbolTextOfName(const std::string& name) {
  const size_t first = name.find('\'');
  if (first == std::string::npos) return std::string();
  const size_t second = name.find('\'', first + 1);
  if (second == std::string::npos) return std::string();
  return name.substr(first + 1, second - first - 1);
}

}  // namespace npb
