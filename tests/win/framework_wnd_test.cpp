#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/exception_barrier.h"
#include "framework/gdi.h"
#include "framework/masked_edit.h"
#include "framework/std_controls.h"
#include "framework/window_class.h"
#include "framework/wnd.h"

namespace {

constexpr char kClass[] = "NpbFrameworkTestWnd";

CRect ChildRect() { return CRect(0, 0, 100, 30); }

// Records the typed arguments each handler receives.
class RecordingWnd : public CWnd {
public:
  std::vector<std::string> log;
  CPoint point;
  UINT flags = 0, repeat = 0, keyFlags = 0, key = 0;
  short wheel = 0;
  int cx = 0, cy = 0;
  CWnd* other = nullptr;
  LRESULT privateResult = 0;

  BOOL CreateTop() {
    return AfxRegisterClass(kClass) && CreateEx(0, kClass, "test", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), nullptr, 0);
  }

protected:
  int OnCreate(LPCREATESTRUCT cs) override {
    log.push_back(std::string("create:") + cs->lpszName);
    return CWnd::OnCreate(cs);
  }
  void OnLButtonDown(UINT nFlags, CPoint pt) override { log.push_back("lbuttondown"); flags = nFlags; point = pt; }
  void OnRButtonUp(UINT nFlags, CPoint pt) override { log.push_back("rbuttonup"); flags = nFlags; point = pt; }
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override {
    log.push_back("keydown");
    key = nChar;
    repeat = nRepCnt;
    keyFlags = nFlags;
  }
  void OnChar(UINT nChar, UINT, UINT) override { log.push_back("char"); key = nChar; }
  BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) override {
    log.push_back("wheel");
    flags = nFlags;
    wheel = zDelta;
    point = pt;
    return TRUE;
  }
  void OnSize(UINT, int x, int y) override { log.push_back("size"); cx = x; cy = y; }
  void OnSetFocus(CWnd* pOld) override { log.push_back("setfocus"); other = pOld; }
  BOOL OnCommand(WPARAM wParam, LPARAM) override { log.push_back("command:" + std::to_string(LOWORD(wParam))); return TRUE; }
  BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) override {
    log.push_back("notify:" + std::to_string(reinterpret_cast<NMHDR*>(lParam)->code));
    *pResult = 11;
    return TRUE;
  }
  void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT) override { log.push_back("drawitem:" + std::to_string(nIDCtl)); }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_APP + 7) return static_cast<LRESULT>(wParam + lParam);
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

// A child control object that takes the notifications of one id and leaves the rest.
class ReflectingButton : public CButton {
public:
  std::vector<UINT> reflected;
  UINT takeNotifyCode = 0;

protected:
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    reflected.push_back(message);
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == takeNotifyCode) {
      *pResult = 99;
      return TRUE;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) return TRUE;
    return CButton::ReflectChildNotify(message, wParam, lParam, pResult);
  }
};

TEST(FrameworkWnd, MessagesReachTheTypedHandlersWithCrackedArguments) {
  RecordingWnd wnd;
  ASSERT_TRUE(wnd.CreateTop());
  ASSERT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
  EXPECT_EQ("create:test", wnd.log.front());

  wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, 70));
  EXPECT_EQ(CPoint(-5, 70), wnd.point);
  EXPECT_EQ(UINT(MK_LBUTTON | MK_SHIFT), wnd.flags);
  wnd.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(12, -3));
  EXPECT_EQ(CPoint(12, -3), wnd.point);
  wnd.SendMessage(WM_KEYDOWN, VK_TAB, MAKELPARAM(3, 0x4000 | 0x0F));
  EXPECT_EQ(UINT(VK_TAB), wnd.key);
  EXPECT_EQ(3u, wnd.repeat);
  EXPECT_EQ(0x400Fu, wnd.keyFlags);
  wnd.SendMessage(WM_CHAR, 'q', 1);
  EXPECT_EQ(UINT('q'), wnd.key);
  EXPECT_EQ(TRUE, wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -240), MAKELPARAM(400, 500)));
  EXPECT_EQ(-240, wnd.wheel);
  EXPECT_EQ(UINT(MK_CONTROL), wnd.flags);
  EXPECT_EQ(CPoint(400, 500), wnd.point);
  wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(301, 77));
  EXPECT_EQ(301, wnd.cx);
  EXPECT_EQ(77, wnd.cy);
  // A private message is the class's own business: it sees the raw parameters.
  EXPECT_EQ(12, wnd.SendMessage(WM_APP + 7, 5, 7));
  // An unhandled message gets the default procedure's answer.
  wnd.SetWindowText("renamed");
  EXPECT_EQ(7, wnd.SendMessage(WM_GETTEXTLENGTH));
  EXPECT_EQ(CString("renamed"), wnd.GetWindowText());
  wnd.DestroyWindow();
  EXPECT_EQ(nullptr, wnd.m_hWnd);
}

