// Splitting of a path into drive, directory, file name and extension, as the C
// runtime's path splitting does it, into buffers of fixed size. Window-free.
#pragma once
#include <string>

namespace npb {

constexpr int kDriveSize = 3;
constexpr int kDirSize = 256;
constexpr int kFileNameSize = 256;
constexpr int kExtensionSize = 256;

// drive: "X:" when the path starts with a letter and a colon; dir: everything up to and
// including the last "\" or "/"; ext: from the last "." after that on; fname: the rest.
// Each part is cut to its buffer (kDriveSize, kDirSize, kFileNameSize, kExtensionSize
// characters with the terminator); a null output is skipped, a null path gives empties.
void SplitPath(const char* path, char* drive, char* dir, char* fname, char* ext);

// The drive and directory of `path` joined: "C:\a\b\" for "C:\a\b\c.exe".
std::string GetPath(const char* path);

}  // namespace npb
