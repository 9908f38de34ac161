#include "tree/xml_document.h"

#include <cctype>
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

// The depth is measured by stepping through the text exactly as TinyXML's parser does:
// where a quoted value, a text, a comment or a tag ends decides what follows, and any
// difference would let nesting past the limit through unseen. Where the parser would stop
// with an error, so does the measure: nothing after it is parsed.

bool StartsWith(const char* p, const char* prefix) {
  return std::strncmp(p, prefix, std::strlen(prefix)) == 0;
}

bool StartsWithNoCase(const char* p, const char* prefix) {
  for (; *prefix; ++p, ++prefix) {
    if (std::tolower(static_cast<unsigned char>(*p)) != *prefix) return false;
  }
  return true;
}

// The parser's own test; the six ASCII blanks are answered without the C library, since the
// depth scan asks for every byte of a page.
bool IsSpace(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  if (u < 0x80) return u == ' ' || (u >= '\t' && u <= '\r');
  return std::isspace(u) != 0;
}

// Bytes from 127 up count as letters, as the parser takes them.
bool IsNameStart(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 127 || std::isalpha(u) || c == '_';
}

bool IsNameChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 127 || std::isalnum(u) || c == '_' || c == '-' || c == '.' || c == ':';
}

// Bytes of the UTF-8 sequence a lead byte opens, as the parser counts them.
int SequenceLength(unsigned char c) {
  if (c >= 0xC2 && c <= 0xDF) return 2;
  if (c >= 0xE0 && c <= 0xEF) return 3;
  if (c >= 0xF0 && c <= 0xF4) return 4;
  return 1;
}

bool HasByteAbove7F(const char* text) {
  for (const unsigned char* u = reinterpret_cast<const unsigned char*>(text); *u; ++u) {
    if (*u & 0x80) return true;
  }
  return false;
}

class DepthScan {
public:
  DepthScan(const char* text, bool utf8) : m_text(text), m_utf8Found(utf8) {}

  // The deepest nesting the parser would reach, up to limit + 1. A text the parser reads
  // as 8-bit is measured with `utf8` false, one it reads as UTF-8 (after a byte-order mark
  // or from a declaration on) with `utf8` true.
  int Measure(int limit) {
    const unsigned char* u = reinterpret_cast<const unsigned char*>(m_text);
    m_utf8 = m_utf8Found && u[0] == 0xEF && u[1] == 0xBB && u[2] == 0xBF;
    bool declared = m_utf8;
    int depth = 0;
    int deepest = 0;
    const char* p = m_text;
    while ((p = SkipSpace(p)) != nullptr && *p) {
      if (depth > 0 && StartsWith(p, "</")) {
        p = EndTag(p + 2);
        --depth;
      } else if (*p != '<') {
        if (depth == 0) break;  // text outside the root ends the document
        p = Text(p);
      } else if (StartsWithNoCase(p, "<?xml")) {
        p = Declaration(p + 5);
        // The first declaration of the document sets the encoding of everything after it.
        if (depth == 0 && !declared) m_utf8 = m_utf8Found;
        if (depth == 0) declared = true;
      } else if (StartsWith(p, "<!--")) {
        p = After(p + 4, "-->");
      } else if (StartsWith(p, "<![CDATA[")) {
        p = After(p + 9, "]]>");
      } else if (!IsNameStart(p[1])) {
        p = After(p + 1, ">");
      } else {
        if (++depth > deepest) deepest = depth;
        if (deepest > limit) return limit + 1;
        bool empty = false;
        p = StartTag(p + 1, empty);
        if (empty) --depth;
      }
      if (!p) break;
    }
    return deepest;
  }

private:
  const char* SkipSpace(const char* p) const {
    if (!p) return nullptr;
    for (;;) {
      const unsigned char* u = reinterpret_cast<const unsigned char*>(p);
      // Byte-order marks and the two non-characters pass as blanks in UTF-8.
      if (m_utf8 && u[0] == 0xEF && ((u[1] == 0xBB && u[2] == 0xBF) || (u[1] == 0xBF && (u[2] == 0xBE || u[2] == 0xBF)))) {
        p += 3;
      } else if (*p && IsSpace(*p)) {
        ++p;
      } else {
        return p;
      }
    }
  }

