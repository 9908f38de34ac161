#include "framework/window_class.h"

#include <commctrl.h>

#include <cstdio>
#include <set>
#include <string>

#include "framework/module_state.h"

namespace {

struct RegisteredClass {
  std::string name;
  HINSTANCE hInstance;
  bool operator<(const RegisteredClass& o) const {
    return hInstance != o.hInstance ? hInstance < o.hInstance : name < o.name;
  }
};

// Node-based so the names handed out by AfxRegisterWndClass stay valid.
std::set<RegisteredClass>& Registered() {
  static std::set<RegisteredClass> classes;
  return classes;
}

}  // namespace

bool AfxRegisterClass(LPCSTR lpszClassName, UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                      HICON hIcon) {
  if (!lpszClassName || !*lpszClassName) return false;
  HINSTANCE hInst = AfxGetInstanceHandle();
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof(existing);
  if (::GetClassInfoExA(hInst, lpszClassName, &existing)) return existing.lpfnWndProc == AfxWndProc;

  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.style = nClassStyle;
  wc.lpfnWndProc = AfxWndProc;
  wc.cbWndExtra = sizeof(void*);
  wc.hInstance = hInst;
  wc.hCursor = hCursor ? hCursor : ::LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = hbrBackground;
  wc.hIcon = hIcon;
  wc.lpszClassName = lpszClassName;
  if (!::RegisterClassExA(&wc)) return false;
  Registered().insert({lpszClassName, hInst});
  return true;
}

LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
  char name[96];
  std::snprintf(name, sizeof(name), "Npb:%p:%x:%p:%p:%p", static_cast<void*>(AfxGetInstanceHandle()),
                nClassStyle, static_cast<void*>(hCursor), static_cast<void*>(hbrBackground),
                static_cast<void*>(hIcon));
  if (!AfxRegisterClass(name, nClassStyle, hCursor, hbrBackground, hIcon)) return nullptr;
  auto it = Registered().find({name, AfxGetInstanceHandle()});
  return it == Registered().end() ? nullptr : it->name.c_str();
}

bool AfxIsFrameworkClass(LPCSTR lpszClassName) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  return lpszClassName && ::GetClassInfoExA(AfxGetInstanceHandle(), lpszClassName, &wc) &&
         wc.lpfnWndProc == AfxWndProc;
}

void AfxUnregisterClasses() {
  for (const RegisteredClass& c : Registered()) ::UnregisterClassA(c.name.c_str(), c.hInstance);
  Registered().clear();
}

void AfxInitCommonControls() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    return ::InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)done;
}
