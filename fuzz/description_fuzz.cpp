// Arbitrary page descriptions through everything the browser does with one that needs no
// window, the way the tree and the grid drive it: the item records and the tree order
// index, the preselection, the row kind of every attribute with its colour or picture
// source, the change marks a committing row or an applied style leaves, and the change
// document written into a bounded buffer and read back.
//
// Input: an 8-byte header, then the description text.
//   [0]    which object's key is the preselection key
//   [1..4] seed of the per-attribute changes
//   [5]    the save buffer's size against what the document needs (signed)
//   [6]    which item to remove from the index afterwards (0: none)
//   [7]    kinds of change allowed: 1 value, 2 style mark, 4 symbol values
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <tinyxml.h>

#include "recorder/attribute_names.h"
#include "recorder/row_kind.h"
#include "tree/change_document.h"
#include "tree/object_data.h"
#include "tree/row_sources.h"
#include "tree/tree_order_index.h"
#include "tree/xml_document.h"

namespace {

#define CHECK(condition) \
  do {                   \
    if (!(condition)) __builtin_trap(); \
  } while (0)

using npb::TreeOrderIndex;

const char* Text(const TiXmlElement& element, const char* name) {
  const char* value = element.Attribute(name);
  return value ? value : "";
}

// The "Object" elements under `list` with their levels, parents before children.
std::vector<std::pair<TiXmlElement*, int>> ObjectsInOrder(TiXmlElement* list) {
  std::vector<std::pair<TiXmlElement*, int>> out;
  std::vector<TiXmlElement*> open;  // the next sibling still to visit at each level
  open.push_back(list ? list->FirstChildElement("Object") : nullptr);
  while (!open.empty()) {
    TiXmlElement* object = open.back();
    if (!object) {
      open.pop_back();
      continue;
    }
    open.back() = object->NextSiblingElement("Object");
    out.emplace_back(object, static_cast<int>(open.size()) - 1);
    open.push_back(object->FirstChildElement("Object"));
  }
  return out;
}

TreeOrderIndex::Item FakeItem(std::size_t k) { return reinterpret_cast<TreeOrderIndex::Item>((k + 1) * 16); }

// Levels, parents, positions and subtree ends agree with one another.
void CheckIndex(const TreeOrderIndex& index) {
  const auto& entries = index.Entries();
  const int n = static_cast<int>(entries.size());
  std::vector<int> open;  // positions of the open ancestors
  for (int k = 0; k < n; ++k) {
    const TreeOrderIndex::Entry& e = entries[k];
    CHECK(index.Find(e.item) == k);
    CHECK(e.level >= 0 && e.level <= static_cast<int>(open.size()));
    open.resize(e.level);
    CHECK(e.parent == (open.empty() ? TreeOrderIndex::kNone : open.back()));
    open.push_back(k);
    CHECK(index.HasChildren(k) == (k + 1 < n && entries[k + 1].level > e.level));
    int end = k + 1;
    while (end < n && entries[end].level > e.level) ++end;
    CHECK(index.NextOutside(k) == (end < n ? end : TreeOrderIndex::kNone));
  }
}

// A committing row's or an applied style's marks, chosen per attribute by the seed.
void MarkChanges(const TreeOrderIndex& index, std::uint32_t seed, unsigned kinds) {
  for (const TreeOrderIndex::Entry& e : index.Entries()) {
    TiXmlElement* table = e.record->pNode->FirstChildElement("AttributeTable");
    for (TiXmlElement* a = table ? table->FirstChildElement("Attribute") : nullptr; a;
         a = a->NextSiblingElement("Attribute")) {
      seed = seed * 1103515245u + 12345u;
      const unsigned pick = (seed >> 16) & kinds;
      if (pick & 1) {
        a->SetAttribute("AttrValue", static_cast<int>(seed >> 8));
        a->SetAttribute("ModifiedFlag", "1");
        e.record->bModified = e.record->bApplyPending = 1;
      }
      if (pick & 2) {
        a->SetAttribute("ApplyStyleFlag", 1);
        e.record->bApplyStyle = 1;
      }
      if (pick & 4) {
        a->SetAttribute("FlagValue", static_cast<int>(seed & 0xff));
        a->SetAttribute("SymbolStr", Text(*a, "Label"));
        e.record->bModified = 1;
      }
    }
  }
}

// What the grid reads from each attribute: its row kind and a colour or picture source.
void ClassifyAttributes(const TreeOrderIndex& index) {
  for (const TreeOrderIndex::Entry& e : index.Entries()) {
    TiXmlElement* table = e.record->pNode->FirstChildElement("AttributeTable");
    for (TiXmlElement* a = table ? table->FirstChildElement("Attribute") : nullptr; a;
         a = a->NextSiblingElement("Attribute")) {
      const std::int32_t number = npb::LookupStringValue(a->Attribute("Name"));
      const npb::RowKind kind = npb::RowKindOf(number);
      // Every number of the table falls in a range; only names it lacks make plain rows.
      CHECK((number == npb::kStringValueNone) == (kind == npb::RowKind::Plain));
      CHECK(!npb::IsFloatingPointSlider(number) || kind == npb::RowKind::Slider);
      const std::int32_t value = npb::ReadAttrInt(a->Attribute("AttrValue"));
      const npb::SourceHandles handles{a->Attribute("ThemeHandle"), a->Attribute("ColHandle")};
      const std::int32_t col = npb::ReadAttrInt(handles.colHandle);
      if (kind == npb::RowKind::Colour) {
        const npb::ColorChoice c = npb::ChooseColorSource(handles, value);
        CHECK(c.info.nValue == value);
        if (c.info.dwSource == kColorSourcePlain) {
          CHECK(c.nColor == value && c.info.nIndex == 0);
        } else {
          CHECK(c.info.dwSource == kColorSourceTheme || c.info.dwSource == kColorSourceColumn);
          CHECK(c.info.nIndex == c.nColor);
          CHECK(c.info.dwSource == kColorSourceTheme ? col == -2 : col >= 0);
        }
      } else if (kind == npb::RowKind::Picture) {
        const npb::PictureChoice p = npb::ChoosePictureSource(handles, value);
        if (!p.info.bHasSource) {
          CHECK(p.nPicture == value && p.info.nIndex == 0 && p.info.bFromColumn == 0);
        } else {
          CHECK(p.info.bHasSource == 1 && p.info.nIndex == p.nPicture);
          CHECK(p.info.bFromColumn ? col >= 0 : col == -2);
        }
      }
    }
  }
}

struct Saved {
  std::string text;
  bool delivered;
};

// One save as the tree makes it, printed into a buffer of exactly `size` bytes.
Saved Save(const TreeOrderIndex& index, std::size_t size) {
  TiXmlDocument doc;
  npb::ChangeDocumentWriter writer(*npb::StartChangeDocument(doc));
  for (const TreeOrderIndex::Entry& e : index.Entries()) {
    if (!writer.Add(e.level, e.record)) break;
  }
  std::unique_ptr<char[]> buffer(new char[size > 0 ? size : 1]);
  const int length = npb::PrintXmlDocument(doc, size > 0 ? buffer.get() : nullptr, size);
  if (length < 0) {
    CHECK(size == 0 || buffer[0] == '\0');
    writer.RestoreStyleMarks();
    return {"", false};
  }
  CHECK(static_cast<std::size_t>(length) < size && buffer[length] == '\0');
  CHECK(std::strlen(buffer.get()) == static_cast<std::size_t>(length));
  return {std::string(buffer.get(), length), true};
}

std::size_t NeededSize(const TreeOrderIndex& index) {
  TiXmlDocument doc;
  npb::ChangeDocumentWriter writer(*npb::StartChangeDocument(doc));
  std::vector<std::pair<Xml_ObjectData*, int>> marks;
  for (const TreeOrderIndex::Entry& e : index.Entries()) {
    marks.emplace_back(e.record, e.record->bApplyStyle);
    if (!writer.Add(e.level, e.record)) break;
  }
  writer.RestoreStyleMarks();
  for (const auto& [record, mark] : marks) CHECK(record->bApplyStyle == mark);
  TiXmlPrinter printer;
  doc.Accept(&printer);
  return printer.Size() + 1;
}

// The saved text reads back with one "Object" per item at the item's level, a table on
// exactly the marked ones, and every copied value as the tree holds it. It is read as the
// 8-bit text it is: values pass through byte for byte, whatever the declaration says.
void CheckSaved(const std::string& text, const TreeOrderIndex& index, const std::vector<int>& marked) {
  TiXmlDocument doc;
  doc.Parse(text.c_str(), nullptr, TIXML_ENCODING_LEGACY);
  CHECK(!doc.Error());
  TiXmlElement* xml = npb::FindXmlRoot(doc);
  CHECK(xml && xml->FirstChildElement("ObjectList"));
  const auto objects = ObjectsInOrder(xml->FirstChildElement("ObjectList"));
  const auto& entries = index.Entries();
  CHECK(objects.size() == entries.size());
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const TiXmlElement& out = *objects[k].first;
    CHECK(objects[k].second == entries[k].level);
    const TiXmlElement* table = out.FirstChildElement("AttributeTable");
    CHECK((table != nullptr) == (marked[k] != 0));
    CHECK(!table || out.FirstChildElement() == table);
    if (!table) continue;
    const TiXmlElement* in = entries[k].record->pNode->FirstChildElement("AttributeTable");
    for (const TiXmlElement* a = table->FirstChildElement("Attribute"); a; a = a->NextSiblingElement("Attribute")) {
      static const char* const kLeading[] = {"ID", "Name", "Label", "DataType", "AttrValue"};
      const TiXmlAttribute* attribute = a->FirstAttribute();
      for (const char* name : kLeading) {
        CHECK(attribute && std::strcmp(attribute->Name(), name) == 0);
        attribute = attribute->Next();
      }
      // The symbol values travel under fixed identities of their own.
      static const char* const kSymbolNames[] = {"SSA_OPTIONS", "SSA_ORIENTATION", "SSA_STRING"};
      bool symbol = false;
      for (const char* name : kSymbolNames) symbol = symbol || std::strcmp(Text(*a, "Name"), name) == 0;
      if (symbol) continue;
      // A copy carries its source's value unchanged: find the source by its identity.
      bool found = false;
      for (const TiXmlElement* s = in ? in->FirstChildElement("Attribute") : nullptr; s && !found;
           s = s->NextSiblingElement("Attribute")) {
        found = std::strcmp(Text(*s, "ID"), Text(*a, "ID")) == 0 && std::strcmp(Text(*s, "Name"), Text(*a, "Name")) == 0 &&
                std::strcmp(Text(*s, "AttrValue"), Text(*a, "AttrValue")) == 0 &&
                std::strcmp(Text(*s, "ColHandle"), Text(*a, "ColHandle")) == 0;
      }
      CHECK(found);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  npb::FillAttributeNameMap();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHeader = 8;
  if (size < kHeader) return 0;
  std::string text(reinterpret_cast<const char*>(data) + kHeader, size - kHeader);
  TiXmlDocument doc;
  if (!npb::ReadXmlText(doc, text.data())) return 0;
  TiXmlElement* xml = npb::FindXmlRoot(doc);
  if (!xml) return 0;

  // Loading: one record and one index entry per object, the last key match selected.
  const auto objects = ObjectsInOrder(xml->FirstChildElement("ObjectList"));
  const TiXmlElement* key = objects.empty() ? nullptr : objects[data[0] % objects.size()].first;
  const unsigned selectHandle = key ? static_cast<unsigned>(std::atoi(Text(*key, "Handle"))) : 0;
  const char* selectName = key ? (*Text(*key, "Group") ? Text(*key, "Group") : Text(*key, "Object_Name")) : nullptr;
  std::vector<std::unique_ptr<Xml_ObjectData>> records;
  std::vector<TreeOrderIndex::Item> parents;  // the item at each open level
  TreeOrderIndex index;
  index.Reset();
  int selected = TreeOrderIndex::kNone;
  for (const auto& [object, level] : objects) {
    npb::ClearStyleMarks(*object);
    records.push_back(std::make_unique<Xml_ObjectData>(npb::MakeObjectData(object)));
    npb::ObjectLabel(*records.back());
    parents.resize(level);
    const TreeOrderIndex::Item item = FakeItem(records.size() - 1);
    CHECK(index.Insert(item, parents.empty() ? nullptr : parents.back(), records.back().get()));
    parents.push_back(item);
    if (npb::MatchesSelectKey(*object, selectHandle, selectName)) selected = static_cast<int>(records.size()) - 1;
  }
  CHECK(index.Size() == objects.size());
  for (std::size_t k = 0; k < objects.size(); ++k) CHECK(index.Entries()[k].record->pNode == objects[k].first);
  CheckIndex(index);
  if (key && *Text(*key, "Handle")) CHECK(selected >= static_cast<int>(data[0] % objects.size()));

  const std::size_t tableSize = npb::TheAttributeNameMap().GetCount();
  ClassifyAttributes(index);
  CHECK(npb::TheAttributeNameMap().GetCount() == tableSize);

  if (data[6] != 0 && index.Size() > 0) {
    const std::size_t before = index.Size();
    const TreeOrderIndex::Item item = index.ItemAt(data[6] % index.Size());
    CHECK(index.Remove(item));
    CHECK(index.Size() < before && index.Find(item) == TreeOrderIndex::kNone);
    CheckIndex(index);
  }

  std::uint32_t seed;
  std::memcpy(&seed, data + 1, sizeof seed);
  MarkChanges(index, seed, data[7]);
  std::vector<int> marked;
  bool styled = false;
  for (const TreeOrderIndex::Entry& e : index.Entries()) {
    marked.push_back(e.record->bModified || e.record->bApplyStyle);
    styled = styled || e.record->bApplyStyle;
  }

  // A save that does not fit is not delivered and keeps the style marks for the next one.
  const std::size_t needed = NeededSize(index);
  const std::ptrdiff_t bound = static_cast<std::ptrdiff_t>(needed) + static_cast<std::int8_t>(data[5]);
  Saved first = Save(index, bound > 0 ? static_cast<std::size_t>(bound) : 0);
  CHECK(first.delivered == (bound >= static_cast<std::ptrdiff_t>(needed)));
  if (!first.delivered) first = Save(index, needed);
  CHECK(first.delivered);
  CheckSaved(first.text, index, marked);
  for (const TreeOrderIndex::Entry& e : index.Entries()) CHECK(e.record->bApplyStyle == 0);
  // Saving again sends the same changes, less the style that has gone with the first.
  const Saved second = Save(index, needed);
  CHECK(second.delivered);
  CHECK(styled || second.text == first.text);
  CHECK(Save(index, needed).text == second.text);
  return 0;
}
