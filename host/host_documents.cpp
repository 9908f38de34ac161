#include "host/host_documents.h"

#include <tinyxml.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <span>
#include <utility>

#include "host/page_text.h"

namespace pg {

namespace {

using List = std::span<const std::string_view>;

// The host's names of its standard colours, in colour-index order, then the custom entry.
constexpr std::string_view kColourNames[] = {"(None)", "Black", "White", "Red", "Green", "Yellow", "Blue",
                               "Pink", "Cyan", "Gray", "Dk Red", "Dk Green", "Dk Yellow",
                               "Dk Blue", "Dk Pink", "Dk Cyan", "Dk Gray", "Custom"};

constexpr std::string_view kColourAttributes[] = {
    "SEA_COLOR", "SEA_GAP_COLOR", "SSA_COLOR", "SSA_EDGECOLOR", "SGA_PLANECOLORXYBACK",
    "SGA_PLANECOLORYZBACK", "SGA_PLANECOLORZXBACK", "SLA_ERRCOLOR", "SDA_COLOR",
    "SDA_EDGECOLOR", "STA_COLOR", "SDA_COLOREX", "SEA_COLOREX"};

constexpr std::string_view kLineTypes[] = {"(none)", "Solid", "Long Dash", "Medium Dash", "Short Dash",
                             "Dotted", "Dash-Dot", "Dash-Dot-Dot", "Medium-Medium",
                             "Short-Short-Short", "Short-Short", "Short-Long", "Long-Short",
                             "Long-Short-Short", "Short-Long-Short"};
constexpr std::string_view kSymbols[] = {
    "(None)", "Dotted", "Crosshair", "Plus", "X", "Thin X", "Cross", "Horizontal Mark",
    "Vertical Mark", "Female", "Male", "Triangle up", "Triangle Up, dotted",
    "Triangle Up, x-hair", "Triangle down", "Triangle down, dotted", "Triangle down, x-hair",
    "Star", "Circle", "Circle, dotted", "Circle, x-hair", "Circle, crossed",
    "Circle, semi-filled right", "Circle, semi-filled left", "Circle, semi-filled top",
    "Circle, semi-filled bottom", "Circle, hourglass", "Circle, hourglass 45",
    "Circle, hourglass 90", "Circle, hourglass 135", "Square", "Square, dotted",
    "Square, x-hair", "Square, crossed", "Square, semi-filled right",
    "Square, semi-filled left", "Square, semi-filled top", "Square, semi-filled bottom",
    "Square, hourglass", "Square, hourglass 90", "Diamond", "Diamond, dotted",
    "Diamond, x-hair", "Diamond, crossed", "Diamond, semi-filled right",
    "Diamond, semi-filled left", "Diamond, semi-filled top", "Diamond, semi-filled bottom",
    "Diamond, hourglass", "Square, checker", "Hex", "Hex, dotted", "Hex, x-hair", "Hex, crossed",
    "Hex, semi-filled right", "Hex, semi-filled left", "Hex, semi-filled top", "Hex, semi-filled bottom",
    "Hex, hourglass"};
constexpr std::string_view kPatterns[] = {"(none)", "forward diag.", "backward diag.", "diagonal cross",
                            "horizontal", "vertical", "cross", "10 %", "20 %", "25 %", "30 %", "40 %",
                            "50 %", "60 %", "70 %", "75 %", "80 %", "90 %", "Arrows", "Bricks",
                            "Bricks Diag.", "Cyclone", "Zig Zag", "Scales", "Herringbone",
                            "Confetti", "Lrg. Confetti", "Dashes", "Checkers",
                            "Checkers Diag.", "Balls", "Plaid"};
constexpr std::string_view kLineShapes[] = {"Straight", "Horizontal start", "Vertical start",
                              "Vertical midpoint", "Horizontal midpoint", "Smoothed (Spline)"};
constexpr std::string_view kScaleTypes[] = {"Linear", "Log (common)", "Log (natural)", "Probability",
                              "Probit", "Logit", "Category", "Date/time", "Weibull",
                              "Reciprocal"};
constexpr std::string_view kTickDirections[] = {"(none)", "Inward", "Outward", "Both"};
constexpr std::string_view kBreakTypes[] = {"Plain", "Diagonal", "Perpendicular", "S-curve"};
constexpr std::string_view kFrontBack[] = {"Behind", "In Front"};
constexpr std::string_view kGridInFront[] = {"Grid in front", "Plot in front"};
constexpr std::string_view kLegendStyles[] = {"Line only", "Symbol only", "Symbol & lines", "Line & symbols"};
constexpr std::string_view kLegendSide[] = {"Before text", "After text"};
constexpr std::string_view kAutoManual[] = {"Automatic", "Manual"};
constexpr std::string_view kSizeRepeat[] = {"Uniform", "Variable"};
constexpr std::string_view kTicks[] = {"(none)", "clockwise", "counterclockwise"};
constexpr std::string_view kLineOnTop[] = {"Line behind", "Line in front"};
constexpr std::string_view kTernaryScale[] = {"Counter clockwise", "Clockwise"};
constexpr std::string_view kQcMethods[] = {"Mean only", "Std. dev.", "Std. err.", "Conf (95)", "Conf (99)", "Constant"};
constexpr std::string_view kDateLabelKinds[] = {"Numeric", "Series"};
// The tick label thresholds have no names: their pictures show the powers of ten.
constexpr std::string_view kThresholds[] = {"", "", "", "", "", "", "", "", "", "", "", "", "", "", ""};
constexpr std::string_view kQcDirections[] = {"X (horizontal)", "Y (vertical)"};
constexpr std::string_view kPieExplosions[] = {"None", "First slice", "All slices", "Alternate slices"};
constexpr std::string_view kDropDirections[] = {"None", "X", "Y", "X and Y"};
constexpr std::string_view kUpperErrors[] = {"Standard deviation", "Standard error", "95% confidence",
                                             "99% confidence", "Percentile", "Maximum", "(none)"};
constexpr std::string_view kLowerErrors[] = {"Standard deviation", "Standard error", "95% confidence",
                                             "99% confidence", "Percentile", "Minimum", "(none)"};
constexpr std::string_view kSymbolSummaries[] = {"Mean", "Median", "Minimum", "Maximum", "Worksheet columns"};
constexpr std::string_view kShading[] = {"Discrete", "Gradient"};
constexpr std::string_view kOldDateLabels[] = {"Months", "Days of the week", "Years", "Alpha Series", "Numeric"};
constexpr std::string_view kBarAlignments[] = {"Right", "Center", "Left"};
constexpr std::string_view kFrameLines[] = {"Relative to graph origin", "Relative to viewer"};

constexpr std::string_view kSampleRows[] = {"1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"};
constexpr std::string_view kSampleFrequency[] = {"Every point", "Every 2nd point", "Every 3rd point",
                                   "Every 4th point", "Every 5th point", "Every 10th point"};
constexpr std::string_view kAreaFill[] = {"None", "Fill below", "Fill above", "Fill to zero",
                            "Fill between plots"};
constexpr std::string_view kPlaces[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
constexpr std::string_view kFactors[] = {"1", "10", "100", "1000", "1E4", "1E5", "1E6", "1E-1", "1E-2",
                           "1E-3"};
constexpr std::string_view kMinorFrequency[] = {"None", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr std::string_view kPieSlices[] = {"None", "Slice 1", "Slice 2", "Slice 3", "Slice 4", "Slice 5"};
constexpr std::string_view kBoxSummary[] = {"5/95 percentiles", "10/90 percentiles", "Min/Max"};
constexpr std::string_view kContourFill[] = {"None", "Discrete", "Gradient"};
constexpr std::string_view kAutoRange[] = {"Manual", "Automatic", "Nearest tick"};
constexpr std::string_view kNotation[] = {"Decimal", "Scientific", "Engineering", "Fraction"};
constexpr std::string_view kVectorUnits[] = {"Data units", "Page units"};
constexpr std::string_view kPolarUnits[] = {"Degrees", "Radians", "Grads", "Hours (12)", "Weeks", "Days",
                              "Hours (24)", "Minutes"};
constexpr std::string_view kConfidence[] = {"95%", "99%"};
constexpr std::string_view kRegressionOrder[] = {"Linear", "Quadratic", "Cubic"};
constexpr std::string_view kTernaryTotal[] = {"1", "100"};
constexpr std::string_view kGeometric[] = {"Arithmetic", "Geometric"};
constexpr std::string_view kApex[] = {"Bottom", "Top", "Left", "Right"};
constexpr std::string_view kDateForms[] = {"None", "MM/dd/yyyy", "dd/MM/yyyy", "yyyy-MM-dd", "MMM d, yyyy",
                             "d MMM yyyy", "MMMM yyyy", "MM/yy", "yyyy"};
constexpr std::string_view kTimeForms[] = {"None", "HH:mm", "HH:mm:ss", "h:mm tt", "h:mm:ss tt", "mm:ss"};
constexpr std::string_view kLabelLength[] = {"Full", "3 letters", "1 letter"};

// The old-style date label lists follow the label series.
constexpr std::string_view kMonths[] = {"January", "February", "March", "April", "May", "June", "July",
                          "August", "September", "October", "November", "December"};
constexpr std::string_view kWeekdays[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday",
                            "Saturday", "Sunday"};
constexpr std::string_view kYears[] = {"1990", "1995", "2000", "2005", "2010", "2015", "2020", "2025"};
constexpr std::string_view kLetters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                           "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
constexpr std::string_view kNumbers[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
constexpr List kSeries[] = {kMonths, kWeekdays, kYears, kLetters, kNumbers};

struct OptionList {
  std::string_view name;
  List entries;
};

constexpr OptionList kOptionLists[] = {
    {"SEA_LINETYPE", kLineTypes},
    {"SLA_LINEPATH", kLineShapes},
    {"SLA_FLAG_LINEONTOP", kLineOnTop},
    {"SLA_FLAG_QCONTOP", kFrontBack},
    {"SLA_QCMETHOD", kQcMethods},
    {"SAA_OLDSTYLEDATELABELON", kDateLabelKinds},
    {"SAA_TICLABELTHRESHMIN", kThresholds},
    {"SAA_TICLABELTHRESHMAX", kThresholds},
    {"SLA_QCOPTS_DIRECTION", kQcDirections},
    {"SLA_PIEEXPLODEFROM", kPieExplosions},
    {"DIRECTION_FLAGS", kDropDirections},
    {"SNA_ERROR1SUMMARYMETHOD", kUpperErrors},
    {"SNA_ERROR2SUMMARYMETHOD", kLowerErrors},
    {"SNA_SYMBOLSUMMARYMETHOD", kSymbolSummaries},
    {"SLA_FLAG_3DSHADINGSMOOTH", kShading},
    {"SAA_OLDSTYLEDATELABEL", kOldDateLabels},
    {"SLA_BARUNIFORMTHICKNESS", kSizeRepeat},
    {"SLA_BARALIGNMENT", kBarAlignments},
    {"SGA_FRAMESLINES_FROMORIGIN", kFrameLines},
    {"SGA_FLAG_GRIDINFRONT", kGridInFront},
    {"SSA_SHAPE", kSymbols},
    {"SAA_BREAKTYPE", kBreakTypes},
    {"STA_LEGENDSTYLE", kLegendStyles},
    {"SDA_PATTERN", kPatterns},
    {"SAA_TYPE", kScaleTypes},
    {"SAA_FLAG_AUTOTICKS", kAutoManual},
    {"SAA_FLAG_AUTORANGE", kAutoManual},
    {"STA_FLAG_LGNDRIGHT", kLegendSide},
    {"SSA_SIZEREPEAT", kSizeRepeat},
    {"SAA_TERNARY_SCALE_DIRECTION", kTernaryScale},
    {"SLA_SAMPLETOP", kSampleRows},
    {"SLA_SAMPLEBOTTOM", kSampleRows},
    {"SLA_SAMPLEFREQ", kSampleFrequency},
    {"SLA_AREAFILLTYPE", kAreaFill},
    {"SAA_TICLABELPLACES", kPlaces},
    {"SAA_TICLABELFACTOR", kFactors},
    {"SAA_MINORFREQ", kMinorFrequency},
    {"SLA_PIEEXPLODEDSLICE", kPieSlices},
    {"SLA_BOX595SUMMARY", kBoxSummary},
    {"SLA_CONTOURFILLTYPE", kContourFill},
    {"SAA_FLAG_AUTORANGEMIN", kAutoRange},
    {"SAA_FLAG_AUTORANGEMAX", kAutoRange},
    {"SAA_TICLABELNOTATION", kNotation},
    {"SEA_VECTOR_UNIT_TYPE", kVectorUnits},
    {"SAA_POLARUNITS", kPolarUnits},
    {"SLA_REGR_99PCT", kConfidence},
    {"SLA_REGRORDER", kRegressionOrder},
    {"SGA_TERNARYTOTAL", kTernaryTotal},
    {"SLA_ERRF_GEOMETRIC", kGeometric},
    {"SAA_MAJOR_SUB_TITLEAPEX", kApex},
    {"SAA_MINOR_SUB_TITLEAPEX", kApex},
    {"SAA_OLDSTYLEDATELABELLEN", kLabelLength},
    {"SAA_TICLABELDATEFORM", kDateForms},
    {"SAA_TICLABELTIMEFORM", kTimeForms},
};

constexpr std::string_view kSeriesAttributes[] = {
    "SAA_OLDSTYLEDATELABELFROM", "SAA_OLDSTYLEDATELABELTO", "SAA_OLDSTYLEDATELABELBY",
    "SAA_OLDSTYLEDATELABELGO"};

// Every tick direction attribute shares one list.
bool IsTickDirection(std::string_view name) {
  return name.find("_DIRECTION_") != std::string_view::npos && name.substr(0, 4) == "SAA_";
}

template <typename Range>
bool Contains(const Range& range, std::string_view name) {
  return std::find(std::begin(range), std::end(range), name) != std::end(range);
}

struct Scheme {
  int handle;
  std::string_view name;
  std::span<const int> values;
  int parent;  // handle of the scheme it is nested in, 0 at the top
};

constexpr int kEarth[] = {0x004080, 0x2F6B55, 0x7AA0C0, 0xB4D2E6, 0x1E3C5A};
constexpr int kOcean[] = {0x803000, 0xB06000, 0xD8A040, 0xF0D8A0};
constexpr int kGray[] = {0x000000, 0x404040, 0x808080, 0xC0C0C0, 0xFFFFFF};
constexpr int kRainbow[] = {0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF00, 0xFF0000, 0x800080};
constexpr int kPastel[] = {0x8080FF, 0x80C0FF, 0x80FFFF, 0x80FF80, 0xFF8080};
constexpr int kLinesIncrementing[] = {1, 2, 3, 4, 5, 6};
constexpr int kLinesAlternating[] = {1, 2, 1, 2};
constexpr int kSymbolsIncrementing[] = {18, 30, 40, 11, 14, 17};
constexpr int kSymbolsHollow[] = {18, 30, 40, 11};
constexpr int kSymbolsDotted[] = {19, 31, 41, 12};
constexpr int kDensities[] = {7, 9, 11, 13, 15};
constexpr int kHatches[] = {1, 2, 3, 4, 5, 6};

constexpr Scheme kColourSchemes[] = {
    {3, "Earth Tones", kEarth, 0},
    {5, "Ocean", kOcean, 0},
    {6, "Grayscale", kGray, 0},
    {7, "Rainbow", kRainbow, 0},
    {8, "Rainbow (pastel)", kPastel, 7},
};
constexpr Scheme kLineSchemes[] = {
    {3, "Incrementing", kLinesIncrementing, 0},
    {5, "Solid and dashed", kLinesAlternating, 0},
};
constexpr Scheme kSymbolSchemes[] = {
    {3, "Incrementing", kSymbolsIncrementing, 0},
    {5, "Hollow shapes", kSymbolsHollow, 0},
    {6, "Dotted shapes", kSymbolsDotted, 5},
};
constexpr Scheme kPatternSchemes[] = {
    {3, "Incrementing densities", kDensities, 0},
    {5, "Hatches", kHatches, 0},
};

struct SchemeSet {
  std::string_view name;
  const Scheme* begin;
  const Scheme* end;
};

constexpr SchemeSet kPictureSchemes[] = {
    {"SEA_LINETYPE", std::begin(kLineSchemes), std::end(kLineSchemes)},
    {"SSA_SHAPE", std::begin(kSymbolSchemes), std::end(kSymbolSchemes)},
    {"SDA_PATTERN", std::begin(kPatternSchemes), std::end(kPatternSchemes)},
};

constexpr std::pair<int, std::string_view> kDescriptions[] = {
    {1, "Name of the graph page, shown in the window title."},
    {2, "Width of the page."},
    {3, "Height of the page."},
    {4, "Space between the left edge of the paper and the page."},
    {5, "Space between the top edge of the paper and the page."},
    {6, "Space between the right edge of the paper and the page."},
    {7, "Space between the bottom edge of the paper and the page."},
    {8, "Smooths the edges of lines and text on the page."},
    {10, "Name of the graph."},
    {11, "Colour of the graph's back plane."},
    {12, "Draws the grid lines in front of the plots or behind them."},
    {13, "Frames the automatic legend with a box."},
    {14, "Opacity of the back plane colour."},
    {20, "Title shown beside the axis."},
    {21, "Scale type of the axis."},
    {22, "First value of the axis range."},
    {23, "Last value of the axis range."},
    {24, "Length of the tick marks."},
    {25, "Number of decimal places of the tick labels."},
    {26, "Notation of the tick labels."},
    {27, "Direction in which the tick marks point."},
    {28, "Position of the axis break."},
    {30, "Colour of the line."},
    {31, "Dash pattern of the line."},
    {32, "Thickness of the line."},
    {33, "Colour shown in the gaps of a dashed line."},
    {40, "Shape of the plot's symbols."},
    {41, "Size of the symbols."},
    {42, "Fill colour of the symbols."},
    {43, "Colour of the symbol edges."},
    {50, "Colour of the error bars."},
    {51, "Width of the error bar caps."},
    {52, "Thickness of the error bars."},
    {60, "Fill pattern of the area."},
    {61, "Fill colour of the area."},
    {62, "Opacity of the fill colour."},
    {70, "Text of the label."},
    {71, "Font of the text."},
    {72, "Size of the text in points."},
    {73, "Rotation of the text in degrees."},
    {74, "Draws the text in bold."},
    {80, "Plots only every n-th data point."},
    {81, "Worksheet columns the plot draws."},
    {90, "Start of the ternary X range, as a fraction of the total."},
    {91, "End of the ternary X range, as a fraction of the total."},
};

// "XML"/"Root"/<table> with a declaration, ready for its entries.
TiXmlElement* StartDocument(TiXmlDocument& doc, const char* table) {
  doc.LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", "yes"));
  TiXmlElement* xml = new TiXmlElement("XML");
  doc.LinkEndChild(xml);
  TiXmlElement* root = new TiXmlElement("Root");
  xml->LinkEndChild(root);
  TiXmlElement* body = new TiXmlElement(table);
  root->LinkEndChild(body);
  return body;
}

void AddSchemes(TiXmlElement* parent, const Scheme* begin, const Scheme* end, int parentHandle) {
  for (const Scheme* s = begin; s != end; ++s) {
    if (s->parent != parentHandle) continue;
    TiXmlElement* scheme = new TiXmlElement("Scheme");
    scheme->SetAttribute("Name", std::string(s->name));
    scheme->SetAttribute("Handle", s->handle);
    TiXmlElement* list = new TiXmlElement("SchemeList");
    for (int value : s->values) {
      TiXmlElement* entry = new TiXmlElement("Attribute");
      entry->SetAttribute("value", value);
      list->LinkEndChild(entry);
    }
    scheme->LinkEndChild(list);
    AddSchemes(scheme, begin, end, s->handle);
    parent->LinkEndChild(scheme);
  }
}

// The columns of the sheet a data source text names: every "col(n)" in it, and the
// sheet's other columns up to the last one named, at least four in all.
std::vector<int> ColumnsOf(std::string_view source) {
  std::vector<int> columns;
  size_t at = 0;
  while ((at = source.find("col(", at)) != std::string_view::npos) {
    at += 4;
    const int n = std::atoi(std::string(source.substr(at, 6)).c_str());
    if (n > 0 && std::find(columns.begin(), columns.end(), n) == columns.end())
      columns.push_back(n);
  }
  const int last = std::max(4, columns.empty() ? 0 : *std::max_element(columns.begin(), columns.end()));
  std::vector<int> sheet;
  for (int n = 1; n <= last; ++n) sheet.push_back(n);
  return sheet;
}

// The cells of a colour column: a deterministic spread of colours per column.
int ColumnColour(int column, int row) {
  const unsigned base = 0x3F1F0Fu * static_cast<unsigned>(column) + 0x102030u * row;
  return static_cast<int>(base & 0xFFFFFFu);
}

}  // namespace

std::vector<std::string_view> StandardOptions(std::string_view attrName, int listForm) {
  List entries{};
  if (Contains(kColourAttributes, attrName)) {
    entries = kColourNames;
  } else if (IsTickDirection(attrName)) {
    entries = kTickDirections;
  } else if (attrName.substr(0, 24) == "SAA_SUB_POLARLABELSINCW_") {
    entries = kTicks;
  } else if (Contains(kSeriesAttributes, attrName)) {
    const int series = std::clamp(listForm, 0, static_cast<int>(std::size(kSeries)) - 1);
    entries = kSeries[series];
  } else {
    for (const OptionList& list : kOptionLists)
      if (list.name == attrName) entries = list.entries;
  }
  std::vector<std::string_view> out(entries.begin(), entries.end());
  const size_t limit = attrName == "SSA_SHAPE" ? kMaxSymbolOptions : kMaxOptions;
  if (out.size() > limit) out.resize(limit);
  return out;
}

std::string StandardOptionsDocument(std::string_view attrName, int listForm) {
  TiXmlDocument doc;
  TiXmlElement* options = StartDocument(doc, "standardOptions");
  int id = 0;
  for (std::string_view name : StandardOptions(attrName, listForm)) {
    TiXmlElement* option = new TiXmlElement("option");
    option->SetAttribute("id", id++);
    option->SetAttribute("name", std::string(name));
    options->LinkEndChild(option);
  }
  return PrintDocument(doc);
}

std::string SchemeTableDocument(std::string_view attrName) {
  TiXmlDocument doc;
  TiXmlElement* table = StartDocument(doc, "SchemeTable");
  const Scheme* begin = std::begin(kColourSchemes);
  const Scheme* end = std::end(kColourSchemes);
  for (const SchemeSet& set : kPictureSchemes) {
    if (set.name == attrName) {
      begin = set.begin;
      end = set.end;
    }
  }
  AddSchemes(table, begin, end, 0);
  return PrintDocument(doc);
}

std::string ColumnTableDocument(std::string_view dataSource) {
  TiXmlDocument doc;
  TiXmlElement* table = StartDocument(doc, "ColumnTable");
  for (int column : ColumnsOf(dataSource)) {
    TiXmlElement* scheme = new TiXmlElement("Scheme");
    scheme->SetAttribute("ColumnNo", column);
    scheme->SetAttribute("Name", "col(" + std::to_string(column) + ")");
    TiXmlElement* list = new TiXmlElement("ColumnList");
    for (int row = 0; row < 4; ++row) {
      TiXmlElement* cell = new TiXmlElement("Attribute");
      cell->SetAttribute("Value", ColumnColour(column, row));
      list->LinkEndChild(cell);
    }
    scheme->LinkEndChild(list);
    table->LinkEndChild(scheme);
  }
  return PrintDocument(doc);
}

std::string_view AttributeDescription(int number) {
  for (const auto& [n, text] : kDescriptions)
    if (n == number) return text;
  return {};
}

void CopyToBuffer(std::string_view text, char* buffer, size_t size) {
  if (!buffer || size == 0) return;
  const size_t n = std::min(text.size(), size - 1);
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}

}  // namespace pg
