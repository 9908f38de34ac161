// The page library's named exports for the host program itself (not used by the
// browser): a page model belongs to a page window, which the host opens, watches and saves.
#pragma once
#include <windows.h>

extern "C" {
// Opens a page model for `page` from a page file; a null path opens the embedded sample
// page. Returns the number of objects, or -1 when the file cannot be read as a page.
__declspec(dllimport) int __stdcall PgOpenPage(HWND page, const char* path);
// The same from page text held in memory.
__declspec(dllimport) int __stdcall PgOpenPageText(HWND page, const char* text);
// Writes the page model of `page`, in the page description vocabulary. 1 on success.
__declspec(dllimport) int __stdcall PgSavePage(HWND page, const char* path);
__declspec(dllimport) void __stdcall PgClosePage(HWND page);
// Called with every document that SendPageDescription receives, before it is applied.
typedef void(__stdcall* PgChangeListener)(HWND page, const char* document, void* context);
__declspec(dllimport) void __stdcall PgSetChangeListener(PgChangeListener listener, void* context);
}
