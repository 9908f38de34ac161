// One browser invocation: what runs between the host's call and the return.
#pragma once
#include <windows.h>

// Opens the browser on `page` and returns when the user closes it. The caller has made
// this module's framework state current.
void RunPropertyBrowser(HWND page, UINT selectHandle, const char* selectName);
