#include "host/kxw-host/change_recorder.h"

#include <cstdio>
#include <cstring>

namespace kxwhost {

bool WriteWholeFile(const std::string& path, const char* data, size_t size) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && written;
}

bool ChangeRecorder::Prepare(std::string& error) {
  if (folder_.empty()) return true;
  if (CreateDirectoryA(folder_.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) {
    const DWORD attributes = GetFileAttributesA(folder_.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      return true;
    }
  }
  error = "--changes-dir: cannot create folder " + folder_;
  return false;
}

void __stdcall ChangeRecorder::OnDocument(HWND, const char* document, void* context) {
  static_cast<ChangeRecorder*>(context)->Record(document);
}

void ChangeRecorder::Record(const char* document) {
  ++count_;
  if (folder_.empty()) return;
  char name[16];
  std::snprintf(name, sizeof name, "\\%04d.xml", count_);
  const std::string path = folder_ + name;
  const size_t size = document == nullptr ? 0 : std::strlen(document);
  if (!WriteWholeFile(path, document == nullptr ? "" : document, size) && failure_.empty()) {
    failure_ = path;
  }
}

}  // namespace kxwhost
