#include "framework/dialog.h"

#include "framework/exception_barrier.h"
#include "framework/module_state.h"
#include "framework/window_class.h"

namespace {

// Messages after which the loop does not report idleness: painting and the caret's blink
// (WM_SYSTIMER) come by themselves while the user does nothing. Timers do count: work done
// in a timer handler may change what the idle update shows.
bool IsIdleNoise(UINT message) { return message == WM_PAINT || message == 0x0118; }

}  // namespace

void CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
  m_lpTemplate = lpDialogTemplate;
  m_pParentWnd = pParentWnd;
}

LPCDLGTEMPLATE CDialog::FindTemplate() const {
  if (m_lpTemplate) return m_lpTemplate;
  HINSTANCE hInst = AfxGetResourceHandle();
  HRSRC hRes = ::FindResourceA(hInst, MAKEINTRESOURCEA(m_nIDTemplate), RT_DIALOG);
  HGLOBAL hGlobal = hRes ? ::LoadResource(hInst, hRes) : nullptr;
  return hGlobal ? static_cast<LPCDLGTEMPLATE>(::LockResource(hGlobal)) : nullptr;
}

HWND CDialog::CreateFromTemplate(LPCDLGTEMPLATE lpTemplate, HWND hParent) {
  AfxInitCommonControls();
  // The object is bound in DialogProc on WM_INITDIALOG, whose lParam carries it.
  return ::CreateDialogIndirectParamA(AfxGetResourceHandle(), lpTemplate, hParent, DialogProc,
                                      reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_INITDIALOG || !lParam) return FALSE;
  auto* pDlg = reinterpret_cast<CDialog*>(lParam);
  if (pDlg->m_hWnd) return FALSE;
  if (!AfxCallGuarded("dialog procedure", FALSE, [pDlg, hDlg] { return pDlg->SubclassWindow(hDlg); })) {
    return FALSE;
  }
  // This WM_INITDIALOG arrived before the subclass existed: run it through the object now;
  // the dialog manager's own processing follows when we return, so there is no default here.
  return static_cast<INT_PTR>(Dispatch(pDlg, message, wParam, lParam, true));
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return OnInitDialog();
  return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM) {
  if (HIWORD(wParam) != BN_CLICKED) return FALSE;
  switch (LOWORD(wParam)) {
    case IDOK:
      OnOK();
      return TRUE;
    case IDCANCEL:
      OnCancel();
      return TRUE;
    default:
      return FALSE;
  }
}

INT_PTR CDialog::DoModal() {
  LPCDLGTEMPLATE lpTemplate = FindTemplate();
  if (!lpTemplate || m_hWnd) return -1;

  HWND hParent = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetActiveWindow();
  HWND hOwner = hParent ? ::GetAncestor(hParent, GA_ROOT) : nullptr;
  const bool disableOwner = hOwner && ::IsWindowEnabled(hOwner);
  if (disableOwner) ::EnableWindow(hOwner, FALSE);

  m_bModal = true;
  m_bContinueModal = true;
  m_nModalResult = -1;
  if (CreateFromTemplate(lpTemplate, hOwner) && m_bContinueModal) {
    if (!IsWindowVisible()) ShowWindow(SW_SHOWNORMAL);
    RunModalLoop();
  }
  // Hide before the owner comes back so the activation goes to the owner, not elsewhere.
  if (m_hWnd) SetWindowPos(nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  if (disableOwner) ::EnableWindow(hOwner, TRUE);
  if (hOwner && ::GetActiveWindow() != hOwner) ::SetActiveWindow(hOwner);
  const INT_PTR result = m_nModalResult;
  m_bModal = false;
  if (m_hWnd) ::DestroyWindow(m_hWnd);
  return result;
}

void CDialog::RunModalLoop() {
  bool idleDue = true;
  MSG msg;
  while (m_bContinueModal && m_hWnd) {
    if (idleDue && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      idleDue = false;
      // The loop outlives a failing idle handler or filter: the dialog stays usable.
      AfxCallGuarded("dialog idle", false, [this] {
        OnModalIdle();
        return true;
      });
      continue;
    }
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // WM_QUIT belongs to the host's own loop: leave it in the queue for it.
      if (got == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    const bool taken =
        AfxCallGuarded("message filter", FALSE, [this, &msg] { return WalkPreTranslateTree(m_hWnd, &msg); });
    if (!taken && !(m_hWnd && ::IsDialogMessageA(m_hWnd, &msg))) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    if (!IsIdleNoise(msg.message)) idleDue = true;
  }
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  m_nIDTemplate = nIDTemplate;
  m_lpTemplate = nullptr;
  m_pParentWnd = pParentWnd;
  LPCDLGTEMPLATE lpTemplate = FindTemplate();
  return lpTemplate && !m_hWnd && CreateFromTemplate(lpTemplate, pParentWnd ? pParentWnd->m_hWnd : nullptr);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd) {
  m_lpTemplate = lpDialogTemplate;
  m_pParentWnd = pParentWnd;
  return lpDialogTemplate && !m_hWnd && CreateFromTemplate(lpDialogTemplate, pParentWnd ? pParentWnd->m_hWnd : nullptr);
}

void CDialog::EndDialog(int nResult) {
  if (!m_bModal) {
    if (m_hWnd) ::EndDialog(m_hWnd, nResult);
    return;
  }
  m_nModalResult = nResult;
  m_bContinueModal = false;
  // Wakes the loop when this runs from a sent message while it waits in GetMessage.
  if (m_hWnd) PostMessage(WM_NULL);
}
