#include "tree/tree_order_index.h"

namespace npb {

void TreeOrderIndex::Invalidate() {
  Reset();
  m_valid = false;
}

void TreeOrderIndex::Reset() {
  m_entries.clear();
  m_positions.clear();
  m_ends.clear();
  m_valid = true;
}

bool TreeOrderIndex::Insert(Item item, Item parent, Xml_ObjectData* record) {
  if (!m_valid || !item || m_positions.count(item)) return false;
  int parentPos = kNone;
  int level = 0;
  int at = static_cast<int>(m_entries.size());
  if (parent) {
    parentPos = Find(parent);
    if (parentPos == kNone) return false;
    level = m_entries[parentPos].level + 1;
    at = SubtreeEnd(parentPos);
  }
  m_entries.insert(m_entries.begin() + at, Entry{item, level, parentPos, record});
  // Parents come before their children, so only entries after the new one can have a
  // parent at or past its position.
  for (std::size_t k = at + 1; k < m_entries.size(); ++k) {
    if (m_entries[k].parent >= at) ++m_entries[k].parent;
  }
  Renumber(at);
  m_ends.clear();
  return true;
}

bool TreeOrderIndex::Remove(Item item) {
  const int pos = Find(item);
  if (pos == kNone) return false;
  const int end = SubtreeEnd(pos);
  const int count = end - pos;
  for (int k = pos; k < end; ++k) m_positions.erase(m_entries[k].item);
  m_entries.erase(m_entries.begin() + pos, m_entries.begin() + end);
  // An entry after the subtree is no descendant of it: its parent is before pos or after it.
  for (std::size_t k = pos; k < m_entries.size(); ++k) {
    if (m_entries[k].parent >= end) m_entries[k].parent -= count;
  }
  Renumber(pos);
  m_ends.clear();
  return true;
}

bool TreeOrderIndex::SetRecord(Item item, Xml_ObjectData* record) {
  const int pos = Find(item);
  if (pos == kNone) return false;
  m_entries[pos].record = record;
  return true;
}

int TreeOrderIndex::Find(Item item) const {
  auto it = item ? m_positions.find(item) : m_positions.end();
  return it == m_positions.end() ? kNone : it->second;
}

int TreeOrderIndex::NextOutside(int pos) const {
  if (!InRange(pos)) return kNone;
  if (m_ends.size() != m_entries.size()) {
    // Each child's subtree is complete before its parent is reached from the back.
    const int n = static_cast<int>(m_entries.size());
    m_ends.resize(n);
    for (int k = 0; k < n; ++k) m_ends[k] = k + 1;
    for (int k = n - 1; k > 0; --k) {
      const int parent = m_entries[k].parent;
      if (parent != kNone && m_ends[k] > m_ends[parent]) m_ends[parent] = m_ends[k];
    }
  }
  return InRange(m_ends[pos]) ? m_ends[pos] : kNone;
}

int TreeOrderIndex::SubtreeEnd(int pos) const {
  const int n = static_cast<int>(m_entries.size());
  // Loading inserts below the item inserted last or one of its ancestors: when the last
  // entry descends from pos, the subtree runs to the end, found in a climb of a few levels
  // instead of a scan of the whole subtree.
  const int level = m_entries[pos].level;
  int up = n - 1;
  while (up > pos && m_entries[up].level > level) up = m_entries[up].parent;
  if (up == pos) return n;
  int end = pos + 1;
  while (end < n && m_entries[end].level > level) ++end;
  return end;
}

void TreeOrderIndex::Renumber(int from) {
  for (std::size_t k = from; k < m_entries.size(); ++k) m_positions[m_entries[k].item] = static_cast<int>(k);
}

}  // namespace npb
