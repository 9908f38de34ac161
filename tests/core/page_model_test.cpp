#include <gtest/gtest.h>
#include <tinyxml.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "host/host_documents.h"
#include "host/page_generator.h"
#include "host/page_model.h"
#include "host/page_pieces.h"
#include "host/page_text.h"
#include "host/sample_page.h"
#include "recorder/attribute_name_table.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Indexes of the lines that differ between two texts of the same line count.
std::vector<size_t> ChangedLines(const std::string& before, const std::string& after) {
  const auto a = Lines(before), b = Lines(after);
  std::vector<size_t> changed;
  if (a.size() != b.size()) return {static_cast<size_t>(-1)};
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) changed.push_back(i);
  return changed;
}

std::string Join(const std::vector<std::string_view>& pieces) {
  std::string text;
  for (std::string_view p : pieces) text += p;
  return text;
}

std::string Change(const std::string& objects) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\n<XML><ObjectList>" +
         objects + "</ObjectList></XML>";
}

TEST(PagePieces, JoinedInOrderTheyGiveTheTextBack) {
  constexpr size_t k = pg::kPieceSize;
  const struct {
    size_t length;
    int pieces;
  } cases[] = {
      {0, 2},           {1, 2},           {k - 1, 2},          {k, 2},
      {2 * k, 2},       {2 * k + 1, 3},   {10 * k + 5, 11},    {300 * k, 300},
      {300 * k + 1, 300}, {700 * k + 13, 300},
  };
  for (const auto& c : cases) {
    std::string text(c.length, 'x');
    for (size_t i = 0; i < text.size(); i += 997) text[i] = static_cast<char>('a' + i % 26);
    const auto pieces = pg::SplitIntoPieces(text);
    EXPECT_EQ(static_cast<int>(pieces.size()), c.pieces) << c.length;
    EXPECT_EQ(pg::PieceCount(c.length), c.pieces) << c.length;
    EXPECT_TRUE(Join(pieces) == text) << c.length;
    const size_t limit = std::max(k, (c.length + 299) / 300);
    for (std::string_view p : pieces) EXPECT_LE(p.size(), limit) << c.length;
  }
}

TEST(PagePieces, ALargePageUsesAtMost300LargerPieces) {
  // Past 300 pieces of 64 KiB, held mostly in long values: a page of this size with
  // realistic objects takes seconds to parse and adds nothing to what the pieces show.
  // A quotation mark in a value is one byte to read and six ("&quot;") once printed.
  const std::string value(300 * pg::kPieceSize / (6 * 16), '"');
  std::string text = "<XML><ObjectList>";
  for (int i = 1; i <= 17; ++i)
    text += "<Object Type=\"Text\" Object_Name=\"T" + std::to_string(i) + "\" Handle=\"" + std::to_string(i) +
            "\"><AttributeTable><Attribute ID=\"1\" Name=\"STA_TEXT\" AttrValue='" + value +
            "' /></AttributeTable></Object>";
  text += "</ObjectList></XML>";
  pg::PageModel model;
  ASSERT_TRUE(model.LoadText(text));
  EXPECT_EQ(model.ObjectCount(), 17);
  ASSERT_GT(model.Text().size(), 300 * pg::kPieceSize);
  EXPECT_EQ(model.PieceCount(), 300);
  const auto pieces = model.Pieces();
  EXPECT_EQ(pieces.size(), 300u);
  EXPECT_GT(pieces.front().size(), pg::kPieceSize);
  EXPECT_TRUE(Join(pieces) == model.Text());
}

TEST(PageModelLoad, ReadsPagesAndRefusesWhatIsNotOne) {
  pg::PageModel model;
  ASSERT_TRUE(model.LoadSample());
  const std::string sample = model.Text();
  const int objects = model.ObjectCount();
  EXPECT_EQ(objects, 83);

  std::string crlf;
  for (char c : std::string(pg::SampleText())) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  pg::PageModel fromCrlf;
  ASSERT_TRUE(fromCrlf.LoadText(crlf));
  EXPECT_EQ(fromCrlf.Text(), sample);

  std::string deep = "<XML><ObjectList>";
  for (int i = 0; i < 5000; ++i) deep += "<Object>";
  for (int i = 0; i < 5000; ++i) deep += "</Object>";
  deep += "</ObjectList></XML>";
  const std::string refused[] = {"", "plain words", "<Other><ObjectList/></Other>",
                                 "<XML><ObjectList><Object></XML>", deep};
  for (const std::string& text : refused) {
    EXPECT_FALSE(model.LoadText(text)) << text.substr(0, 40);
    EXPECT_EQ(model.Text(), sample) << "a refused text must leave the page as it was";
    EXPECT_EQ(model.ObjectCount(), objects);
  }
  EXPECT_FALSE(model.LoadFile("/no/such/page.xml"));
}

