// Reading and printing page documents: line ends made uniform, nesting bounded before
// TinyXML sees the text (it parses and frees recursively, on the caller's stack).
#pragma once
#include <string>
#include <string_view>

class TiXmlDocument;
class TiXmlElement;
class TiXmlNode;

namespace pg {

// Deepest element nesting accepted; real pages are a few dozen levels deep.
constexpr int kMaxNesting = 1000;

// Element nesting depth of the text (tags only; comments, declarations and quoted
// attribute values are skipped). Returns -1 when it exceeds `limit`.
int NestingDepth(std::string_view text, int limit = kMaxNesting);

// Parses `text` into `doc` (emptied first). False for empty, too deep or broken text and
// for a document without a top-level "XML" element.
bool ParseDocument(std::string_view text, TiXmlDocument* doc);

// The document as TinyXML prints it (four blanks per level, one node a line).
std::string PrintDocument(const TiXmlDocument& doc);

// The first child element of `parent` named `name`, then its next sibling of that name.
const TiXmlElement* FirstChild(const TiXmlNode* parent, const char* name);
TiXmlElement* FirstChild(TiXmlNode* parent, const char* name);
const TiXmlElement* NextSibling(const TiXmlElement* element, const char* name);
TiXmlElement* NextSibling(TiXmlElement* element, const char* name);

// An attribute's text, empty when absent.
std::string_view AttributeText(const TiXmlElement* element, const char* name);
// Decimal value as C's atoi reads it.
int AttributeInt(const TiXmlElement* element, const char* name);

}  // namespace pg
