// The cracking layer: one table row per message a typed handler exists for, and the
// reflection of parent notifications to the child's own object.
#include <algorithm>
#include <array>

#include "framework/gdi.h"
#include "framework/wnd.h"

struct WndCrackers {
  using Crack = LRESULT (*)(CWnd&, WPARAM, LPARAM);
  struct Entry {
    UINT message;
    Crack crack;
  };

  static CPoint Pt(LPARAM l) { return CPoint(l); }
  static UINT Lo(LPARAM l) { return LOWORD(l); }
  static UINT Hi(LPARAM l) { return HIWORD(l); }
  static CWnd* Wnd(WPARAM w) { return CWnd::FromHandle(reinterpret_cast<HWND>(w)); }
  static CWnd* Wnd(LPARAM l) { return CWnd::FromHandle(reinterpret_cast<HWND>(l)); }

  // The child a parent notification comes from, when the message names one.
  static HWND NotifyingChild(HWND hParent, UINT message, LPARAM lParam) {
    switch (message) {
      case WM_COMMAND:
      case WM_HSCROLL:
      case WM_VSCROLL:
        return reinterpret_cast<HWND>(lParam);
      case WM_NOTIFY:
        return lParam ? reinterpret_cast<NMHDR*>(lParam)->hwndFrom : nullptr;
      case WM_DRAWITEM: {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        return dis && dis->CtlType != ODT_MENU ? dis->hwndItem : nullptr;
      }
      case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        return mis && mis->CtlType != ODT_MENU ? ::GetDlgItem(hParent, static_cast<int>(mis->CtlID)) : nullptr;
      }
      default:
        return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ? reinterpret_cast<HWND>(lParam)
                                                                               : nullptr;
    }
  }

  static bool Reflect(CWnd& w, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    HWND hChild = NotifyingChild(w.m_hWnd, message, lParam);
    if (!hChild || hChild == w.m_hWnd) return false;
    CWnd* pChild = CWnd::FromHandlePermanent(hChild);
    return pChild && pChild->ReflectChildNotify(message, wParam, lParam, pResult);
  }

  static LRESULT CtlColor(CWnd& w, UINT message, WPARAM wp, LPARAM lp) {
    CDC dc(reinterpret_cast<HDC>(wp));
    return reinterpret_cast<LRESULT>(w.OnCtlColor(&dc, Wnd(lp), message - WM_CTLCOLORMSGBOX));
  }

  static const Entry* Find(UINT message) {
#define VOID_HANDLER(call) [](CWnd& w, WPARAM wp, LPARAM lp) -> LRESULT { (void)wp; (void)lp; w.call; return w.LastDefaultResult(); }
#define HANDLER(expr) [](CWnd& w, WPARAM wp, LPARAM lp) -> LRESULT { (void)wp; (void)lp; return static_cast<LRESULT>(expr); }
#define CTLCOLOR(m) Entry{m, [](CWnd& w, WPARAM wp, LPARAM lp) -> LRESULT { return CtlColor(w, m, wp, lp); }}
    static const auto table = [] {
      std::array entries{
          Entry{WM_CREATE, HANDLER(w.OnCreate(reinterpret_cast<LPCREATESTRUCT>(lp)))},
          Entry{WM_DESTROY, VOID_HANDLER(OnDestroy())},
          Entry{WM_NCDESTROY, VOID_HANDLER(OnNcDestroy())},
          Entry{WM_SIZE, VOID_HANDLER(OnSize(static_cast<UINT>(wp), Lo(lp), Hi(lp)))},
          Entry{WM_SIZING, [](CWnd& w, WPARAM wp, LPARAM lp) -> LRESULT {
                  w.OnSizing(static_cast<UINT>(wp), reinterpret_cast<LPRECT>(lp));
                  return TRUE;
                }},
          Entry{WM_PAINT, VOID_HANDLER(OnPaint())},
          Entry{WM_ERASEBKGND, [](CWnd& w, WPARAM wp, LPARAM) -> LRESULT {
                  CDC dc(reinterpret_cast<HDC>(wp));
                  return w.OnEraseBkgnd(&dc);
                }},
          Entry{WM_NCPAINT, VOID_HANDLER(OnNcPaint())},
          Entry{WM_NCCALCSIZE, VOID_HANDLER(OnNcCalcSize(static_cast<BOOL>(wp), reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)))},
          Entry{WM_NCHITTEST, HANDLER(w.OnNcHitTest(Pt(lp)))},
          Entry{WM_LBUTTONDOWN, VOID_HANDLER(OnLButtonDown(static_cast<UINT>(wp), Pt(lp)))},
          Entry{WM_LBUTTONUP, VOID_HANDLER(OnLButtonUp(static_cast<UINT>(wp), Pt(lp)))},
          Entry{WM_LBUTTONDBLCLK, VOID_HANDLER(OnLButtonDblClk(static_cast<UINT>(wp), Pt(lp)))},
          Entry{WM_RBUTTONDOWN, VOID_HANDLER(OnRButtonDown(static_cast<UINT>(wp), Pt(lp)))},
          Entry{WM_RBUTTONUP, VOID_HANDLER(OnRButtonUp(static_cast<UINT>(wp), Pt(lp)))},
          Entry{WM_MBUTTONDOWN, VOID_HANDLER(OnMButtonDown(static_cast<UINT>(wp), Pt(lp)))},
          Entry{WM_MOUSEMOVE, VOID_HANDLER(OnMouseMove(static_cast<UINT>(wp), Pt(lp)))},
          Entry{WM_MOUSEWHEEL, HANDLER(w.OnMouseWheel(LOWORD(wp), static_cast<short>(HIWORD(wp)), Pt(lp)))},
          Entry{WM_SETCURSOR, HANDLER(w.OnSetCursor(Wnd(wp), Lo(lp), Hi(lp)))},
          Entry{WM_CANCELMODE, VOID_HANDLER(OnCancelMode())},
          Entry{WM_KEYDOWN, VOID_HANDLER(OnKeyDown(static_cast<UINT>(wp), Lo(lp), Hi(lp)))},
          Entry{WM_KEYUP, VOID_HANDLER(OnKeyUp(static_cast<UINT>(wp), Lo(lp), Hi(lp)))},
          Entry{WM_CHAR, VOID_HANDLER(OnChar(static_cast<UINT>(wp), Lo(lp), Hi(lp)))},
          Entry{WM_SYSKEYDOWN, VOID_HANDLER(OnSysKeyDown(static_cast<UINT>(wp), Lo(lp), Hi(lp)))},
          Entry{WM_GETDLGCODE, HANDLER(w.OnGetDlgCode())},
          Entry{WM_SETFOCUS, VOID_HANDLER(OnSetFocus(Wnd(wp)))},
          Entry{WM_KILLFOCUS, VOID_HANDLER(OnKillFocus(Wnd(wp)))},
          Entry{WM_TIMER, VOID_HANDLER(OnTimer(static_cast<UINT_PTR>(wp)))},
          Entry{WM_VSCROLL, VOID_HANDLER(OnVScroll(LOWORD(wp), HIWORD(wp), Wnd(lp)))},
          Entry{WM_HSCROLL, VOID_HANDLER(OnHScroll(LOWORD(wp), HIWORD(wp), Wnd(lp)))},
          Entry{WM_COMMAND, HANDLER(w.OnCommand(wp, lp) ? 0 : w.Default())},
          Entry{WM_NOTIFY, [](CWnd& w, WPARAM wp, LPARAM lp) -> LRESULT {
                  LRESULT result = 0;
                  return w.OnNotify(wp, lp, &result) ? result : w.Default();
                }},
          Entry{WM_CONTEXTMENU, VOID_HANDLER(OnContextMenu(Wnd(wp), Pt(lp)))},
          Entry{WM_DRAWITEM, [](CWnd& w, WPARAM wp, LPARAM lp) -> LRESULT {
                  w.OnDrawItem(static_cast<int>(wp), reinterpret_cast<LPDRAWITEMSTRUCT>(lp));
                  return TRUE;
                }},
          Entry{WM_MEASUREITEM, [](CWnd& w, WPARAM wp, LPARAM lp) -> LRESULT {
                  w.OnMeasureItem(static_cast<int>(wp), reinterpret_cast<LPMEASUREITEMSTRUCT>(lp));
                  return TRUE;
                }},
          CTLCOLOR(WM_CTLCOLORMSGBOX), CTLCOLOR(WM_CTLCOLOREDIT), CTLCOLOR(WM_CTLCOLORLISTBOX),
          CTLCOLOR(WM_CTLCOLORBTN), CTLCOLOR(WM_CTLCOLORDLG), CTLCOLOR(WM_CTLCOLORSCROLLBAR),
          CTLCOLOR(WM_CTLCOLORSTATIC),
          Entry{WM_GETMINMAXINFO, VOID_HANDLER(OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lp)))},
          Entry{WM_SETFONT, VOID_HANDLER(OnSetFont(reinterpret_cast<HFONT>(wp), LOWORD(lp)))},
          Entry{WM_GETFONT, HANDLER(reinterpret_cast<LRESULT>(w.OnGetFont()))},
          Entry{WM_STYLECHANGED, VOID_HANDLER(OnStyleChanged(static_cast<int>(wp), reinterpret_cast<LPSTYLESTRUCT>(lp)))},
          Entry{WM_SETTINGCHANGE, VOID_HANDLER(OnSettingChange(static_cast<UINT>(wp), reinterpret_cast<LPCSTR>(lp)))},
          Entry{WM_GETOBJECT, HANDLER(w.OnGetObject(wp, lp))},
          Entry{WM_QUERYDRAGICON, HANDLER(reinterpret_cast<LRESULT>(w.OnQueryDragIcon()))},
      };
      std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.message < b.message; });
      return entries;
    }();
#undef VOID_HANDLER
#undef HANDLER
#undef CTLCOLOR
    auto it = std::lower_bound(table.begin(), table.end(), message,
                               [](const Entry& e, UINT m) { return e.message < m; });
    return (it != table.end() && it->message == message) ? &*it : nullptr;
  }
};

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (WndCrackers::Reflect(*this, message, wParam, lParam, &result)) return result;
  const WndCrackers::Entry* entry = WndCrackers::Find(message);
  return entry ? entry->crack(*this, wParam, lParam) : DefWindowProc(message, wParam, lParam);
}

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnSizing(UINT, LPRECT) { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnNcPaint() { Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CWnd*) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CWnd*) { Default(); }
BOOL CWnd::OnCommand(WPARAM, LPARAM) { return FALSE; }
BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*) { return FALSE; }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT) { Default(); }
void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT) { Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnSetFont(HFONT, BOOL) { Default(); }
HFONT CWnd::OnGetFont() { return reinterpret_cast<HFONT>(Default()); }
void CWnd::OnStyleChanged(int, LPSTYLESTRUCT) { Default(); }
void CWnd::OnSettingChange(UINT, LPCSTR) { Default(); }
LRESULT CWnd::OnGetObject(WPARAM, LPARAM) { return Default(); }
HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
