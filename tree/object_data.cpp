#include "tree/object_data.h"

#include <cstdlib>
#include <cstring>

#include <tinyxml.h>

namespace npb {

namespace {

const char* AttrText(const TiXmlElement& element, const char* name) {
  const char* value = element.Attribute(name);
  return value ? value : "";
}

// Which naming attribute labels an object: the first rule whose attributes are all empty
// while its label is not. Anything else shows the "Object_Name".
struct LabelRule {
  CString Xml_ObjectData::*label;
  CString Xml_ObjectData::*mustBeEmpty[3];
};

constexpr LabelRule kLabelRules[] = {
    {&Xml_ObjectData::strList,
     {&Xml_ObjectData::strObjectName, &Xml_ObjectData::strType, &Xml_ObjectData::strGroup}},
    {&Xml_ObjectData::strGroup, {&Xml_ObjectData::strObjectName, &Xml_ObjectData::strType}},
    {&Xml_ObjectData::strType, {&Xml_ObjectData::strObjectName, &Xml_ObjectData::strGroup}},
};

bool RuleApplies(const LabelRule& rule, const Xml_ObjectData& data) {
  if ((data.*rule.label).IsEmpty()) return false;
  for (CString Xml_ObjectData::*field : rule.mustBeEmpty) {
    if (field && !(data.*field).IsEmpty()) return false;
  }
  return true;
}

}  // namespace

Xml_ObjectData MakeObjectData(TiXmlElement* pObject) {
  Xml_ObjectData data;
  if (!pObject) return data;
  data.pNode = pObject;
  data.strType = AttrText(*pObject, "Type");
  data.strObjectName = AttrText(*pObject, "Object_Name");
  data.strGroup = AttrText(*pObject, "Group");
  data.strList = AttrText(*pObject, "List");
  if (!data.strType.IsEmpty() || !data.strGroup.IsEmpty()) data.strHandle = AttrText(*pObject, "Handle");
  return data;
}

const CString& ObjectLabel(const Xml_ObjectData& data) {
  for (const LabelRule& rule : kLabelRules) {
    if (RuleApplies(rule, data)) return data.*rule.label;
  }
  return data.strObjectName;
}

bool MatchesSelectKey(const TiXmlElement& object, unsigned nHandle, const char* pszName) {
  const char* handle = AttrText(object, "Handle");
  if (!*handle || static_cast<unsigned>(std::atoi(handle)) != nHandle) return false;
  const char* name = pszName ? pszName : "";
  return std::strcmp(name, AttrText(object, "Group")) == 0 ||
         std::strcmp(name, AttrText(object, "Object_Name")) == 0;
}

void ClearStyleMarks(TiXmlElement& object) {
  TiXmlElement* table = object.FirstChildElement("AttributeTable");
  if (!table) return;
  for (TiXmlElement* attr = table->FirstChildElement("Attribute"); attr;
       attr = attr->NextSiblingElement("Attribute")) {
    // The text of the integer 0, without formatting it 300,000 times on a large page.
    attr->SetAttribute("ApplyStyleFlag", "0");
  }
}

}  // namespace npb
