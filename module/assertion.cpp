#include "module/assertion.h"

#include <windows.h>

#include <cstdio>

#include "module/profile.h"

namespace npb {
namespace {

constexpr const char* kCaption = "Assertion Failed";
constexpr int kOutputSilent = 13;
constexpr int kOutputDebugger = 1;
constexpr int kAfterEndProcess = 1;
constexpr int kAfterDebugBreak = 2;

int SystemMessageBox(const char* text, const char* caption, unsigned style) {
  return MessageBoxA(nullptr, text, caption, style);
}
void SystemDebugOutput(const char* text) { OutputDebugStringA(text); }
void SystemEndProcess(const char* message) { FatalAppExitA(0, message); }
void SystemDebugBreak() { DebugBreak(); }

AssertionHooks g_hooks = {SystemMessageBox, SystemDebugOutput, SystemEndProcess, SystemDebugBreak};

struct AssertionSettings {
  bool read = false;
  int output = 0;  // "Assert.Out"
  int after = 0;   // "Assert"
};
AssertionSettings g_settings;

const AssertionSettings& Settings() {
  if (!g_settings.read) {
    // A report may come before the dialog has looked for the profile file.
    InitProfilePath();
    g_settings.output = ProfileGetInt(ProfileSetting::AssertOut);
    g_settings.after = ProfileGetInt(ProfileSetting::Assert);
    g_settings.read = true;
  }
  return g_settings;
}

}  // namespace

std::string FormatAssertionText(const char* message, const char* sourceFile, unsigned long line) {
  char number[16];
  std::snprintf(number, sizeof number, "%lu", line);
  return std::string(sourceFile ? sourceFile : "") + "(" + number + "): " + (message ? message : "");
}

void ReportAssertion(const char* message, const char* sourceFile, unsigned long line) {
  const AssertionSettings& settings = Settings();
  if (settings.output == kOutputSilent) return;

  const std::string text = FormatAssertionText(message, sourceFile, line);
  if (settings.output == kOutputDebugger) {
    if (g_hooks.writeDebugOutput)
      g_hooks.writeDebugOutput((std::string(kCaption) + ": " + text + "\n").c_str());
  } else if (g_hooks.showMessageBox) {
    g_hooks.showMessageBox(text.c_str(), kCaption, MB_OK | MB_ICONSTOP | MB_SYSTEMMODAL);
  }

  if (settings.after == kAfterEndProcess && g_hooks.endProcess)
    g_hooks.endProcess(kCaption);
  else if (settings.after == kAfterDebugBreak && g_hooks.requestDebugBreak)
    g_hooks.requestDebugBreak();
}

AssertionHooks SetAssertionHooks(const AssertionHooks& hooks) {
  AssertionHooks previous = g_hooks;
  g_hooks = hooks;
  return previous;
}

void ResetAssertionSettingsForTesting() { g_settings = AssertionSettings{}; }

}  // namespace npb
