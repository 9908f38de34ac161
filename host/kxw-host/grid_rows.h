// Reads the browser grid's rows through the grid's private row query message and turns a
// row into the point a user would click. The grid lives in the same process, so the query
// passes a pointer.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace kxwhost {

struct GridRow {
  int index;  // in display order
  int depth;
  std::string name;
  std::string value;
  RECT rect;  // grid client coordinates
  RECT list;
  int dividerX;
  bool editing;
};

// The grid of the browser dialog: the child with the grid's id and window class, or null.
HWND FindGrid(HWND dialog, int id);
// Every laid-out row of the grid, top to bottom.
std::vector<GridRow> ReadGridRows(HWND grid);
// The first row with that name, scrolled into the list; false when there is none.
bool FindGridRow(HWND grid, const std::string& name, GridRow& row);
// A point of a row's name or value cell, in the client coordinates of `dialog`.
POINT NamePoint(HWND grid, HWND dialog, const GridRow& row);
POINT ValuePoint(HWND grid, HWND dialog, const GridRow& row);
// The middle of the drop-down button at the right end of a row's value cell.
POINT ButtonPoint(HWND grid, HWND dialog, const GridRow& row);
// The in-place edit of the grid that has the keyboard focus, or null.
HWND FocusedGridEdit(HWND grid);

}  // namespace kxwhost
