#include "browser/browser_app.h"

#include <string>

#include "module/assertion.h"
#include "module/module_globals.h"
#include "module/number_locale_win.h"
#include "framework/exception_barrier.h"

namespace {
constexpr char kModuleFileName[] = "NexelPropBrowser.dll";

void ReportStoppedException(const char* place) {
  npb::ReportAssertion((std::string("an exception was stopped in ") + place).c_str(), __FILE__, __LINE__);
}
}  // namespace

CNexelPropBrowserApp::CNexelPropBrowserApp() : CWinApp(kModuleFileName) {
  g_hResourceInstance = GetModuleHandleA(kModuleFileName);
  npb::UseSystemNumberLocale();
  AfxSetExceptionReporter(ReportStoppedException);
}

CNexelPropBrowserApp::~CNexelPropBrowserApp() = default;

CNexelPropBrowserApp theApp;

// Runs before the module's static objects are destroyed; a non-null `reserved` on detach
// means the whole process is ending rather than the host freeing the module.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_DETACH && reserved != nullptr) AfxSetProcessEnding();
  return TRUE;
}
