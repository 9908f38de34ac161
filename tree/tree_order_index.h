// TreeOrderIndex: the object tree's items in tree order (parents before children, as the
// save writes them), each with its indent level, its parent's position and its record,
// found by handle through a hash map. The tree control keeps it in step with its items so
// that walking the tree costs no window messages. Window-free: handles are only keys here.
#pragma once

#include <cstddef>
#include <unordered_map>
#include <vector>

struct _TREEITEM;  // HTREEITEM is a pointer to it
struct Xml_ObjectData;

namespace npb {

class TreeOrderIndex {
public:
  using Item = _TREEITEM*;
  static constexpr int kNone = -1;

  struct Entry {
    Item item;
    int level;   // number of ancestors: 0 at the top level
    int parent;  // position of the parent, kNone at the top level
    Xml_ObjectData* record;
  };

  // A new index is stale: its owner has not yet told it what the control holds.
  bool IsValid() const { return m_valid; }
  // Drops the contents; the owner must refill it from the control before the next use.
  void Invalidate();
  // Valid and empty, as for a control without items.
  void Reset();

  // Places the item as the last child of `parent` (null: the last top-level item), as the
  // control places an item inserted last. False, and nothing changed, when the index is
  // stale, already holds the item, or does not hold the parent.
  bool Insert(Item item, Item parent, Xml_ObjectData* record);
  // Removes the item and everything under it; false when the index does not hold it.
  bool Remove(Item item);
  bool SetRecord(Item item, Xml_ObjectData* record);

  // The item's position, or kNone.
  int Find(Item item) const;
  std::size_t Size() const { return m_entries.size(); }
  const std::vector<Entry>& Entries() const { return m_entries; }

  // Navigation by position; kNone past the end.
  Item ItemAt(int pos) const { return InRange(pos) ? m_entries[pos].item : nullptr; }
  int Next(int pos) const { return InRange(pos + 1) && pos >= 0 ? pos + 1 : kNone; }
  bool HasChildren(int pos) const { return InRange(pos + 1) && pos >= 0 && m_entries[pos + 1].parent == pos; }
  // The first position after the item's subtree.
  int NextOutside(int pos) const;

private:
  bool InRange(int pos) const { return pos >= 0 && static_cast<std::size_t>(pos) < m_entries.size(); }
  // One past the last position of the subtree at `pos`.
  int SubtreeEnd(int pos) const;
  // Re-enters the positions of entries[from..] in the map after a shift.
  void Renumber(int from);

  std::vector<Entry> m_entries;
  std::unordered_map<Item, int> m_positions;
  // Subtree ends for NextOutside, filled in one pass when first asked after a change.
  mutable std::vector<int> m_ends;
  bool m_valid = false;
};

}  // namespace npb
