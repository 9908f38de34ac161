#include "host/page_generator.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

namespace pg {

namespace {

// How a generated attribute's value looks.
enum class Value { Colour, Index, Length, Angle, Flag, Text, Real, Percent };

struct Vocabulary {
  std::string_view name;
  std::string_view label;
  Value value;
};

// A spread of real identifiers over every row kind, with labels as the host gives them.
constexpr Vocabulary kAttributes[] = {
    {"SEA_COLOR", "Color", Value::Colour},
    {"SEA_LINETYPE", "Style", Value::Index},
    {"SEA_THICKNESS", "Width", Value::Length},
    {"SEA_GAP_COLOR", "Gap Color", Value::Colour},
    {"SEA_ANTIALIASED", "Antialiasing", Value::Flag},
    {"SEA_ALPHAFORCOLOR", "Transparency", Value::Percent},
    {"SSA_SHAPE", "Symbol", Value::Index},
    {"SSA_SIZE", "Size", Value::Length},
    {"SSA_COLOR", "Fill Color", Value::Colour},
    {"SSA_EDGECOLOR", "Edge Color", Value::Colour},
    {"SSA_EDGETHICKNESS", "Edge Thickness", Value::Length},
    {"SSA_OPTIONS", "Options", Value::Flag},
    {"SDA_COLOR", "Fill Color", Value::Colour},
    {"SDA_PATTERN", "Pattern", Value::Index},
    {"SDA_EDGECOLOR", "Edge Color", Value::Colour},
    {"SDA_EDGETHICKNESS", "Edge Thickness", Value::Length},
    {"SDA_ALPHAFORCOLOR", "Transparency", Value::Percent},
    {"SDA_COLORGRADIENTANGLE", "Gradient Angle", Value::Angle},
    {"SAA_TICSIZE", "Tick Length", Value::Length},
    {"SAA_TYPE", "Scale Type", Value::Index},
    {"SAA_FROMVAL", "Start", Value::Real},
    {"SAA_TOVAL", "End", Value::Real},
    {"SAA_TICLABELPLACES", "Decimal Places", Value::Index},
    {"SAA_TICLABELNOTATION", "Notation", Value::Index},
    {"SAA_FLAG_MAJORGRID", "Major Grid", Value::Flag},
    {"SAA_POS1", "Position", Value::Length},
    {"SAA_FROMVAL_TERNARY_XRANGE", "X Range From", Value::Real},
    {"SLA_NAME", "Plot Name", Value::Text},
    {"SLA_ERRCOLOR", "Error Bar Color", Value::Colour},
    {"SLA_ERRCAPWIDTH", "Cap Width", Value::Length},
    {"SLA_FLAG_DROPX", "X Drop Lines", Value::Flag},
    {"SLA_SAMPLEFREQ", "Sampling", Value::Index},
    {"SLA_AREAFILLTYPE", "Area Fill", Value::Index},
    {"SLA_TYPE", "Plot Type", Value::Index},
    {"SGA_NAME", "Graph Name", Value::Text},
    {"SGA_PLANECOLORXYBACK", "Back Plane Color", Value::Colour},
    {"SGA_FLAG_AUTOLEGENDBOX", "Legend Box", Value::Flag},
    {"STA_TEXT", "Text", Value::Text},
    {"STA_FONT", "Font", Value::Text},
    {"STA_SIZE", "Size", Value::Index},
    {"STA_ORIENTATION", "Rotation", Value::Angle},
    {"STA_COLOR", "Color", Value::Colour},
    {"STA_FLAG_BOLD", "Bold", Value::Flag},
    {"SPA_WIDTH", "Width", Value::Length},
    {"SPA_LEFTMARGIN", "Left Margin", Value::Length},
    {"SXA_POSITION_TOP", "Top", Value::Length},
    {"SPA_ZOOM", "Zoom", Value::Percent},
};

constexpr std::string_view kTypes[] = {"Cartesian2D Graph", "Axis", "2DScatter Plot", "Line",
                                       "Symbol", "Text", "Solid"};
constexpr std::string_view kGroups[] = {"Scale", "Titles", "Drop lines", "Grid lines",
                                        "Error bars", "Legends", "Major tick labels"};
constexpr std::string_view kLists[] = {"Axes", "Plots", "Labels"};
constexpr std::string_view kWords[] = {"Temperature", "Pressure", "Time", "Signal", "Series",
                                       "Control", "Sample", "Dose", "Response", "Mean"};
constexpr std::string_view kDataTypes[] = {"Color", "Integer", "Integer", "Integer",
                                           "bool", "PTR String", "double", "Integer"};

// A small fixed generator: the same seed gives the same page on every platform.
class Random {
 public:
  explicit Random(unsigned seed) : m_state(seed * 2654435761u + 1) {}
  uint32_t Next() {
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
  }
  int Below(int n) { return n > 0 ? static_cast<int>(Next() % static_cast<uint32_t>(n)) : 0; }