TEST(FrameworkWnd, ParentNotificationsGoToTheChildObjectFirst) {
  RecordingWnd parent;
  ASSERT_TRUE(parent.CreateTop());
  ReflectingButton child;
  ASSERT_TRUE(child.Create("b", WS_CHILD | BS_OWNERDRAW, ChildRect(), &parent, 42));
  CStatic plain;
  ASSERT_TRUE(plain.Create("s", WS_CHILD, ChildRect(), &parent, 43));
  child.takeNotifyCode = 5;

  struct Case {
    const char* what;
    UINT message;
    WPARAM wParam;
    HWND from;
    UINT code;
    bool childTakes;
    const char* parentLog;  // what the parent's own handler records when it gets it
  } cases[] = {
      {"clicked: child takes", WM_COMMAND, MAKEWPARAM(42, BN_CLICKED), child.m_hWnd, 0, true, nullptr},
      {"other command code: parent", WM_COMMAND, MAKEWPARAM(42, BN_SETFOCUS), child.m_hWnd, 0, false, "command:42"},
      {"from another control: parent", WM_COMMAND, MAKEWPARAM(43, BN_CLICKED), plain.m_hWnd, 0, false, "command:43"},
      {"menu command: parent", WM_COMMAND, MAKEWPARAM(9, 0), nullptr, 0, false, "command:9"},
      {"notify taken", WM_NOTIFY, 42, child.m_hWnd, 5, true, nullptr},
      {"notify left", WM_NOTIFY, 42, child.m_hWnd, 6, false, "notify:6"},
  };
  for (const Case& tc : cases) {
    parent.log.clear();
    child.reflected.clear();
    NMHDR nm{tc.from, 42, tc.code};
    LPARAM lParam = tc.message == WM_NOTIFY ? reinterpret_cast<LPARAM>(&nm) : reinterpret_cast<LPARAM>(tc.from);
    LRESULT result = parent.SendMessage(tc.message, tc.wParam, lParam);
    const bool childSaw = !child.reflected.empty();
    EXPECT_EQ(tc.from == child.m_hWnd, childSaw) << tc.what;
    EXPECT_EQ(tc.parentLog ? std::vector<std::string>{tc.parentLog} : std::vector<std::string>{}, parent.log) << tc.what;
    if (tc.message == WM_NOTIFY) {
      EXPECT_EQ(tc.childTakes ? 99 : 11, result) << tc.what;
    }
  }

  // An owner-drawn button draws itself from its parent's WM_DRAWITEM.
  struct DrawingButton : CButton {
    int draws = 0;
    void DrawItem(LPDRAWITEMSTRUCT) override { ++draws; }
  } drawn;
  ASSERT_TRUE(drawn.Create("d", WS_CHILD | BS_OWNERDRAW, ChildRect(), &parent, 44));
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_BUTTON;
  dis.CtlID = 44;
  dis.hwndItem = drawn.m_hWnd;
  parent.log.clear();
  EXPECT_EQ(TRUE, parent.SendMessage(WM_DRAWITEM, 44, reinterpret_cast<LPARAM>(&dis)));
  EXPECT_EQ(1, drawn.draws);
  EXPECT_TRUE(parent.log.empty());
  dis.hwndItem = plain.m_hWnd;
  parent.SendMessage(WM_DRAWITEM, 43, reinterpret_cast<LPARAM>(&dis));
  EXPECT_EQ(std::vector<std::string>{"drawitem:43"}, parent.log);
}

