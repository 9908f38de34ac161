#include "host/page_model.h"

#include <tinyxml.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "host/page_pieces.h"
#include "host/page_text.h"
#include "host/sample_page.h"

namespace pg {

PageModel::PageModel() = default;
PageModel::~PageModel() = default;

bool PageModel::LoadText(std::string_view text) {
  auto doc = std::make_unique<TiXmlDocument>();
  if (!ParseDocument(text, doc.get())) return false;
  m_doc = std::move(doc);
  Index();
  return true;
}

bool PageModel::LoadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream text;
  text << in.rdbuf();
  return LoadText(text.str());
}

bool PageModel::LoadSample() {
  return LoadText(SampleText());
}

void PageModel::LoadRaw(std::string bytes, size_t pieceSize) {
  LoadText("<XML><ObjectList /></XML>");
  m_raw = std::move(bytes);
  m_rawPieceSize = std::max<size_t>(pieceSize, 1);
}

// Walks every "Object" without recursion: counts them, indexes handles and gives each
// host object its starting state.
void PageModel::Index() {
  m_byHandle.clear();
  m_state.clear();
  m_objectCount = 0;
  m_textValid = false;
  std::vector<TiXmlElement*> stack;
  TiXmlElement* list = FirstChild(FirstChild(m_doc.get(), "XML"), "ObjectList");
  std::vector<TiXmlElement*> level;
  for (TiXmlElement* o = FirstChild(list, "Object"); o; o = NextSibling(o, "Object")) level.push_back(o);
  stack.assign(level.rbegin(), level.rend());
  while (!stack.empty()) {
    TiXmlElement* object = stack.back();
    stack.pop_back();
    ++m_objectCount;
    if (!AttributeText(object, "Handle").empty()) {
      const int handle = AttributeInt(object, "Handle");
      m_byHandle[handle].push_back(object);
      const std::string_view type = AttributeText(object, "Type");
      if (!type.empty() && !m_state.count(handle))
        m_state[handle] = DefaultState(type, AttributeText(object, "Object_Name"));
    }
    level.clear();
    for (TiXmlElement* c = FirstChild(object, "Object"); c; c = NextSibling(c, "Object")) level.push_back(c);
    stack.insert(stack.end(), level.rbegin(), level.rend());
  }
}

const std::string& PageModel::Text() const {
  if (!m_textValid) {
    m_text = m_doc ? PrintDocument(*m_doc) : std::string();
    m_textValid = true;
  }
  return m_text;
}

bool PageModel::SaveFile(const std::string& path) const {
  if (!m_doc) return false;
  std::ofstream out(path, std::ios::binary);
  const std::string& text = Text();
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  return static_cast<bool>(out);
}

int PageModel::PieceCount() const {
  if (!m_rawPieceSize) return pg::PieceCount(Text().size());
  const size_t pieces = (m_raw.size() + m_rawPieceSize - 1) / m_rawPieceSize;
  return static_cast<int>(std::clamp<size_t>(pieces, kMinPieces, 0x7fffffff));
}

std::vector<std::string_view> PageModel::Pieces() const {
  return m_rawPieceSize ? SplitIntoFixedPieces(m_raw, m_rawPieceSize) : SplitIntoPieces(Text());
}

bool PageModel::HasObject(int handle) const {
  return m_byHandle.count(handle) != 0;
}

std::vector<TiXmlElement*> PageModel::AttributesOf(int handle, int id) const {
  std::vector<TiXmlElement*> found;
  const auto objects = m_byHandle.find(handle);
  if (objects == m_byHandle.end()) return found;
  for (TiXmlElement* object : objects->second) {
    TiXmlElement* table = FirstChild(object, "AttributeTable");
    for (TiXmlElement* a = FirstChild(table, "Attribute"); a; a = NextSibling(a, "Attribute")) {
      if (!AttributeText(a, "ID").empty() && AttributeInt(a, "ID") == id) found.push_back(a);
    }
  }
  return found;
}

bool PageModel::GetAttribute(int handle, int id, std::string* value, std::string* dataType) const {
  const std::vector<TiXmlElement*> found = AttributesOf(handle, id);
  if (found.empty()) return false;
  if (value) *value = AttributeText(found.front(), "AttrValue");
  if (dataType) *dataType = AttributeText(found.front(), "DataType");
  return true;
}

bool PageModel::SetAttribute(int handle, int id, std::string_view value) {
  const std::vector<TiXmlElement*> found = AttributesOf(handle, id);
  for (TiXmlElement* a : found) a->SetAttribute("AttrValue", std::string(value));
  if (!found.empty()) m_textValid = false;
  return !found.empty();
}

std::string PageModel::DataSource(int handle) const {
  const auto objects = m_byHandle.find(handle);
  if (objects == m_byHandle.end()) return {};
  for (const TiXmlNode* node = objects->second.front(); node; node = node->Parent()) {
    const TiXmlElement* table = FirstChild(node, "AttributeTable");
    for (const TiXmlElement* a = FirstChild(table, "Attribute"); a; a = NextSibling(a, "Attribute"))
      if (AttributeText(a, "Name") == "SLA_DATA_SOURCE") return std::string(AttributeText(a, "AttrValue"));
  }
  return {};
}

const ObjectState* PageModel::State(int handle) const {
  const auto it = m_state.find(handle);
  return it == m_state.end() ? nullptr : &it->second;
}

ObjectState* PageModel::State(int handle) {
  const auto it = m_state.find(handle);
  return it == m_state.end() ? nullptr : &it->second;
}

}  // namespace pg
