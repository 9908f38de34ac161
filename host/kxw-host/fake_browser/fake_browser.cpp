// A stand-in for the browser module, used only by kxw-host's own tests: a modal
// "Property Browser" dialog with a tree (1001), the four buttons, a message box behind
// Apply and a context menu over the tree, so that script replay is tested against real
// windows. It says what it did on standard output.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#include <windowsx.h>

#include <cstdio>
#include <cstring>

#include "sdk/pgobj_api.h"

namespace {

constexpr int kTreeId = 1001;
constexpr int kApplyId = 4;
constexpr int kHelpId = 9;
constexpr int kCopyCommand = 5;
constexpr int kApplyCommand = 7;

struct Invocation {
  HWND page;
  bool done;
};

void Say(const char* text) {
  std::printf("fake: %s\n", text);
  std::fflush(stdout);
}

HTREEITEM AddItem(HWND tree, HTREEITEM parent, const char* label) {
  TVINSERTSTRUCTA insert = {};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<char*>(label);
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void CreateControls(HWND dialog) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
  HWND tree = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS |
                                  TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                              10, 10, 220, 260, dialog, reinterpret_cast<HMENU>(kTreeId),
                              instance, nullptr);
  HTREEITEM page = AddItem(tree, TVI_ROOT, "Page");
  HTREEITEM layer = AddItem(tree, page, "Layer 1");
  AddItem(tree, layer, "Plot");
  AddItem(tree, layer, "Bottom Axis");
  AddItem(tree, TVI_ROOT, "Legend");
  const struct {
    int id;
    const char* text;
  } buttons[] = {{IDOK, "OK"}, {IDCANCEL, "Cancel"}, {kApplyId, "&Apply"}, {kHelpId, "&Help"}};
  int x = 250;
  for (const auto& b : buttons) {
    CreateWindowExA(0, "BUTTON", b.text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, x,
                    280, 70, 24, dialog, reinterpret_cast<HMENU>(b.id), instance, nullptr);
    x += 80;
  }
  SetFocus(tree);
}

void Apply(HWND dialog, Invocation& invocation) {
  if (MessageBoxA(dialog, "Send the changes?", "Property Browser", MB_YESNO) != IDYES) {
    Say("apply declined");
    return;
  }
  auto send = reinterpret_cast<pgobj::SendPageDescriptionFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("pgobj.dll"), MAKEINTRESOURCEA(pgobj::kSendPageDescription))));
  if (send != nullptr) {
    send(invocation.page,
         "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<XML>\n    <ObjectList />\n</XML>\n", 0);
  }
  EnableWindow(GetDlgItem(dialog, kApplyId), FALSE);
  Say("applied");
}

void ShowMenu(HWND dialog, LPARAM at) {
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, kCopyCommand, "Copy Plot Styles");
  AppendMenuA(menu, MF_STRING | MF_GRAYED, kApplyCommand, "Apply Plot Styles");
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, GET_X_LPARAM(at), GET_Y_LPARAM(at), 0, dialog, nullptr);
  DestroyMenu(menu);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  Invocation* invocation = reinterpret_cast<Invocation*>(GetWindowLongPtrA(dialog, DWLP_USER));
  char line[128];
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      SetWindowTextA(dialog, "Property Browser");
      CreateControls(dialog);
      return FALSE;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) == GetDlgItem(dialog, kTreeId)) ShowMenu(dialog, lParam);
      return TRUE;
    case WM_NOTIFY: {
      const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom == kTreeId && header->code == TVN_SELCHANGEDA) {
        const NMTREEVIEWA* change = reinterpret_cast<const NMTREEVIEWA*>(lParam);
        char label[64] = "";
        TVITEMA item = {};
        item.mask = TVIF_TEXT;
        item.hItem = change->itemNew.hItem;
        item.pszText = label;
        item.cchTextMax = sizeof label;
        SendMessageA(header->hwndFrom, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        std::snprintf(line, sizeof line, "selected %s", label);
        Say(line);
      }
      return FALSE;
    }
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
          std::snprintf(line, sizeof line, "closed with %d", LOWORD(wParam));
          Say(line);
          EndDialog(dialog, LOWORD(wParam));
          return TRUE;
        case kApplyId:
          Apply(dialog, *invocation);
          return TRUE;
        case kHelpId:
          Say("help");
          return TRUE;
        case kCopyCommand:
        case kApplyCommand:
          std::snprintf(line, sizeof line, "menu command %d", LOWORD(wParam));
          Say(line);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

// Reports the profile the browser would read: the first line of kxw.ini in the user's
// documents folder under Korvantix\KXW12.
void ReportProfile() {
  char path[MAX_PATH + 64] = "";
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, 0, path))) return;
  std::strcat(path, "\\Korvantix\\KXW12\\kxw.ini");
  char line[128] = "";
  if (FILE* file = std::fopen(path, "r")) {
    if (std::fgets(line, sizeof line, file) == nullptr) line[0] = '\0';
    std::fclose(file);
    line[std::strcspn(line, "\r\n")] = '\0';
    char report[256];
    std::snprintf(report, sizeof report, "profile %s", line);
    Say(report);
  } else {
    Say("no profile");
  }
}

// An empty dialog template: the controls are made at initialisation.
struct Template {
  DLGTEMPLATE header;
  WORD menu, windowClass, title;
};

}  // namespace

extern "C" {

int __stdcall InitPropertyBrowser(HWND page, UINT selectHandle, const char* selectName) {
  if (page == nullptr) return 0;
  char line[128];
  std::snprintf(line, sizeof line, "select %u \"%s\"", selectHandle,
                selectName != nullptr ? selectName : "(null)");
  Say(line);
  InitCommonControls();
  ReportProfile();
  Template t = {};
  t.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  t.header.cx = 420;
  t.header.cy = 200;
  Invocation invocation{page, false};
  DialogBoxIndirectParamA(GetModuleHandleA("NexelPropBrowser.dll"), &t.header, page, DialogProc,
                          reinterpret_cast<LPARAM>(&invocation));
  return 1;
}

int __stdcall ActivateDynamicUpdateInPropertyBrowser(int activate) {
  char line[64];
  std::snprintf(line, sizeof line, "dynamic update %d", activate);
  Say(line);
  return activate;
}

}  // extern "C"
