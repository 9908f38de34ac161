// A tree and a grid linked as the browser dialog links them, in a hidden frame window that
// records the notices sent to it, with the page library and its listener.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "grid/property_grid_ctrl.h"
#include "recorder/attribute_names.h"
#include "tests/win/page_library.h"
#include "tree/tree_ctrl_xml.h"

namespace gridtest {

struct FrameMessage {
  UINT message;
  WPARAM wParam;
  std::string text;  // lParam read as a zero-terminated text
};

inline std::vector<FrameMessage>& FrameMessages() {
  static std::vector<FrameMessage> messages;
  return messages;
}

inline LRESULT CALLBACK FrameProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= 0x600 && message < 0x700) {
    FrameMessages().push_back({message, wParam, lParam ? reinterpret_cast<const char*>(lParam) : ""});
    return 0;
  }
  return DefWindowProcA(hWnd, message, wParam, lParam);
}

inline std::string Page(const std::string& objects) {
  return "<?xml version=\"1.0\" ?>\n<XML>\n<ObjectList>\n" + objects + "</ObjectList>\n</XML>\n";
}

// One "Attribute" element; empty texts are left out.
inline std::string Attr(const std::string& name, const std::string& value, const std::string& more = "") {
  return "<Attribute ID=\"1\" Name=\"" + name + "\" Label=\"L " + name + "\" DataType=\"Integer\" AttrValue=\"" + value +
         "\" " + more + " />\n";
}

class GridWithTree : public testing::Test {
protected:
  static inline const HWND kPage = reinterpret_cast<HWND>(0x4321);

  void SetUp() override {
    ASSERT_TRUE(m_lib.Loaded());
    npb::FillAttributeNameMap();
    FrameMessages().clear();

    WNDCLASSA wc{};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "GridFillingTestFrame";
    RegisterClassA(&wc);
    HWND frame =
        CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 700, 500, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(frame, nullptr);
    m_frame.Attach(frame);
    ASSERT_TRUE(m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(0, 0, 300, 500), &m_frame, 1001));
    ASSERT_TRUE(m_grid.Create(WS_CHILD | WS_VISIBLE, CRect(300, 0, 700, 500), &m_frame, 1003));
    m_tree.SetPGCtrl(&m_grid);
    m_grid.SetTreeCtrl(&m_tree);
    m_grid.SetWndHandle(kPage);
    m_grid.SetXmlArrayCount(2);
  }

  void TearDown() override {
    m_grid.DestroyWindow();
    m_tree.FreeItemData();
    m_tree.DestroyWindow();
    if (HWND frame = m_frame.Detach()) DestroyWindow(frame);
  }

  // Replaces the page, rows first since they point into the old document. The host's
  // model gets the page too, so it knows the objects' handles.
  bool Reload(const std::string& text) {
    m_grid.RemoveAll();
    m_tree.FreeItemData();
    m_tree.DeleteAllItems();
    m_lib.OpenText(kPage, text);
    std::string copy = text;
    return m_tree.LoadXMLFromString(copy.data(), 0, nullptr);
  }

  // Selects the item and builds its rows, as the dialog does on a selection change.
  CPropertyGridProperty* Show(HTREEITEM item) {
    m_tree.SelectItem(item);
    m_tree.UpdatePropGridCtrl(item);
    return m_grid.GetProperty(0);
  }

  // Runs what was posted, such as the dialogs a list opens once its own messages are over.
  static void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }

  // The documents sent to the page library, in order.
  std::vector<std::string>& Sent() { return m_lib.heard.documents; }

  // First, so that it is loaded before anything binds the library by its bare name and
  // unloaded after the windows have gone.
  pgtest::PageLibrary m_lib;
  CWnd m_frame;
  CTreeCtrlXML m_tree;
  CPropertyGridCtrl m_grid;
};

}  // namespace gridtest
