// Makes a crash under Wine end the process at once with status 3: without it Wine's
// debugger starts and waits, and the run hangs until a timeout.
#pragma once
#ifdef _WIN32
#include <windows.h>
#include <cstdio>

inline LONG WINAPI npbCrashFilter(EXCEPTION_POINTERS* info) {
  std::fprintf(stderr, "unhandled exception 0x%08lx at %p\n",
               info->ExceptionRecord->ExceptionCode, info->ExceptionRecord->ExceptionAddress);
  std::fflush(stderr);
  TerminateProcess(GetCurrentProcess(), 3);
  return EXCEPTION_EXECUTE_HANDLER;
}

inline void InstallCrashGuard() {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  SetUnhandledExceptionFilter(npbCrashFilter);
}
#else
inline void InstallCrashGuard() {}
#endif
