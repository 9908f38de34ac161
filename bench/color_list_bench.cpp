// Opening a colour list of 200 scheme and column entries, from the host's answers to the
// first paint of the dropped list, against filling a plain owner-drawn list box with the
// same texts and painting it, in the same iterations. The "ratio" counter is colour list
// time over plain list time: what the host queries, the reading of the answers and the
// swatches cost on top of a list of names.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "module/host_library.h"
#include "editors/color_box.h"
#include "framework/gdi.h"
#include "framework/window_class.h"
#include "framework/wnd.h"
#include "host/pgobj_host.h"

namespace {

constexpr int kSchemes = 100;
constexpr int kColumns = 100;
constexpr UINT kBoxId = 2001;
constexpr UINT kPlainId = 2002;

// Draws the plain list's entries as a list of names draws them.
class Owner : public CWnd {
protected:
  void OnDrawItem(int, LPDRAWITEMSTRUCT lpDIS) override {
    if (lpDIS->itemID == static_cast<UINT>(-1)) return;
    char text[64] = "";
    ::SendMessageA(lpDIS->hwndItem, LB_GETTEXT, lpDIS->itemID, reinterpret_cast<LPARAM>(text));
    const bool selected = (lpDIS->itemState & ODS_SELECTED) != 0;
    ::SetBkColor(lpDIS->hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    ::SetTextColor(lpDIS->hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    ::ExtTextOutA(lpDIS->hDC, lpDIS->rcItem.left + 20, lpDIS->rcItem.top, ETO_OPAQUE | ETO_CLIPPED, &lpDIS->rcItem,
                  text, lstrlenA(text), nullptr);
  }
};

std::string Folder() {
  char temp[MAX_PATH] = "";
  ::GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + "npb_color_list_bench";
}

void WriteFile(const std::string& path, const std::string& text) {
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    std::fwrite(text.data(), 1, text.size(), out);
    std::fclose(out);
  }
}

// The host's answers: 100 schemes, 100 columns, no standard colours; and the same names.
std::vector<std::string> ServeAnswers() {
  std::vector<std::string> names;
  std::string schemes = "<XML><Root><SchemeTable>";
  for (int i = 0; i < kSchemes; ++i) {
    names.push_back("Scheme " + std::to_string(i));
    schemes += "<Scheme Name=\"" + names.back() + "\" Handle=\"" + std::to_string(i + 5) + "\"><SchemeList>";
    for (int c = 0; c < 4; ++c) schemes += "<Attribute value=\"" + std::to_string(i * 40503 + c * 7777) + "\"/>";
    schemes += "</SchemeList></Scheme>";
  }
  std::string columns = "<XML><Root><ColumnTable>";
  for (int i = 0; i < kColumns; ++i) {
    names.push_back("col(" + std::to_string(i + 1) + ")");
    columns += "<Scheme ColumnNo=\"" + std::to_string(i + 1) + "\" Name=\"" + names.back() + "\"><ColumnList>";
    for (int c = 0; c < 4; ++c) columns += "<Attribute Value=\"" + std::to_string(i * 30011 + c) + "\"/>";
    columns += "</ColumnList></Scheme>";
  }
  const std::string folder = Folder();
  ::CreateDirectoryA(folder.c_str(), nullptr);
  WriteFile(folder + "\\199-SEA_COLOR.xml", schemes + "</SchemeTable></Root></XML>");
  WriteFile(folder + "\\200-SEA_COLOR.xml", columns + "</ColumnTable></Root></XML>");
  WriteFile(folder + "\\192-SEA_COLOR.xml", "<XML><Root><standardOptions/></Root></XML>");
  HMODULE pgobj = ::LoadLibraryA("pgobj.dll");
  auto setFolder = reinterpret_cast<PgSetHostDataFolderFn>(
      reinterpret_cast<void*>(::GetProcAddress(pgobj, "PgSetHostDataFolder")));
  if (setFolder) setFolder(folder.c_str());
  return names;
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void BM_ColorList_OpenVersusPlainList(benchmark::State& state) {
  const std::vector<std::string> names = ServeAnswers();
  AfxRegisterClass("NpbColorListBenchOwner");
  Owner owner;
  owner.CreateEx(0, "NpbColorListBenchOwner", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 120), nullptr, 0);
  HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  double colorSeconds = 0, plainSeconds = 0;
  size_t entries = 0;
  for (auto _ : state) {
    LARGE_INTEGER t0, t1, t2, t3;
    ::QueryPerformanceCounter(&t0);
    CPBColorBox box;
    box.Create(CRect(10, 10, 210, 410), &owner, kBoxId);
    box.SetFont(font);
    box.FillFromHost("SEA_COLOR", "1", "5", "0");
    box.SelectEntry(0);
    box.ShowDropDown(TRUE);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    ::GetComboBoxInfo(box.m_hWnd, &info);
    ::UpdateWindow(info.hwndList);
    ::QueryPerformanceCounter(&t1);
    entries = static_cast<size_t>(box.GetCount());
    box.ShowDropDown(FALSE);
    box.DestroyWindow();

    ::QueryPerformanceCounter(&t2);
    RECT rect = {};
    ::GetWindowRect(info.hwndList ? info.hwndList : owner.m_hWnd, &rect);
    HWND list = ::CreateWindowExA(0, "LISTBOX", "",
                                  WS_POPUP | WS_BORDER | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                                  rect.left, rect.top, 200, rect.bottom - rect.top, owner.m_hWnd, nullptr,
                                  nullptr, nullptr);
    ::SetWindowLongPtrA(list, GWLP_ID, kPlainId);
    ::SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const std::string& name : names) ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    ::SendMessageA(list, LB_SETCURSEL, 0, 0);
    ::ShowWindow(list, SW_SHOWNOACTIVATE);
    ::UpdateWindow(list);
    ::QueryPerformanceCounter(&t3);
    ::DestroyWindow(list);
    colorSeconds += Seconds(t0, t1);
    plainSeconds += Seconds(t2, t3);
    state.SetIterationTime(Seconds(t0, t1));
  }
  owner.DestroyWindow();
  state.counters["entries"] = static_cast<double>(entries);
  state.counters["plain_ms"] = plainSeconds * 1000.0 / static_cast<double>(state.iterations());
  state.counters["ratio"] = plainSeconds > 0 ? colorSeconds / plainSeconds : 0;
}

}  // namespace

BENCHMARK(BM_ColorList_OpenVersusPlainList)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
