#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "editors/picture_button.h"
#include "framework/window_class.h"
#include "resources/resource.h"
#include "text/get_text_from_user.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
// The frame colour of the column strip's images, at (1, 1) of each.
constexpr COLORREF kStripFrame = RGB(64, 64, 64);

class Parent : public CWnd {};

// Draws a button face into a bitmap as the system's owner-draw request would, and reads
// pixels back.
class Canvas {
public:
  Canvas(int cx, int cy) : m_rect{0, 0, cx, cy} {
    HDC screen = GetDC(nullptr);
    m_dc = CreateCompatibleDC(screen);
    m_bitmap = CreateCompatibleBitmap(screen, cx, cy);
    ReleaseDC(nullptr, screen);
    m_old = SelectObject(m_dc, m_bitmap);
  }
  ~Canvas() {
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
  }
  void Draw(CPictureButton& button, UINT state) {
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = state;
    dis.hDC = m_dc;
    dis.rcItem = m_rect;
    button.DrawItem(&dis);
  }
  COLORREF At(int x, int y) const { return GetPixel(m_dc, x, y); }

private:
  RECT m_rect;
  HDC m_dc;
  HBITMAP m_bitmap;
  HGDIOBJ m_old;
};

TEST(PictureButtons, FaceEdgeAndPictureFollowThePressedState) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  CTogglePictureButton toggle;
  ASSERT_TRUE(toggle.LoadPicture(GetModuleHandleA(nullptr), IDB_COLUMN_STRIP, kMagenta));
  CPictureButton plain;
  Canvas canvas(40, 24);
  // The 32x16 strip is centred at (4, 4); its corner is the key colour and shows the face.
  const struct {
    const char* what;
    CPictureButton* button;
    UINT state;
    BOOL held;
    COLORREF corner, topLeft, bottomRight, pictureAt5, pictureAt7;
  } cases[] = {
      {"raised", &toggle, 0, FALSE, face, ButtonColorClass() >= 3 ? RGB(255, 255, 255) : shadow, shadow, kStripFrame,
       RGB(192, 192, 192)},
      {"pushed moves the picture", &toggle, ODS_SELECTED, FALSE, face, shadow, face, face, kStripFrame},
      {"held down looks pushed", &toggle, 0, TRUE, face, shadow, face, face, kStripFrame},
      {"no picture: face and edge only", &plain, 0, FALSE, face, ButtonColorClass() >= 3 ? RGB(255, 255, 255) : shadow,
       shadow, face, face},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    toggle.SetDown(c.held);
    canvas.Draw(*c.button, c.state);
    EXPECT_EQ(canvas.At(4, 4), c.corner);
    EXPECT_EQ(canvas.At(0, 0), c.topLeft);
    EXPECT_EQ(canvas.At(39, 23), c.bottomRight);
    EXPECT_EQ(canvas.At(5, 5), c.pictureAt5);
    EXPECT_EQ(canvas.At(7, 7), c.pictureAt7);
  }
}

TEST(PictureButtons, ToggleFlipsAndRadioStaysDownWhenPressedTwice) {
  AfxRegisterClass("NpbPictureButtonParent");
  Parent parent;
  ASSERT_TRUE(parent.CreateEx(0, "NpbPictureButtonParent", "", WS_POPUP, CRect(0, 0, 100, 40), nullptr, 0));
  CTogglePictureButton toggle;
  CRadioPictureButton radio;
  ASSERT_TRUE(toggle.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 30, 30), &parent, 1));
  ASSERT_TRUE(radio.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(40, 0, 70, 30), &parent, 2));
  const BOOL toggleAfter[] = {TRUE, FALSE};
  for (BOOL expected : toggleAfter) {
    for (CWnd* button : {static_cast<CWnd*>(&toggle), static_cast<CWnd*>(&radio)}) {
      button->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
      button->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    EXPECT_EQ(toggle.IsDown(), expected);
    EXPECT_TRUE(radio.IsDown());
  }
  parent.DestroyWindow();
}

// Acts on the prompt from inside its modal loop: types, then presses a button.
struct PromptScript {
  std::string typed;
  int button;
  std::string caption, prompt;
  bool ran;
};
PromptScript* g_script = nullptr;

BOOL CALLBACK FindPrompt(HWND window, LPARAM found) {
  if (!IsWindowVisible(window) || !GetDlgItem(window, IDC_GET_TEXT_EDIT)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

void CALLBACK RunPromptScript(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindPrompt, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog) return;
  KillTimer(nullptr, id);
  char text[256] = "";
  GetWindowTextA(dialog, text, sizeof text);
  g_script->caption = text;
  GetDlgItemTextA(dialog, IDC_GET_TEXT_PROMPT, text, sizeof text);
  g_script->prompt = text;
  HWND edit = GetDlgItem(dialog, IDC_GET_TEXT_EDIT);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  for (char c : g_script->typed) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
  g_script->ran = true;
  PostMessageA(GetDlgItem(dialog, g_script->button), BM_CLICK, 0, 0);
}

TEST(GetTextFromUser, LimitsTheTextAndCancelLeavesTheCallersText) {
  const struct {
    const char* typed;
    int button;
    INT_PTR result;
    const char* text;
  } cases[] = {{"ABCD", IDOK, IDOK, "ABC"}, {"Z", IDOK, IDOK, "Z"}, {"XY", IDCANCEL, IDCANCEL, "old"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    CGetTextFromUser dialog;
    dialog.SetCaption("Text Symbol");
    dialog.SetPrompt("Please enter the text you wish to use for the symbol:");
    dialog.SetText("old", 3);
    dialog.SetBitmap(GetModuleHandleA(nullptr), IDB_COLUMN_STRIP, kMagenta);
    PromptScript script{c.typed, c.button, "", "", false};
    g_script = &script;
    SetTimer(nullptr, 0, 10, RunPromptScript);
    EXPECT_EQ(dialog.DoModal(), c.result);
    EXPECT_TRUE(script.ran);
    EXPECT_EQ(script.caption, "Text Symbol");
    EXPECT_EQ(script.prompt, "Please enter the text you wish to use for the symbol:");
    EXPECT_EQ(std::string(dialog.GetText()), c.text);
  }
  g_script = nullptr;
}

}  // namespace
