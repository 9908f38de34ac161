#include "host/kxw-host/window_input.h"

#include <commctrl.h>

#include <cstring>

namespace kxwhost {
namespace {

constexpr const char* kDialogClass = "#32770";
constexpr const char* kMenuClass = "#32768";
constexpr const char* kBrowserTitle = "Property Browser";

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(length > 0 ? length + 1 : 1, '\0');
  const int n = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  text.resize(n > 0 ? n : 0);
  return text;
}

using WindowTest = bool (*)(HWND);

struct Search {
  WindowTest test;
  HWND found;
};

BOOL CALLBACK TestThreadWindow(HWND window, LPARAM data) {
  Search& search = *reinterpret_cast<Search*>(data);
  if (!IsWindowVisible(window) || !search.test(window)) return TRUE;
  search.found = window;
  return FALSE;
}

// The first visible top-level window of this thread that passes `test`.
HWND FindThreadWindow(WindowTest test) {
  Search search{test, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), TestThreadWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Keys that are on the extended part of the keyboard (bit 24 of the key message).
bool IsExtendedKey(UINT vk) {
  static const UINT kExtended[] = {VK_UP,    VK_DOWN, VK_LEFT,  VK_RIGHT, VK_HOME,
                                   VK_END,   VK_PRIOR, VK_NEXT, VK_DELETE, VK_INSERT};
  for (UINT key : kExtended) {
    if (key == vk) return true;
  }
  return false;
}

LPARAM KeyData(UINT vk, bool release) {
  LPARAM data = 1 | (static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16);
  if (IsExtendedKey(vk)) data |= 1 << 24;
  if (release) data |= static_cast<LPARAM>(3u << 30);
  return data;
}

}  // namespace

bool IsMessageBox(HWND window) {
  if (ClassOf(window) != kDialogClass) return false;
  int buttons = 0;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::string cls = ClassOf(child);
    if (_stricmp(cls.c_str(), "Button") == 0) {
      ++buttons;
    } else if (_stricmp(cls.c_str(), "Static") != 0) {
      return false;
    }
  }
  return buttons > 0;
}

HWND FindMessageBox() { return FindThreadWindow(IsMessageBox); }

// Message boxes of the browser may carry its title too; its dialog has other controls.
bool IsBrowserDialog(HWND window) {
  return ClassOf(window) == kDialogClass && TextOf(window) == kBrowserTitle &&
         !IsMessageBox(window);
}

HWND FindBrowserDialog() { return FindThreadWindow(IsBrowserDialog); }

std::string MessageBoxText(HWND box) {
  std::string text;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::string part = TextOf(child);
    if (_stricmp(ClassOf(child).c_str(), "Static") == 0 && !part.empty()) {
      text += text.empty() ? part : " " + part;
    }
  }
  return text;
}

HWND FindOpenMenu() {
  return FindThreadWindow([](HWND window) { return ClassOf(window) == kMenuClass; });
}

namespace {

// The colour dialog's fields and its button that shows them (the system's dialog ids).
constexpr int kColorFieldIds[] = {706, 707, 708};
constexpr int kDefineCustomColors = 719;

bool IsOwnedBy(HWND window, HWND owner) {
  for (HWND w = GetWindow(window, GW_OWNER); w != nullptr; w = GetWindow(w, GW_OWNER)) {
    if (w == owner) return true;
  }
  return false;
}

struct OverSearch {
  HWND browser;
  HWND found;
};

BOOL CALLBACK TestDialogOver(HWND window, LPARAM data) {
  OverSearch& search = *reinterpret_cast<OverSearch*>(data);
  if (window != search.browser && IsWindowVisible(window) && IsWindowEnabled(window) &&
      ClassOf(window) == kDialogClass && !IsMessageBox(window) && IsOwnedBy(window, search.browser)) {
    // A dialog opened from another one is owned by it too: the innermost is the one in front.
    if (search.found == nullptr || IsOwnedBy(window, search.found)) search.found = window;
  }
  return TRUE;
}

struct ComboSearch {
  HWND combo;
};

BOOL CALLBACK TestDroppedCombo(HWND window, LPARAM data) {
  if (_stricmp(ClassOf(window).c_str(), "ComboBox") == 0 && SendMessageA(window, CB_GETDROPPEDSTATE, 0, 0)) {
    reinterpret_cast<ComboSearch*>(data)->combo = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND FindDialogOver(HWND browser) {
  if (browser == nullptr) return nullptr;
  OverSearch search{browser, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), TestDialogOver, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindColorDialog() {
  return FindThreadWindow([](HWND window) {
    if (ClassOf(window) != kDialogClass) return false;
    for (int id : kColorFieldIds) {
      if (GetDlgItem(window, id) == nullptr) return false;
    }
    return true;
  });
}

void TypeColorField(HWND dialog, int i, int value) {
  HWND field = GetDlgItem(dialog, kColorFieldIds[i]);
  if (field == nullptr) return;
  if (!IsWindowVisible(field)) {
    HWND more = GetDlgItem(dialog, kDefineCustomColors);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kDefineCustomColors, BN_CLICKED), reinterpret_cast<LPARAM>(more));
  }
  SetFocus(field);
  SendMessageA(field, EM_SETSEL, 0, -1);
  for (char c : std::to_string(value)) SendMessageA(field, WM_CHAR, static_cast<unsigned char>(c), 1);
}

HWND DialogOkButton(HWND dialog) { return GetDlgItem(dialog, IDOK); }

HWND FindDroppedList(HWND parent, HWND& combo) {
  ComboSearch search{nullptr};
  EnumChildWindows(parent, TestDroppedCombo, reinterpret_cast<LPARAM>(&search));
  combo = search.combo;
  if (combo == nullptr) return nullptr;
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(combo, &info) ? info.hwndList : nullptr;
}

std::vector<std::string> ComboTexts(HWND combo) {
  std::vector<std::string> texts;
  const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const int length = static_cast<int>(SendMessageA(combo, CB_GETLBTEXTLEN, i, 0));
    std::string text(length > 0 ? length + 1 : 1, '\0');
    const int n = length > 0 ? static_cast<int>(SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data())))
                             : 0;
    text.resize(n > 0 ? n : 0);
    texts.push_back(text);
  }
  return texts;
}

