// CWnd: a C++ object bound to a window handle. Windows of the module's own classes carry the
// object in the class's extra bytes; system controls reach it through the subclass data of
// SetWindowSubclass; attached handles are only wrapped. Messages pass through three layers:
// WindowProc (overridable), the cracking into typed OnXxx handlers, and the default procedure.
#pragma once

#include <windows.h>

#include "framework/afx_string.h"
#include "framework/geometry.h"

class CDC;

class CWnd {
public:
  CWnd() = default;
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;

  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }

  // The object routing this handle's messages, or null.
  static CWnd* FromHandlePermanent(HWND hWnd);
  // That object, else a temporary non-owning wrapper kept by the framework; null for null.
  static CWnd* FromHandle(HWND hWnd);

  // Creation: a class registered with AfxRegisterClass gets the object from WM_NCCREATE on;
  // any other class (a system control) is subclassed right after it is created.
  BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                const RECT& rect, CWnd* pParentWnd, UINT nID);
  BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
              CWnd* pParentWnd, UINT nID);
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  HWND UnsubclassWindow();
  // Lifts the subclass of a window hooked by SubclassWindow for its own scope: what the
  // window receives meanwhile goes straight to its class procedure and no handler of the
  // object sees it. Under Wine every message through a subclass chain is a round trip to
  // the server, which a flood of notifications nobody handles need not pay.
  class SubclassPause {
  public:
    explicit SubclassPause(CWnd& wnd);
    ~SubclassPause();
    SubclassPause(const SubclassPause&) = delete;
    SubclassPause& operator=(const SubclassPause&) = delete;

  private:
    CWnd& m_wnd;
    bool m_bLifted = false;
  };
  // Wraps a handle without routing its messages and without owning it.
  BOOL Attach(HWND hWnd);
  HWND Detach();
  virtual BOOL DestroyWindow();

  // Sees a queued message before it is translated and dispatched; TRUE consumes it.
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // Gives PreTranslateMessage to the objects from the message's window up its parents,
  // stopping after hWndStop; TRUE when one consumed the message.
  static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

  // Window operations, each the Win32 call of the same name on m_hWnd.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  CWnd* GetDlgItem(int nID) const;
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  CWnd* GetParent() const;
  // The owner when one is set, else the parent.
  CWnd* GetOwner() const;
  BOOL IsChild(const CWnd* pWnd) const { return pWnd && ::IsChild(m_hWnd, pWnd->m_hWnd); }
  BOOL IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
  void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
  void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
  void ValidateRect(LPCRECT lpRect) { ::ValidateRect(m_hWnd, lpRect); }
  void UpdateWindow() { ::UpdateWindow(m_hWnd); }
  BOOL RedrawWindow(LPCRECT lpRect = nullptr, HRGN hRgn = nullptr,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE) {
    return ::RedrawWindow(m_hWnd, lpRect, hRgn, flags);
  }
  void ScrollWindow(int dx, int dy, LPCRECT lpRect = nullptr, LPCRECT lpClip = nullptr) {
    ::ScrollWindow(m_hWnd, dx, dy, lpRect, lpClip);
  }
  void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
  void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
  void ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
  void ScreenToClient(LPRECT lpRect) const;
  void ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
  void ClientToScreen(LPRECT lpRect) const;
  void MoveWindow(int x, int y, int cx, int cy, BOOL bRepaint = TRUE) { ::MoveWindow(m_hWnd, x, y, cx, cy, bRepaint); }
  void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
  BOOL SetWindowPos(HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    return ::SetWindowPos(m_hWnd, hWndInsertAfter, x, y, cx, cy, nFlags);
  }
  BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
  BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
  BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
  BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  CWnd* SetFocus();
  static CWnd* GetFocus();
  CWnd* SetCapture();
  static CWnd* GetCapture();
  static void ReleaseCapture() { ::ReleaseCapture(); }
  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr) {
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
  }
  BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
  HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
  void SetFont(HFONT hFont, BOOL bRedraw = TRUE) { SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), bRedraw); }
  HICON SetIcon(HICON hIcon, BOOL bBigIcon) {
    return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
  }
  CString GetWindowText() const;
  void GetWindowText(CString& rString) const { rString = GetWindowText(); }
  int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
  void SetWindowText(LPCSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }
  CString GetDlgItemText(int nID) const;
  void SetDlgItemText(int nID, LPCSTR lpszString) { ::SetDlgItemTextA(m_hWnd, nID, lpszString); }
  DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
  DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)); }
  // Removes then adds style bits; with nFlags, SetWindowPos makes the frame follow.
  BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE) {
    return ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
  }
  BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL) const;
  int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE) { return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw); }
  int GetScrollPos(int nBar) const { return ::GetScrollPos(m_hWnd, nBar); }
  void SetRedraw(BOOL bRedraw = TRUE) { SendMessage(WM_SETREDRAW, bRedraw); }

  // The message being handled now, its default result, and the default procedure itself.
  LRESULT Default();
  const MSG* GetCurrentMessage() const;
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
  // First layer: every routed message. The default cracks it into the typed handlers below;
  // messages without a handler go to the default procedure.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // A notification a child sent to its parent, offered to the child's own object first;
  // TRUE with *pResult when the child handled it.
  virtual BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // Before a window is subclassed or created into this object.
  virtual void PreSubclassWindow() {}
  // After the window is gone and the object is unbound; a self-owning popup deletes itself here.
  virtual void PostNcDestroy() {}

  // Second layer: typed handlers. Each default lets the default procedure answer.
  virtual int OnCreate(LPCREATESTRUCT lpCreateStruct);
  virtual void OnDestroy();
  virtual void OnNcDestroy();
  virtual void OnSize(UINT nType, int cx, int cy);
  virtual void OnSizing(UINT fwSide, LPRECT pRect);
  virtual void OnPaint();
  virtual BOOL OnEraseBkgnd(CDC* pDC);
  virtual void OnNcPaint();
  virtual void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
  virtual LRESULT OnNcHitTest(CPoint point);
  virtual void OnLButtonDown(UINT nFlags, CPoint point);
  virtual void OnLButtonUp(UINT nFlags, CPoint point);
  virtual void OnLButtonDblClk(UINT nFlags, CPoint point);
  virtual void OnRButtonDown(UINT nFlags, CPoint point);
  virtual void OnRButtonUp(UINT nFlags, CPoint point);
  virtual void OnMButtonDown(UINT nFlags, CPoint point);
  virtual void OnMouseMove(UINT nFlags, CPoint point);
  virtual BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  virtual BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  virtual void OnCancelMode();
  virtual void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  virtual void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  virtual void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  virtual void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  virtual UINT OnGetDlgCode();
  virtual void OnSetFocus(CWnd* pOldWnd);
  virtual void OnKillFocus(CWnd* pNewWnd);
  virtual void OnTimer(UINT_PTR nIDEvent);
  // pScrollBar is the sending control (scroll bar, slider, up-down), or null for the window's own bar.
  virtual void OnVScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
  virtual void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar);
  // TRUE when handled; FALSE lets the default procedure have it.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual void OnContextMenu(CWnd* pWnd, CPoint pos);
  virtual void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  virtual HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  virtual void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
  virtual void OnSetFont(HFONT hFont, BOOL bRedraw);
  virtual HFONT OnGetFont();
  virtual void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
  virtual void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
  virtual LRESULT OnGetObject(WPARAM dwFlags, LPARAM lObjId);
  virtual HCURSOR OnQueryDragIcon();

