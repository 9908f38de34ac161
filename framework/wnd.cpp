#include "framework/wnd.h"

#include <commctrl.h>

#include <memory>
#include <unordered_map>

#include "framework/exception_barrier.h"
#include "framework/module_state.h"
#include "framework/window_class.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;

// The object CreateEx is creating: lpCreateParams is trusted only when it names this one, so a
// window of our class created elsewhere (a dialog template item) is not mistaken for one.
// Per thread: a creation on another thread must not claim this thread's object.
thread_local CWnd* g_pWndInit = nullptr;

// Temporary wrappers for handles no object routes (dialog items, focus windows). Entries for
// windows that no longer exist are dropped as the table grows.
class TempWindows {
public:
  CWnd* Get(HWND hWnd) {
    auto it = m_map.find(hWnd);
    if (it != m_map.end()) return it->second.get();
    if (m_map.size() >= m_nextPurge) Purge();
    auto wrapper = std::make_unique<CWnd>();
    wrapper->Attach(hWnd);
    return m_map.emplace(hWnd, std::move(wrapper)).first->second.get();
  }

private:
  void Purge() {
    for (auto it = m_map.begin(); it != m_map.end();) {
      it = ::IsWindow(it->first) ? std::next(it) : m_map.erase(it);
    }
    m_nextPurge = m_map.size() * 2 + 64;
  }
  std::unordered_map<HWND, std::unique_ptr<CWnd>> m_map;
  size_t m_nextPurge = 64;
};

TempWindows& Temporaries() {
  static TempWindows temps;
  return temps;
}

}  // namespace

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* pWnd = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    if (pWnd && pWnd == g_pWndInit && !pWnd->m_hWnd) {
      g_pWndInit = nullptr;
      ::SetWindowLongPtrA(hWnd, 0, reinterpret_cast<LONG_PTR>(pWnd));
      pWnd->m_hWnd = hWnd;
      pWnd->m_hook = CWnd::Hook::OwnClass;
      const bool ready = AfxCallGuarded("window creation", false, [pWnd] {
        pWnd->PreSubclassWindow();
        return true;
      });
      if (!ready) {
        // The creation fails; the object stays unbound.
        pWnd->Unhook();
        return FALSE;
      }
    }
  }
  auto* pWnd = reinterpret_cast<CWnd*>(::GetWindowLongPtrA(hWnd, 0));
  if (!pWnd) return ::DefWindowProcA(hWnd, message, wParam, lParam);
  return CWnd::Dispatch(pWnd, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR dwRefData) {
  auto* pWnd = reinterpret_cast<CWnd*>(dwRefData);
  if (!pWnd || pWnd->m_hWnd != hWnd) return ::DefSubclassProc(hWnd, message, wParam, lParam);
  return Dispatch(pWnd, message, wParam, lParam);
}

LRESULT CWnd::Dispatch(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, bool noDefault) {
  Frame frame{{pWnd->m_hWnd, message, wParam, lParam, 0, {0, 0}}, 0, noDefault, false, pWnd->m_pFrame};
  pWnd->m_pFrame = &frame;
  ++pWnd->m_nDepth;
  bool stopped = false;
  LRESULT result = 0;
  try {
    result = pWnd->WindowProc(message, wParam, lParam);
  } catch (...) {
    stopped = true;
  }
  if (stopped) {
    AfxReportStoppedException("window procedure");
    result = StoppedMessageResult(pWnd, frame);
  }
  pWnd->m_pFrame = frame.prev;
  --pWnd->m_nDepth;
  if (message == WM_NCDESTROY && pWnd->m_hWnd == frame.msg.hwnd) {
    pWnd->Unhook();
    pWnd->m_bPostNcDestroyDue = true;
  }
  if (pWnd->m_nDepth == 0 && pWnd->m_bPostNcDestroyDue) {
    pWnd->m_bPostNcDestroyDue = false;
    pWnd->PostNcDestroy();  // may delete the object: nothing touches it after this
  }
  return result;
}

LRESULT CWnd::StoppedMessageResult(CWnd* pWnd, Frame& frame) {
  // A window whose creation handler failed is not created; any other message gets what the
  // default handling gives, once.
  switch (frame.msg.message) {
    case WM_NCCREATE:
      return FALSE;
    case WM_CREATE:
      return -1;
    default:
      break;
  }
  if (frame.defaultRan) return frame.defResult;
  return AfxCallGuarded("default window procedure", LRESULT{0}, [pWnd] { return pWnd->Default(); });
}

void CWnd::Unhook() {
  if (m_hook == Hook::Subclass) ::RemoveWindowSubclass(m_hWnd, SubclassProc, kSubclassId);
  if (m_hook == Hook::OwnClass) ::SetWindowLongPtrA(m_hWnd, 0, 0);
  m_hook = Hook::None;
  m_hWnd = nullptr;
}

