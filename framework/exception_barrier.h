// The guard at every place where Windows or the host calls into the module: window and
// dialog procedures and the exported functions. A C++ exception must not unwind through the
// frames of the caller, which are not ours and expect none; the guard turns it into the
// place's quiet result and a report.
#pragma once

// Receives the name of the place where an exception was stopped. The module points this at
// its assertion report; without one nothing is reported.
using AfxExceptionReporter = void (*)(const char* lpszPlace);
// Installs `reporter` and returns the one installed before.
AfxExceptionReporter AfxSetExceptionReporter(AfxExceptionReporter reporter);
void AfxReportStoppedException(const char* lpszPlace) noexcept;

// Runs `body` and returns its result, or `quiet` when it throws.
template <typename Result, typename Body>
Result AfxCallGuarded(const char* lpszPlace, Result quiet, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    AfxReportStoppedException(lpszPlace);
    return quiet;
  }
}
