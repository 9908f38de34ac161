// Reading and printing of the XML documents exchanged with the host. Window-free.
#pragma once
#include <cstddef>
#include <string>

class TiXmlDocument;
class TiXmlElement;

namespace npb {

// TinyXML parses and frees recursively on the caller's stack (the host's), so text
// nested deeper than this is refused before parsing, like any unreadable text.
constexpr int kMaxXmlDepth = 4096;

// Turns every CR LF and every lone CR into one LF, in place; returns the new length.
std::size_t NormalizeLineEnds(char* text);

// Deepest element nesting of `text`, counted without parsing; stops counting once
// `limit` is exceeded and returns limit + 1.
int MeasureXmlDepth(const char* text, int limit = kMaxXmlDepth);

// Reads text into `doc` (its previous content dropped): line ends normalised in place,
// parsed by TinyXML with the encoding left for it to detect. False for null or empty
// text, text nested deeper than kMaxXmlDepth and any parse error.
bool ReadXmlText(TiXmlDocument& doc, char* text);
bool ReadXmlText(TiXmlDocument& doc, std::string text);

// The first top-level element named "XML", or null.
TiXmlElement* FindXmlRoot(TiXmlDocument& doc);

// Prints `doc` as TinyXML prints a document (four spaces of indent per level, one node
// a line, no byte-order mark) into buffer[0..size). Returns the length written, or -1
// with an empty buffer when the text and its terminator do not fit.
int PrintXmlDocument(const TiXmlDocument& doc, char* buffer, std::size_t size);

}  // namespace npb
