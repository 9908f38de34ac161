#include "host/kxw-host/host_window.h"

namespace kxwhost {
namespace {

constexpr const char* kClassName = "KxwHostPage";
constexpr const char* kTextProperty = "KxwHostText";

// The painted text lives in a heap string held by a window property.
std::string* TextOf(HWND window) {
  return static_cast<std::string*>(GetPropA(window, kTextProperty));
}

void Paint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
  if (const std::string* text = TextOf(window)) {
    InflateRect(&client, -12, -12);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextA(dc, text->c_str(), static_cast<int>(text->size()), &client,
              DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
  }
  EndPaint(window, &ps);
}

LRESULT CALLBACK PageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_NCDESTROY:
      delete TextOf(window);
      RemovePropA(window, kTextProperty);
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterPageClass() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = PageWindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  wc.lpszClassName = kClassName;
  return RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

HWND CreatePageWindow(const std::string& pageName) {
  if (!RegisterPageClass()) return nullptr;
  const std::string title = "kxw-host - " + pageName;
  HWND window = CreateWindowExA(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 40, 40, 720,
                                520, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (window == nullptr) return nullptr;
  SetPropA(window, kTextProperty, new std::string);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  // The browser takes the thread's active window as the owner of its dialog.
  SetForegroundWindow(window);
  SetActiveWindow(window);
  return window;
}

void SetPageWindowText(HWND window, const std::string& text) {
  if (std::string* stored = TextOf(window)) {
    *stored = text;
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
  }
}

}  // namespace kxwhost
