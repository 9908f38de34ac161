// Looks at the windows of the calling thread only. Tests share the desktop with other
// programs (other tests run beside them): FindWindow would find and act on their windows.
#pragma once

#include <windows.h>

#include <cstring>

namespace npb::test {

struct ThreadWindowSearch {
  const char* className;
  const char* title;
  HWND found;
};

inline BOOL CALLBACK TestThreadWindow(HWND hwnd, LPARAM data) {
  auto& s = *reinterpret_cast<ThreadWindowSearch*>(data);
  char cls[64] = {}, text[256] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  GetWindowTextA(hwnd, text, sizeof text);
  if (!IsWindowVisible(hwnd) || std::strcmp(cls, s.className) != 0 ||
      (s.title && std::strcmp(text, s.title) != 0)) {
    return TRUE;
  }
  s.found = hwnd;
  return FALSE;
}

// The first visible top-level window of this thread of the class and (unless null) title.
inline HWND FindThreadWindow(const char* className, const char* title = nullptr) {
  ThreadWindowSearch search{className, title, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), TestThreadWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace npb::test
