#include "editors/color_entries.h"

#include <tinyxml.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "tree/row_sources.h"
#include "tree/xml_document.h"

namespace npb {
namespace {

// The table element under "XML"/"Root" of a host answer, or null when the text does not
// read or lacks any of them. The document keeps the elements alive.
const TiXmlElement* FindTable(TiXmlDocument& doc, const char* pszText, const char* pszTable) {
  if (!pszText || !*pszText || !ReadXmlText(doc, std::string(pszText))) return nullptr;
  return TiXmlHandle(FindXmlRoot(doc)).FirstChildElement("Root").FirstChildElement(pszTable).ToElement();
}

std::string CutName(const char* pszName) {
  std::string name = pszName ? pszName : "";
  if (name.size() > kMaxColorNameLength) name.resize(kMaxColorNameLength);
  return name;
}

std::uint32_t ReadColor(const TiXmlElement* pElement, const char* pszAttr) {
  return static_cast<std::uint32_t>(ReadAttrInt(pElement->Attribute(pszAttr)));
}

// The first four cells of the list child; cells that are missing stay black.
void ReadFourColors(const TiXmlElement* pScheme, const char* pszList, const char* pszAttr, std::uint32_t (&colors)[4]) {
  const TiXmlElement* pCell = TiXmlHandle(const_cast<TiXmlElement*>(pScheme))
                                  .FirstChildElement(pszList)
                                  .FirstChildElement("Attribute")
                                  .ToElement();
  for (int i = 0; i < 4 && pCell; ++i, pCell = pCell->NextSiblingElement("Attribute")) {
    colors[i] = ReadColor(pCell, pszAttr);
  }
}

struct TableForm {
  const char* table;       // "SchemeTable" or "ColumnTable"
  std::uint32_t kind;      // the entries' kind bits
  const char* valueAttr;   // "Handle" or "ColumnNo"
  const char* list;        // "SchemeList" or "ColumnList"
  const char* colorAttr;   // "value" or "Value"
};

// Every "Scheme" of the table depth first: an entry, then the schemes nested in it. The walk
// keeps its own stack: the nesting comes from the host and the module runs on its stack.
std::vector<ColorEntry> ReadSchemes(const char* pszText, const TableForm& form) {
  std::vector<ColorEntry> entries;
  TiXmlDocument doc;
  const TiXmlElement* pTable = FindTable(doc, pszText, form.table);
  if (!pTable) return entries;
  std::vector<const TiXmlElement*> pending;
  auto pushChildren = [&pending](const TiXmlElement* pParent) {
    const std::size_t nFirst = pending.size();
    for (const TiXmlElement* p = pParent->FirstChildElement("Scheme"); p; p = p->NextSiblingElement("Scheme")) {
      pending.push_back(p);
    }
    std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(nFirst), pending.end());
  };
  pushChildren(pTable);
  while (!pending.empty()) {
    const TiXmlElement* pScheme = pending.back();
    pending.pop_back();
    ColorEntry entry;
    entry.kind = form.kind;
    entry.value = ReadAttrInt(pScheme->Attribute(form.valueAttr));
    entry.name = CutName(pScheme->Attribute("Name"));
    ReadFourColors(pScheme, form.list, form.colorAttr, entry.colors);
    entries.push_back(std::move(entry));
    pushChildren(pScheme);
  }
  return entries;
}

}  // namespace

int StandardColorIndex(std::uint32_t color) {
  for (int i = 0; i < kStandardColorCount; ++i) {
    if (kStandardColors[i].color == color) return i;
  }
  return -1;
}

int StandardColorIndexOfName(const char* pszHostName) {
  if (!pszHostName) return -1;
  for (int i = 0; i < kStandardColorCount; ++i) {
    if (std::strcmp(kStandardColors[i].hostName, pszHostName) == 0) return i;
  }
  return -1;
}

std::vector<ColorEntry> ReadSchemeTable(const char* pszText) {
  return ReadSchemes(pszText, {"SchemeTable", kColorEntryScheme, "Handle", "SchemeList", "value"});
}

std::vector<ColorEntry> ReadColumnTable(const char* pszText) {
  return ReadSchemes(pszText,
                     {"ColumnTable", kColorEntryColumn | kColumnImageIndex, "ColumnNo", "ColumnList", "Value"});
}

std::vector<std::string> ReadOptionNames(const char* pszText, int nMaxOptions) {
  std::vector<std::string> names;
  TiXmlDocument doc;
  const TiXmlElement* pOptions = FindTable(doc, pszText, "standardOptions");
  if (!pOptions) return names;
  for (const TiXmlElement* p = pOptions->FirstChildElement("option");
       p && names.size() < static_cast<std::size_t>(nMaxOptions); p = p->NextSiblingElement("option")) {
    const char* pszName = p->Attribute("name");
    names.push_back(pszName ? pszName : "");
  }
  return names;
}

std::vector<ColorEntry> ReadStandardColorOptions(const char* pszText, std::uint32_t customColor) {
  std::vector<ColorEntry> entries;
  for (const std::string& name : ReadOptionNames(pszText)) {
    const char* pszName = name.c_str();
    ColorEntry entry;
    const int nIndex = StandardColorIndexOfName(pszName);
    if (nIndex >= 0) {
      entry.colors[0] = kStandardColors[nIndex].color;
    } else if (name == kHostCustomName) {
      entry.colors[0] = customColor;
      entry.bCustom = true;
    } else {
      continue;
    }
    entry.name = CutName(pszName);
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace npb
