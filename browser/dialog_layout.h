// The browser dialog's layout: where the tree, the grid's frame and the buttons sit
// relative to the client edges, recorded once and applied on every size change, and the
// smallest window a border drag may leave.
#pragma once

#include <windows.h>

#include <array>

#include "framework/geometry.h"

namespace npb {

// The buttons that keep their distance from the lower right corner, in recording order.
constexpr std::array<int, 4> kAnchoredButtonIds = {4, IDOK, IDCANCEL, IDHELP};

struct DialogPlacement {
  CRect tree;
  CRect frame;
  std::array<CRect, kAnchoredButtonIds.size()> buttons;  // in kAnchoredButtonIds order
};

class BrowserLayout {
public:
  // Everything in client coordinates of the same moment.
  void Record(const CRect& client, const DialogPlacement& now);
  bool IsRecorded() const { return m_bRecorded; }
  // Where everything goes for a new client rectangle, given the frame where it is now:
  // the tree keeps its left, top and right edges and its distance from the bottom, the
  // frame takes the rest beside it, and the buttons keep their distance from the corner.
  DialogPlacement Apply(const CRect& client, const CRect& currentFrame) const;

private:
  struct Anchor {
    CSize size;
    int fromRight = 0;
    int fromBottom = 0;
  };
  bool m_bRecorded = false;
  CPoint m_treeTopLeft;
  int m_nGap = 0;  // from the tree's right edge to the frame's left edge
  int m_nTreeFromBottom = 0;
  int m_nFrameTop = 0;
  int m_nFrameFromRight = 0;
  int m_nFrameFromBottom = 0;
  std::array<Anchor, kAnchoredButtonIds.size()> m_buttons{};
};

// Holds a window rectangle being dragged by its `side` (a WMSZ_ code) to at least
// minWidth by minHeight, moving only the edge the user drags.
void HoldMinimumSize(UINT side, RECT& rect, int minWidth, int minHeight);

}  // namespace npb
