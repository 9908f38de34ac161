// Saves how a window looks as a PNG file: captured from the window itself (PrintWindow,
// or the client area's pixels when that leaves part of the window unpainted) and
// encoded through WIC.
#pragma once
#include <windows.h>

#include <string>

namespace kxwhost {

bool SaveWindowSnapshot(HWND window, const std::string& path, std::string& error);

}  // namespace kxwhost