TEST(PageModelApply, ChangesExactlyTheNamedAttribute) {
  const struct {
    const char* what;
    std::string document;
    std::vector<std::string> expected;  // texts the one changed line must hold
  } cases[] = {
      {"by handle",
       Change(R"(<Object Type="Line" Object_Name="Major tick lines" Handle="111"><AttributeTable>
              <Attribute ID="1" Name="SAA_TICSIZE" Label="Tick Length" DataType="Integer" AttrValue="125" />
              </AttributeTable></Object>)"),
       {"Name=\"SAA_TICSIZE\"", "AttrValue=\"125\""}},
      {"group shares its axis's handle",
       Change(R"(<Object Group="Scale" Handle="210"><AttributeTable>
              <Attribute Name="SAA_TOVAL" AttrValue="2030" /></AttributeTable></Object>)"),
       {"Name=\"SAA_TOVAL\"", "AttrValue=\"2030\""}},
      {"by place in the tree",
       Change(R"(<Object Type="Page" Object_Name="Graph Page 1" Handle="">
              <Object Type="Cartesian2D Graph" Object_Name="Graph 1" Handle="">
              <AttributeTable><Attribute Name="SGA_NAME" AttrValue="Response" /></AttributeTable>
              </Object></Object>)"),
       {"AttrValue=\"Response\"", "ID=\"512\""}},
      {"by list and group under their parent",
       Change(R"(<Object Type="Page" Object_Name="Graph Page 1" Handle=""><Object Type="Cartesian2D Graph" Object_Name="Graph 2" Handle="">
              <Object Group="Size and Position" /><Object List="Axes"><Object Type="Axis" Object_Name="Y Axis" Handle="">
              <Object Group="Scale"><AttributeTable><Attribute Name="SAA_FROMVAL" AttrValue="-1" /></AttributeTable></Object>
              </Object></Object></Object></Object>)"),
       {"Name=\"SAA_FROMVAL\"", "AttrValue=\"-1\""}},
      {"by number when the name is unknown",
       Change(R"(<Object Handle="1" Type="Page" Object_Name="Graph Page 1"><AttributeTable>
              <Attribute ID="263" Name="NO_SUCH_NAME" AttrValue="0" /></AttributeTable></Object>)"),
       {"Name=\"SPA_ANTIALIASED\"", "AttrValue=\"0\""}},
      {"colour source",
       Change(R"(<Object Type="Symbol" Object_Name="Symbols" Handle="141"><AttributeTable>
              <Attribute Name="SSA_COLOR" AttrValue="255" ThemeHandle="4" ColHandle="2" /></AttributeTable></Object>)"),
       {"Name=\"SSA_COLOR\"", "ThemeHandle=\"4\"", "ColHandle=\"2\""}},
      {"symbol options",
       Change(R"(<Object Type="Symbol" Object_Name="Symbols" Handle="152"><AttributeTable>
              <Attribute ID="1799" Name="SSA_OPTIONS" Label="Options" DataType="bool" AttrValue="3" /></AttributeTable></Object>)"),
       {"Name=\"SSA_OPTIONS\"", "AttrValue=\"3\""}},
  };
  for (const auto& c : cases) {
    pg::PageModel model;
    ASSERT_TRUE(model.LoadSample());
    const std::string before = model.Text();
    EXPECT_TRUE(model.ApplyChanges(c.document)) << c.what;
    const std::string after = model.Text();
    const auto changed = ChangedLines(before, after);
    ASSERT_EQ(changed.size(), 1u) << c.what;
    const std::string line = Lines(after)[changed[0]];
    for (const std::string& part : c.expected) EXPECT_NE(line.find(part), std::string::npos) << c.what << ": " << line;
  }
}

