// Finds the browser's windows and acts on them the way a user's input does: clicks and
// keys are posted to the window under the point or with the focus, so they pass through
// the browser's own message loop.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace kxwhost {

enum class MouseAction { kClick, kDoubleClick, kRightClick };

// The open "Property Browser" dialog of this thread, or null.
HWND FindBrowserDialog();
// A message box of this thread that is open now, or null.
HWND FindMessageBox();
// True for a dialog made only of buttons and static texts (a message box).
bool IsMessageBox(HWND window);
// The text a message box shows.
std::string MessageBoxText(HWND box);
// The window of an open pop-up menu of this thread, or null.
HWND FindOpenMenu();

// Mouse input at `point` in the client coordinates of `window`, delivered to the
// visible, enabled child window under it (or `window` itself).
void PostMouse(HWND window, POINT point, MouseAction action);
// A key press and release for `virtualKey`, to `target`; with `alt`, as system keys.
void PostKey(HWND target, UINT virtualKey, bool alt = false);
// The characters of `text`, as the keyboard delivers them, to `target`.
void PostText(HWND target, const std::string& text);
// Presses a push button as a click does.
void PressButton(HWND button);

struct TreeItem {
  HTREEITEM item;
  int depth;
  std::string label;
};
// Every item of a tree view control, depth first in display order.
std::vector<TreeItem> ReadTree(HWND tree);
// Scrolls `item` into view and clicks its label.
bool ClickTreeItem(HWND tree, HTREEITEM item);

}  // namespace kxwhost
