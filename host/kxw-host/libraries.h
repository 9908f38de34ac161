// The two libraries kxw-host loads at run time from its own folder: the page library
// pgobj.dll (named exports for the host, ordinals for the page description) and the
// browser module NexelPropBrowser.dll. Both are bound by name or ordinal with
// GetProcAddress, so the host needs neither import library.
#pragma once
#include <string>

#include "sdk/pgobj_api.h"
#include "host/pgobj_host.h"

namespace kxwhost {

struct PageLibrary {
  HMODULE module = nullptr;
  decltype(&PgOpenPage) openPage = nullptr;
  decltype(&PgOpenRawPage) openRawPage = nullptr;
  decltype(&PgSavePage) savePage = nullptr;
  decltype(&PgClosePage) closePage = nullptr;
  decltype(&PgSetChangeListener) setChangeListener = nullptr;
  decltype(&PgSetHostDataFolder) setHostDataFolder = nullptr;
  pgobj::GetPageObjectCountFn objectCount = nullptr;
  pgobj::GetPageChunkCountFn chunkCount = nullptr;
  pgobj::GetPageDescriptionChunksFn chunks = nullptr;

  bool Load(std::string& error);
};

struct BrowserModule {
  using InitFn = int(__stdcall*)(HWND page, unsigned selectHandle, const char* selectName);
  using DynamicUpdateFn = int(__stdcall*)(int activate);

  HMODULE module = nullptr;
  InitFn initPropertyBrowser = nullptr;
  DynamicUpdateFn activateDynamicUpdate = nullptr;

  bool Load(std::string& error);
};

// What the page library serves for one page: pieces and the joined description's size.
struct PageDescriptionSize {
  int pieces = 0;
  size_t bytes = 0;
};
PageDescriptionSize MeasurePageDescription(const PageLibrary& library, HWND page);

// The folder of kxw-host.exe, with a trailing backslash.
std::string ProgramFolder();

}  // namespace kxwhost
