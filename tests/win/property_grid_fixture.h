// A property grid in a shown popup window, with a font of a known cell height, for the grid's
// control and paint tests. The popup records the property-changed messages the grid sends it.
#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "framework/gdi_objects.h"
#include "framework/module_state.h"
#include "framework/window_class.h"
#include "framework/wnd.h"
#include "grid/property_grid_ctrl.h"

namespace npb::gridtest {

// Cell height of the test font: rows are 10 pixels taller, the header 14.
constexpr int kFontHeight = 14;
constexpr int kRowHeight = kFontHeight + 10;
constexpr int kHeaderHeight = kRowHeight + 4;
constexpr UINT kGridId = 77;

class OwnerWindow : public CWnd {
public:
  std::vector<std::pair<WPARAM, LPARAM>> changes;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == AFX_WM_PROPERTY_CHANGED) {
      changes.emplace_back(wParam, lParam);
      return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

class GridWindow {
public:
  explicit GridWindow(int cx = 300, int cy = 400, DWORD dwStyle = 0) {
    AfxRegisterClass("NpbGridTestOwner");
    owner.CreateEx(0, "NpbGridTestOwner", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, cx + 40, cy + 40), nullptr, 0);
    font.Attach(::CreateFontA(kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, "Tahoma"));
    grid.Create(WS_CHILD | WS_VISIBLE | dwStyle, CRect(0, 0, cx, cy), &owner, kGridId);
    grid.SetFont(font);
  }

  // Runs the pending non-client and client paints, as showing the window does.
  void Paint() { grid.RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE); }

  // Resizes the grid to a client area of this size.
  void Resize(int cx, int cy) { grid.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOMOVE); }

  OwnerWindow owner;
  CFont font;
  CPropertyGridCtrl grid;
};

inline CPropertyGridProperty* ValueRow(const char* name, DWORD_PTR data = 0, const char* value = "v") {
  return new CPropertyGridProperty(name, COleVariant(value), nullptr, data);
}

// A group with value rows named name0, name1, ... and data codes data+1, data+2, ...
inline CPropertyGridProperty* GroupOf(const char* name, int nRows, DWORD_PTR data = 0) {
  auto* pGroup = new CPropertyGridProperty(CString(name), data);
  for (int i = 0; i < nRows; ++i) {
    CString strName;
    strName.Format("%s%d", name, i);
    pGroup->AddSubItem(new CPropertyGridProperty(strName, COleVariant("v"), nullptr, data + 1 + i));
  }
  return pGroup;
}

}  // namespace npb::gridtest
