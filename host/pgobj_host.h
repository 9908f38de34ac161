// The page library's named exports for the host program itself (not used by the
// browser): a page model belongs to a page window, which the host opens, watches and saves.
// The host program may link the import library (lib/libpgobj.dll.a) or look the names up
// with GetProcAddress; the *Fn types below serve the latter.
#pragma once
#include <windows.h>

// Inside the library the exports come from pgobj.def alone.
#ifdef PGOBJ_BUILDING
#define PGOBJ_HOST_API
#else
#define PGOBJ_HOST_API __declspec(dllimport)
#endif

extern "C" {
// Opens a page model for `page` from a page file; a null path opens the embedded sample
// page. Returns the number of objects, or -1 when the file cannot be read as a page.
PGOBJ_HOST_API int __stdcall PgOpenPage(HWND page, const char* path);
// The same from page text held in memory.
PGOBJ_HOST_API int __stdcall PgOpenPageText(HWND page, const char* text);
// An empty page model for `page` whose description is `bytes[0..length)` served verbatim
// in pieces of `pieceSize` bytes, unread. Returns 0 (its object count), or -1.
PGOBJ_HOST_API int __stdcall PgOpenRawPage(HWND page, const char* bytes, unsigned length, unsigned pieceSize);
// Writes the page model of `page`, in the page description vocabulary. 1 on success.
PGOBJ_HOST_API int __stdcall PgSavePage(HWND page, const char* path);
PGOBJ_HOST_API void __stdcall PgClosePage(HWND page);
// Called with every document that SendPageDescription receives, before it is applied.
typedef void(__stdcall* PgChangeListener)(HWND page, const char* document, void* context);
PGOBJ_HOST_API void __stdcall PgSetChangeListener(PgChangeListener listener, void* context);
// Makes the option, scheme and column queries answer from files of `folder` instead of the
// built-in tables: "ORDINAL-NAME.xml" (for example 199-SEA_COLOR.xml) is the exact answer
// for that ordinal and attribute name whatever the object, "ORDINAL-default.xml" the answer
// for every other name. Null or empty goes back to the built-in answers.
PGOBJ_HOST_API void __stdcall PgSetHostDataFolder(const char* folder);

typedef int(__stdcall* PgOpenPageFn)(HWND page, const char* path);
typedef int(__stdcall* PgOpenPageTextFn)(HWND page, const char* text);
typedef int(__stdcall* PgOpenRawPageFn)(HWND page, const char* bytes, unsigned length, unsigned pieceSize);
typedef int(__stdcall* PgSavePageFn)(HWND page, const char* path);
typedef void(__stdcall* PgClosePageFn)(HWND page);
typedef void(__stdcall* PgSetChangeListenerFn)(PgChangeListener listener, void* context);
typedef void(__stdcall* PgSetHostDataFolderFn)(const char* folder);
}