void PostMouse(HWND window, POINT point, MouseAction action) {
  HWND target = window;
  POINT local = point;
  for (;;) {
    HWND child = ChildWindowFromPointEx(target, local, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED |
                                                          CWP_SKIPTRANSPARENT);
    if (child == nullptr || child == target) break;
    MapWindowPoints(target, child, &local, 1);
    target = child;
  }
  // The pointer goes where the click is, so that anything asking for the cursor or
  // message position sees the same place.
  POINT screen = local;
  ClientToScreen(target, &screen);
  SetCursorPos(screen.x, screen.y);
  const LPARAM at = MAKELPARAM(local.x, local.y);
  PostMessageA(target, WM_MOUSEMOVE, 0, at);
  if (action == MouseAction::kRightClick) {
    PostMessageA(target, WM_RBUTTONDOWN, MK_RBUTTON, at);
    PostMessageA(target, WM_RBUTTONUP, 0, at);
    return;
  }
  PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(target, WM_LBUTTONUP, 0, at);
  if (action == MouseAction::kDoubleClick) {
    // Windows whose class takes no double clicks see a second plain press.
    const bool takesDouble = (GetClassLongA(target, GCL_STYLE) & CS_DBLCLKS) != 0;
    PostMessageA(target, takesDouble ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(target, WM_LBUTTONUP, 0, at);
  }
}

void PostKey(HWND target, UINT virtualKey, bool alt) {
  // Bit 29 of a system key message: Alt is held.
  const LPARAM context = alt ? static_cast<LPARAM>(1u << 29) : 0;
  PostMessageA(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, KeyData(virtualKey, false) | context);
  PostMessageA(target, alt ? WM_SYSKEYUP : WM_KEYUP, virtualKey, KeyData(virtualKey, true) | context);
}

void PostText(HWND target, const std::string& text) {
  for (unsigned char c : text) {
    const UINT vk = LOBYTE(VkKeyScanA(static_cast<char>(c)));
    const LPARAM data = 1 | (static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16);
    PostMessageA(target, WM_CHAR, c, data);
  }
}

void PressButton(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

std::vector<TreeItem> ReadTree(HWND tree) {
  std::vector<TreeItem> items;
  struct Pending {
    HTREEITEM item;
    int depth;
  };
  std::vector<Pending> stack;
  auto next = [tree](HTREEITEM item, UINT how) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
  };
  // Siblings are pushed in reverse so that the first child is read first.
  auto pushSiblings = [&](HTREEITEM first, int depth) {
    std::vector<HTREEITEM> row;
    for (HTREEITEM item = first; item != nullptr; item = next(item, TVGN_NEXT)) {
      row.push_back(item);
    }
    for (auto it = row.rbegin(); it != row.rend(); ++it) stack.push_back({*it, depth});
  };
  pushSiblings(next(nullptr, TVGN_ROOT), 0);
  while (!stack.empty()) {
    const Pending current = stack.back();
    stack.pop_back();
    char label[1024] = "";
    TVITEMA data = {};
    data.mask = TVIF_TEXT;
    data.hItem = current.item;
    data.pszText = label;
    data.cchTextMax = sizeof label;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    items.push_back({current.item, current.depth, label});
    pushSiblings(next(current.item, TVGN_CHILD), current.depth + 1);
  }
  return items;
}

bool ClickTreeItem(HWND tree, HTREEITEM item) {
  SendMessageA(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
  RECT rect = {};
  std::memcpy(&rect, &item, sizeof item);  // the message takes the item in the rectangle
  if (!SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect))) return false;
  PostMouse(tree, POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2},
            MouseAction::kClick);
  return true;
}

}  // namespace kxwhost