  // One character of a text or a quoted value: an entity, a UTF-8 sequence or a byte.
  const char* Step(const char* p) const {
    const int length = m_utf8 ? SequenceLength(static_cast<unsigned char>(*p)) : 1;
    if (length > 1) {
      for (int i = 1; i < length; ++i) {
        if (!p[i]) return nullptr;  // cut short by the end
      }
      return p + length;
    }
    if (*p != '&') return p + 1;
    if (p[1] == '#' && p[2]) {
      // A character reference runs to the next ';', whatever lies between.
      const bool hex = p[2] == 'x';
      if (hex && !p[3]) return nullptr;
      const char* semicolon = std::strchr(p + (hex ? 3 : 2), ';');
      if (!semicolon) return nullptr;
      for (const char* q = semicolon - 1; *q != (hex ? 'x' : '#'); --q) {
        if (!(hex ? std::isxdigit(static_cast<unsigned char>(*q)) : std::isdigit(static_cast<unsigned char>(*q))))
          return nullptr;
      }
      return semicolon + 1;
    }
    for (const char* name : {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"}) {
      if (StartsWith(p, name)) return p + std::strlen(name);
    }
    return p + 1;
  }

  // Text inside an element, up to the next tag.
  const char* Text(const char* p) const {
    while (p && *p && *p != '<') p = Step(p);
    return p && *p ? p : nullptr;
  }

  static const char* After(const char* p, const char* close) {
    const char* end = std::strstr(p, close);
    return end ? end + std::strlen(close) : nullptr;
  }

  static const char* Name(const char* p) {
    if (!IsNameStart(*p)) return nullptr;
    while (IsNameChar(*p)) ++p;
    return p;
  }

  // name = "value", name = 'value' or name = value.
  const char* Attribute(const char* p) const {
    p = SkipSpace(p);
    if (!p || !*p || !(p = Name(p))) return nullptr;
    p = SkipSpace(p);
    if (!p || *p != '=') return nullptr;
    p = SkipSpace(p + 1);
    if (!p || !*p) return nullptr;
    if (*p == '"' || *p == '\'') {
      const char quote = *p++;
      while (p && *p && *p != quote) p = Step(p);
      return p && *p ? p + 1 : nullptr;
    }
    for (; *p && !IsSpace(*p) && *p != '/' && *p != '>'; ++p) {
      if (*p == '"' || *p == '\'') return nullptr;
    }
    return p;
  }

  // After "<": the name and attributes up to ">" or "/>".
  const char* StartTag(const char* p, bool& empty) const {
    p = SkipSpace(p);
    if (!p || !(p = Name(p))) return nullptr;
    while (p && *p) {
      p = SkipSpace(p);
      if (!p || !*p) return nullptr;
      if (*p == '/') {
        empty = true;
        return p[1] == '>' ? p + 2 : nullptr;
      }
      if (*p == '>') return p + 1;
      p = Attribute(p);
    }
    return nullptr;
  }

  // After "</": the name, blanks and ">".
  const char* EndTag(const char* p) const {
    while (IsNameChar(*p)) ++p;
    p = SkipSpace(p);
    return p && *p == '>' ? p + 1 : nullptr;
  }

  // After "<?xml": up to ">", with the quoted values of its three settings read whole.
  const char* Declaration(const char* p) const {
    while (p && *p) {
      if (*p == '>') return p + 1;
      p = SkipSpace(p);
      if (!p || !*p) return nullptr;
      if (StartsWithNoCase(p, "version") || StartsWithNoCase(p, "encoding") || StartsWithNoCase(p, "standalone")) {
        p = Attribute(p);
      } else {
        while (*p && *p != '>' && !IsSpace(*p)) ++p;
      }
    }
    return nullptr;
  }

  const char* m_text;
  bool m_utf8Found;  // the pass that takes the text as UTF-8 once it says so
  bool m_utf8 = false;
};

// A UTF-8 lead byte among the last bytes whose sequence runs past the end would lead
// the parser over the terminator, to read on beyond the text. Which bytes lead depends on
// where the steps before them fell, so every such byte is cut, the earliest first, until
// none is left: only the tail of a text that could not be read whole goes.
std::size_t CutSequencesAtEnd(char* text, std::size_t length) {
  for (bool cut = true; cut;) {
    cut = false;
    for (std::size_t back = length < 3 ? length : 3; back >= 1 && !cut; --back) {
      if (SequenceLength(static_cast<unsigned char>(text[length - back])) > static_cast<int>(back)) {
        length -= back;
        text[length] = '\0';
        cut = true;
      }
    }
  }
  return length;
}

}  // namespace

int MeasureXmlDepth(const char* text, int limit) {
  if (!text) return 0;
  // Which encoding the parser settles on is known only once it has read the declaration;
  // both readings are measured and the deeper counts.
  const int asBytes = DepthScan(text, false).Measure(limit);
  if (asBytes > limit || !HasByteAbove7F(text)) return asBytes;  // plain ASCII reads alike both ways
  const int asUtf8 = DepthScan(text, true).Measure(limit);
  return asUtf8 > asBytes ? asUtf8 : asBytes;
}

bool ReadXmlText(TiXmlDocument& doc, char* text) {
  doc.Clear();
  doc.ClearError();
  if (!text || !*text) return false;
  CutSequencesAtEnd(text, NormalizeLineEnds(text));
  if (!*text || MeasureXmlDepth(text) > kMaxXmlDepth) return false;
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
