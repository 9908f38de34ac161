// Menus. CMenuHandle names a menu someone else owns (a submenu, a window's menu); CMenu owns
// its menu and destroys it.
#pragma once

#include <windows.h>

#include "framework/afx_string.h"

class CWnd;

class CMenuHandle {
public:
  CMenuHandle() = default;
  CMenuHandle(HMENU hMenu) : m_hMenu(hMenu) {}
  HMENU m_hMenu = nullptr;
  HMENU GetSafeHmenu() const { return m_hMenu; }
  operator HMENU() const { return m_hMenu; }

  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr) {
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
  }
  // The previous state (MF_ENABLED / MF_GRAYED / MF_DISABLED), or -1 when the item is absent.
  UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable) { return ::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable); }
  DWORD CheckMenuItem(UINT nIDCheckItem, UINT nCheck) { return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck); }
  UINT GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }
  int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
  UINT GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
  CString GetMenuString(UINT nIDItem, UINT nFlags) const;
  CMenuHandle GetSubMenu(int nPos) const { return CMenuHandle(::GetSubMenu(m_hMenu, nPos)); }
  // With TPM_RETURNCMD the chosen command (0 for none) instead of a WM_COMMAND to the window.
  BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr) const;
};

class CMenu : public CMenuHandle {
public:
  CMenu() = default;
  ~CMenu() { DestroyMenu(); }
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  BOOL CreatePopupMenu() { return Attach(::CreatePopupMenu()); }
  BOOL CreateMenu() { return Attach(::CreateMenu()); }
  // From the menu resource nID of the current resource instance.
  BOOL LoadMenu(UINT nID);
  BOOL Attach(HMENU hMenu) {
    DestroyMenu();
    m_hMenu = hMenu;
    return hMenu != nullptr;
  }
  HMENU Detach() {
    HMENU h = m_hMenu;
    m_hMenu = nullptr;
    return h;
  }
  BOOL DestroyMenu() {
    if (!m_hMenu) return FALSE;
    ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    return TRUE;
  }
};
