// The page models the library keeps, one per page window, and the listener the host
// program registers for the change documents the browser sends.
#pragma once
#include <windows.h>

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "host/page_model.h"

namespace pg {

using ChangeListener = void(__stdcall*)(HWND page, const char* document, void* context);

class PageRegistry {
 public:
  static PageRegistry& Instance();

  // Makes `model` the page of `window`, replacing any earlier one; it becomes the most
  // recently opened page.
  void Open(HWND window, std::unique_ptr<PageModel> model);
  void Close(HWND window);
  PageModel* Find(HWND window);
  // The page that has an object with this handle, most recently opened first.
  PageModel* FindObject(int handle);

  void SetListener(ChangeListener listener, void* context);
  void Notify(HWND window, const char* document) const;

 private:
  std::vector<std::pair<HWND, std::unique_ptr<PageModel>>> m_pages;  // oldest first
  ChangeListener m_listener = nullptr;
  void* m_context = nullptr;
};

}  // namespace pg
