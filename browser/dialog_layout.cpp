#include "browser/dialog_layout.h"

#include <algorithm>

namespace npb {

namespace {

// Sides whose drag moves the left or the top edge; every other side grows to the right
// and downwards.
constexpr UINT kMovesLeftEdge[] = {WMSZ_LEFT, WMSZ_TOPLEFT, WMSZ_BOTTOMLEFT};
constexpr UINT kMovesTopEdge[] = {WMSZ_TOP, WMSZ_TOPLEFT, WMSZ_TOPRIGHT};

template <size_t N>
bool Contains(const UINT (&sides)[N], UINT side) {
  return std::find(std::begin(sides), std::end(sides), side) != std::end(sides);
}

}  // namespace

void BrowserLayout::Record(const CRect& client, const DialogPlacement& now) {
  m_treeTopLeft = now.tree.TopLeft();
  m_nGap = now.frame.left - now.tree.right;
  m_nTreeFromBottom = client.bottom - now.tree.bottom;
  m_nFrameTop = now.frame.top;
  m_nFrameFromRight = client.right - now.frame.right;
  m_nFrameFromBottom = client.bottom - now.frame.bottom;
  for (size_t i = 0; i < m_buttons.size(); ++i) {
    const CRect& button = now.buttons[i];
    m_buttons[i] = {button.Size(), client.right - button.right, client.bottom - button.bottom};
  }
  m_bRecorded = true;
}

DialogPlacement BrowserLayout::Apply(const CRect& client, const CRect& currentFrame) const {
  DialogPlacement to;
  to.tree = CRect(m_treeTopLeft.x, m_treeTopLeft.y, currentFrame.left - m_nGap, client.bottom - m_nTreeFromBottom);
  to.frame = CRect(to.tree.right + m_nGap, m_nFrameTop, client.right - m_nFrameFromRight,
                   client.bottom - m_nFrameFromBottom);
  for (size_t i = 0; i < m_buttons.size(); ++i) {
    const Anchor& a = m_buttons[i];
    const CPoint bottomRight(client.right - a.fromRight, client.bottom - a.fromBottom);
    to.buttons[i] = CRect(bottomRight.x - a.size.cx, bottomRight.y - a.size.cy, bottomRight.x, bottomRight.y);
  }
  return to;
}

void HoldMinimumSize(UINT side, RECT& rect, int minWidth, int minHeight) {
  if (rect.right - rect.left < minWidth) {
    if (Contains(kMovesLeftEdge, side))
      rect.left = rect.right - minWidth;
    else
      rect.right = rect.left + minWidth;
  }
  if (rect.bottom - rect.top < minHeight) {
    if (Contains(kMovesTopEdge, side))
      rect.top = rect.bottom - minHeight;
    else
      rect.bottom = rect.top + minHeight;
  }
}

}  // namespace npb