TEST(PageModelApply, BrokenOrForeignDocumentsChangeNothing) {
  const struct {
    const char* what;
    std::string document;
    bool reads;
  } cases[] = {
      {"empty", "", false},
      {"not xml", "SAA_TICSIZE=5", false},
      {"cut short",
       Change(R"(<Object Handle="111"><AttributeTable><Attribute Name="SAA_TICSIZE" AttrValue="1" />)"), false},
      {"broken after a good object",
       "<XML><ObjectList><Object Handle=\"111\"><AttributeTable><Attribute Name=\"SAA_TICSIZE\" "
       "AttrValue=\"1\" /></AttributeTable></Object><Object></ObjectList></XML>", false},
      {"no XML element", "<Page><ObjectList /></Page>", false},
      {"unknown handle", Change(R"(<Object Handle="99999"><AttributeTable><Attribute Name="SAA_TICSIZE" AttrValue="1" /></AttributeTable></Object>)"), true},
      {"unknown attribute", Change(R"(<Object Handle="111"><AttributeTable><Attribute ID="9" Name="SAA_NOTHING" AttrValue="1" /></AttributeTable></Object>)"), true},
      {"no attribute table", Change(R"(<Object Type="Page" Object_Name="Graph Page 1" Handle="1"><Object List="Axes" /></Object>)"), true},
      {"no object list", "<XML />", true},
  };
  pg::PageModel model;
  ASSERT_TRUE(model.LoadSample());
  const std::string before = model.Text();
  for (const auto& c : cases) {
    EXPECT_EQ(model.ApplyChanges(c.document), c.reads) << c.what;
    EXPECT_TRUE(model.Text() == before) << c.what;
  }
}

TEST(PageModelAttributes, OneAttributeByHandleAndNumber) {
  pg::PageModel model;
  ASSERT_TRUE(model.LoadSample());
  std::string value, type;
  // 1030 is the axis range start, held by the axis's "Scale" group under the axis handle.
  ASSERT_TRUE(model.GetAttribute(110, 1030, &value, &type));
  EXPECT_EQ(value, "0");
  EXPECT_EQ(type, "double");
  EXPECT_TRUE(model.SetAttribute(110, 1030, "2.5"));
  ASSERT_TRUE(model.GetAttribute(110, 1030, &value));
  EXPECT_EQ(value, "2.5");
  EXPECT_FALSE(model.GetAttribute(210, 99, &value));
  EXPECT_FALSE(model.SetAttribute(424242, 1030, "1"));
  EXPECT_EQ(model.DataSource(141), "Data 1: col(1), col(3)") << "a symbol takes its plot's data";
  EXPECT_EQ(model.DataSource(1), "");

  const struct {
    int handle;
    int kind;
  } kinds[] = {{1, 1}, {100, 2}, {130, 3}, {110, 1}, {120, 2}, {111, 6}, {141, 7}, {232, 8}, {240, 5}};
  for (const auto& k : kinds) {
    ASSERT_NE(model.State(k.handle), nullptr) << k.handle;
    EXPECT_EQ(model.State(k.handle)->kind, k.kind) << k.handle;
  }
  EXPECT_EQ(model.State(5555), nullptr);
  pg::ObjectState* plot = model.State(140);
  ASSERT_NE(plot, nullptr);
  EXPECT_EQ(plot->customKinds.count(pg::kCustomSymbol), 1u);
  plot->customKinds.erase(pg::kCustomSymbol);
  EXPECT_EQ(model.State(140)->customKinds.count(pg::kCustomSymbol), 0u);
}

// Walks every "Object" of the sample with its ancestors' handles.
void Walk(const TiXmlElement* parent, std::vector<std::string> handles,
          std::vector<std::pair<const TiXmlElement*, std::vector<std::string>>>* out) {
  for (const TiXmlElement* o = pg::FirstChild(parent, "Object"); o; o = pg::NextSibling(o, "Object")) {
    out->push_back({o, handles});
    auto inner = handles;
    inner.emplace_back(pg::AttributeText(o, "Handle"));
    Walk(o, inner, out);
  }
}

