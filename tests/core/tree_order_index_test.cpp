#include "tree/tree_order_index.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

using npb::TreeOrderIndex;
using Item = TreeOrderIndex::Item;

// Handles are only keys to the index: small numbers stand in for the control's pointers.
Item H(int n) { return reinterpret_cast<Item>(static_cast<std::uintptr_t>(n) * 8); }
Xml_ObjectData* R(int n) { return reinterpret_cast<Xml_ObjectData*>(static_cast<std::uintptr_t>(n) * 16); }

// A reference tree kept the plain way: children lists, walked depth first when asked.
class ReferenceTree {
public:
  void Insert(int item, int parent) {
    m_parent[item] = parent;
    m_children[parent].push_back(item);
  }
  void Remove(int item) {
    auto& siblings = m_children[m_parent[item]];
    std::erase(siblings, item);
  }
  // Depth first with its own stack: the chains below are deeper than a test's stack.
  std::vector<int> Order() const {
    std::vector<int> order;
    std::vector<std::pair<int, std::size_t>> open{{0, 0}};
    while (!open.empty()) {
      auto& [item, next] = open.back();
      auto it = m_children.find(item);
      if (it == m_children.end() || next == it->second.size()) {
        open.pop_back();
        continue;
      }
      const int child = it->second[next++];
      order.push_back(child);
      open.push_back({child, 0});
    }
    return order;
  }
  int Level(int item) const {
    int level = 0;
    for (int up = m_parent.at(item); up != 0; up = m_parent.at(up)) ++level;
    return level;
  }
  int Parent(int item) const { return m_parent.at(item); }

private:
  std::map<int, int> m_parent;
  std::map<int, std::vector<int>> m_children;
};

// The index agrees with the reference in order, levels, parents, records, lookup and the
// positions after each subtree.
void ExpectSame(const TreeOrderIndex& index, const ReferenceTree& ref) {
  const std::vector<int> order = ref.Order();
  ASSERT_EQ(index.Size(), order.size());
  for (std::size_t pos = 0; pos < order.size(); ++pos) {
    const int item = order[pos];
    SCOPED_TRACE("item " + std::to_string(item));
    const TreeOrderIndex::Entry& entry = index.Entries()[pos];
    EXPECT_EQ(entry.item, H(item));
    EXPECT_EQ(entry.record, R(item));
    EXPECT_EQ(index.Find(H(item)), static_cast<int>(pos));
    EXPECT_EQ(entry.level, ref.Level(item));
    EXPECT_EQ(index.ItemAt(entry.parent), ref.Parent(item) ? H(ref.Parent(item)) : nullptr);
    std::size_t after = pos + 1;
    while (after < order.size() && ref.Level(order[after]) > entry.level) ++after;
    EXPECT_EQ(index.NextOutside(static_cast<int>(pos)), after < order.size() ? static_cast<int>(after) : -1);
    EXPECT_EQ(index.HasChildren(static_cast<int>(pos)), after > pos + 1);
  }
}

// Each step inserts (item, parent) when parent >= 0, removes item when parent < 0.
struct Step {
  int item;
  int parent;  // 0: top level; -1: remove the item
};