private:
  friend struct WndCrackers;
  friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
  friend class CDialog;
  enum class Hook { None, OwnClass, Subclass };
  struct Frame {
    MSG msg;
    LRESULT defResult;
    bool noDefault;
    bool defaultRan;
    Frame* prev;
  };

  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  // Runs one message through the object; unbinds it on WM_NCDESTROY and calls PostNcDestroy
  // once no message of the object is still being handled.
  static LRESULT Dispatch(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, bool noDefault = false);
  // The result of a message whose handler threw.
  static LRESULT StoppedMessageResult(CWnd* pWnd, Frame& frame);
  void Unhook();
  LRESULT LastDefaultResult() const { return m_pFrame ? m_pFrame->defResult : 0; }

  Hook m_hook = Hook::None;
  Frame* m_pFrame = nullptr;
  int m_nDepth = 0;
  bool m_bPostNcDestroyDue = false;
};

// Holds the mouse capture for its scope.
class CMouseCapture {
public:
  explicit CMouseCapture(CWnd& wnd) : m_hWnd(wnd.m_hWnd) { ::SetCapture(m_hWnd); }
  ~CMouseCapture() { Release(); }
  void Release() {
    if (m_hWnd && ::GetCapture() == m_hWnd) ::ReleaseCapture();
    m_hWnd = nullptr;
  }
  CMouseCapture(const CMouseCapture&) = delete;
  CMouseCapture& operator=(const CMouseCapture&) = delete;

private:
  HWND m_hWnd;
};
