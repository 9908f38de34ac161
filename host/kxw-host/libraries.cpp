#include "host/kxw-host/libraries.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace kxwhost {
namespace {

HMODULE LoadBeside(const char* name, std::string& error) {
  const std::string path = ProgramFolder() + name;
  HMODULE module = LoadLibraryA(path.c_str());
  if (module == nullptr) {
    error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
  }
  return module;
}

// Binds `fn` to an export named `name` (or an ordinal made with MAKEINTRESOURCEA).
template <typename Fn>
bool Bind(HMODULE module, const char* name, Fn& fn, const char* library, std::string& error) {
  fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  if (fn != nullptr) return true;
  const std::string what = IS_INTRESOURCE(name)
                               ? "ordinal " + std::to_string(reinterpret_cast<uintptr_t>(name))
                               : std::string(name);
  error = std::string(library) + " has no export " + what;
  return false;
}

const char* Ordinal(WORD n) { return MAKEINTRESOURCEA(n); }

}  // namespace

std::string ProgramFolder() {
  char path[MAX_PATH * 2] = "";
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder(path, n < sizeof path ? n : 0);
  const size_t slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

bool PageLibrary::Load(std::string& error) {
  const char* name = "pgobj.dll";
  module = LoadBeside(name, error);
  return module != nullptr && Bind(module, "PgOpenPage", openPage, name, error) &&
         Bind(module, "PgOpenRawPage", openRawPage, name, error) &&
         Bind(module, "PgSavePage", savePage, name, error) &&
         Bind(module, "PgClosePage", closePage, name, error) &&
         Bind(module, "PgSetChangeListener", setChangeListener, name, error) &&
         Bind(module, "PgSetHostDataFolder", setHostDataFolder, name, error) &&
         Bind(module, Ordinal(pgobj::kGetPageObjectCount), objectCount, name, error) &&
         Bind(module, Ordinal(pgobj::kGetPageChunkCount), chunkCount, name, error) &&
         Bind(module, Ordinal(pgobj::kGetPageDescriptionChunks), chunks, name, error);
}

bool BrowserModule::Load(std::string& error) {
  const char* name = "NexelPropBrowser.dll";
  module = LoadBeside(name, error);
  return module != nullptr &&
         Bind(module, "InitPropertyBrowser", initPropertyBrowser, name, error) &&
         Bind(module, "ActivateDynamicUpdateInPropertyBrowser", activateDynamicUpdate, name,
              error);
}

PageDescriptionSize MeasurePageDescription(const PageLibrary& library, HWND page) {
  PageDescriptionSize size;
  const long long count = library.chunkCount(page) + 2LL;
  if (count < 1) return size;
  size.pieces = static_cast<int>(count);
  // A raw page may come in more pieces than the browser's array holds; past any sane
  // count only the number is reported.
  constexpr long long kMaxFetched = 65536;
  if (count > kMaxFetched) return size;
  std::vector<char*> pieces(std::max<size_t>(count, pgobj::kMaxPieces), nullptr);
  library.chunks(page, pieces.data());
  for (char* piece : pieces) {
    if (piece == nullptr) continue;
    size.bytes += std::strlen(piece);
    // The library allocates pieces with the C runtime's malloc; its callers free them.
    std::free(piece);
  }
  return size;
}

}  // namespace kxwhost
