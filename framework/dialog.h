// CDialog: a dialog from a template (resource id or in memory), modal or modeless. The dialog
// window is subclassed like a system control, so its messages take the same three layers and a
// handler's result (a notification's answer) goes straight back to the sender; what no handler
// takes falls to the dialog manager, as DWLP_MSGRESULT answers would.
// The modal loop is the framework's own: each queued message goes first to PreTranslateMessage
// of the window under it and its parents up to the dialog, then to IsDialogMessage, so a child
// sees its keys before the dialog's Tab and arrow navigation does.
#pragma once

#include <windows.h>

#include "framework/wnd.h"

class CDialog : public CWnd {
public:
  CDialog() = default;
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
      : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

  // An in-memory template for the next DoModal; it must outlive the dialog.
  void InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
  // The EndDialog code, or -1 when the dialog could not be created.
  virtual INT_PTR DoModal();
  // Modeless creation.
  BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
  void EndDialog(int nResult);

protected:
  // TRUE lets the system put the focus on the first tab stop.
  virtual BOOL OnInitDialog() { return TRUE; }
  virtual void OnOK() { EndDialog(IDOK); }
  // Escape and the close box arrive here.
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  // Called when the modal loop finds its queue empty (after it has handled input).
  virtual void OnModalIdle() {}

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
  static INT_PTR CALLBACK DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam);
  LPCDLGTEMPLATE FindTemplate() const;
  HWND CreateFromTemplate(LPCDLGTEMPLATE lpTemplate, HWND hParent);
  void RunModalLoop();

  UINT m_nIDTemplate = 0;
  LPCDLGTEMPLATE m_lpTemplate = nullptr;
  CWnd* m_pParentWnd = nullptr;
  bool m_bModal = false;
  bool m_bContinueModal = false;
  INT_PTR m_nModalResult = -1;
};
