// A private message through which a program in the same process (the test host) reads the
// grid's laid-out rows without the grid's C++ interface: depth, name, value text and place.
#pragma once

#include <windows.h>

namespace npb {

// wParam: the row's index in display order. lParam: a GridRowQuery to fill, or null to ask
// for the number of laid-out rows. Result: that number, or TRUE when the query was filled.
constexpr UINT kGridQueryRowMessage = 0x467;

struct GridRowQuery {
  BOOL bEnsureVisible;  // in: scroll the row into the list first
  int nDepth;           // 0 for a top-level row
  RECT rectRow;         // grid client coordinates, after any scrolling
  RECT rectList;
  int nDividerX;        // the column divider, grid client x
  BOOL bEditing;        // the row's in-place editor is open
  char szName[256];
  char szValue[256];
};

}  // namespace npb
