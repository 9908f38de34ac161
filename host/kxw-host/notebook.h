// The host's own notebook object browser window: its tree of notebook items and, beside
// it, the browser module's property grid, filled through the module's notebook views with
// sample records. The tree and grid carry the browser dialog's control ids, so script
// lines reach them the same way.
#pragma once
#include <windows.h>

#include <string>

namespace kxwhost {

class BrowserClasses;

// The view names --notebook accepts, in the tree's order after the notebook itself.
bool IsNotebookView(const std::string& name);
const char* NotebookViewNames();

// Creates and shows the window with `view`'s item selected; null with `error` otherwise.
HWND OpenNotebookWindow(BrowserClasses& classes, const std::string& view, std::string& error);
// Destroys the window and the module's objects behind it.
void CloseNotebookWindow(HWND window);

}  // namespace kxwhost
