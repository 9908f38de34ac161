#include "host/page_text.h"

#include <tinyxml.h>

#include <cstdlib>

namespace pg {

namespace {

// Skips from `i` (just after "<!--" or "<?" etc.) to the end of `terminator`.
size_t SkipPast(std::string_view text, size_t i, std::string_view terminator) {
  const size_t end = text.find(terminator, i);
  return end == std::string_view::npos ? text.size() : end + terminator.size();
}

std::string NormaliseLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      out.push_back(text[i]);
      continue;
    }
    out.push_back('\n');
    if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  return out;
}

}  // namespace

int NestingDepth(std::string_view text, int limit) {
  int depth = 0;
  int deepest = 0;
  size_t i = 0;
  while ((i = text.find('<', i)) != std::string_view::npos) {
    ++i;
    if (i >= text.size()) break;
    if (text.substr(i, 3) == "!--") {
      i = SkipPast(text, i, "-->");
    } else if (text[i] == '?' || text[i] == '!') {
      i = SkipPast(text, i, ">");
    } else if (text[i] == '/') {
      if (depth > 0) --depth;
      i = SkipPast(text, i, ">");
    } else {
      // An opening tag: find its end outside quoted values, note a self-closing one.
      char quote = 0;
      bool selfClosing = false;
      for (; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
          if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
          quote = c;
        } else if (c == '>') {
          selfClosing = text[i - 1] == '/';
          ++i;
          break;
        }
      }
      if (!selfClosing && ++depth > deepest) {
        deepest = depth;
        if (deepest > limit) return -1;
      }
    }
  }
  return deepest;
}

bool ParseDocument(std::string_view text, TiXmlDocument* doc) {
  doc->Clear();
  doc->ClearError();
  if (text.empty() || NestingDepth(text) < 0) return false;
  const std::string normal = NormaliseLineEnds(text);
  doc->Parse(normal.c_str(), nullptr, TIXML_ENCODING_UNKNOWN);
  if (doc->Error() || !FirstChild(static_cast<TiXmlNode*>(doc), "XML")) {
    doc->Clear();
    return false;
  }
  return true;
}

std::string PrintDocument(const TiXmlDocument& doc) {
  TiXmlPrinter printer;
  doc.Accept(&printer);
  return printer.Str();
}

const TiXmlElement* FirstChild(const TiXmlNode* parent, const char* name) {
  return parent ? parent->FirstChildElement(name) : nullptr;
}

TiXmlElement* FirstChild(TiXmlNode* parent, const char* name) {
  return parent ? parent->FirstChildElement(name) : nullptr;
}

const TiXmlElement* NextSibling(const TiXmlElement* element, const char* name) {
  return element ? element->NextSiblingElement(name) : nullptr;
}

TiXmlElement* NextSibling(TiXmlElement* element, const char* name) {
  return element ? element->NextSiblingElement(name) : nullptr;
}

std::string_view AttributeText(const TiXmlElement* element, const char* name) {
  const char* value = element ? element->Attribute(name) : nullptr;
  return value ? std::string_view(value) : std::string_view();
}

int AttributeInt(const TiXmlElement* element, const char* name) {
  const char* value = element ? element->Attribute(name) : nullptr;
  return value ? std::atoi(value) : 0;
}

}  // namespace pg
