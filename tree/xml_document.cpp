#include "tree/xml_document.h"

#include <cstring>

#include <tinyxml.h>

namespace npb {

std::size_t NormalizeLineEnds(char* text) {
  char* out = text;
  for (const char* in = text; *in; ++in) {
    if (*in == '\r') {
      *out++ = '\n';
      if (in[1] == '\n') ++in;
    } else {
      *out++ = *in;
    }
  }
  *out = '\0';
  return static_cast<std::size_t>(out - text);
}

namespace {

bool StartsWith(const char* p, const char* prefix) {
  return std::strncmp(p, prefix, std::strlen(prefix)) == 0;
}

// Skips a construct that opens no element: comment, CDATA, declaration or
// processing instruction. Returns the position after it, or null when unterminated.
const char* SkipMarkup(const char* p) {
  struct Span { const char* open; const char* close; };
  static constexpr Span kSpans[] = {
      {"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}, {"<!", ">"}};
  for (const Span& span : kSpans) {
    if (StartsWith(p, span.open)) {
      const char* end = std::strstr(p + std::strlen(span.open), span.close);
      return end ? end + std::strlen(span.close) : nullptr;
    }
  }
  return p;
}

}  // namespace

int MeasureXmlDepth(const char* text, int limit) {
  int depth = 0;
  int deepest = 0;
  const char* p = text;
  while (p && (p = std::strchr(p, '<')) != nullptr) {
    const char* after = SkipMarkup(p);
    if (after != p) {
      p = after;
      continue;
    }
    if (p[1] == '/') {
      if (depth > 0) --depth;
      p += 2;
      continue;
    }
    // An opening tag: find its end outside quoted attribute values.
    char quote = 0;
    const char* q = p + 1;
    for (; *q && (quote || *q != '>'); ++q) {
      if (quote) {
        if (*q == quote) quote = 0;
      } else if (*q == '"' || *q == '\'') {
        quote = *q;
      }
    }
    if (!*q) break;
    // An empty element stands one level deeper than its parent too; it just closes at once.
    if (depth + 1 > deepest) deepest = depth + 1;
    if (deepest > limit) return limit + 1;
    if (q[-1] != '/') ++depth;
    p = q + 1;
  }
  return deepest;
}

bool ReadXmlText(TiXmlDocument& doc, char* text) {
  doc.Clear();
  doc.ClearError();
  if (!text || !*text) return false;
  NormalizeLineEnds(text);
  if (MeasureXmlDepth(text) > kMaxXmlDepth) return false;
  doc.Parse(text, nullptr, TIXML_DEFAULT_ENCODING);
  if (doc.Error()) {
    doc.Clear();
    return false;
  }
  return true;
}

bool ReadXmlText(TiXmlDocument& doc, std::string text) {
  return ReadXmlText(doc, text.data());
}

TiXmlElement* FindXmlRoot(TiXmlDocument& doc) {
  return doc.FirstChildElement("XML");
}

int PrintXmlDocument(const TiXmlDocument& doc, char* buffer, std::size_t size) {
  if (!buffer || size == 0) return -1;
  buffer[0] = '\0';
  TiXmlPrinter printer;
  doc.Accept(&printer);
  const std::size_t length = printer.Size();
  if (length + 1 > size) return -1;
  std::memcpy(buffer, printer.CStr(), length + 1);
  return static_cast<int>(length);
}

}  // namespace npb
