#include "tree/change_document.h"

#include <cstdint>
#include <cstdlib>
#include <new>
#include <stdexcept>

#include <tinyxml.h>

#include "tree/object_data.h"
#include "tree/xml_document.h"

namespace npb {

bool AllocateChangeBuffer(int nPieces, std::vector<char>& buffer) {
  std::vector<char>().swap(buffer);
  if (nPieces < 0 || static_cast<std::size_t>(nPieces) >= SIZE_MAX / kChangeBufferPiece) return false;
  try {
    buffer.assign((static_cast<std::size_t>(nPieces) + 1) * kChangeBufferPiece, '\0');
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {  // more than a vector may hold
    return false;
  }
  return true;
}

namespace {

const char* AttrText(const TiXmlElement& element, const char* name) {
  const char* value = element.Attribute(name);
  return value ? value : "";
}

using RecordText = CString Xml_ObjectData::*;

// How an "Object" names itself in the change document: the first rule with any of its
// trigger texts set decides; an object that no rule fits carries no attributes.
struct ObjectField {
  const char* name;
  RecordText text;
  bool evenWhenEmpty;
};
struct ObjectRule {
  RecordText triggers[3];
  ObjectField fields[3];
};

constexpr ObjectRule kObjectRules[] = {
    {{&Xml_ObjectData::strList}, {{"List", &Xml_ObjectData::strList, true}}},
    {{&Xml_ObjectData::strGroup},
     {{"Group", &Xml_ObjectData::strGroup, true}, {"Handle", &Xml_ObjectData::strHandle, false}}},
    {{&Xml_ObjectData::strType, &Xml_ObjectData::strObjectName, &Xml_ObjectData::strHandle},
     {{"Type", &Xml_ObjectData::strType, true},
      {"Object_Name", &Xml_ObjectData::strObjectName, true},
      {"Handle", &Xml_ObjectData::strHandle, true}}},
};

bool RuleApplies(const ObjectRule& rule, const Xml_ObjectData& record) {
  for (RecordText trigger : rule.triggers) {
    if (trigger && !(record.*trigger).IsEmpty()) return true;
  }
  return false;
}

void WriteObjectAttributes(TiXmlElement& object, const Xml_ObjectData& record) {
  for (const ObjectRule& rule : kObjectRules) {
    if (!RuleApplies(rule, record)) continue;
    for (const ObjectField& field : rule.fields) {
      if (!field.name) break;
      const CString& text = record.*field.text;
      if (field.evenWhenEmpty || !text.IsEmpty()) object.SetAttribute(field.name, text.GetString());
    }
    return;
  }
}

// What a copied "Attribute" carries, in this order.
struct CopiedAttribute {
  const char* name;
  bool evenWhenEmpty;
};
constexpr CopiedAttribute kCopiedAttributes[] = {
    {"ID", true},        {"Name", true},         {"Label", true},     {"DataType", true},
    {"AttrValue", true}, {"ThemeHandle", false}, {"ColHandle", false},
};

// A picture row keeps new symbol settings on its own attribute; each goes to the host
// as an attribute of its own with fixed identification.
struct SymbolAttribute {
  const char* source;
  const char* id;
  const char* name;
  const char* label;
  const char* dataType;
};
constexpr SymbolAttribute kSymbolAttributes[] = {
    {"FlagValue", "1799", "SSA_OPTIONS", "Options", "bool"},
    {"Orientation", "1810", "SSA_ORIENTATION", "Orientation", "Integer"},
    {"SymbolStr", "1803", "SSA_STRING", "Symbol Text", "PTR String"},
};

TiXmlElement* AppendElement(TiXmlNode& parent, const char* name) {
  return parent.LinkEndChild(new TiXmlElement(name))->ToElement();
}

void WriteCopy(TiXmlElement& table, const TiXmlElement& attribute) {
  TiXmlElement* copy = AppendElement(table, "Attribute");
  for (const CopiedAttribute& field : kCopiedAttributes) {
    const char* text = AttrText(attribute, field.name);
    if (field.evenWhenEmpty || *text) copy->SetAttribute(field.name, text);
  }
}

void WriteSymbolAttributes(TiXmlElement& table, const TiXmlElement& attribute) {
  for (const SymbolAttribute& symbol : kSymbolAttributes) {
    const char* value = AttrText(attribute, symbol.source);
    if (!*value) continue;
    TiXmlElement* out = AppendElement(table, "Attribute");
    out->SetAttribute("ID", symbol.id);
    out->SetAttribute("Name", symbol.name);
    out->SetAttribute("Label", symbol.label);
    out->SetAttribute("DataType", symbol.dataType);
    out->SetAttribute("AttrValue", value);
  }
}

// The attributes of a marked object that are to change: for a changed object its new
// symbol settings and every attribute with a change mark, for a restyled one every
// attribute with the style mark 1.
void WriteChangedAttributes(TiXmlElement& table, const TiXmlElement& object, const Xml_ObjectData& record) {
  const TiXmlElement* attributes = object.FirstChildElement("AttributeTable");
  if (!attributes) return;
  for (const TiXmlElement* attribute = attributes->FirstChildElement("Attribute"); attribute;
       attribute = attribute->NextSiblingElement("Attribute")) {
    if (record.bModified) {
      WriteSymbolAttributes(table, *attribute);
      if (*AttrText(*attribute, "ModifiedFlag")) {
        WriteCopy(table, *attribute);
        continue;
      }
    }
    if (record.bApplyStyle && std::atoi(AttrText(*attribute, "ApplyStyleFlag")) == 1) WriteCopy(table, *attribute);
  }
}

}  // namespace

TiXmlElement* StartChangeDocument(TiXmlDocument& doc) {
  doc.Clear();
  doc.LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", "yes"));
  return AppendElement(doc, "XML");
}

ChangeDocumentWriter::ChangeDocumentWriter(TiXmlElement& xml) : m_pList(AppendElement(xml, "ObjectList")) {}

TiXmlElement* ChangeDocumentWriter::NewObjectAt(int level) {
  // A level can only be one deeper than the item before; a deeper one is reached through
  // empty objects, one per level skipped. Deeper than any readable document is held there.
  if (level < 0) level = 0;
  if (level > kMaxXmlDepth) level = kMaxXmlDepth;
  while (static_cast<int>(m_open.size()) < level) {
    TiXmlElement* parent = m_open.empty() ? m_pList : m_open.back();
    m_open.push_back(AppendElement(*parent, "Object"));
  }
  m_open.resize(level);
  TiXmlElement* parent = level == 0 ? m_pList : m_open.back();
  TiXmlElement* object = AppendElement(*parent, "Object");
  m_open.push_back(object);
  return object;
}

bool ChangeDocumentWriter::Add(int level, Xml_ObjectData* pRecord) {
  if (!pRecord) return false;
  TiXmlElement* object = NewObjectAt(level);
  // The table comes first, before any child object the later items add.
  TiXmlElement* table = pRecord->bModified || pRecord->bApplyStyle ? AppendElement(*object, "AttributeTable") : nullptr;
  WriteObjectAttributes(*object, *pRecord);
  if (!pRecord->pNode) return false;
  if (table && *AttrText(*pRecord->pNode, "Handle")) WriteChangedAttributes(*table, *pRecord->pNode, *pRecord);
  if (pRecord->bApplyStyle) {
    m_styleCleared.emplace_back(pRecord, pRecord->bApplyStyle);
    pRecord->bApplyStyle = 0;
  }
  return true;
}

void ChangeDocumentWriter::RestoreStyleMarks() {
  for (auto& [record, mark] : m_styleCleared) record->bApplyStyle = mark;
  m_styleCleared.clear();
}

}  // namespace npb
