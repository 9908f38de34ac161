// A CTreeCtrlXML in a hidden top-level window, and the page text its tests load.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "tree/tree_ctrl_xml.h"

inline std::string Page(const std::string& objects) {
  return "<?xml version=\"1.0\" ?>\n<XML>\n<ObjectList>\n" + objects + "</ObjectList>\n</XML>\n";
}

// A page whose objects are nested as `levels` says, in document order: object i is named
// "o<i>" and sits at depth levels[i] (each level at most one below the one before).
inline std::string NestedPage(const std::vector<int>& levels) {
  std::string text;
  int open = 0;
  for (std::size_t i = 0; i < levels.size(); ++i) {
    for (; open > levels[i]; --open) text += "</Object>";
    text += "<Object Object_Name=\"o" + std::to_string(i) + "\">";
    ++open;
  }
  for (; open > 0; --open) text += "</Object>";
  return Page(text);
}

class TreeWindowTest : public testing::Test {
protected:
  void SetUp() override {
    HWND frame = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 400, nullptr, nullptr, nullptr, nullptr);
    parent_.Attach(frame);
    ASSERT_TRUE(tree_.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT, CRect(0, 0, 300, 400),
                             &parent_, 1001));
  }
  void TearDown() override {
    tree_.FreeItemData();
    tree_.DestroyWindow();
    DestroyWindow(parent_.Detach());
  }
  bool Load(std::string text, unsigned handle = 0, const char* name = nullptr) {
    return tree_.LoadXMLFromString(text.data(), handle, name);
  }
  std::vector<HTREEITEM> ItemsInOrder() {
    std::vector<HTREEITEM> items;
    for (HTREEITEM item = tree_.GetRootItem(); item; item = tree_.GetNextItem(item)) items.push_back(item);
    return items;
  }

  CWnd parent_;
  CTreeCtrlXML tree_;
};
