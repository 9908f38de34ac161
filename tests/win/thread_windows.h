// Looks at the windows of the calling thread only. Tests share the desktop with other
// programs (other tests run beside them): FindWindow would find and act on their windows.
// Also counts what the thread holds, windows and GDI objects, for tests of leaks.
#pragma once

#include <windows.h>

#include <intrin.h>

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

inline BOOL CALLBACK CountWindow(HWND, LPARAM data) {
  ++*reinterpret_cast<int*>(data);
  return TRUE;
}

inline BOOL CALLBACK CountWindowAndChildren(HWND hwnd, LPARAM data) {
  ++*reinterpret_cast<int*>(data);
  EnumChildWindows(hwnd, CountWindow, data);
  return TRUE;
}

// The windows of this thread, top-level ones and all their descendants.
inline int CountThreadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindowAndChildren, reinterpret_cast<LPARAM>(&count));
  return count;
}

// The GDI objects of this process, or -1 where they cannot be counted. GetGuiResources
// answers 0 under Wine, so the process's GDI handle table (which Wine shares with the
// process, as Windows does) is read instead; an entry counts only when GetObjectType
// confirms the handle it stands for.
inline int CountGdiObjects() {
  const DWORD fromSystem = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (fromSystem != 0) return static_cast<int>(fromSystem);
#ifdef _WIN64
  return -1;
#else
  struct Entry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 user;
  };
  static_assert(sizeof(Entry) == 24);
  // GCC takes the fs-relative read of the thread block for an access through null.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
  const BYTE* teb = reinterpret_cast<const BYTE*>(NtCurrentTeb());
#pragma GCC diagnostic pop
  const BYTE* peb = *reinterpret_cast<const BYTE* const*>(teb + 0x30);
  const auto* table = *reinterpret_cast<const Entry* const*>(peb + 0x94);
  if (!table) return -1;
  int count = 0;
  for (UINT index = 0; index < 0x10000; ++index) {
    const Entry& e = table[index];
    if (e.type == 0) continue;
    const auto handle = reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(index | (e.unique << 16)));
    if (GetObjectType(handle) != 0) ++count;
  }
  return count;
#endif
}

}  // namespace npb::test
