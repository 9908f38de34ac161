// Keeps every document the page receives through SendPageDescription, in order, as
// DIR\0001.xml, DIR\0002.xml, ... (when a folder is given) and counts them.
#pragma once
#include <windows.h>

#include <string>

namespace kxwhost {

class ChangeRecorder {
 public:
  // `folder` may be empty: the documents are then only counted.
  explicit ChangeRecorder(std::string folder) : folder_(std::move(folder)) {}

  // Creates the folder when it does not exist yet.
  bool Prepare(std::string& error);
  // The page library's change listener; `context` is the recorder.
  static void __stdcall OnDocument(HWND page, const char* document, void* context);

  int count() const { return count_; }
  // The first file that could not be written, empty when all were.
  const std::string& failure() const { return failure_; }

 private:
  void Record(const char* document);

  std::string folder_;
  int count_ = 0;
  std::string failure_;
};

// Writes `size` bytes to `path`, replacing the file. False when it cannot.
bool WriteWholeFile(const std::string& path, const char* data, size_t size);

}  // namespace kxwhost