TEST(TreeOrderIndexTest, InsertionsAndRemovalsAnywhereKeepTreeOrder) {
  struct Case {
    const char* what;
    std::vector<Step> steps;
  } const cases[] = {
      {"depth first as loading goes", {{1, 0}, {2, 1}, {3, 2}, {4, 1}, {5, 0}, {6, 5}}},
      {"child added under an early item",
       {{1, 0}, {2, 1}, {3, 2}, {4, 0}, {5, 4}, {6, 1}, {7, 3}, {8, 0}}},
      {"child of a middle top-level item", {{1, 0}, {2, 0}, {3, 0}, {4, 2}, {5, 4}, {6, 2}}},
      {"subtree removed from the middle",
       {{1, 0}, {2, 1}, {3, 2}, {4, 2}, {5, 1}, {6, 0}, {7, 6}, {2, -1}, {8, 1}}},
      {"leaf, last and first removed", {{1, 0}, {2, 1}, {3, 0}, {4, 3}, {4, -1}, {3, -1}, {1, -1}, {5, 0}}},
      {"removal then insertion behind", {{1, 0}, {2, 0}, {3, 2}, {1, -1}, {4, 2}, {5, 3}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TreeOrderIndex index;
    index.Reset();
    ReferenceTree ref;
    for (const Step& step : c.steps) {
      if (step.parent < 0) {
        ASSERT_TRUE(index.Remove(H(step.item)));
        ref.Remove(step.item);
      } else {
        ASSERT_TRUE(index.Insert(H(step.item), step.parent ? H(step.parent) : nullptr, R(step.item)));
        ref.Insert(step.item, step.parent);
      }
      // Ask for the subtree ends between changes too, so a stale cache would show.
      ASSERT_NO_FATAL_FAILURE(ExpectSame(index, ref));
    }
  }
}

TEST(TreeOrderIndexTest, RemovingASubtreeForgetsEveryItemInIt) {
  TreeOrderIndex index;
  index.Reset();
  for (Step s : std::vector<Step>{{1, 0}, {2, 1}, {3, 2}, {4, 0}}) {
    index.Insert(H(s.item), s.parent ? H(s.parent) : nullptr, R(s.item));
  }
  ASSERT_TRUE(index.Remove(H(1)));
  for (int gone : {1, 2, 3}) {
    EXPECT_EQ(index.Find(H(gone)), TreeOrderIndex::kNone) << gone;
    EXPECT_FALSE(index.Remove(H(gone))) << gone;
    EXPECT_FALSE(index.Insert(H(9), H(gone), R(9))) << gone;
  }
  EXPECT_EQ(index.Find(H(4)), 0);
  // A handle the control gives out again after a deletion is a new item.
  EXPECT_TRUE(index.Insert(H(2), H(4), R(2)));
  EXPECT_EQ(index.Entries()[1].level, 1);

  // One out, one in: the same size, other subtrees. Ends asked before must not be reused.
  index.Reset();
  index.Insert(H(1), nullptr, R(1));
  index.Insert(H(2), H(1), R(2));
  index.Insert(H(3), nullptr, R(3));
  ASSERT_EQ(index.NextOutside(0), 2);
  index.Remove(H(2));
  index.Insert(H(5), H(3), R(5));
  EXPECT_EQ(index.NextOutside(0), 1);
  EXPECT_EQ(index.NextOutside(1), TreeOrderIndex::kNone);
}

TEST(TreeOrderIndexTest, RefusalsLeaveTheIndexAsItWas) {
  TreeOrderIndex index;
  EXPECT_FALSE(index.IsValid());
  EXPECT_FALSE(index.Insert(H(1), nullptr, R(1)));  // stale: it cannot know where items are
  EXPECT_EQ(index.Size(), 0u);

  index.Reset();
  ASSERT_TRUE(index.Insert(H(1), nullptr, R(1)));
  ASSERT_TRUE(index.Insert(H(2), H(1), R(2)));
  struct Case {
    const char* what;
    Item item;
    Item parent;
  } const refused[] = {
      {"item already held", H(2), nullptr},
      {"item held, under itself", H(1), H(1)},
      {"parent not held", H(3), H(7)},
      {"null item", nullptr, nullptr},
  };
  for (const Case& c : refused) {
    EXPECT_FALSE(index.Insert(c.item, c.parent, R(5))) << c.what;
  }
  EXPECT_FALSE(index.Remove(H(3)));
  EXPECT_FALSE(index.Remove(nullptr));
  EXPECT_FALSE(index.SetRecord(H(3), R(3)));
  ASSERT_EQ(index.Size(), 2u);
  EXPECT_EQ(index.Entries()[1].parent, 0);
  EXPECT_EQ(index.Entries()[1].record, R(2));

  EXPECT_TRUE(index.SetRecord(H(2), nullptr));
  EXPECT_EQ(index.Entries()[1].record, nullptr);

  // Out-of-range positions answer "none" rather than reading past the entries.
  for (int pos : {-1, 2, 1000}) {
    EXPECT_EQ(index.ItemAt(pos), nullptr) << pos;
    EXPECT_EQ(index.Next(pos), TreeOrderIndex::kNone) << pos;
    EXPECT_EQ(index.NextOutside(pos), TreeOrderIndex::kNone) << pos;
    EXPECT_FALSE(index.HasChildren(pos)) << pos;
  }

  index.Invalidate();
  EXPECT_FALSE(index.IsValid());
  EXPECT_EQ(index.Size(), 0u);
  EXPECT_EQ(index.Find(H(1)), TreeOrderIndex::kNone);
}

// Loading a page of thousands of objects appends each below the last or an ancestor of it;
// that must stay linear, and a deep chain must not cost its depth per insertion.
TEST(TreeOrderIndexTest, LoadingDeepAndWidePagesStaysCorrect) {
  struct Case {
    const char* what;
    int items;
    int (*parentOf)(int item);  // parent of item k (1-based), 0 for the top level
  } const cases[] = {
      {"chain 10000 deep", 10000, [](int k) { return k - 1; }},
      {"10000 children of one item", 10000, [](int k) { return k == 1 ? 0 : 1; }},
      {"fan of fours", 10000, [](int k) { return k == 1 ? 0 : (k - 2) / 4 + 1; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TreeOrderIndex index;
    index.Reset();
    ReferenceTree ref;
    // Depth-first order of the generated tree, as loading would insert it.
    std::map<int, std::vector<int>> children;
    for (int k = 1; k <= c.items; ++k) children[c.parentOf(k)].push_back(k);
    std::vector<std::pair<int, std::size_t>> open{{0, 0}};
    while (!open.empty()) {
      auto& [item, next] = open.back();
      const auto& kids = children[item];
      if (next == kids.size()) {
        open.pop_back();
        continue;
      }
      const int child = kids[next++];
      ASSERT_TRUE(index.Insert(H(child), item ? H(item) : nullptr, R(child)));
      ref.Insert(child, item);
      open.push_back({child, 0});
    }
    ASSERT_EQ(index.Size(), static_cast<std::size_t>(c.items));
    // Sampled: the reference's level climb is itself quadratic on the chain.
    const std::vector<int> expected = ref.Order();
    for (std::size_t pos = 0; pos < expected.size(); pos += 997) {
      EXPECT_EQ(index.ItemAt(static_cast<int>(pos)), H(expected[pos]));
      EXPECT_EQ(index.Entries()[pos].parent, index.Find(H(ref.Parent(expected[pos]))));
    }
  }
}

}  // namespace