TEST(SamplePage, LooksLikeAPageTheBrowserCanShow) {
  TiXmlDocument doc;
  ASSERT_TRUE(pg::ParseDocument(pg::SampleText(), &doc));
  std::vector<std::pair<const TiXmlElement*, std::vector<std::string>>> objects;
  Walk(pg::FirstChild(pg::FirstChild(&doc, "XML"), "ObjectList"), {}, &objects);
  std::set<std::string> names, typedHandles, forms;
  const std::set<std::string> optionLists = {
      "SLA_SAMPLETOP", "SLA_SAMPLEBOTTOM", "SLA_SAMPLEFREQ", "SLA_AREAFILLTYPE",
      "SAA_TICLABELPLACES", "SAA_TICLABELFACTOR", "SAA_MINORFREQ", "SAA_FLAG_AUTORANGEMIN",
      "SAA_FLAG_AUTORANGEMAX", "SAA_TICLABELNOTATION", "SLA_ERRF_GEOMETRIC", "SGA_TERNARYTOTAL"};
  const std::set<std::string> colours = {
      "SEA_COLOR", "SEA_GAP_COLOR", "SSA_COLOR", "SSA_EDGECOLOR", "SGA_PLANECOLORXYBACK",
      "SLA_ERRCOLOR", "SDA_COLOR", "SDA_EDGECOLOR", "STA_COLOR", "SDA_COLOREX"};
  for (const auto& [object, ancestors] : objects) {
    const std::string handle(pg::AttributeText(object, "Handle"));
    if (!pg::AttributeText(object, "Type").empty()) {
      forms.insert("type");
      EXPECT_TRUE(typedHandles.insert(handle).second) << "handle " << handle << " used twice";
    } else if (!pg::AttributeText(object, "Group").empty()) {
      forms.insert("group");
      EXPECT_NE(std::find(ancestors.begin(), ancestors.end(), handle), ancestors.end())
          << "group " << pg::AttributeText(object, "Group") << " must carry its owner's handle";
    } else if (!pg::AttributeText(object, "List").empty()) {
      forms.insert("list");
    }
    const TiXmlElement* table = pg::FirstChild(object, "AttributeTable");
    for (const TiXmlElement* a = pg::FirstChild(table, "Attribute"); a; a = pg::NextSibling(a, "Attribute")) {
      const std::string name(pg::AttributeText(a, "Name"));
      names.insert(name);
      if (!pg::AttributeText(a, "AttrDescription").empty()) {
        EXPECT_FALSE(pg::AttributeDescription(pg::AttributeInt(a, "AttrDescription")).empty()) << name;
      }
      if (optionLists.count(name) || colours.count(name)) {
        EXPECT_FALSE(pg::StandardOptions(name, 0).empty()) << name << " needs standard options";
      }
    }
  }
  EXPECT_EQ(forms, (std::set<std::string>{"type", "group", "list"}));
  // One name of every row kind and the floating-point sliders.
  for (const char* name : {"SEA_COLOR", "SSA_SHAPE", "SDA_PATTERN", "SAA_TICSIZE", "SAA_FROMVAL_TERNARY_XRANGE",
                           "SAA_TOVAL_TERNARY_ZRANGE", "STA_FLAG_BOLD", "STA_TEXT", "SAA_TICLABELNOTATION",
                           "STA_FONT", "STA_PARAGRAPHJUSTIFY", "SPA_WIDTH", "SPA_BOTTOMMARGIN", "SSA_OPTIONS",
                           "SSA_STRING", "SSA_ORIENTATION"})
    EXPECT_EQ(names.count(name), 1u) << name;
  // The first page a newcomer sees has no raw rows: every name is one the browser knows.
  for (const std::string& name : names) {
    EXPECT_TRUE(std::any_of(std::begin(npb::kAttributeNameTable), std::end(npb::kAttributeNameTable),
                            [&](const npb::AttributeName& entry) { return entry.key == name; }))
        << name << " is not a host attribute name";
  }
}

