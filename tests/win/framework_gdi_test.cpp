#include <gtest/gtest.h>

#include "framework/gdi.h"
#include "framework/menu.h"
#include "framework/tree_ctrl.h"
#include "framework/window_class.h"

namespace {

// A 32-bit memory surface to draw on and read back.
class Surface {
public:
  Surface(int cx, int cy) : m_dc(::CreateCompatibleDC(nullptr)) {
    BITMAPINFO bmi{};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    m_bitmap.Attach(::CreateDIBSection(m_dc, &bmi, DIB_RGB_COLORS, nullptr, nullptr, 0));
    m_old = ::SelectObject(m_dc, m_bitmap);
  }
  ~Surface() {
    ::SelectObject(m_dc, m_old);
    ::DeleteDC(m_dc);
  }
  HDC dc() const { return m_dc; }
  COLORREF At(int x, int y) const { return ::GetPixel(m_dc, x, y); }

private:
  HDC m_dc;
  CBitmap m_bitmap;
  HGDIOBJ m_old;
};

TEST(FrameworkGdi, SelectionGuardPutsThePreviousObjectBack) {
  Surface s(8, 8);
  CDC dc(s.dc());
  CPen red(PS_SOLID, 1, RGB(255, 0, 0));
  CBrush blue(RGB(0, 0, 255));
  HGDIOBJ penBefore = ::GetCurrentObject(dc, OBJ_PEN);
  HGDIOBJ brushBefore = ::GetCurrentObject(dc, OBJ_BRUSH);
  {
    CSelectObject pen(dc, red);
    CSelectObject brush(dc, blue);
    EXPECT_EQ(static_cast<HGDIOBJ>(red), ::GetCurrentObject(dc, OBJ_PEN));
    dc.Rectangle(0, 0, 8, 8);
    {
      CSelectObject nested(dc, ::GetStockObject(BLACK_PEN));
    }
    EXPECT_EQ(static_cast<HGDIOBJ>(red), ::GetCurrentObject(dc, OBJ_PEN));
  }
  EXPECT_EQ(penBefore, ::GetCurrentObject(dc, OBJ_PEN));
  EXPECT_EQ(brushBefore, ::GetCurrentObject(dc, OBJ_BRUSH));
  EXPECT_EQ(RGB(255, 0, 0), s.At(0, 0));
  EXPECT_EQ(RGB(0, 0, 255), s.At(4, 4));
}

TEST(FrameworkGdi, DrawingHelpersPaintTheExpectedPixels) {
  Surface s(20, 20);
  CDC dc(s.dc());
  dc.SetBkColor(RGB(1, 2, 3));
  dc.FillSolidRect(CRect(0, 0, 20, 20), RGB(255, 255, 255));
  EXPECT_EQ(RGB(1, 2, 3), dc.GetBkColor()) << "the background colour is the caller's";
  dc.Draw3dRect(CRect(2, 2, 12, 12), RGB(0, 255, 0), RGB(255, 0, 0));
  struct Case {
    int x, y;
    COLORREF expected;
  } cases[] = {
      {2, 2, RGB(0, 255, 0)},       {10, 2, RGB(0, 255, 0)},  {2, 10, RGB(0, 255, 0)},
      {11, 2, RGB(255, 0, 0)},      {11, 11, RGB(255, 0, 0)}, {2, 11, RGB(255, 0, 0)},
      {6, 6, RGB(255, 255, 255)},   {12, 12, RGB(255, 255, 255)},
  };
  for (const Case& tc : cases) EXPECT_EQ(tc.expected, s.At(tc.x, tc.y)) << tc.x << "," << tc.y;
}

TEST(FrameworkGdi, OffScreenDrawingLandsInTheTargetRectangleOnlyAtTheEnd) {
  Surface s(30, 30);
  CDC target(s.dc());
  target.FillSolidRect(CRect(0, 0, 30, 30), RGB(0, 0, 0));
  {
    CMemDC mem(target, CRect(10, 10, 20, 20));
    // Target coordinates work unchanged in the off-screen DC.
    mem.GetDC().FillSolidRect(CRect(10, 10, 20, 20), RGB(0, 255, 0));
    mem.GetDC().FillSolidRect(CRect(15, 15, 16, 16), RGB(255, 0, 0));
    EXPECT_EQ(RGB(0, 0, 0), s.At(12, 12)) << "nothing reaches the target before the copy";
  }
  EXPECT_EQ(RGB(0, 255, 0), s.At(10, 10));
  EXPECT_EQ(RGB(255, 0, 0), s.At(15, 15));
  EXPECT_EQ(RGB(0, 0, 0), s.At(9, 9));
  EXPECT_EQ(RGB(0, 0, 0), s.At(20, 20));
}

TEST(FrameworkGdi, OwningWrappersReleaseAndMove) {
  CBrush a(RGB(1, 1, 1));
  HBRUSH h = a;
  ASSERT_NE(nullptr, h);
  CBrush b(std::move(a));
  EXPECT_EQ(nullptr, a.GetSafeHandle());
  EXPECT_EQ(h, b.GetSafeHandle());
  CBrushHandle view = b;
  EXPECT_EQ(h, view.GetSafeHandle());
  EXPECT_TRUE(b.DeleteObject());
  EXPECT_EQ(0, ::GetObjectType(h)) << "the brush is deleted";

  CFont font;
  ASSERT_TRUE(font.CreatePointFont(80, "MS Shell Dlg"));
  LOGFONTA lf{};
  ASSERT_TRUE(font.GetLogFont(&lf));
  EXPECT_LT(lf.lfHeight, 0);
  EXPECT_STREQ("MS Shell Dlg", lf.lfFaceName);

  CMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  menu.AppendMenu(MF_STRING, 5, "Copy  Styles");
  menu.AppendMenu(MF_STRING, 7, "Apply Styles");
  EXPECT_EQ(UINT(MF_ENABLED), menu.EnableMenuItem(7, MF_BYCOMMAND | MF_GRAYED));
  EXPECT_NE(0u, menu.GetMenuState(7, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_EQ(UINT(-1), menu.EnableMenuItem(99, MF_BYCOMMAND | MF_GRAYED));
  EXPECT_EQ(CString("Copy  Styles"), menu.GetMenuString(5, MF_BYCOMMAND));
  HMENU hMenu = menu;
  menu.DestroyMenu();
  EXPECT_FALSE(::IsMenu(hMenu));
}

TEST(FrameworkTree, NavigationTextAndData) {
  ASSERT_TRUE(AfxRegisterClass("NpbFrameworkTreeParent"));
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, "NpbFrameworkTreeParent", "", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 300), nullptr, 0));
  CTreeCtrl tree;
  ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(0, 0, 200, 200), &parent, 1001));

  HTREEITEM page = tree.InsertItem("Page");
  HTREEITEM graph = tree.InsertItem("Graph", page);
  HTREEITEM axis = tree.InsertItem("Axis", graph);
  HTREEITEM legend = tree.InsertItem("Legend", page);
  HTREEITEM first = tree.InsertItem("First", page, TVI_FIRST);
  const std::string longName(700, 'n');
  HTREEITEM lonely = tree.InsertItem(longName.c_str());

  EXPECT_EQ(6u, tree.GetCount());
  EXPECT_EQ(page, tree.GetRootItem());
  EXPECT_EQ(first, tree.GetChildItem(page));
  EXPECT_EQ(graph, tree.GetNextSiblingItem(first));
  EXPECT_EQ(legend, tree.GetNextSiblingItem(graph));
  EXPECT_EQ(nullptr, tree.GetNextSiblingItem(legend));
  EXPECT_EQ(graph, tree.GetPrevSiblingItem(legend));
  EXPECT_EQ(graph, tree.GetParentItem(axis));
  EXPECT_EQ(nullptr, tree.GetParentItem(page));
  EXPECT_TRUE(tree.ItemHasChildren(graph));
  EXPECT_FALSE(tree.ItemHasChildren(axis));
  EXPECT_EQ(lonely, tree.GetNextSiblingItem(page));

  EXPECT_EQ(CString("Axis"), tree.GetItemText(axis));
  EXPECT_EQ(CString(longName), tree.GetItemText(lonely)) << "texts longer than any first guess come back whole";
  EXPECT_TRUE(tree.SetItemText(axis, "X Axis"));
  EXPECT_EQ(CString("X Axis"), tree.GetItemText(axis));
  int record = 0;
  EXPECT_TRUE(tree.SetItemData(axis, reinterpret_cast<DWORD_PTR>(&record)));
  EXPECT_EQ(reinterpret_cast<DWORD_PTR>(&record), tree.GetItemData(axis));
  EXPECT_EQ(0u, tree.GetItemData(legend));

  tree.Expand(page, TVE_EXPAND);
  EXPECT_TRUE(tree.SelectItem(legend));
  EXPECT_EQ(legend, tree.GetSelectedItem());
  CRect rect;
  ASSERT_TRUE(tree.GetItemRect(legend, &rect, TRUE));
  UINT flags = 0;
  EXPECT_EQ(legend, tree.HitTest(rect.CenterPoint(), &flags));
  EXPECT_NE(0u, flags & TVHT_ONITEM);

  EXPECT_TRUE(tree.DeleteItem(graph));
  EXPECT_EQ(4u, tree.GetCount());
  EXPECT_TRUE(tree.DeleteAllItems());
  EXPECT_EQ(0u, tree.GetCount());
}

}  // namespace
