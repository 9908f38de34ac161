// The host's main window, standing for the graph page: the page library keeps its page
// model under this window's handle, and the browser dialog is owned by it.
#pragma once
#include <windows.h>

#include <string>

namespace kxwhost {

// Creates and shows the page window titled after the page; null when it cannot.
HWND CreatePageWindow(const std::string& pageName);
// Sets the line the page window paints (what was loaded).
void SetPageWindowText(HWND window, const std::string& text);

}  // namespace kxwhost
