// The functions the host calls. Their export names and ordinals are fixed by
// NexelPropBrowser.def; all use the standard-call convention.
#include <windows.h>

#include "browser/invocation.h"
#include "browser/module_globals.h"
#include "framework/module_state.h"

extern "C" {

int __stdcall InitPropertyBrowser(HWND hWndPage, UINT nSelectHandle, const char* pszSelectName) {
  if (!hWndPage) return 0;
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  RunPropertyBrowser(hWndPage, nSelectHandle, pszSelectName ? pszSelectName : "");
  return 1;
}

int __stdcall ActivateDynamicUpdateInPropertyBrowser(int bActivate) {
  g_bDynamicUpdate = bActivate;
  return bActivate;
}

}  // extern "C"
