#include "host/kxw-host/grid_rows.h"

#include "sdk/grid_query.h"

namespace kxwhost {
namespace {

constexpr const char* kGridClass = "Afx:PropList";
// Clicks land this far inside a cell.
constexpr int kCellInset = 8;

bool IsClass(HWND window, const char* name) {
  char cls[64] = "";
  GetClassNameA(window, cls, sizeof cls);
  return lstrcmpiA(cls, name) == 0;
}

bool QueryRow(HWND grid, int index, bool ensureVisible, GridRow& row) {
  npb::GridRowQuery query = {};
  query.bEnsureVisible = ensureVisible;
  if (!SendMessageA(grid, npb::kGridQueryRowMessage, index, reinterpret_cast<LPARAM>(&query))) return false;
  row = {index,         query.nDepth,     query.szName,     query.szValue,
         query.rectRow, query.rectList,   query.nDividerX,  query.bEditing != FALSE};
  return true;
}

POINT ToDialog(HWND grid, HWND dialog, POINT point) {
  MapWindowPoints(grid, dialog, &point, 1);
  return point;
}

}  // namespace

HWND FindGrid(HWND dialog, int id) {
  HWND grid = GetDlgItem(dialog, id);
  return grid != nullptr && IsClass(grid, kGridClass) ? grid : nullptr;
}

std::vector<GridRow> ReadGridRows(HWND grid) {
  std::vector<GridRow> rows;
  const int count = static_cast<int>(SendMessageA(grid, npb::kGridQueryRowMessage, 0, 0));
  for (int i = 0; i < count; ++i) {
    GridRow row;
    if (QueryRow(grid, i, false, row)) rows.push_back(row);
  }
  return rows;
}

bool FindGridRow(HWND grid, const std::string& name, GridRow& row) {
  for (const GridRow& candidate : ReadGridRows(grid)) {
    if (candidate.name == name) return QueryRow(grid, candidate.index, true, row);
  }
  return false;
}

POINT NamePoint(HWND grid, HWND dialog, const GridRow& row) {
  const int y = (row.rect.top + row.rect.bottom) / 2;
  // Past a group's expand box, before the divider.
  const int x = row.rect.left + (row.dividerX - row.rect.left) / 2;
  return ToDialog(grid, dialog, POINT{x, y});
}

POINT ValuePoint(HWND grid, HWND dialog, const GridRow& row) {
  return ToDialog(grid, dialog, POINT{row.dividerX + kCellInset, (row.rect.top + row.rect.bottom) / 2});
}

POINT ButtonPoint(HWND grid, HWND dialog, const GridRow& row) {
  // The button is as wide as the row is high, at the row's right end.
  const int height = row.rect.bottom - row.rect.top;
  return ToDialog(grid, dialog, POINT{row.rect.right - height / 2, (row.rect.top + row.rect.bottom) / 2});
}

HWND FocusedGridEdit(HWND grid) {
  HWND focus = GetFocus();
  return focus != nullptr && IsChild(grid, focus) && IsClass(focus, "Edit") ? focus : nullptr;
}

}  // namespace kxwhost
