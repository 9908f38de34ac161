#include "framework/menu.h"

#include "framework/module_state.h"
#include "framework/wnd.h"

CString CMenuHandle::GetMenuString(UINT nIDItem, UINT nFlags) const {
  CString text;
  int n = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
  if (n > 0) text.ReleaseBuffer(::GetMenuStringA(m_hMenu, nIDItem, text.GetBuffer(n), n + 1, nFlags));
  return text;
}

BOOL CMenuHandle::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) const {
  return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd ? pWnd->m_hWnd : nullptr, lpRect);
}

BOOL CMenu::LoadMenu(UINT nID) { return Attach(::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nID))); }
