#include "module/path_split.h"

#include <cstring>

namespace npb {
namespace {

// Copies text[0..length) cut to size - 1 characters, always terminated.
void CopyPart(char* out, int size, const char* text, std::size_t length) {
  if (!out) return;
  std::size_t n = length < static_cast<std::size_t>(size - 1) ? length : size - 1;
  std::memcpy(out, text, n);
  out[n] = '\0';
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

void SplitPath(const char* path, char* drive, char* dir, char* fname, char* ext) {
  if (!path) path = "";
  const char* rest = path;
  std::size_t driveLength = (path[0] != '\0' && path[1] == ':') ? 2 : 0;
  CopyPart(drive, kDriveSize, rest, driveLength);
  rest += driveLength;

  const char* name = rest;
  for (const char* p = rest; *p; ++p)
    if (IsSeparator(*p)) name = p + 1;
  CopyPart(dir, kDirSize, rest, static_cast<std::size_t>(name - rest));

  const char* dot = std::strrchr(name, '.');
  const char* end = name + std::strlen(name);
  if (!dot) dot = end;
  CopyPart(fname, kFileNameSize, name, static_cast<std::size_t>(dot - name));
  CopyPart(ext, kExtensionSize, dot, static_cast<std::size_t>(end - dot));
}

std::string GetPath(const char* path) {
  char drive[kDriveSize];
  char dir[kDirSize];
  SplitPath(path, drive, dir, nullptr, nullptr);
  return std::string(drive) + dir;
}

}  // namespace npb
