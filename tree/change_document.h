// Building the change document that goes back to the host: the tree's shape, plus the
// attributes of each object marked changed or restyled. Window-free: the tree walk feeds
// it (indent level, record) pairs in tree order.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

class TiXmlDocument;
class TiXmlElement;
struct Xml_ObjectData;

namespace npb {

// The change document's text goes into one piece more than the description came in.
inline constexpr std::size_t kChangeBufferPiece = 65536;

// Zero-filled room for a change document of a description that came in `nPieces` pieces:
// (nPieces + 1) x 64 KiB, some 19 MiB for the largest pages. False, with `buffer` empty,
// for a negative count or when the memory cannot be had.
bool AllocateChangeBuffer(int nPieces, std::vector<char>& buffer);

// Empties `doc` and gives it the declaration (version "1.0", encoding "UTF-8", standalone
// "yes") and an empty "XML" element, which is returned.
TiXmlElement* StartChangeDocument(TiXmlDocument& doc);

// Writes one "Object" per tree item under a new "ObjectList" of the given "XML" element.
class ChangeDocumentWriter {
public:
  explicit ChangeDocumentWriter(TiXmlElement& xml);
  ChangeDocumentWriter(const ChangeDocumentWriter&) = delete;
  ChangeDocumentWriter& operator=(const ChangeDocumentWriter&) = delete;

  // Writes the item at `level` (0: top level) and clears the record's style mark. False
  // when the walk is to stop: no record (nothing written), or a record without its
  // element (its "Object" written, nothing more).
  bool Add(int level, Xml_ObjectData* pRecord);

  // Marks again the records whose style mark Add cleared, for a document that was never
  // delivered, so the style still goes with the next save.
  void RestoreStyleMarks();

  TiXmlElement* ObjectList() const { return m_pList; }

private:
  TiXmlElement* NewObjectAt(int level);

  TiXmlElement* m_pList;
  std::vector<TiXmlElement*> m_open;  // m_open[k]: the last object written at level k
  std::vector<std::pair<Xml_ObjectData*, int>> m_styleCleared;  // record, its mark before
};

}  // namespace npb
