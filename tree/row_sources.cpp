#include "tree/row_sources.h"

#include <cstdlib>

namespace npb {

std::int32_t ReadAttrInt(const char* text) {
  if (!text) return 0;
  // Held to the int range, as the host's run-time atoi does, instead of overflowing. strtol
  // saturates where long is 32 bits and is clamped below where it is wider; the 64-bit
  // conversion would cost a long division per digit on the 32-bit target.
  const long value = std::strtol(text, nullptr, 10);
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<std::int32_t>(value);
}

namespace {

// The handle texts as the rules test them.
struct Handles {
  bool themeEmpty;
  std::int32_t theme;
  bool colEmpty;
  std::int32_t col;

  explicit Handles(const SourceHandles& h)
      : themeEmpty(!h.themeHandle || !*h.themeHandle),
        theme(ReadAttrInt(h.themeHandle)),
        colEmpty(!h.colHandle || !*h.colHandle),
        col(ReadAttrInt(h.colHandle)) {}

  bool IsThemeColour() const { return !themeEmpty && theme > 2 && col == -2; }
  bool HasNoColumn() const { return colEmpty || col < 0; }
};

// Where a row's shown value comes from once a rule applies.
enum class Shown { Value, Theme, Column, ColumnPlusTwo };

std::int32_t ShownValue(Shown shown, const Handles& h, std::int32_t value) {
  switch (shown) {
    case Shown::Theme: return h.theme;
    case Shown::Column: return h.col;
    case Shown::ColumnPlusTwo: return h.col + 2;
    case Shown::Value: break;
  }
  return value;
}

// Rules are tried in order; the first that applies decides. The last always applies.
struct ColorRule {
  bool (*applies)(const Handles&);
  std::uint32_t source;
  Shown shown;
};

constexpr ColorRule kColorRules[] = {
    {[](const Handles& h) { return h.IsThemeColour(); }, kColorSourceTheme, Shown::Theme},
    {[](const Handles& h) { return h.HasNoColumn(); }, kColorSourcePlain, Shown::Value},
    {[](const Handles& h) { return h.theme == 4; }, kColorSourceColumn, Shown::Column},
    {[](const Handles&) { return true; }, kColorSourcePlain, Shown::Value},
};

struct PictureRule {
  bool (*applies)(const Handles&);
  bool hasSource;
  bool fromColumn;
  Shown shown;
};

constexpr PictureRule kPictureRules[] = {
    {[](const Handles& h) { return h.IsThemeColour(); }, true, false, Shown::Theme},
    {[](const Handles& h) { return !h.HasNoColumn() && h.theme == 4; }, true, true, Shown::Column},
    {[](const Handles& h) { return !h.HasNoColumn() && h.theme == 1; }, true, true, Shown::ColumnPlusTwo},
    {[](const Handles& h) { return h.HasNoColumn(); }, false, false, Shown::Value},
    {[](const Handles& h) { return h.theme != 0; }, false, false, Shown::Value},
    {[](const Handles&) { return true; }, true, true, Shown::Column},
};

template <typename Rule, std::size_t N>
const Rule& FirstApplying(const Rule (&rules)[N], const Handles& h) {
  for (const Rule& rule : rules) {
    if (rule.applies(h)) return rule;
  }
  return rules[N - 1];
}

}  // namespace

ColorChoice ChooseColorSource(const SourceHandles& handles, std::int32_t value) {
  const Handles h(handles);
  const ColorRule& rule = FirstApplying(kColorRules, h);
  ColorChoice choice{};
  choice.info.dwSource = rule.source;
  choice.info.nValue = value;
  choice.nColor = ShownValue(rule.shown, h, value);
  if (rule.source != kColorSourcePlain) choice.info.nIndex = choice.nColor;
  return choice;
}

PictureChoice ChoosePictureSource(const SourceHandles& handles, std::int32_t value) {
  const Handles h(handles);
  const PictureRule& rule = FirstApplying(kPictureRules, h);
  PictureChoice choice{};
  choice.nPicture = ShownValue(rule.shown, h, value);
  if (rule.hasSource) {
    choice.info.bHasSource = 1;
    choice.info.nIndex = choice.nPicture;
    choice.info.bFromColumn = rule.fromColumn ? 1 : 0;
  }
  return choice;
}

}  // namespace npb
