#include "tree/xml_document.h"

#include <cstdio>
#include <string>

#include <gtest/gtest.h>
#include <tinyxml.h>

namespace {

std::string TinyXmlOwnPrint(const TiXmlDocument& doc) {
  std::FILE* file = std::tmpfile();
  doc.Print(file);
  std::string text(static_cast<std::size_t>(std::ftell(file)), '\0');
  std::rewind(file);
  text.resize(std::fread(text.data(), 1, text.size(), file));
  std::fclose(file);
  return text;
}

std::string Nested(int depth) {
  std::string text = "<XML>";
  for (int i = 0; i < depth; ++i) text += "<Object Type=\"a\">";
  for (int i = 0; i < depth; ++i) text += "</Object>";
  return text + "</XML>";
}

TEST(XmlDocumentTest, LineEndsBecomeSingleLineFeeds) {
  const struct { const char* in; const char* out; } cases[] = {
      {"a\r\nb", "a\nb"}, {"a\rb", "a\nb"}, {"a\r\r\nb", "a\n\nb"},
      {"\r\n\r\n", "\n\n"}, {"a\n\rb", "a\n\nb"}, {"end\r", "end\n"}, {"", ""}};
  for (const auto& c : cases) {
    std::string text = c.in;
    const std::size_t length = npb::NormalizeLineEnds(text.data());
    EXPECT_EQ(std::string(text.c_str()), c.out) << "input " << testing::PrintToString(c.in);
    EXPECT_EQ(length, std::string(c.out).size());
  }
}

TEST(XmlDocumentTest, ReadingAcceptsOnlyParsableNonEmptyText) {
  const struct { const char* text; bool ok; bool hasXml; } cases[] = {
      {"", false, false},
      {"   ", false, false},
      {"<XML><ObjectList/></XML>", true, true},
      {"<?xml version=\"1.0\"?>\r\n<XML>\r\n<ObjectList/>\r\n</XML>\r\n", true, true},
      {"<Other/>", true, false},
      {"<XML><ObjectList></XML>", false, false},
      {"<XML attr=\"unterminated></XML>", false, false},
      {"<!-- note --><XML a='x>y' b=\"/>\"><ObjectList/></XML>", true, true},
      // A UTF-8 sequence cut short by the end must not lead the parser past it.
      {"\xEF\xBB\xBF<XML><ObjectList>\xE9", false, false},
      {"<?xml version=\"1.0\"?><XML><ObjectList a=\"\xE9\x01\xDD\xF0\xC6", false, false},
  };
  for (const auto& c : cases) {
    TiXmlDocument doc;
    EXPECT_EQ(npb::ReadXmlText(doc, std::string(c.text)), c.ok) << c.text;
    EXPECT_EQ(npb::FindXmlRoot(doc) != nullptr, c.hasXml) << c.text;
  }
  TiXmlDocument doc;
  EXPECT_FALSE(npb::ReadXmlText(doc, static_cast<char*>(nullptr)));
}

TEST(XmlDocumentTest, CarriageReturnTextParsesLikeLineFeedText) {
  TiXmlDocument withCr, withLf;
  ASSERT_TRUE(npb::ReadXmlText(withCr, std::string("<XML>\r<T>a\rb</T>\r</XML>")));
  ASSERT_TRUE(npb::ReadXmlText(withLf, std::string("<XML>\n<T>a\nb</T>\n</XML>")));
  EXPECT_EQ(TinyXmlOwnPrint(withCr), TinyXmlOwnPrint(withLf));
}

TEST(XmlDocumentTest, ReadingDropsThePreviousContent) {
  TiXmlDocument doc;
  ASSERT_TRUE(npb::ReadXmlText(doc, std::string("<XML><A/></XML>")));
  EXPECT_FALSE(npb::ReadXmlText(doc, std::string("<broken")));
  EXPECT_EQ(doc.FirstChild(), nullptr);
}

TEST(XmlDocumentTest, DepthIsMeasuredOutsideQuotesAndMarkup) {
  const struct { const char* text; int depth; } cases[] = {
      {"<a><b><c/></b></a>", 3},
      {"<a x='<b>'><c></c></a>", 2},
      {"<a><!-- <b><c> --></a>", 1},
      {"<a><![CDATA[<b><c>]]></a>", 1},
      {"<?xml version=\"1.0\"?><a/>", 1},
      {"<a></a><b><c></c></b>", 2},
      {"<a", 1},
      // Markup ends where the parser ends it, not where it should.
      {"<?xml version=\"1.0\"/><a><b/></a>", 2},
      {"<?pi > <a><b/></a> ?>", 2},
      {"<a v=\"&#x\"><!--x1;\"><b/></a>", 2},
      // In UTF-8 a lead byte takes the bytes after it, an end tag's included.
      {"\xEF\xBB\xBF<a><b>\xE9</b><b>\xE9</b><b/></a>", 4},
      {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><a><b>\xE9</b><b/></a>", 3},
  };
  for (const auto& c : cases) EXPECT_EQ(npb::MeasureXmlDepth(c.text), c.depth) << c.text;
}

TEST(XmlDocumentTest, TooDeepTextIsRefusedBeforeParsing) {
  TiXmlDocument doc;
  EXPECT_TRUE(npb::ReadXmlText(doc, Nested(npb::kMaxXmlDepth - 1)));
  EXPECT_FALSE(npb::ReadXmlText(doc, Nested(npb::kMaxXmlDepth)));
  std::string emptyInnermost = Nested(npb::kMaxXmlDepth - 1);
  emptyInnermost.insert(emptyInnermost.find("</Object>"), "<Object/>");
  EXPECT_FALSE(npb::ReadXmlText(doc, emptyInnermost));
  EXPECT_FALSE(npb::ReadXmlText(doc, Nested(20000)));
}

TEST(XmlDocumentTest, PrintingMatchesTinyXmlByteForByte) {
  TiXmlDocument doc;
  doc.LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", "yes"));
  auto* xml = new TiXmlElement("XML");
  doc.LinkEndChild(xml);
  auto* list = new TiXmlElement("ObjectList");
  xml->LinkEndChild(list);
  auto* object = new TiXmlElement("Object");
  object->SetAttribute("Type", "Axis");
  object->SetAttribute("Object_Name", "say \"hi\" & <bye>");
  object->SetAttribute("Handle", 42);
  list->LinkEndChild(object);
  auto* label = new TiXmlElement("Label");
  label->LinkEndChild(new TiXmlText("x < y"));
  object->LinkEndChild(label);
  list->LinkEndChild(new TiXmlElement("Object"));

  const std::string expected = TinyXmlOwnPrint(doc);
  char buffer[1024];
  ASSERT_EQ(npb::PrintXmlDocument(doc, buffer, sizeof buffer), static_cast<int>(expected.size()));
  EXPECT_EQ(std::string(buffer), expected);
  EXPECT_NE(static_cast<unsigned char>(buffer[0]), 0xEF) << "no byte-order mark";
  EXPECT_NE(expected.find("    <ObjectList>"), std::string::npos);
  EXPECT_NE(expected.find("'say &quot;hi&quot; &amp; &lt;bye&gt;'"), std::string::npos);
}

TEST(XmlDocumentTest, PrintingNeverWritesPastTheBuffer) {
  TiXmlDocument doc;
  ASSERT_TRUE(npb::ReadXmlText(doc, std::string("<XML><ObjectList><Object Type=\"T\"/></ObjectList></XML>")));
  const std::string full = TinyXmlOwnPrint(doc);
  for (std::size_t size : {std::size_t{1}, full.size() - 1, full.size(), full.size() + 1}) {
    std::string buffer(size + 8, '#');
    const int written = npb::PrintXmlDocument(doc, buffer.data(), size);
    if (size > full.size()) {
      EXPECT_EQ(written, static_cast<int>(full.size()));
    } else {
      EXPECT_EQ(written, -1) << size;
      EXPECT_EQ(buffer[0], '\0');
    }
    EXPECT_EQ(buffer.substr(size), std::string(8, '#')) << "guard bytes after " << size;
  }
}

}  // namespace
