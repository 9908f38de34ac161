#include "tree/style_transfer.h"

#include <cstring>
#include <strings.h>

#include <tinyxml.h>

namespace npb {

namespace {

// Kept apart from a style: what the object shows or plots, its axis range and its place.
constexpr const char* kNotStyle[] = {
    "STA_RTF",
    "SLA_SAMPLERANGE",
    "SLA_SAMPLETOP",
    "SLA_SAMPLEBOTTOM",
    "SLA_SAMPLEFREQ",
    "SLA_FLAG_IGNORENAN",
    "SLA_FLAG_IGNORERANGE",
    "SLA_PLOT_TYPE",
    "SLA_DATA_FORMAT",
    "SLA_DATA_SOURCE",
    "SAA_TYPE",
    "SAA_FROMVAL",
    "SAA_TOVAL",
    "SAA_FLAG_AUTORANGEMIN",
    "SAA_FLAG_AUTORANGEMAX",
    "SAA_FLAG_NOAUTOPADRANGE",
    "SAA_FLAG_NOAUTOPADTICKS",
    "SAA_FLAG_AUTORANGE",
    "SAA_MAJORFREQ",
    "SAA_BREAKPOSTINT",
    "SOA_POSITION_TOP",
    "SOA_POSITION_LEFT",
    "SOA_POSITION_WIDTH",
    "SOA_POSITION_HEIGHT",
};

const char* Text(const TiXmlElement& element, const char* pszName) {
  const char* pszValue = element.Attribute(pszName);
  return pszValue ? pszValue : "";
}

bool Same(const TiXmlElement& a, const TiXmlElement& b, const char* pszName) {
  return std::strcmp(Text(a, pszName), Text(b, pszName)) == 0;
}

const TiXmlElement* FirstAttribute(const TiXmlElement& object) {
  const TiXmlElement* table = object.FirstChildElement("AttributeTable");
  return table ? table->FirstChildElement("Attribute") : nullptr;
}

bool CanCarryStyle(const TiXmlElement& object) {
  return object.FirstChildElement("AttributeTable") && *Text(object, "Handle");
}

// The one value a matching pair transfers: the value itself, else a handle both sides have.
const char* ValueToTransfer(const TiXmlElement& source, const TiXmlElement& target) {
  if (!Same(source, target, "AttrValue")) return "AttrValue";
  for (const char* handle : {"ThemeHandle", "ColHandle"}) {
    if (*Text(source, handle) && *Text(target, handle) && !Same(source, target, handle)) return handle;
  }
  return nullptr;
}

}  // namespace

bool IsStyleAttributeName(const char* pszName) {
  const char* name = pszName ? pszName : "";
  for (const char* excluded : kNotStyle) {
    if (strcasecmp(name, excluded) == 0) return false;
  }
  return true;
}

int TransferStyleAttributes(const TiXmlElement& source, TiXmlElement& target) {
  if (!CanCarryStyle(source) || !CanCarryStyle(target)) return 0;
  int transferred = 0;
  const TiXmlElement* from = FirstAttribute(source);
  // The target's table is the caller's to change; the walk only needs it writable.
  TiXmlElement* to = const_cast<TiXmlElement*>(FirstAttribute(target));
  for (; from && to; from = from->NextSiblingElement("Attribute"), to = to->NextSiblingElement("Attribute")) {
    const bool matches = Same(*from, *to, "ID") && Same(*from, *to, "Name") && Same(*from, *to, "DataType") &&
                         IsStyleAttributeName(Text(*to, "Name"));
    if (!matches) continue;
    const char* value = ValueToTransfer(*from, *to);
    if (!value) continue;
    to->SetAttribute(value, Text(*from, value));
    to->SetAttribute("ApplyStyleFlag", "1");
    ++transferred;
  }
  return transferred;
}

}  // namespace npb