// A popup that owns itself: it destroys its window from inside a handler and deletes itself
// once the window is gone.
class SelfDeletingPopup : public CWnd {
public:
  explicit SelfDeletingPopup(std::vector<std::string>& log) : m_log(log) {}
  ~SelfDeletingPopup() override { m_log.push_back("deleted"); }

protected:
  void OnLButtonDown(UINT, CPoint) override {
    DestroyWindow();
    // Still inside the message: the object must be alive, and unbound.
    m_log.push_back(m_hWnd ? "handler:bound" : "handler:unbound");
  }
  void OnDestroy() override { m_log.push_back("destroy"); CWnd::OnDestroy(); }
  void PostNcDestroy() override { m_log.push_back("postncdestroy"); delete this; }

private:
  std::vector<std::string>& m_log;
};

TEST(FrameworkWnd, AWindowDestroyedFromItsOwnHandlerIsReleasedAfterTheHandler) {
  std::vector<std::string> log;
  auto* popup = new SelfDeletingPopup(log);
  ASSERT_TRUE(AfxRegisterClass(kClass));
  ASSERT_TRUE(popup->CreateEx(0, kClass, "popup", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
  HWND hWnd = popup->m_hWnd;
  ::SendMessageA(hWnd, WM_LBUTTONDOWN, 0, 0);
  EXPECT_EQ((std::vector<std::string>{"destroy", "handler:unbound", "postncdestroy", "deleted"}), log);
  EXPECT_FALSE(::IsWindow(hWnd));
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST(FrameworkWnd, OurClassCreatedWithoutAnObjectIsNotBoundToItsCreationData) {
  ASSERT_TRUE(AfxRegisterClass(kClass));
  RecordingWnd stranger;  // passed as creation data, but not by CreateEx
  HWND hWnd = ::CreateWindowExA(0, kClass, "raw", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                ::GetModuleHandleA(nullptr), &stranger);
  ASSERT_NE(nullptr, hWnd);
  EXPECT_EQ(nullptr, stranger.m_hWnd);
  EXPECT_TRUE(stranger.log.empty());
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
  // Such a window can still be bound afterwards, like a dialog placeholder.
  ASSERT_TRUE(stranger.SubclassWindow(hWnd));
  ::SendMessageA(hWnd, WM_LBUTTONDOWN, 0, MAKELPARAM(1, 2));
  EXPECT_EQ(CPoint(1, 2), stranger.point);
  stranger.DestroyWindow();
  EXPECT_FALSE(::IsWindow(hWnd));
}

TEST(FrameworkWnd, SubclassedControlsKeepTheirBehaviourAndLetGoOnDestroy) {
  RecordingWnd parent;
  ASSERT_TRUE(parent.CreateTop());
  struct CharCountingEdit : CEdit {
    int chars = 0;
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override { ++chars; CEdit::OnChar(nChar, nRepCnt, nFlags); }
  } edit;
  HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 100, 20, parent.m_hWnd,
                                 reinterpret_cast<HMENU>(7), nullptr, nullptr);
  ASSERT_TRUE(edit.SubclassWindow(hEdit));
  EXPECT_FALSE(CWnd().SubclassWindow(hEdit)) << "a window is routed to one object only";
  EXPECT_EQ(&edit, parent.GetDlgItem(7));
  edit.SendMessage(WM_CHAR, 'x', 1);
  edit.SendMessage(WM_CHAR, 'y', 1);
  EXPECT_EQ(2, edit.chars);
  EXPECT_EQ(CString("xy"), edit.GetWindowText()) << "the default procedure must still reach the edit";
  EXPECT_NE(0u, edit.SendMessage(WM_GETDLGCODE) & DLGC_HASSETSEL);
  {
    CWnd::SubclassPause pause(edit);
    ::SendMessageA(hEdit, WM_CHAR, 'z', 1);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit)) << "paused: no object routes it";
  }
  edit.SendMessage(WM_CHAR, '!', 1);
  EXPECT_EQ(3, edit.chars) << "only the characters outside the pause reach the object";
  EXPECT_EQ(CString("xyz!"), edit.GetWindowText());

  // Handles no object routes get one temporary wrapper each.
  CWnd* temp = CWnd::FromHandle(parent.m_hWnd);
  EXPECT_EQ(&parent, temp);
  HWND hOther = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 1, 1, parent.m_hWnd, nullptr, nullptr, nullptr);
  CWnd* tempOther = CWnd::FromHandle(hOther);
  ASSERT_NE(nullptr, tempOther);
  EXPECT_EQ(tempOther, CWnd::FromHandle(hOther));
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hOther));
  EXPECT_EQ(hOther, tempOther->m_hWnd);

  parent.DestroyWindow();
  EXPECT_EQ(nullptr, edit.m_hWnd);
  EXPECT_FALSE(::IsWindow(hEdit));
}

