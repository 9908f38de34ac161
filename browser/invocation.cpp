#include "browser/invocation.h"

#include "browser/prop_brow_dlg.h"

void RunPropertyBrowser(HWND page, UINT selectHandle, const char* selectName) {
  // No parent: the dialog is owned by the thread's active window, the host's.
  CPropBrowDlg dlg;
  dlg.m_hWndPage = page;
  dlg.m_nSelectHandle = selectHandle;
  dlg.m_strSelectName = selectName;
  dlg.DoModal();
}
