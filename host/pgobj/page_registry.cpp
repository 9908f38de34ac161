#include "host/pgobj/page_registry.h"

#include <algorithm>

namespace pg {

PageRegistry& PageRegistry::Instance() {
  static PageRegistry registry;
  return registry;
}

void PageRegistry::Open(HWND window, std::unique_ptr<PageModel> model) {
  Close(window);
  m_pages.emplace_back(window, std::move(model));
}

void PageRegistry::Close(HWND window) {
  std::erase_if(m_pages, [window](const auto& page) { return page.first == window; });
}

PageModel* PageRegistry::Find(HWND window) {
  for (auto& [w, model] : m_pages)
    if (w == window) return model.get();
  return nullptr;
}

PageModel* PageRegistry::FindObject(int handle) {
  for (auto it = m_pages.rbegin(); it != m_pages.rend(); ++it)
    if (it->second->HasObject(handle)) return it->second.get();
  return nullptr;
}

void PageRegistry::SetListener(ChangeListener listener, void* context) {
  m_listener = listener;
  m_context = context;
}

void PageRegistry::Notify(HWND window, const char* document) const {
  if (m_listener) m_listener(window, document, m_context);
}

}  // namespace pg