// Throws from the handler of one message, before or after the default handling ran.
class ThrowingWnd : public CWnd {
public:
  UINT throwOn = 0;
  bool afterDefault = false;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == throwOn) {
      if (afterDefault) Default();
      throw std::runtime_error("handler failed");
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

std::vector<std::string> g_stopped;
void RecordStopped(const char* place) { g_stopped.push_back(place); }

TEST(FrameworkWnd, AnExceptionStopsAtTheWindowProcedureWithTheDefaultResult) {
  const AfxExceptionReporter previous = AfxSetExceptionReporter(RecordStopped);
  ASSERT_TRUE(AfxRegisterClass(kClass));
  RecordingWnd parent;
  ASSERT_TRUE(parent.CreateTop());
  const struct {
    const char* what;
    bool subclassed;
    bool afterDefault;
  } cases[] = {
      {"own class", false, false},
      {"own class, after the default", false, true},
      {"subclassed edit", true, false},
      {"subclassed edit, after the default", true, true},
  };
  for (const auto& c : cases) {
    g_stopped.clear();
    ThrowingWnd wnd;
    wnd.throwOn = WM_GETTEXTLENGTH;
    wnd.afterDefault = c.afterDefault;
    if (c.subclassed) {
      ASSERT_TRUE(wnd.SubclassWindow(::CreateWindowExA(0, "EDIT", "abc", WS_CHILD, 0, 0, 50, 20,
                                                       parent.m_hWnd, nullptr, nullptr, nullptr)));
    } else {
      ASSERT_TRUE(wnd.CreateEx(0, kClass, "abc", WS_CHILD, CRect(0, 0, 50, 20), &parent, 3));
    }
    // Sent through the system, whose frames the exception must not cross.
    EXPECT_EQ(::SendMessageA(wnd.m_hWnd, WM_GETTEXTLENGTH, 0, 0), 3) << c.what;
    EXPECT_EQ(g_stopped, std::vector<std::string>{"window procedure"}) << c.what;
    wnd.throwOn = 0;
    EXPECT_EQ(::SendMessageA(wnd.m_hWnd, WM_GETTEXTLENGTH, 0, 0), 3) << c.what << ": still routed";
    EXPECT_EQ(g_stopped.size(), 1u) << c.what;
    wnd.DestroyWindow();
    EXPECT_EQ(wnd.m_hWnd, nullptr) << c.what << ": let go on destruction as usual";
  }
  // A creation handler that throws makes the creation fail and leaves the object unbound.
  ThrowingWnd failing;
  failing.throwOn = WM_CREATE;
  g_stopped.clear();
  EXPECT_FALSE(failing.CreateEx(0, kClass, "x", WS_CHILD, CRect(0, 0, 5, 5), &parent, 4));
  EXPECT_EQ(failing.m_hWnd, nullptr);
  EXPECT_EQ(g_stopped.size(), 1u);
  AfxSetExceptionReporter(previous);
}

TEST(FrameworkMaskedEdit, TypingDeletingAndPastingKeepTheShapeAndTheAlphabet) {
  RecordingWnd parent;
  ASSERT_TRUE(parent.CreateTop());
  CEdit source;  // puts "7x8" on the clipboard
  ASSERT_TRUE(source.Create(WS_CHILD, ChildRect(), &parent, 1));
  source.SetWindowText("7x8");
  source.SetSel(0, -1);
  source.Copy();
  // Keys: \b Backspace, \x7f the Delete key, \x16 paste, \x01 select all; else typed.
  const struct {
    const char *mask, *templ, *valid, *set;
    int caret;
    const char *keys, *expect;
  } cases[] = {
      {"DD DD", "  :  ", "", "", 0, "12345", "12:34"},  // the literal is stepped over, the rest dropped
      {"DD DD", "  :  ", "", "1230", 0, "", "12:30"},   // a set text is poured into the inputs
      {"DD DD", "  :  ", "", "12:30", 0, "x9", "92:30"},
      {"DD DD", "  :  ", "", "ab:cd", 0, "", "  :  "},
      {"DD DD", "  :  ", "", "12:30", 3, "\b", "1 :30"},
      {"DD DD", "  :  ", "", "12:30", 2, "\x7f", "12: 0"},
      {"DD DD", "  :  ", "", "12:30", 0, "\x01" "5", "5 :  "},
      {"DD DD", "  :  ", "", "", 0, "\x16", "78:  "},
      {"CCC", "   ", "", "", 0, "a1b", "ab "},
      {"AAA", "   ", "abc", "", 0, "xa1b", "ab "},
      {"", "", "0123456789", "", 0, "1a2\x16", "1278"},
      {"DD DD", "  :", "", "1230", 0, "", "1230"},  // a template of another length: no mask
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.mask) + " " + c.keys);
    CMaskedEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | ES_AUTOHSCROLL, ChildRect(), &parent, 2));
    edit.EnableMask(c.mask, c.templ, ' ', c.valid);
    edit.SetWindowText(c.set);
    edit.SetSel(c.caret, c.caret);
    for (const char* k = c.keys; *k; ++k) {
      if (*k == '\x7f') {
        edit.SendMessage(WM_KEYDOWN, VK_DELETE, 1);
      } else if (*k == '\x16') {
        edit.Paste();
      } else if (*k == '\x01') {
        edit.SetSel(0, -1);
      } else {
        edit.SendMessage(WM_CHAR, static_cast<unsigned char>(*k), 1);
      }
    }
    EXPECT_EQ(edit.GetWindowText().str(), c.expect);
    edit.DestroyWindow();
  }
}

