#include "framework/exception_barrier.h"

namespace {
AfxExceptionReporter g_reporter = nullptr;
}  // namespace

AfxExceptionReporter AfxSetExceptionReporter(AfxExceptionReporter reporter) {
  AfxExceptionReporter previous = g_reporter;
  g_reporter = reporter;
  return previous;
}

void AfxReportStoppedException(const char* lpszPlace) noexcept {
  if (!g_reporter) return;
  try {
    g_reporter(lpszPlace);
  } catch (...) {
    // A report that fails itself has nowhere left to go.
  }
}