TEST(HostDocuments, AnswerInTheShapesTheBrowserReads) {
  const struct {
    const char* name;
    int form;
    size_t count;
    const char* first;
  } lists[] = {
      {"SEA_COLOR", 1, 18, "(None)"},  {"SEA_LINETYPE", 1, 15, "(none)"}, {"SSA_SHAPE", 1, 59, "(None)"},
      {"SAA_POLARUNITS", 0, 8, "Degrees"}, {"SAA_OLDSTYLEDATELABELFROM", 1, 7, "Monday"},
      {"SAA_OLDSTYLEDATELABELFROM", 99, 12, "1"}, {"SAA_MAJOR_DIRECTION_LEFT", 0, 4, "(none)"},
      {"NO_SUCH_NAME", 0, 0, nullptr},
  };
  for (const auto& l : lists) {
    const auto options = pg::StandardOptions(l.name, l.form);
    EXPECT_EQ(options.size(), l.count) << l.name;
    if (l.first && !options.empty()) {
      EXPECT_EQ(options.front(), l.first) << l.name;
    }
    TiXmlDocument doc;
    ASSERT_TRUE(pg::ParseDocument(pg::StandardOptionsDocument(l.name, l.form), &doc)) << l.name;
    const TiXmlElement* list = pg::FirstChild(pg::FirstChild(pg::FirstChild(&doc, "XML"), "Root"), "standardOptions");
    ASSERT_NE(list, nullptr) << l.name;
    size_t n = 0;
    for (const TiXmlElement* o = pg::FirstChild(list, "option"); o; o = pg::NextSibling(o, "option"), ++n) {
      EXPECT_EQ(pg::AttributeInt(o, "id"), static_cast<int>(n));
      EXPECT_EQ(pg::AttributeText(o, "name"), options[n]);
    }
    EXPECT_EQ(n, l.count) << l.name;
  }

  TiXmlDocument schemes;
  ASSERT_TRUE(pg::ParseDocument(pg::SchemeTableDocument("SSA_COLOR"), &schemes));
  const TiXmlElement* table = pg::FirstChild(pg::FirstChild(pg::FirstChild(&schemes, "XML"), "Root"), "SchemeTable");
  int top = 0, nested = 0;
  for (const TiXmlElement* s = pg::FirstChild(table, "Scheme"); s; s = pg::NextSibling(s, "Scheme")) {
    ++top;
    EXPECT_GT(pg::AttributeInt(s, "Handle"), 2);
    EXPECT_NE(pg::AttributeInt(s, "Handle"), 4) << "4 marks a worksheet column";
    EXPECT_NE(pg::FirstChild(pg::FirstChild(s, "SchemeList"), "Attribute"), nullptr);
    for (const TiXmlElement* n = pg::FirstChild(s, "Scheme"); n; n = pg::NextSibling(n, "Scheme")) ++nested;
  }
  EXPECT_GE(top, 3);
  EXPECT_GE(nested, 1);

  TiXmlDocument columns;
  ASSERT_TRUE(pg::ParseDocument(pg::ColumnTableDocument("Data 1: col(1), col(3)"), &columns));
  const TiXmlElement* col = pg::FirstChild(pg::FirstChild(pg::FirstChild(pg::FirstChild(&columns, "XML"), "Root"), "ColumnTable"), "Scheme");
  std::vector<int> numbers;
  for (; col; col = pg::NextSibling(col, "Scheme")) {
    numbers.push_back(pg::AttributeInt(col, "ColumnNo"));
    EXPECT_FALSE(pg::AttributeText(pg::FirstChild(pg::FirstChild(col, "ColumnList"), "Attribute"), "Value").empty());
  }
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4})) << "the sheet's columns up to the last plotted, at least four";

  char small[8] = "xxxxxxx";
  pg::CopyToBuffer("a long text", small, sizeof small);
  EXPECT_STREQ(small, "a long ");
}

TEST(PageGenerator, SizeNestingAndDeterminism) {
  const struct {
    pg::GeneratorOptions options;
    int depth;
  } cases[] = {
      {{.objects = 1, .attributesPerObject = 0, .depth = 1}, 2},
      {{.objects = 200, .attributesPerObject = 5, .depth = 1}, 4},
      {{.objects = 500, .attributesPerObject = 6, .depth = 6}, 9},
      {{.objects = 50, .attributesPerObject = 60, .depth = 3, .seed = 9}, 6},
  };
  for (const auto& c : cases) {
    const std::string text = pg::GeneratePage(c.options);
    EXPECT_EQ(text, pg::GeneratePage(c.options));
    pg::PageModel model;
    ASSERT_TRUE(model.LoadText(text)) << c.options.objects;
    EXPECT_EQ(model.ObjectCount(), c.options.objects);
    EXPECT_EQ(model.Text(), text) << "generated pages are in the printer's own format";
    size_t attributes = 0;
    for (size_t at = 0; (at = text.find("<Attribute ", at)) != std::string::npos; ++at) ++attributes;
    EXPECT_EQ(attributes, static_cast<size_t>(c.options.objects * c.options.attributesPerObject));
    // "XML", "ObjectList", the objects, then "AttributeTable" when there are attributes.
    EXPECT_EQ(pg::NestingDepth(text), c.depth) << c.options.objects;
  }
  pg::GeneratorOptions other;
  other.seed = 2;
  EXPECT_NE(pg::GeneratePage({}), pg::GeneratePage(other));
}

TEST(PageText, NestingDepthSkipsWhatIsNotAnElement) {
  const struct {
    const char* text;
    int depth;
  } cases[] = {
      {"<a><b/><c><d></d></c></a>", 3},
      {"<?xml version=\"1.0\"?><!-- <x><y> --><a x=\"<b>\" y='/>'><c/></a>", 1},
      {"<!DOCTYPE a><a></a>", 1},
      {"<a><b><c>", 3},
      {"", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(pg::NestingDepth(c.text), c.depth) << c.text;
  EXPECT_EQ(pg::NestingDepth("<a><b><c></c></b></a>", 2), -1);
}

}  // namespace
