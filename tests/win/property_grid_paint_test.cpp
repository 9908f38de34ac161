// The grid's picture, printed into a memory bitmap: colours, divider, separators, fonts and
// the description area where a plausible slip would move or recolour them.
#include <gtest/gtest.h>

#include "framework/gdi_objects.h"
#include "grid/property_grid_ctrl.h"
#include "tests/win/property_grid_fixture.h"
#include "tests/win/thread_windows.h"

namespace npb::gridtest {
namespace {

// The grid's client area as its paint draws it.
class Picture {
public:
  explicit Picture(CPropertyGridCtrl& grid) : m_dc(::CreateCompatibleDC(nullptr)) {
    CRect rectClient;
    grid.GetClientRect(&rectClient);
    BITMAPINFO bmi{};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), rectClient.Width(), -rectClient.Height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    m_bitmap.Attach(::CreateDIBSection(m_dc, &bmi, DIB_RGB_COLORS, nullptr, nullptr, 0));
    m_old = ::SelectObject(m_dc, m_bitmap);
    grid.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc), PRF_CLIENT);
  }
  ~Picture() {
    ::SelectObject(m_dc, m_old);
    ::DeleteDC(m_dc);
  }
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  COLORREF At(int x, int y) const { return ::GetPixel(m_dc, x, y); }
  // Pixels of the rectangle that are not the given colour.
  int CountOther(const CRect& rect, COLORREF clr) const {
    int n = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
      for (int x = rect.left; x < rect.right; ++x) n += At(x, y) != clr;
    }
    return n;
  }
  int Count(const CRect& rect, COLORREF clr) const { return rect.Width() * rect.Height() - CountOther(rect, clr); }

private:
  HDC m_dc;
  CBitmap m_bitmap;
  HGDIOBJ m_old;
};

constexpr COLORREF kNone = static_cast<COLORREF>(-1);
constexpr COLORREF kBackground = RGB(240, 250, 255);
constexpr COLORREF kGroupBackground = RGB(0, 128, 0);
constexpr COLORREF kLine = RGB(255, 0, 0);

int Divider(const CPropertyGridCtrl& grid) { return grid.GetListRect().left + grid.GetLeftColumnWidth(); }

