#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/dialog.h"
#include "framework/std_controls.h"
#include "framework/window_class.h"

namespace {

enum { kFirstEdit = 100, kSecondEdit = 101, kEndMessage = WM_APP + 1 };

// An in-memory dialog template: two edits that are tab stops and an OK button.
class TemplateBuilder {
public:
  TemplateBuilder() {
    Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    Dword(0);
    m_countAt = m_words.size();
    Word(0);
    Words({10, 10, 200, 100});
    Word(0);  // no menu
    Word(0);  // default class
    Text("Test dialog");
    Word(8);
    Text("MS Shell Dlg");
    Item(kFirstEdit, 0x0081, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, {5, 5, 80, 12});
    Item(kSecondEdit, 0x0081, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, {5, 25, 80, 12});
    Item(IDOK, 0x0080, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, {5, 50, 50, 14});
  }
  LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data()); }

private:
  void Word(WORD w) { m_words.push_back(w); }
  void Words(std::initializer_list<WORD> ws) { m_words.insert(m_words.end(), ws); }
  void Dword(DWORD d) { Words({LOWORD(d), HIWORD(d)}); }
  void Text(const char* s) {
    while (*s) Word(static_cast<WORD>(*s++));
    Word(0);
  }
  void Item(WORD id, WORD atom, DWORD style, std::initializer_list<WORD> box) {
    if (m_words.size() % 2) Word(0);  // DWORD alignment
    Dword(style);
    Dword(0);
    Words(box);
    Word(id);
    Words({0xFFFF, atom});
    Word(0);  // no text
    Word(0);  // no creation data
    ++m_words[m_countAt];
  }
  std::vector<WORD> m_words;
  size_t m_countAt = 0;
};

// Records which PreTranslateMessage calls and handlers ran.
class KeyWatchingEdit : public CEdit {
public:
  bool consumeTab = false;
  int tabsSeen = 0;
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_TAB) return FALSE;
    ++tabsSeen;
    return consumeTab;
  }
};

class TestDialog : public CDialog {
public:
  std::vector<UINT> posted;  // keys typed into the first edit
  KeyWatchingEdit first;
  int focusIdAtEnd = 0;
  LRESULT notifyAnswer = 0;
  int initCalls = 0, cancelCalls = 0, idleCalls = 0;
  bool ownerEnabledDuringLoop = true;
  HWND owner = nullptr;
  int endWith = 0;
  bool quitFromIdle = false;
  bool throwFromIdle = false;

protected:
  BOOL OnInitDialog() override {
    ++initCalls;
    if (owner) ownerEnabledDuringLoop = ::IsWindowEnabled(owner) != FALSE;
    first.SubclassDlgItem(kFirstEdit, this);
    return TRUE;
  }
  void OnCancel() override { ++cancelCalls; CDialog::OnCancel(); }
  BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) override {
    if (reinterpret_cast<NMHDR*>(lParam)->code != 1234) return FALSE;
    *pResult = 77;
    return TRUE;
  }
  // The keys are typed once the dialog is up and the loop has gone idle, as a user would.
  void OnModalIdle() override {
    if (++idleCalls > 1) return;
    if (quitFromIdle) ::PostQuitMessage(5);
    first.SetFocus();
    for (UINT vk : posted) ::PostMessageA(first.m_hWnd, WM_KEYDOWN, vk, 1);
    PostMessage(kEndMessage);
    if (throwFromIdle) throw std::runtime_error("idle failed");
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kEndMessage) {
      focusIdAtEnd = ::GetDlgCtrlID(::GetFocus());
      NMHDR nm{first.m_hWnd, kFirstEdit, 1234};
      notifyAnswer = SendMessage(WM_NOTIFY, kFirstEdit, reinterpret_cast<LPARAM>(&nm));
      if (endWith) EndDialog(endWith);
      return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
  }
};

TEST(FrameworkDialog, ChildSeesTabBeforeDialogNavigation) {
  TemplateBuilder tmpl;
  struct Case {
    bool consume;
    int expectedFocusId;
  } cases[] = {
      {true, kFirstEdit},    // consumed by the edit: the dialog never navigates
      {false, kSecondEdit},  // left alone: the dialog moves to the next tab stop
  };
  for (const Case& tc : cases) {
    TestDialog dlg;
    dlg.InitModalIndirect(tmpl.Get());
    dlg.first.consumeTab = tc.consume;
    dlg.posted = {VK_TAB};
    dlg.endWith = 42;
    EXPECT_EQ(42, dlg.DoModal());
    EXPECT_EQ(1, dlg.first.tabsSeen) << "consume=" << tc.consume;
    EXPECT_EQ(tc.expectedFocusId, dlg.focusIdAtEnd) << "consume=" << tc.consume;
    EXPECT_EQ(1, dlg.initCalls);
    EXPECT_EQ(77, dlg.notifyAnswer) << "a dialog's answer to a notification reaches the sender";
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(nullptr, dlg.first.m_hWnd);
  }
}

TEST(FrameworkDialog, EscapeEndsWithCancelAndTheOwnerComesBack) {
  TemplateBuilder tmpl;
  ASSERT_TRUE(AfxRegisterClass("NpbFrameworkDialogOwner"));
  CWnd owner;
  ASSERT_TRUE(owner.CreateEx(0, "NpbFrameworkDialogOwner", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                             CRect(0, 0, 300, 300), nullptr, 0));
  TestDialog dlg;
  dlg.InitModalIndirect(tmpl.Get(), &owner);
  dlg.owner = owner.m_hWnd;
  dlg.posted = {VK_ESCAPE};
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  EXPECT_EQ(1, dlg.cancelCalls);
  EXPECT_FALSE(dlg.ownerEnabledDuringLoop);
  EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST(FrameworkDialog, QuitEndsTheLoopAndIsLeftForTheOuterOne) {
  TemplateBuilder tmpl;
  TestDialog dlg;
  dlg.InitModalIndirect(tmpl.Get());
  dlg.quitFromIdle = true;
  EXPECT_EQ(-1, dlg.DoModal());
  EXPECT_EQ(nullptr, dlg.m_hWnd);
  MSG msg{};
  ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit was swallowed";
  EXPECT_EQ(5u, msg.wParam);
}

TEST(FrameworkDialog, AFailingIdleHandlerLeavesTheLoopRunning) {
  TemplateBuilder tmpl;
  TestDialog dlg;
  dlg.InitModalIndirect(tmpl.Get());
  dlg.throwFromIdle = true;
  dlg.endWith = 9;
  // The idle handler throws after posting the message that ends the dialog.
  EXPECT_EQ(9, dlg.DoModal());
  EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(FrameworkDialog, MissingTemplateFailsQuietly) {
  CDialog dlg(0x7FFF);
  EXPECT_EQ(-1, dlg.DoModal());
  EXPECT_FALSE(dlg.Create(0x7FFF));
  EXPECT_EQ(nullptr, dlg.m_hWnd);
}

}  // namespace
