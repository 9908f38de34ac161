#include "tree/style_transfer.h"

#include <string>

#include <gtest/gtest.h>
#include <tinyxml.h>

namespace {

TEST(StyleTransfer, TwentyFourNamesInAnyCaseAreNeverAStyle) {
  const char* const excluded[] = {
      "STA_RTF", "SLA_SAMPLERANGE", "SLA_SAMPLETOP", "SLA_SAMPLEBOTTOM", "SLA_SAMPLEFREQ", "SLA_FLAG_IGNORENAN",
      "SLA_FLAG_IGNORERANGE", "SLA_PLOT_TYPE", "SLA_DATA_FORMAT", "SLA_DATA_SOURCE", "SAA_TYPE", "SAA_FROMVAL",
      "SAA_TOVAL", "SAA_FLAG_AUTORANGEMIN", "SAA_FLAG_AUTORANGEMAX", "SAA_FLAG_NOAUTOPADRANGE",
      "SAA_FLAG_NOAUTOPADTICKS", "SAA_FLAG_AUTORANGE", "SAA_MAJORFREQ", "SAA_BREAKPOSTINT", "SOA_POSITION_TOP",
      "SOA_POSITION_LEFT", "SOA_POSITION_WIDTH", "SOA_POSITION_HEIGHT"};
  for (const char* name : excluded) {
    EXPECT_FALSE(npb::IsStyleAttributeName(name)) << name;
    std::string lower(name);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_FALSE(npb::IsStyleAttributeName(lower.c_str())) << lower;
  }
  for (const char* name : {"SLA_COLOR", "SAA_TYPE_", "SOA_POSITION", "SXA_POSITION_TOP", "", "STA_RTF "}) {
    EXPECT_TRUE(npb::IsStyleAttributeName(name)) << '"' << name << '"';
  }
}

// One object's attributes: each as ID,Name,DataType,AttrValue,ThemeHandle,ColHandle.
std::string Object(const std::string& attributes, const char* handle = "7") {
  std::string text = std::string("<Object Handle=\"") + handle + "\"><AttributeTable>";
  std::string::size_type at = 0;
  while (at < attributes.size()) {
    std::string::size_type end = attributes.find(';', at);
    if (end == std::string::npos) end = attributes.size();
    const std::string one = attributes.substr(at, end - at);
    const char* keys[] = {"ID", "Name", "DataType", "AttrValue", "ThemeHandle", "ColHandle"};
    text += "<Attribute";
    std::string::size_type from = 0;
    for (const char* key : keys) {
      std::string::size_type comma = one.find(',', from);
      const std::string value = one.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
      if (!value.empty()) text += std::string(" ") + key + "=\"" + value + "\"";
      from = comma == std::string::npos ? one.size() : comma + 1;
    }
    text += " />";
    at = end + 1;
  }
  return text + "</AttributeTable></Object>";
}

// The target's attributes after the transfer, in the same form, with "*" for a style mark.
std::string Attributes(const TiXmlElement& object) {
  std::string out;
  for (const TiXmlElement* a = object.FirstChildElement("AttributeTable")->FirstChildElement("Attribute"); a;
       a = a->NextSiblingElement("Attribute")) {
    if (!out.empty()) out += ';';
    std::string one;
    for (const char* key : {"ID", "Name", "DataType", "AttrValue", "ThemeHandle", "ColHandle"}) {
      if (key[0] != 'I') one += ',';
      one += a->Attribute(key) ? a->Attribute(key) : "";
    }
    out += one.substr(0, one.find_last_not_of(',') + 1);
    if (a->Attribute("ApplyStyleFlag")) out += '*';
  }
  return out;
}

TEST(StyleTransfer, PairsByPositionAndGivesEachMatchingPairTheFirstValueThatDiffers) {
  struct Case {
    const char* what;
    std::string source, target;
    int transferred;
    const char* after;
  } const cases[] = {
      {"identical objects change nothing", Object("1,SLA_COLOR,int,5,3,-2"), Object("1,SLA_COLOR,int,5,3,-2"), 0,
       "1,SLA_COLOR,int,5,3,-2"},
      {"the value goes first, the handles stay", Object("1,SLA_COLOR,int,5,3,-2"), Object("1,SLA_COLOR,int,6,4,1"),
       1, "1,SLA_COLOR,int,5,4,1*"},
      {"equal values: only the theme", Object("1,SLA_COLOR,int,5,3,-2"), Object("1,SLA_COLOR,int,5,4,1"), 1,
       "1,SLA_COLOR,int,5,3,1*"},
      {"equal values and themes: the column", Object("1,SLA_COLOR,int,5,3,2"), Object("1,SLA_COLOR,int,5,3,1"), 1,
       "1,SLA_COLOR,int,5,3,2*"},
      {"an empty source handle never clears the target's", Object("1,SLA_COLOR,int,5,,"),
       Object("1,SLA_COLOR,int,5,4,1"), 0, "1,SLA_COLOR,int,5,4,1"},
      {"excluded names, in any case, keep their values", Object("2,SAA_TYPE,int,1;3,saa_type,int,1"),
       Object("2,SAA_TYPE,int,2;3,saa_type,int,2"), 0, "2,SAA_TYPE,int,2;3,saa_type,int,2"},
      {"ID, Name and DataType must all agree", Object("1,SLA_COLOR,int,5;2,SLA_WIDTH,int,5;3,SLA_GAP,int,5"),
       Object("9,SLA_COLOR,int,1;2,SLA_SIZE,int,1;3,SLA_GAP,double,1"), 0,
       "9,SLA_COLOR,int,1;2,SLA_SIZE,int,1;3,SLA_GAP,double,1"},
      {"a different order pairs only where the keys agree", Object("1,SLA_COLOR,int,5;2,SLA_WIDTH,int,5"),
       Object("2,SLA_WIDTH,int,1;1,SLA_COLOR,int,1"), 0, "2,SLA_WIDTH,int,1;1,SLA_COLOR,int,1"},
      {"a shorter target ends the pairing", Object("1,SLA_COLOR,int,5;2,SLA_WIDTH,int,5"),
       Object("1,SLA_COLOR,int,1"), 1, "1,SLA_COLOR,int,5*"},
      {"a source without a handle gives nothing", Object("1,SLA_COLOR,int,5", ""), Object("1,SLA_COLOR,int,1"), 0,
       "1,SLA_COLOR,int,1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TiXmlDocument source, target;
    source.Parse(c.source.c_str());
    target.Parse(c.target.c_str());
    ASSERT_TRUE(source.RootElement() && target.RootElement());
    EXPECT_EQ(npb::TransferStyleAttributes(*source.RootElement(), *target.RootElement()), c.transferred);
    EXPECT_EQ(Attributes(*target.RootElement()), c.after);
  }
  TiXmlDocument bare, target;
  bare.Parse("<Object Handle=\"7\" />");
  target.Parse(Object("1,SLA_COLOR,int,1").c_str());
  EXPECT_EQ(npb::TransferStyleAttributes(*bare.RootElement(), *target.RootElement()), 0) << "no attribute table";
  EXPECT_EQ(npb::TransferStyleAttributes(*target.RootElement(), *bare.RootElement()), 0) << "no attribute table";
}

}  // namespace
