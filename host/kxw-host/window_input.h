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
// The dialog of this thread open over `browser` (owned by it, directly or through another
// dialog), enabled and not a message box; the last opened when there are several. Null
// when there is none.
HWND FindDialogOver(HWND browser);
// An open system colour dialog of this thread (it has Red, Green and Blue fields), or null.
HWND FindColorDialog();
// Types `value` into the colour dialog's Red (i 0), Green (1) or Blue (2) field, showing
// the fields first when the dialog is in its small form.
void TypeColorField(HWND dialog, int i, int value);
// The OK button of a dialog.
HWND DialogOkButton(HWND dialog);
// The drop-down list box of a combo box child of `parent` whose list is dropped, or null;
// `combo` receives the combo box.
HWND FindDroppedList(HWND parent, HWND& combo);
// The texts of a combo box's entries.
std::vector<std::string> ComboTexts(HWND combo);

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
