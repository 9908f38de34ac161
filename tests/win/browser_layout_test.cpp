// The browser dialog's layout rules: controls kept in place on resize, and the smallest
// window a border drag may leave.
#include "browser/dialog_layout.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace npb {
namespace {

// The template's layout at a client of 600 by 400: tree, frame and the buttons 4, 1, 2, 9.
DialogPlacement RecordedPlacement() {
  DialogPlacement p;
  p.tree = CRect(15, 8, 232, 260);
  p.frame = CRect(238, 8, 456, 260);
  p.buttons = {CRect(304, 276, 379, 299), CRect(142, 276, 217, 299), CRect(223, 276, 298, 299),
               CRect(385, 276, 460, 299)};
  return p;
}

TEST(BrowserLayout, TreeKeepsItsWidthFrameTakesTheRestButtonsStayInTheCorner) {
  const CRect recordedClient(0, 0, 470, 310);
  BrowserLayout layout;
  layout.Record(recordedClient, RecordedPlacement());
  ASSERT_TRUE(layout.IsRecorded());

  const struct {
    CRect client;
    CRect tree, frame, ok, help;
  } cases[] = {
      {recordedClient, CRect(15, 8, 232, 260), CRect(238, 8, 456, 260), CRect(142, 276, 217, 299),
       CRect(385, 276, 460, 299)},
      {CRect(0, 0, 670, 410), CRect(15, 8, 232, 360), CRect(238, 8, 656, 360), CRect(342, 376, 417, 399),
       CRect(585, 376, 660, 399)},
      {CRect(0, 0, 400, 250), CRect(15, 8, 232, 200), CRect(238, 8, 386, 200), CRect(72, 216, 147, 239),
       CRect(315, 216, 390, 239)},
  };
  for (const auto& c : cases) {
    const DialogPlacement to = layout.Apply(c.client, RecordedPlacement().frame);
    EXPECT_EQ(to.tree, c.tree) << c.client.right;
    EXPECT_EQ(to.frame, c.frame) << c.client.right;
    EXPECT_EQ(to.buttons[1], c.ok) << c.client.right;
    EXPECT_EQ(to.buttons[3], c.help) << c.client.right;
    for (size_t i = 0; i < to.buttons.size(); ++i)
      EXPECT_EQ(to.buttons[i].Size(), RecordedPlacement().buttons[i].Size()) << "button " << kAnchoredButtonIds[i];
  }
}

TEST(BrowserLayout, TreeRightEdgeFollowsTheFrameAndTheGapStays) {
  BrowserLayout layout;
  layout.Record(CRect(0, 0, 470, 310), RecordedPlacement());
  const DialogPlacement to = layout.Apply(CRect(0, 0, 470, 310), CRect(300, 8, 456, 260));
  EXPECT_EQ(to.tree.right, 294);
  EXPECT_EQ(to.frame.left, 300);
}

TEST(BrowserLayout, DraggedBordersStopAtTheMinimumSizeOnTheDraggedSide) {
  const CRect start(100, 100, 300, 250);  // 200 by 150: too small both ways
  const struct {
    UINT side;
    CRect held;
  } cases[] = {
      {WMSZ_RIGHT, CRect(100, 100, 460, 400)},      {WMSZ_LEFT, CRect(-60, 100, 300, 400)},
      {WMSZ_BOTTOM, CRect(100, 100, 460, 400)},     {WMSZ_TOP, CRect(100, -50, 460, 250)},
      {WMSZ_TOPLEFT, CRect(-60, -50, 300, 250)},    {WMSZ_TOPRIGHT, CRect(100, -50, 460, 250)},
      {WMSZ_BOTTOMLEFT, CRect(-60, 100, 300, 400)}, {WMSZ_BOTTOMRIGHT, CRect(100, 100, 460, 400)},
  };
  for (const auto& c : cases) {
    RECT rect = start;
    HoldMinimumSize(c.side, rect, 360, 300);
    EXPECT_EQ(CRect(rect), c.held) << "side " << c.side;
  }
  RECT bigEnough = {0, 0, 360, 300};
  HoldMinimumSize(WMSZ_LEFT, bigEnough, 360, 300);
  EXPECT_EQ(CRect(bigEnough), CRect(0, 0, 360, 300));
}

}  // namespace
}  // namespace npb
