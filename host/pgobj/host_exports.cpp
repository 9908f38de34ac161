// The named exports the host program uses to open, watch, save and close pages.
#include <windows.h>

#include <memory>

#define PGOBJ_BUILDING
#include "host/pgobj_host.h"
#include "host/pgobj/page_registry.h"

namespace {

// Opens a page from `load`, which fills a fresh model; -1 when it cannot.
template <typename Load>
int OpenWith(HWND page, Load load) {
  try {
    auto model = std::make_unique<pg::PageModel>();
    if (!load(*model)) return -1;
    const int count = model->ObjectCount();
    pg::PageRegistry::Instance().Open(page, std::move(model));
    return count;
  } catch (...) {
    return -1;
  }
}

}  // namespace

extern "C" {

int __stdcall PgOpenPage(HWND page, const char* path) {
  return OpenWith(page, [path](pg::PageModel& m) { return path ? m.LoadFile(path) : m.LoadSample(); });
}

int __stdcall PgOpenPageText(HWND page, const char* text) {
  if (!text) return -1;
  return OpenWith(page, [text](pg::PageModel& m) { return m.LoadText(text); });
}

int __stdcall PgOpenRawPage(HWND page, const char* bytes, unsigned length, unsigned pieceSize) {
  if (!bytes && length) return -1;
  return OpenWith(page, [&](pg::PageModel& m) {
    m.LoadRaw(std::string(bytes ? bytes : "", length), pieceSize);
    return true;
  });
}

int __stdcall PgSavePage(HWND page, const char* path) {
  pg::PageModel* model = pg::PageRegistry::Instance().Find(page);
  if (!model || !path) return 0;
  try {
    return model->SaveFile(path) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

void __stdcall PgClosePage(HWND page) {
  pg::PageRegistry::Instance().Close(page);
}

void __stdcall PgSetChangeListener(PgChangeListener listener, void* context) {
  pg::PageRegistry::Instance().SetListener(listener, context);
}

}  // extern "C"
