#include "tree/tree_order_index.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using npb::TreeOrderIndex;
using Item = TreeOrderIndex::Item;

// Handles are only keys to the index: small numbers stand in for the control's pointers.
Item H(int n) { return reinterpret_cast<Item>(static_cast<std::uintptr_t>(n) * 8); }
Xml_ObjectData* R(int n) { return reinterpret_cast<Xml_ObjectData*>(static_cast<std::uintptr_t>(n) * 16); }
int Number(Item item) { return static_cast<int>(reinterpret_cast<std::uintptr_t>(item) / 8); }

// {item, parent} inserts the item as the parent's last child (parent 0: top level);
// {item, -1} removes the item with its subtree.
struct Step {
  int item;
  int parent;
};

void Apply(TreeOrderIndex& index, const std::vector<Step>& steps) {
  for (const Step& s : steps) {
    if (s.parent < 0) {
      EXPECT_TRUE(index.Remove(H(s.item))) << "remove " << s.item;
    } else {
      EXPECT_TRUE(index.Insert(H(s.item), s.parent ? H(s.parent) : nullptr, R(s.item))) << "insert " << s.item;
    }
  }
}

// "item:level" in tree order. Along the way, every other answer is checked against what
// the levels alone imply: parent, record, lookup, children and the end of each subtree.
std::string Describe(const TreeOrderIndex& index) {
  const auto& entries = index.Entries();
  const int n = static_cast<int>(entries.size());
  std::string text;
  for (int pos = 0; pos < n; ++pos) {
    const TreeOrderIndex::Entry& e = entries[pos];
    text += (pos ? " " : "") + std::to_string(Number(e.item)) + ":" + std::to_string(e.level);
    int parent = pos - 1;
    while (parent >= 0 && entries[parent].level >= e.level) --parent;
    EXPECT_EQ(e.parent, e.level ? parent : TreeOrderIndex::kNone) << text;
    EXPECT_EQ(e.record, R(Number(e.item))) << text;
    EXPECT_EQ(index.Find(e.item), pos) << text;
    int after = pos + 1;
    while (after < n && entries[after].level > e.level) ++after;
    EXPECT_EQ(index.NextOutside(pos), after < n ? after : TreeOrderIndex::kNone) << text;
    EXPECT_EQ(index.HasChildren(pos), after > pos + 1) << text;
  }
  return text;
}

TEST(TreeOrderIndexTest, InsertionsAndRemovalsAnywhereKeepTreeOrder) {
  struct Case {
    const char* what;
    std::vector<Step> steps;
    const char* order;
  } const cases[] = {
      {"depth first as loading goes", {{1, 0}, {2, 1}, {3, 2}, {4, 1}, {5, 0}, {6, 5}}, "1:0 2:1 3:2 4:1 5:0 6:1"},
      {"children added under early items",
       {{1, 0}, {2, 1}, {3, 2}, {4, 0}, {5, 4}, {6, 1}, {7, 3}, {8, 0}},
       "1:0 2:1 3:2 7:3 6:1 4:0 5:1 8:0"},
      {"child of a middle top-level item", {{1, 0}, {2, 0}, {3, 0}, {4, 2}, {5, 4}, {6, 2}}, "1:0 2:0 4:1 5:2 6:1 3:0"},
      {"subtree removed from the middle",
       {{1, 0}, {2, 1}, {3, 2}, {4, 2}, {5, 1}, {6, 0}, {7, 6}, {2, -1}, {8, 1}},
       "1:0 5:1 8:1 6:0 7:1"},
      {"leaf, last and first removed", {{1, 0}, {2, 1}, {3, 0}, {4, 3}, {4, -1}, {3, -1}, {1, -1}, {5, 0}}, "5:0"},
      {"removal before, insertion behind", {{1, 0}, {2, 0}, {3, 2}, {1, -1}, {4, 2}, {5, 3}}, "2:0 3:1 5:2 4:1"},
      {"a deleted handle given out again", {{1, 0}, {2, 1}, {3, 0}, {1, -1}, {1, 3}, {2, 1}}, "3:0 1:1 2:2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TreeOrderIndex index;
    index.Reset();
    Apply(index, c.steps);
    EXPECT_EQ(Describe(index), c.order);
  }
}

TEST(TreeOrderIndexTest, SubtreeEndsAskedBeforeAChangeAreNotReused) {
  TreeOrderIndex index;
  index.Reset();
  Apply(index, {{1, 0}, {2, 1}, {3, 0}});
  ASSERT_EQ(index.NextOutside(0), 2);
  // One out, one in: the same size, another shape.
  Apply(index, {{2, -1}, {5, 3}});
  EXPECT_EQ(index.NextOutside(0), 1);
  EXPECT_EQ(index.NextOutside(1), TreeOrderIndex::kNone);
}

TEST(TreeOrderIndexTest, RefusalsLeaveTheIndexAsItWas) {
  TreeOrderIndex index;
  EXPECT_FALSE(index.IsValid());
  EXPECT_FALSE(index.Insert(H(1), nullptr, R(1)));  // stale: it cannot know where items are

  index.Reset();
  Apply(index, {{1, 0}, {2, 1}, {3, 1}});
  index.Remove(H(3));
  struct Case {
    const char* what;
    Item item;
    Item parent;
  } const refused[] = {
      {"item already held", H(2), nullptr},
      {"item held, under itself", H(1), H(1)},
      {"parent not held", H(4), H(7)},
      {"parent removed", H(4), H(3)},
      {"null item", nullptr, nullptr},
  };
  for (const Case& c : refused) EXPECT_FALSE(index.Insert(c.item, c.parent, R(5))) << c.what;
  EXPECT_FALSE(index.Remove(H(3)));
  EXPECT_FALSE(index.Remove(nullptr));
  EXPECT_FALSE(index.SetRecord(H(3), R(3)));
  EXPECT_EQ(Describe(index), "1:0 2:1");

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
  EXPECT_EQ(index.Find(H(1)), TreeOrderIndex::kNone);
}

}  // namespace
