#include "framework/common_controls.h"

#include "framework/window_class.h"

namespace {

TOOLINFOA MakeToolInfo(CWnd* pWnd, UINT_PTR nIDTool) {
  TOOLINFOA ti{};
  // The pre-version-6 size: understood by every comctl32.
  ti.cbSize = TTTOOLINFOA_V2_SIZE;
  ti.hwnd = pWnd ? pWnd->m_hWnd : nullptr;
  ti.uId = nIDTool;
  return ti;
}

}  // namespace

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
  AfxInitCommonControls();
  BOOL ok = CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle,
                     RECT{0, 0, 0, 0}, pParentWnd, 0);
  if (ok) SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return ok;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  TOOLINFOA ti = MakeToolInfo(pWnd, nIDTool);
  // No TTF_SUBCLASS: the owner relays the mouse messages itself (RelayEvent).
  ti.uFlags = lpRectTool ? 0 : TTF_IDISHWND;
  if (!lpRectTool) ti.uId = reinterpret_cast<UINT_PTR>(ti.hwnd);
  if (lpRectTool) ti.rect = *lpRectTool;
  ti.lpszText = const_cast<LPSTR>(lpszText);
  return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
  TOOLINFOA ti = MakeToolInfo(pWnd, nIDTool);
  SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
  TOOLINFOA ti = MakeToolInfo(pWnd, nIDTool);
  ti.lpszText = const_cast<LPSTR>(lpszText);
  SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect) {
  if (!lpRect) return;
  TOOLINFOA ti = MakeToolInfo(pWnd, nIDTool);
  ti.rect = *lpRect;
  SendMessage(TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&ti));
}