 private:
  uint32_t m_state;
};

void Indent(std::string& out, int level) {
  out.append(static_cast<size_t>(level) * 4, ' ');
}

void AddAttribute(std::string& out, std::string_view name, std::string_view value) {
  out += ' ';
  out += name;
  out += "=\"";
  out += value;
  out += '"';
}

std::string ValueText(Value kind, Random& rng) {
  switch (kind) {
    case Value::Colour: return std::to_string(rng.Next() & 0xFFFFFF);
    case Value::Index: return std::to_string(rng.Below(12));
    case Value::Length: return std::to_string(rng.Below(2000));
    case Value::Angle: return std::to_string(rng.Below(3600));
    case Value::Flag: return std::to_string(rng.Below(2));
    case Value::Percent: return std::to_string(rng.Below(101));
    case Value::Real: return std::to_string(rng.Below(1000)) + "." + std::to_string(rng.Below(100));
    case Value::Text: break;
  }
  return std::string(kWords[rng.Below(std::size(kWords))]) + " " + std::to_string(rng.Below(100));
}

void WriteAttributes(std::string& out, int level, int count, Random& rng) {
  if (count <= 0) return;
  Indent(out, level);
  out += "<AttributeTable>\n";
  const int n = static_cast<int>(std::size(kAttributes));
  const int first = rng.Below(n);
  for (int i = 0; i < count; ++i) {
    const int index = (first + i) % n;
    const Vocabulary& a = kAttributes[index];
    const Value kind = a.value;
    Indent(out, level + 1);
    out += "<Attribute";
    // Past one round of the vocabulary the names repeat with new numbers.
    AddAttribute(out, "ID", std::to_string(256 + index + n * ((first + i) / n)));
    AddAttribute(out, "Name", a.name);
    AddAttribute(out, "Label", a.label);
    AddAttribute(out, "DataType", kDataTypes[static_cast<int>(kind)]);
    AddAttribute(out, "AttrValue", ValueText(kind, rng));
    if (kind == Value::Colour) {
      AddAttribute(out, "ThemeHandle", "2");
      AddAttribute(out, "ColHandle", "-2");
    }
    if (rng.Below(3) == 0) AddAttribute(out, "AttrDescription", std::to_string(1 + rng.Below(90)));
    out += " />\n";
  }
  Indent(out, level);
  out += "</AttributeTable>\n";
}

void OpenObject(std::string& out, int level, int handle, bool empty, Random& rng) {
  Indent(out, level);
  out += "<Object";
  const int form = rng.Below(10);
  if (form == 0) {
    AddAttribute(out, "List", kLists[rng.Below(std::size(kLists))]);
  } else if (form < 3) {
    AddAttribute(out, "Group", kGroups[rng.Below(std::size(kGroups))]);
    AddAttribute(out, "Handle", std::to_string(handle));
  } else {
    AddAttribute(out, "Type", kTypes[rng.Below(std::size(kTypes))]);
    AddAttribute(out, "Object_Name",
                 std::string(kWords[rng.Below(std::size(kWords))]) + " " + std::to_string(handle));
    AddAttribute(out, "Handle", std::to_string(handle));
  }
  out += empty ? " />\n" : ">\n";
}

void CloseObject(std::string& out, int level) {
  Indent(out, level);
  out += "</Object>\n";
}

}  // namespace

std::string GeneratePage(const GeneratorOptions& options) {
  Random rng(options.seed);
  const int depth = std::max(1, options.depth);
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\n<XML>\n";
  out.reserve(static_cast<size_t>(std::max(0, options.objects)) *
              (120 + 140 * static_cast<size_t>(std::max(0, options.attributesPerObject))));
  out += "    <ObjectList>\n";
  // The level of every object first: whether an object has children decides its form.
  // Each next object goes one level deeper, stays, or climbs back.
  std::vector<int> levels;
  for (int i = 0; i < options.objects; ++i)
    levels.push_back(i == 0 ? 1 : 1 + rng.Below(std::min(levels.back() + 1, depth)));
  int open = 0;  // objects open around the next one
  for (int i = 0; i < options.objects; ++i) {
    const int level = levels[static_cast<size_t>(i)];
    const bool children = i + 1 < options.objects && levels[static_cast<size_t>(i) + 1] > level;
    const bool empty = !children && options.attributesPerObject <= 0;
    while (open >= level) CloseObject(out, 1 + open--);
    OpenObject(out, 1 + level, i + 1, empty, rng);
    WriteAttributes(out, 2 + level, options.attributesPerObject, rng);
    open = empty ? level - 1 : level;
  }
  while (open > 0) CloseObject(out, 1 + open--);
  out += "    </ObjectList>\n</XML>\n";
  return out;
}

}  // namespace pg