CWnd::~CWnd() {
  // The window outlives no object that routes it: unbind first so no message reaches a
  // half-destroyed object, then destroy what we created or subclassed.
  if (m_hWnd && m_hook != Hook::None) {
    HWND hWnd = m_hWnd;
    Unhook();
    ::DestroyWindow(hWnd);
  }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  if (!hWnd) return nullptr;
  DWORD_PTR ref = 0;
  if (::GetWindowSubclass(hWnd, SubclassProc, kSubclassId, &ref)) return reinterpret_cast<CWnd*>(ref);
  if (reinterpret_cast<WNDPROC>(::GetClassLongPtrA(hWnd, GCLP_WNDPROC)) == AfxWndProc) {
    return reinterpret_cast<CWnd*>(::GetWindowLongPtrA(hWnd, 0));
  }
  return nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (!hWnd) return nullptr;
  CWnd* pWnd = FromHandlePermanent(hWnd);
  return pWnd ? pWnd : Temporaries().Get(hWnd);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID) {
  if (m_hWnd) return FALSE;
  const bool own = AfxIsFrameworkClass(lpszClassName);
  if (!own) AfxInitCommonControls();
  HMENU hMenu = (dwStyle & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)) : nullptr;
  if (own) g_pWndInit = this;
  HWND hWnd = ::CreateWindowExA(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top,
                                pParentWnd ? pParentWnd->m_hWnd : nullptr, hMenu, AfxGetInstanceHandle(),
                                own ? this : nullptr);
  if (own) g_pWndInit = nullptr;
  if (!hWnd) return FALSE;
  if (own) return TRUE;
  if (SubclassWindow(hWnd)) return TRUE;
  ::DestroyWindow(hWnd);
  return FALSE;
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID) {
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (m_hWnd || !::IsWindow(hWnd) || FromHandlePermanent(hWnd)) return FALSE;
  m_hWnd = hWnd;
  PreSubclassWindow();
  if (!::SetWindowSubclass(hWnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    m_hWnd = nullptr;
    return FALSE;
  }
  m_hook = Hook::Subclass;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  return pParent && SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)));
}

HWND CWnd::UnsubclassWindow() {
  if (m_hook != Hook::Subclass) return nullptr;
  HWND hWnd = m_hWnd;
  Unhook();
  return hWnd;
}

CWnd::SubclassPause::SubclassPause(CWnd& wnd) : m_wnd(wnd) {
  m_bLifted = wnd.m_hook == Hook::Subclass && ::RemoveWindowSubclass(wnd.m_hWnd, SubclassProc, kSubclassId);
}

CWnd::SubclassPause::~SubclassPause() {
  if (m_bLifted && ::IsWindow(m_wnd.m_hWnd))
    ::SetWindowSubclass(m_wnd.m_hWnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(&m_wnd));
}

BOOL CWnd::Attach(HWND hWnd) {
  if (m_hWnd || !hWnd) return FALSE;
  m_hWnd = hWnd;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hWnd = m_hWnd;
  if (m_hook != Hook::None) Unhook();
  m_hWnd = nullptr;
  return hWnd;
}

BOOL CWnd::DestroyWindow() {
  // The object may be gone when DestroyWindow returns (PostNcDestroy), so nothing follows it.
  return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
  for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd && pWnd->PreTranslateMessage(pMsg)) return TRUE;
    if (hWnd == hWndStop) break;
  }
  return FALSE;
}

LRESULT CWnd::Default() {
  if (!m_pFrame || !m_hWnd || m_pFrame->noDefault) return 0;
  const MSG& m = m_pFrame->msg;
  m_pFrame->defaultRan = true;
  m_pFrame->defResult = DefWindowProc(m.message, m.wParam, m.lParam);
  return m_pFrame->defResult;
}

const MSG* CWnd::GetCurrentMessage() const { return m_pFrame ? &m_pFrame->msg : nullptr; }

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!m_hWnd) return 0;
  if (m_hook == Hook::Subclass) return ::DefSubclassProc(m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::ReflectChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

CWnd* CWnd::GetOwner() const {
  HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
  return FromHandle(hOwner ? hOwner : ::GetParent(m_hWnd));
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
  ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
  if (lpRect) MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
CWnd* CWnd::GetCapture() { return FromHandle(::GetCapture()); }

CString CWnd::GetWindowText() const {
  CString text;
  int n = ::GetWindowTextLengthA(m_hWnd);
  if (n > 0) text.ReleaseBuffer(::GetWindowTextA(m_hWnd, text.GetBuffer(n), n + 1));
  return text;
}

CString CWnd::GetDlgItemText(int nID) const {
  CWnd* pItem = GetDlgItem(nID);
  return pItem ? pItem->GetWindowText() : CString();
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  DWORD style = GetStyle(), changed = (style & ~dwRemove) | dwAdd;
  if (style == changed) return FALSE;
  ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(changed));
  if (nFlags) SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
  return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  DWORD style = GetExStyle(), changed = (style & ~dwRemove) | dwAdd;
  if (style == changed) return FALSE;
  ::SetWindowLongA(m_hWnd, GWL_EXSTYLE, static_cast<LONG>(changed));
  if (nFlags) SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
  return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) const {
  lpScrollInfo->cbSize = sizeof(SCROLLINFO);
  lpScrollInfo->fMask = nMask;
  return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}
