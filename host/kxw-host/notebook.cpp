#include "host/kxw-host/notebook.h"

#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "host/kxw-host/browser_classes.h"

namespace kxwhost {
namespace {

constexpr const char* kClassName = "KxwHostNotebook";
constexpr int kTreeId = 1001;
constexpr int kGridId = 1003;
constexpr int kTreeWidth = 200;
// What the module's rows send to the frame they sit in.
constexpr UINT kMsgButtonClicked = 0x62B;
constexpr UINT kMsgObjectChanged = 0x62C;
constexpr UINT kMsgValueChanged = 0x62F;

// The sample notebook: records the host would hold for its items.
struct SampleRecords {
  DataCon dataCon{"Sales link"};
  ExConnectionInfo source{"Sales DB", "DSN=Sales;UID=kxw", "SELECT * FROM Orders", 1, -1, 3, 0, 2};
  QuickTransform transforms{2, 0, "Normalize", "Degrees", "Automatic"};
};

struct Item {
  const char* label;
  const char* view;  // --notebook name; null for the notebook itself
  int level;
  std::function<void(const BrowserClasses&, CTreeCtrlXML*, SampleRecords&)> show;
};

const std::vector<Item>& Items() {
  static const std::vector<Item> items = {
      {"Notebook1", nullptr, 0, nullptr},
      {"Book1", "worksheet", 1, [](auto& c, auto* t, auto&) { c.showWorksheet(t); }},
      {"Sales link", "datacon", 1, [](auto& c, auto* t, auto& r) { c.showDataCon(t, &r.dataCon); }},
      {"Sales DB", "datasource", 2, [](auto& c, auto* t, auto& r) { c.showDataSource(t, &r.source); }},
      {"Quick Transforms", "quicktransformmain", 1,
       [](auto& c, auto* t, auto& r) { c.showQuickTransformMain(t, &r.transforms); }},
      {"Normalize", "quicktransform", 2, [](auto& c, auto* t, auto& r) { c.showQuickTransform(t, &r.transforms); }},
      {"Report1", "report", 1, [](auto& c, auto* t, auto&) { c.showReport(t); }},
      {"Macro1", "macro", 1, [](auto& c, auto* t, auto&) { c.showMacro(t); }},
  };
  return items;
}

// Everything behind one window, held by a window property.
struct Notebook {
  BrowserClasses* classes = nullptr;
  CTreeCtrlXML* tree = nullptr;  // the module's tree object, for its views; no window of its own
  CPropertyGridCtrl* grid = nullptr;
  HWND treeWindow = nullptr;
  SampleRecords records;
};

constexpr const char* kProperty = "KxwHostNotebook";

Notebook* NotebookOf(HWND window) { return static_cast<Notebook*>(GetPropA(window, kProperty)); }

// The notebook itself: summary rows of the host's own, and one row of each kind the module
// hands out for the host's grids.
void ShowNotebookSummary(Notebook& nb) {
  const BrowserClasses& c = *nb.classes;
  c.removeAll(nb.grid);
  c.summaryRow(nb.grid, "Notebook", "Notebook1", "The notebook's name", 9012, TRUE);
  c.summaryRow(nb.grid, "Comment", "Sample notebook", "", 9013, TRUE);
  c.summaryRow(nb.grid, "Items", std::to_string(Items().size() - 1).c_str(), "", 9014, TRUE);
  if (CPropertyGridProperty* group = c.getPGP()) {
    if (c.addProperty(nb.grid, group, TRUE, TRUE) < 0) delete group;
  }
  if (CPropertyGridProperty* color = c.getPGCP()) {
    if (c.addProperty(nb.grid, color, TRUE, TRUE) < 0) delete color;
  }
}

void Show(Notebook& nb, size_t index) {
  if (index >= Items().size()) return;
  const Item& item = Items()[index];
  if (item.show) {
    item.show(*nb.classes, nb.tree, nb.records);
  } else {
    ShowNotebookSummary(nb);
  }
}

void Report(const char* what, WPARAM wParam, LPARAM lParam) {
  if (lParam != 0) {
    std::printf("notebook: %s %u \"%s\"\n", what, static_cast<unsigned>(wParam), reinterpret_cast<const char*>(lParam));
  } else {
    std::printf("notebook: %s %u\n", what, static_cast<unsigned>(wParam));
  }
  std::fflush(stdout);
}

void Layout(HWND window) {
  Notebook* nb = NotebookOf(window);
  if (nb == nullptr || nb->grid == nullptr) return;
  RECT client;
  GetClientRect(window, &client);
  MoveWindow(nb->treeWindow, 0, 0, kTreeWidth, client.bottom, TRUE);
  MoveWindow(nb->grid->m_hWnd, kTreeWidth + 4, 0, client.right - kTreeWidth - 4, client.bottom, TRUE);
}

void PrintChildren(HWND window, HDC dc, LPARAM flags) {
  RECT frame;
  GetWindowRect(window, &frame);
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT rect;
    GetWindowRect(child, &rect);
    POINT origin;
    OffsetViewportOrgEx(dc, rect.left - frame.left, rect.top - frame.top, &origin);
    SendMessageA(child, WM_PRINT, reinterpret_cast<WPARAM>(dc), flags | PRF_NONCLIENT | PRF_CLIENT);
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
  }
}

LRESULT CALLBACK NotebookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMTREEVIEWA*>(lParam);
      Notebook* nb = NotebookOf(window);
      if (nb != nullptr && header->hdr.idFrom == kTreeId && header->hdr.code == TVN_SELCHANGEDA) {
        Show(*nb, static_cast<size_t>(header->itemNew.lParam));
      }
      break;
    }
    case WM_SIZE:
      Layout(window);
      return 0;
    case WM_PRINT:
      // A snapshot prints the window: the system draws the frame and background, the
      // children each print themselves at their places.
      DefWindowProcA(window, message, wParam, lParam & ~PRF_CHILDREN);
      if (lParam & PRF_CHILDREN) PrintChildren(window, reinterpret_cast<HDC>(wParam), lParam);
      return 0;
    case kMsgButtonClicked:
      Report("button", wParam, lParam);
      return 0;
    case kMsgObjectChanged:
      Report("changed", wParam, lParam);
      return 0;
    case kMsgValueChanged:
      Report("value", wParam, lParam);
      return 0;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      if (Notebook* nb = NotebookOf(window)) {
        // The grid's window goes first: it deletes its rows while the objects still exist.
        if (nb->grid != nullptr && nb->grid->m_hWnd != nullptr) DestroyWindow(nb->grid->m_hWnd);
      }
      PostQuitMessage(0);
      break;
    case WM_NCDESTROY:
      if (Notebook* nb = NotebookOf(window)) {
        nb->tree->SetPGCtrl(nullptr);
        nb->classes->DeleteGrid(nb->grid);
        nb->classes->DeleteTree(nb->tree);
        delete nb;
      }
      RemovePropA(window, kProperty);
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterNotebookClass() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = NotebookProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kClassName;
  return RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND FillTree(HWND treeWindow, const std::string& view) {
  std::vector<HTREEITEM> parents;
  HTREEITEM wanted = nullptr;
  for (size_t i = 0; i < Items().size(); ++i) {
    const Item& item = Items()[i];
    parents.resize(item.level);
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parents.empty() ? TVI_ROOT : parents.back();
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_STATE;
    insert.item.state = insert.item.stateMask = TVIS_EXPANDED;
    insert.item.pszText = const_cast<char*>(item.label);
    insert.item.lParam = static_cast<LPARAM>(i);
    HTREEITEM handle = reinterpret_cast<HTREEITEM>(
        SendMessageA(treeWindow, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    parents.push_back(handle);
    if (item.view != nullptr && view == item.view) wanted = handle;
  }
  SendMessageA(treeWindow, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(wanted));
  return treeWindow;
}

}  // namespace

bool IsNotebookView(const std::string& name) {
  for (const Item& item : Items()) {
    if (item.view != nullptr && name == item.view) return true;
  }
  return false;
}

const char* NotebookViewNames() {
  return "worksheet, datacon, datasource, quicktransformmain, quicktransform, report, macro";
}

HWND OpenNotebookWindow(BrowserClasses& classes, const std::string& view, std::string& error) {
  if (!classes.BindNotebook(error)) return nullptr;
  if (!RegisterNotebookClass()) {
    error = "cannot register the notebook window class";
    return nullptr;
  }
  HWND window = CreateWindowExA(0, kClassName, "kxw-host - notebook", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40,
                                40, 640, 400, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (window == nullptr) {
    error = "cannot create the notebook window";
    return nullptr;
  }
  auto nb = std::make_unique<Notebook>();
  nb->classes = &classes;
  nb->treeWindow = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
                                       TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                                   0, 0, kTreeWidth, 360, window, reinterpret_cast<HMENU>(kTreeId),
                                   GetModuleHandleA(nullptr), nullptr);
  nb->tree = classes.NewTree();
  nb->grid = classes.NewGrid();
  const RECT rect = {kTreeWidth + 4, 0, 620, 360};
  if (nb->treeWindow == nullptr || nb->tree == nullptr || nb->grid == nullptr ||
      !classes.createGrid(nb->grid, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, rect, window, kGridId)) {
    error = "cannot create the notebook's tree and grid";
    classes.DeleteGrid(nb->grid);
    classes.DeleteTree(nb->tree);
    DestroyWindow(window);
    return nullptr;
  }
  classes.enableDescriptionArea(nb->grid, TRUE);
  nb->tree->SetPGCtrl(nb->grid);
  SetPropA(window, kProperty, nb.release());
  Layout(window);
  FillTree(NotebookOf(window)->treeWindow, view);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  return window;
}

void CloseNotebookWindow(HWND window) {
  if (IsWindow(window)) DestroyWindow(window);
}

}  // namespace kxwhost
