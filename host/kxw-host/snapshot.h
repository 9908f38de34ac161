// Saves how a window looks as a PNG file: captured from the window itself (PrintWindow,
// or the window's screen pixels when that paints nothing) and encoded through WIC.
#pragma once
#include <windows.h>

#include <string>

namespace kxwhost {

bool SaveWindowSnapshot(HWND window, const std::string& path, std::string& error);

}  // namespace kxwhost