TEST(PropertyGridPaint, DividerAndSeparatorsUseTheLineColourOfTheLook) {
  ASSERT_NE(::GetSysColor(COLOR_3DLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
  const struct {
    const char* what;
    BOOL vsDotNet;
    COLORREF custom;
    COLORREF expected;
  } cases[] = {
      {"default look", FALSE, kNone, ::GetSysColor(COLOR_BTNSHADOW)},
      {"alternative look", TRUE, kNone, ::GetSysColor(COLOR_3DLIGHT)},
      {"custom, default look", FALSE, kLine, kLine},
      {"custom, alternative look", TRUE, kLine, kLine},
  };
  for (const auto& c : cases) {
    GridWindow w;
    w.grid.AddProperty(GroupOf("g", 2));
    w.grid.SetVSDotNetLook(c.vsDotNet);
    w.grid.SetCustomColors(kNone, kNone, kNone, kNone, kNone, kNone, c.custom);
    const CRect rectSub = w.grid.GetProperty(0)->GetSubItem(0)->GetRect();
    const Picture picture(w.grid);
    const int x = Divider(w.grid);
    EXPECT_EQ(picture.At(x, rectSub.top + 3), c.expected) << c.what;
    EXPECT_NE(picture.At(x + 2, rectSub.top + 3), c.expected) << c.what << ": the divider is one pixel";
    EXPECT_NE(picture.At(x - 2, rectSub.top + 3), c.expected) << c.what;
    EXPECT_EQ(picture.At(w.grid.GetListRect().right - 3, rectSub.bottom), c.expected) << c.what << ": separator";
    EXPECT_NE(picture.At(w.grid.GetListRect().right - 3, rectSub.bottom - 2), c.expected) << c.what;
  }
}

TEST(PropertyGridPaint, DividerFollowsTheNameColumn) {
  for (const int cx : {300, 200, 451}) {
    GridWindow w(cx, 300);
    w.grid.AddProperty(GroupOf("g", 1));
    w.grid.SetCustomColors(kNone, kNone, kNone, kNone, kNone, kNone, kLine);
    const Picture picture(w.grid);
    const int y = w.grid.GetProperty(0)->GetSubItem(0)->GetRect().top + 3;
    EXPECT_EQ(picture.At(cx / 2, y), kLine) << cx;
    EXPECT_EQ(picture.Count(CRect(0, y, cx, y + 1), kLine), 1) << cx;
  }
}

TEST(PropertyGridPaint, GroupColourFillsTheIndentStripOnlyInTheAlternativeLook) {
  const struct {
    const char* what;
    BOOL vsDotNet;
    COLORREF customGroup;
    COLORREF strip;
  } cases[] = {
      {"default look", FALSE, kGroupBackground, kBackground},
      {"alternative look", TRUE, kGroupBackground, kGroupBackground},
      {"alternative look, light grey", TRUE, kNone, ::GetSysColor(COLOR_3DLIGHT)},
  };
  for (const auto& c : cases) {
    GridWindow w;
    w.grid.AddProperty(GroupOf("g", 2));
    w.grid.SetVSDotNetLook(c.vsDotNet);
    w.grid.SetCustomColors(kBackground, kNone, c.customGroup, kNone, kNone, kNone, kNone);
    const CRect rectGroup = w.grid.GetProperty(0)->GetRect();
    const CRect rectSub = w.grid.GetProperty(0)->GetSubItem(1)->GetRect();
    const int x = Divider(w.grid);
    const Picture picture(w.grid);
    EXPECT_EQ(picture.At(x - 3, rectGroup.top + 3), c.strip) << c.what << ": group row up to the divider";
    EXPECT_EQ(picture.At(x + 10, rectGroup.top + 3), kBackground) << c.what << ": group row past the divider";
    EXPECT_EQ(picture.At(3, rectSub.top + 3), c.strip) << c.what << ": sub-row indentation";
    EXPECT_EQ(picture.At(rectSub.left + 3, rectSub.top + 3), kBackground) << c.what << ": sub-row name";
  }
}

TEST(PropertyGridPaint, ModifiedValueIsBoldWhileModifiedRowsAreMarked) {
  for (const BOOL bMark : {TRUE, FALSE}) {
    GridWindow w;
    auto* pGroup = new CPropertyGridProperty(CString("g"));
    auto* pPlain = ValueRow("name", 1, "WWWW");
    auto* pChanged = ValueRow("name", 2, "WWWW");
    pGroup->AddSubItem(pPlain);
    pGroup->AddSubItem(pChanged);
    w.grid.AddProperty(pGroup);
    w.grid.MarkModifiedProperties(bMark);
    pChanged->SetOriginalValue(COleVariant("before"));
    pChanged->SetModifiedFlag();
    ASSERT_TRUE(pChanged->IsModified());

    const Picture picture(w.grid);
    const COLORREF clrBack = ::GetSysColor(COLOR_WINDOW);
    const auto ink = [&](const CPropertyGridProperty* p, int left, int right) {
      return picture.CountOther(CRect(left, p->GetRect().top + 1, right, p->GetRect().bottom), clrBack);
    };
    const int x = Divider(w.grid), right = w.grid.GetListRect().right;
    EXPECT_GT(ink(pPlain, x + 2, right), 0);
    if (bMark) {
      EXPECT_GT(ink(pChanged, x + 2, right), ink(pPlain, x + 2, right)) << "bold value";
    } else {
      EXPECT_EQ(ink(pChanged, x + 2, right), ink(pPlain, x + 2, right));
    }
    EXPECT_EQ(ink(pChanged, pChanged->GetRect().left, x - 1), ink(pPlain, pPlain->GetRect().left, x - 1))
        << "the name keeps the normal font";
  }
}

TEST(PropertyGridPaint, CurrentRowNameTakesTheSelectionColoursAndDisabledRowsAreGrey) {
  ASSERT_NE(::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_WINDOW));
  GridWindow w;
  w.grid.AddProperty(GroupOf("g", 3));
  CPropertyGridProperty* pGroup = w.grid.GetProperty(0);
  CPropertyGridProperty* pSelected = pGroup->GetSubItem(0);
  CPropertyGridProperty* pDisabled = pGroup->GetSubItem(2);
  pDisabled->Enable(FALSE);
  w.grid.SetCurSel(pSelected);
  const int x = Divider(w.grid);
  {
    const Picture picture(w.grid);
    // The grid has no focus here: the inactive selection colours.
    EXPECT_EQ(picture.At(x - 3, pSelected->GetRect().top + 3), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(picture.At(x + 3, pSelected->GetRect().top + 3), ::GetSysColor(COLOR_WINDOW)) << "the value is not";
    EXPECT_EQ(picture.At(x - 3, pGroup->GetSubItem(1)->GetRect().top + 3), ::GetSysColor(COLOR_WINDOW));

    const CRect rectDisabled(pDisabled->GetRect().left, pDisabled->GetRect().top + 1, w.grid.GetListRect().right,
                             pDisabled->GetRect().bottom);
    EXPECT_GT(picture.Count(rectDisabled, ::GetSysColor(COLOR_GRAYTEXT)), 0);
    EXPECT_EQ(picture.Count(rectDisabled, ::GetSysColor(COLOR_WINDOWTEXT)), 0);
  }
  w.grid.SetCurSel(pGroup->GetSubItem(1));
  const Picture after(w.grid);
  EXPECT_EQ(after.At(x - 3, pSelected->GetRect().top + 3), ::GetSysColor(COLOR_WINDOW));
}

TEST(PropertyGridPaint, GroupNameSpansBothColumnsUnlessTurnedOff) {
  for (const BOOL bFullWidth : {TRUE, FALSE}) {
    GridWindow w;
    w.grid.AddProperty(GroupOf("A group name past the divider", 1));
    w.grid.SetGroupNameFullWidth(bFullWidth);
    const CRect rectGroup = w.grid.GetProperty(0)->GetRect();
    const Picture picture(w.grid);
    const CRect rectRight(Divider(w.grid) + 2, rectGroup.top + 1, rectGroup.right, rectGroup.bottom);
    EXPECT_EQ(picture.CountOther(rectRight, ::GetSysColor(COLOR_WINDOW)) > 0, bFullWidth == TRUE) << bFullWidth;
    EXPECT_EQ(w.grid.GetProperty(0)->IsNameTruncated(), !bFullWidth) << bFullWidth;
  }
}

TEST(PropertyGridPaint, DescriptionAreaShowsTheCurrentRowsDescription) {
  constexpr COLORREF kDescription = RGB(255, 255, 200);
  GridWindow w;
  w.grid.AddProperty(GroupOf("g", 2));
  CPropertyGridProperty* pRow = w.grid.GetProperty(0)->GetSubItem(1);
  pRow->SetDescription("What this attribute does");
  w.grid.EnableDescriptionArea(TRUE);
  w.grid.SetCustomColors(kNone, kNone, kNone, kNone, kDescription, kNone, kNone);
  w.Paint();
  const CRect rectList = w.grid.GetListRect();
  ASSERT_EQ(400 - rectList.bottom, 3 * kRowHeight + kRowHeight / 2);
  // Inside the description frame: one pixel of border, four of gap, a frame, four of margin.
  const CRect rectText(10, rectList.bottom + 10, 290, 390);
  {
    const Picture picture(w.grid);
    EXPECT_EQ(picture.At(3, rectList.bottom + 2), kDescription);
    EXPECT_EQ(picture.At(3, rectList.bottom + 5), ::GetSysColor(COLOR_BTNSHADOW)) << "frame";
    EXPECT_EQ(picture.CountOther(rectText, kDescription), 0) << "no current row, no text";
  }
  w.grid.SetCurSel(pRow);
  const Picture picture(w.grid);
  EXPECT_GT(picture.CountOther(rectText, kDescription), 0);
}

TEST(PropertyGridPaint, EditingAndFramePaintingGiveBackTheirWindowsAndGdiObjects) {
  // The count must see what a test creates, or it proves nothing here.
  const int before = npb::test::CountGdiObjects();
  ASSERT_GE(before, 0) << "no way to count GDI objects here";
  CBrush probes[3] = {CBrush(RGB(1, 2, 3)), CBrush(RGB(4, 5, 6)), CBrush(RGB(7, 8, 9))};
  ASSERT_EQ(npb::test::CountGdiObjects(), before + 3);

  GridWindow w(300, 200, WS_BORDER);
  auto* spin = new CPropertyGridProperty("spin", COleVariant(5L));
  spin->EnableSpinControl(TRUE, 0, 10);
  auto* slider = new CPropertyGridProperty("slider", COleVariant(2.5));
  slider->EnableSliderControl(TRUE);
  auto* list = new CPropertyGridProperty("list", COleVariant("a"));
  list->AddOption("a");
  list->AddOption("b");
  for (auto* row : {spin, slider, list}) w.grid.AddProperty(row);
  auto round = [&w, spin, slider, list] {
    for (auto* row : {spin, slider, list}) {
      w.grid.SetCurSel(row);
      EXPECT_TRUE(w.grid.EditItem(row)) << row->GetName();
      w.grid.EndEditItem();
    }
    w.Paint();
  };
  round();
  const int windows = npb::test::CountThreadWindows(), objects = npb::test::CountGdiObjects();
  for (int i = 0; i < 10; ++i) round();
  EXPECT_EQ(npb::test::CountThreadWindows(), windows) << "in-place controls left behind";
  EXPECT_EQ(npb::test::CountGdiObjects(), objects) << "device contexts or objects left behind";
}

}  // namespace
}  // namespace npb::gridtest
