// The report of a state that should not occur, for the module's developers. Where it
// goes is chosen in the profile's "Development" section; by default a message box.
#pragma once
#include <string>

namespace npb {

// Reports "<sourceFile>(<line>): <message>" (null texts read as empty) and goes on,
// unless the profile asks for the process to end or for a debugger break.
void ReportAssertion(const char* message, const char* sourceFile, unsigned long line);

// The report text, "%s(%lu): %s" of source file, line and message.
std::string FormatAssertionText(const char* message, const char* sourceFile, unsigned long line);

// The system calls a report makes; tests replace them to see a report without a box.
struct AssertionHooks {
  int (*showMessageBox)(const char* text, const char* caption, unsigned style);
  void (*writeDebugOutput)(const char* text);
  void (*endProcess)(const char* message);
  void (*requestDebugBreak)();
};

// Installs `hooks` and returns the ones installed before.
AssertionHooks SetAssertionHooks(const AssertionHooks& hooks);

// Makes the next report read the "Development" settings again. For tests only: a running
// module reads them once.
void ResetAssertionSettingsForTesting();

}  // namespace npb
