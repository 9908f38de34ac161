#include <gtest/gtest.h>

#include "framework/geometry.h"

namespace {

TEST(FrameworkGeometry, IntersectAndUnionAgreeWithWin32) {
  struct Case {
    RECT a, b;
  } cases[] = {
      {{0, 0, 10, 10}, {5, 5, 15, 15}},     // overlap
      {{0, 0, 10, 10}, {10, 0, 20, 10}},    // touching edges: no intersection
      {{0, 0, 10, 10}, {20, 20, 30, 30}},   // apart
      {{0, 0, 10, 10}, {2, 2, 4, 4}},       // contained
      {{0, 0, 0, 0}, {2, 2, 4, 4}},         // one empty
      {{5, 5, 5, 9}, {0, 0, 0, 0}},         // both empty
      {{-10, -5, -1, 3}, {-4, -8, 6, 0}},   // negative coordinates
  };
  for (const Case& tc : cases) {
    RECT expected;
    CRect actual;
    BOOL any = ::IntersectRect(&expected, &tc.a, &tc.b);
    EXPECT_EQ(any != FALSE, actual.IntersectRect(tc.a, tc.b));
    EXPECT_TRUE(actual == expected) << actual.left << "," << actual.top << "," << actual.right << "," << actual.bottom;
    any = ::UnionRect(&expected, &tc.a, &tc.b);
    EXPECT_EQ(any != FALSE, actual.UnionRect(tc.a, tc.b));
    EXPECT_TRUE(actual == expected) << actual.left << "," << actual.top << "," << actual.right << "," << actual.bottom;
  }
}

TEST(FrameworkGeometry, IntersectMayUseItselfAsAnArgument) {
  CRect r(0, 0, 10, 10);
  r &= CRect(4, -2, 20, 6);
  EXPECT_EQ(CRect(4, 0, 10, 6), r);
  r |= CRect(0, 0, 1, 1);
  EXPECT_EQ(CRect(0, 0, 10, 6), r);
}

TEST(FrameworkGeometry, PointsOnTheRightAndBottomEdgesAreOutside) {
  const CRect r(10, 20, 30, 40);
  struct Case {
    POINT p;
    bool inside;
  } cases[] = {
      {{10, 20}, true}, {{29, 39}, true}, {{30, 25}, false}, {{15, 40}, false}, {{9, 25}, false}, {{15, 19}, false},
  };
  for (const Case& tc : cases) {
    EXPECT_EQ(tc.inside, r.PtInRect(tc.p)) << tc.p.x << "," << tc.p.y;
    EXPECT_EQ(tc.inside, ::PtInRect(&r, tc.p) != FALSE);
  }
}

TEST(FrameworkGeometry, SizeAndPositionOperations) {
  CRect r(30, 40, 10, 20);
  EXPECT_TRUE(r.IsRectEmpty());
  r.NormalizeRect();
  EXPECT_EQ(CRect(10, 20, 30, 40), r);
  EXPECT_EQ(20, r.Width());
  EXPECT_EQ(CSize(20, 20), r.Size());
  EXPECT_EQ(CPoint(20, 30), r.CenterPoint());
  r.OffsetRect(-10, 5);
  EXPECT_EQ(CRect(0, 25, 20, 45), r);
  r.InflateRect(2, 3);
  EXPECT_EQ(CRect(-2, 22, 22, 48), r);
  r.DeflateRect(1, 2, 3, 4);
  EXPECT_EQ(CRect(-1, 24, 19, 44), r);
  EXPECT_EQ(CPoint(-1, 24), r.TopLeft());
  EXPECT_EQ(CPoint(19, 44), r.BottomRight());
  r.SetRectEmpty();
  EXPECT_TRUE(r.IsRectEmpty());
  EXPECT_TRUE(r.IsRectNull());
}

TEST(FrameworkGeometry, PackedMousePositionsKeepTheirSign) {
  struct Case {
    LPARAM packed;
    CPoint expected;
  } cases[] = {
      {MAKELPARAM(5, 7), CPoint(5, 7)},
      {MAKELPARAM(-5, 7), CPoint(-5, 7)},
      {MAKELPARAM(3, -1), CPoint(3, -1)},
      {MAKELPARAM(32767, -32768), CPoint(32767, -32768)},
  };
  for (const Case& tc : cases) EXPECT_EQ(tc.expected, CPoint(tc.packed));
}

}  // namespace
