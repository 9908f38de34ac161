#include "browser/browser_app.h"

#include "browser/module_globals.h"
#include "browser/number_locale_win.h"

namespace {
constexpr char kModuleFileName[] = "NexelPropBrowser.dll";
}

CNexelPropBrowserApp::CNexelPropBrowserApp() : CWinApp(kModuleFileName) {
  g_hResourceInstance = GetModuleHandleA(kModuleFileName);
  npb::UseSystemNumberLocale();
}

CNexelPropBrowserApp::~CNexelPropBrowserApp() = default;

CNexelPropBrowserApp theApp;
