// The functions the host calls. Their export names and ordinals are fixed by
// NexelPropBrowser.def; all use the standard-call convention.
#include <windows.h>

#include "browser/invocation.h"
#include "module/module_globals.h"
#include "editors/standalone_color_property.h"
#include "framework/exception_barrier.h"
#include "framework/module_state.h"

extern "C" {

int __stdcall InitPropertyBrowser(HWND hWndPage, UINT nSelectHandle, const char* pszSelectName) {
  if (!hWndPage) return 0;
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  // A failure inside ends the browser as closing it would; the host sees the same result.
  AfxCallGuarded("InitPropertyBrowser", false, [&] {
    RunPropertyBrowser(hWndPage, nSelectHandle, pszSelectName ? pszSelectName : "");
    return true;
  });
  return 1;
}

int __stdcall ActivateDynamicUpdateInPropertyBrowser(int bActivate) {
  g_bDynamicUpdate = bActivate;
  return bActivate;
}

// Rows made from this module's class definitions for the host's own grids; the caller
// owns them until a grid takes them.
CPropertyGridProperty* __stdcall GetPGP() {
  return AfxCallGuarded("GetPGP", static_cast<CPropertyGridProperty*>(nullptr), [] {
    return new CPropertyGridProperty(CString(""), 0, FALSE);
  });
}

CPropertyGridColorProperty* __stdcall GetPGCP() {
  return AfxCallGuarded("GetPGCP", static_cast<CPropertyGridColorProperty*>(nullptr), [] {
    return new CPropertyGridColorProperty(CString(""), 0, nullptr, nullptr, 0);
  });
}

}  // extern "C"
