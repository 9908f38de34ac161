// The system colours and brushes the grid and its rows fall back on when no custom colour is
// set. The window system has one colour where a docking framework would tell pane and button
// variants apart, so both variants of each pair are the same system colour here.
#pragma once

#include <windows.h>

namespace npb::look {

inline COLORREF SysColor(int nIndex) { return ::GetSysColor(nIndex); }
// System brushes are shared and never deleted.
inline HBRUSH SysBrush(int nIndex) { return ::GetSysColorBrush(nIndex); }

inline HBRUSH WindowBrush() { return SysBrush(COLOR_WINDOW); }
inline COLORREF WindowColor() { return SysColor(COLOR_WINDOW); }
inline COLORREF WindowTextColor() { return SysColor(COLOR_WINDOWTEXT); }
inline COLORREF GrayTextColor() { return SysColor(COLOR_GRAYTEXT); }
// The light grey of the alternative look: group strips and, without a custom colour, its lines.
inline COLORREF LightGray() { return SysColor(COLOR_3DLIGHT); }
inline COLORREF ShadowColor() { return SysColor(COLOR_BTNSHADOW); }
// Halfway between the shadow and the highlight: the expand box of the alternative look.
inline COLORREF LightShadowColor() {
  const COLORREF a = SysColor(COLOR_BTNSHADOW), b = SysColor(COLOR_BTNHIGHLIGHT);
  return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2, (GetBValue(a) + GetBValue(b)) / 2);
}
inline HBRUSH FaceBrush() { return SysBrush(COLOR_BTNFACE); }
inline COLORREF GroupTextColor() { return SysColor(COLOR_BTNTEXT); }

// Selection colours: active while the grid has the focus, else the inactive pair.
inline HBRUSH SelectionBrush(BOOL bActive) { return SysBrush(bActive ? COLOR_HIGHLIGHT : COLOR_BTNFACE); }
inline COLORREF SelectionTextColor(BOOL bActive) { return SysColor(bActive ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT); }

}  // namespace npb::look
