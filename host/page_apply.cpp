// Applying a change document to the page: each changed object is found in the page, then
// each of its attributes, and only when the whole document has been read are the new
// values written, so a document that fails to read changes nothing.
#include <tinyxml.h>

#include "host/page_model.h"
#include "host/page_text.h"

namespace pg {

struct PageModel::Assignment {
  TiXmlElement* attribute;
  const char* name;
  std::string value;
};

namespace {

// What a change document may set on an attribute.
constexpr const char* kWritable[] = {"AttrValue", "ThemeHandle", "ColHandle"};

bool SameText(const TiXmlElement* a, const TiXmlElement* b, const char* name) {
  return AttributeText(a, name) == AttributeText(b, name);
}

// Whether a page object could be the one a change object describes.
bool Describes(const TiXmlElement* change, const TiXmlElement* model) {
  if (!model) return false;
  if (!AttributeText(change, "List").empty()) return SameText(change, model, "List");
  if (!AttributeText(change, "Group").empty()) return SameText(change, model, "Group");
  return SameText(change, model, "Type") && SameText(change, model, "Object_Name");
}

}  // namespace

// By handle when the change object carries one, else by its place under the matched
// parent, else by "List"/"Group"/"Type" and name among that parent's children.
TiXmlElement* PageModel::MatchObject(const TiXmlElement* change, TiXmlElement* modelParent,
                                     TiXmlElement* positional) const {
  const std::string_view handle = AttributeText(change, "Handle");
  if (!handle.empty()) {
    const auto objects = m_byHandle.find(AttributeInt(change, "Handle"));
    if (objects == m_byHandle.end()) return nullptr;
    if (AttributeText(positional, "Handle") == handle && Describes(change, positional))
      return positional;
    for (TiXmlElement* candidate : objects->second)
      if (Describes(change, candidate)) return candidate;
    return objects->second.front();
  }
  if (Describes(change, positional)) return positional;
  for (TiXmlElement* o = FirstChild(modelParent, "Object"); o; o = NextSibling(o, "Object"))
    if (Describes(change, o)) return o;
  return nullptr;
}

void PageModel::PlanObjects(const TiXmlElement* changeParent, TiXmlElement* modelParent,
                            std::vector<Assignment>* plan, int depth) const {
  if (depth > kMaxNesting) return;
  TiXmlElement* positional = FirstChild(modelParent, "Object");
  for (const TiXmlElement* change = FirstChild(changeParent, "Object"); change;
       change = NextSibling(change, "Object")) {
    TiXmlElement* model = MatchObject(change, modelParent, positional);
    if (model) PlanAttributes(change, model, plan);
    // Children of an object the page lacks can still be found by handle.
    PlanObjects(change, model, plan, depth + 1);
    positional = NextSibling(positional, "Object");
  }
}

void PageModel::PlanAttributes(const TiXmlElement* change, TiXmlElement* model,
                               std::vector<Assignment>* plan) const {
  TiXmlElement* table = FirstChild(model, "AttributeTable");
  const TiXmlElement* changes = FirstChild(change, "AttributeTable");
  for (const TiXmlElement* a = FirstChild(changes, "Attribute"); a; a = NextSibling(a, "Attribute")) {
    TiXmlElement* target = nullptr;
    const std::string_view name = AttributeText(a, "Name");
    const std::string_view id = AttributeText(a, "ID");
    for (TiXmlElement* m = FirstChild(table, "Attribute"); m && !target && !name.empty();
         m = NextSibling(m, "Attribute"))
      if (AttributeText(m, "Name") == name) target = m;
    for (TiXmlElement* m = FirstChild(table, "Attribute"); m && !target && !id.empty();
         m = NextSibling(m, "Attribute"))
      if (AttributeText(m, "ID") == id) target = m;
    if (!target) continue;
    for (const char* field : kWritable)
      if (const char* value = a->Attribute(field)) plan->push_back({target, field, value});
  }
}

bool PageModel::ApplyChanges(std::string_view changeText) {
  TiXmlDocument change;
  if (!m_doc || !ParseDocument(changeText, &change)) return false;
  std::vector<Assignment> plan;
  const TiXmlElement* changeList = FirstChild(FirstChild(&change, "XML"), "ObjectList");
  TiXmlElement* modelList = FirstChild(FirstChild(m_doc.get(), "XML"), "ObjectList");
  PlanObjects(changeList, modelList, &plan, 0);
  for (const Assignment& a : plan) a.attribute->SetAttribute(a.name, a.value);
  if (!plan.empty()) m_textValid = false;
  return true;
}

}  // namespace pg
