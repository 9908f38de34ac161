// The host's model of one graph page: its description document in the page vocabulary
// ("XML"/"ObjectList"/nested "Object" with "AttributeTable"/"Attribute"), the host's
// own state of each object, and the operations the page library serves from it.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/host_state.h"

class TiXmlDocument;
class TiXmlElement;

namespace pg {

class PageModel {
 public:
  PageModel();
  ~PageModel();
  PageModel(const PageModel&) = delete;
  PageModel& operator=(const PageModel&) = delete;

  // Loading replaces the page only when the text reads as a page; else nothing changes.
  bool LoadText(std::string_view text);
  bool LoadFile(const std::string& path);
  bool LoadSample();
  // An empty page whose description is served as `bytes` verbatim, in pieces of
  // `pieceSize` bytes: text the model would refuse still reaches the browser.
  void LoadRaw(std::string bytes, size_t pieceSize);
  bool IsLoaded() const { return m_doc != nullptr; }

  // Every "Object" element of the page, nested ones included.
  int ObjectCount() const { return m_objectCount; }

  // The page as TinyXML prints it; empty before a load.
  const std::string& Text() const;
  bool SaveFile(const std::string& path) const;

  // The description in pieces as the page library hands them out (views into Text()).
  int PieceCount() const;
  std::vector<std::string_view> Pieces() const;

  // Applies a change document: false for text that does not read as a document (the page
  // is then unchanged); objects and attributes it names that the page lacks are skipped.
  bool ApplyChanges(std::string_view changeText);

  // One attribute of an object by the object's handle and the attribute's host number
  // ("ID"). Objects sharing a handle (an axis and its groups) are one host object.
  bool HasObject(int handle) const;
  bool GetAttribute(int handle, int id, std::string* value, std::string* dataType = nullptr) const;
  bool SetAttribute(int handle, int id, std::string_view value);
  // "SLA_DATA_SOURCE" of the object or of its nearest ancestor that has one.
  std::string DataSource(int handle) const;

  // Host state of an object; null for a handle the page does not have.
  const ObjectState* State(int handle) const;
  ObjectState* State(int handle);

 private:
  void Index();
  std::vector<TiXmlElement*> AttributesOf(int handle, int id) const;
  TiXmlElement* MatchObject(const TiXmlElement* change, TiXmlElement* modelParent,
                            TiXmlElement* positional) const;
  struct Assignment;
  void PlanObjects(const TiXmlElement* changeParent, TiXmlElement* modelParent,
                   std::vector<Assignment>* plan, int depth) const;
  void PlanAttributes(const TiXmlElement* change, TiXmlElement* model,
                      std::vector<Assignment>* plan) const;

  std::unique_ptr<TiXmlDocument> m_doc;
  std::unordered_map<int, std::vector<TiXmlElement*>> m_byHandle;  // document order
  std::map<int, ObjectState> m_state;
  int m_objectCount = 0;
  mutable std::string m_text;
  mutable bool m_textValid = false;
  std::string m_raw;         // the served description of a raw page
  size_t m_rawPieceSize = 0;  // 0: the description is the model's own text
};

}  // namespace pg