TEST(FrameworkWnd, StyleAndPreTranslateWalk) {
  RecordingWnd parent;
  ASSERT_TRUE(parent.CreateTop());
  struct Swallower : CStatic {
    UINT swallow = 0;
    int seen = 0;
    BOOL PreTranslateMessage(MSG* pMsg) override { ++seen; return pMsg->message == swallow; }
  } child;
  ASSERT_TRUE(child.Create("", WS_CHILD, ChildRect(), &parent));
  child.swallow = WM_KEYDOWN;
  MSG msg{child.m_hWnd, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
  EXPECT_TRUE(CWnd::WalkPreTranslateTree(parent.m_hWnd, &msg));
  msg.message = WM_KEYUP;
  EXPECT_FALSE(CWnd::WalkPreTranslateTree(parent.m_hWnd, &msg));
  EXPECT_EQ(2, child.seen);

  EXPECT_TRUE(child.ModifyStyle(0, SS_NOTIFY));
  EXPECT_NE(0u, child.GetStyle() & SS_NOTIFY);
  EXPECT_FALSE(child.ModifyStyle(0, SS_NOTIFY)) << "no change, no report";
  EXPECT_TRUE(child.ModifyStyle(SS_NOTIFY, 0));
  EXPECT_EQ(0u, child.GetStyle() & SS_NOTIFY);
}

}  // namespace
