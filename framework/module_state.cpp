#include "framework/module_state.h"

#include "framework/window_class.h"

namespace {

HINSTANCE ModuleOfThisCode() {
  HMODULE h = nullptr;
  ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ModuleOfThisCode), &h);
  return h;
}

AFX_MODULE_STATE* g_pCurrentState = nullptr;

}  // namespace

AFX_MODULE_STATE* AfxGetStaticModuleState() {
  static AFX_MODULE_STATE state = [] {
    AFX_MODULE_STATE s;
    s.m_hCurrentInstanceHandle = s.m_hCurrentResourceHandle = ModuleOfThisCode();
    return s;
  }();
  return &state;
}

AFX_MODULE_STATE* AfxGetModuleState() {
  return g_pCurrentState ? g_pCurrentState : AfxGetStaticModuleState();
}

HINSTANCE AfxGetInstanceHandle() { return AfxGetModuleState()->m_hCurrentInstanceHandle; }
HINSTANCE AfxGetResourceHandle() { return AfxGetModuleState()->m_hCurrentResourceHandle; }
void AfxSetResourceHandle(HINSTANCE hResource) { AfxGetModuleState()->m_hCurrentResourceHandle = hResource; }
CWinApp* AfxGetApp() { return AfxGetModuleState()->m_pCurrentWinApp; }

AFX_MAINTAIN_STATE::AFX_MAINTAIN_STATE(AFX_MODULE_STATE* pNewState) : m_pPrevState(g_pCurrentState) {
  g_pCurrentState = pNewState;
}

AFX_MAINTAIN_STATE::~AFX_MAINTAIN_STATE() { g_pCurrentState = m_pPrevState; }

CWinApp::CWinApp(LPCSTR lpszModuleName) {
  m_hInstance = lpszModuleName ? ::GetModuleHandleA(lpszModuleName) : ModuleOfThisCode();
  if (!m_hInstance) m_hInstance = ModuleOfThisCode();
  AFX_MODULE_STATE* state = AfxGetStaticModuleState();
  state->m_hCurrentInstanceHandle = state->m_hCurrentResourceHandle = m_hInstance;
  state->m_pCurrentWinApp = this;
}

namespace {
bool g_bProcessEnding = false;
}

void AfxSetProcessEnding() { g_bProcessEnding = true; }
bool AfxIsProcessEnding() { return g_bProcessEnding; }

CWinApp::~CWinApp() {
  if (!AfxIsProcessEnding()) AfxUnregisterClasses();
  AFX_MODULE_STATE* state = AfxGetStaticModuleState();
  if (state->m_pCurrentWinApp == this) state->m_pCurrentWinApp = nullptr;
}

UINT AfxGetPropertyChangedMessage() {
  static const UINT message = ::RegisterWindowMessageA("AFX_WM_PROPERTY_CHANGED");
  return message;
}
