// Module state: which module's instance and resources the framework uses right now. The
// module runs inside a host that has its own, so entry points switch to ours for their
// duration with AFX_MANAGE_STATE.
#pragma once

#include <windows.h>

class CWinApp;

struct AFX_MODULE_STATE {
  HINSTANCE m_hCurrentInstanceHandle = nullptr;
  HINSTANCE m_hCurrentResourceHandle = nullptr;
  CWinApp* m_pCurrentWinApp = nullptr;
};

// This module's own state; its handles default to the module holding this code.
AFX_MODULE_STATE* AfxGetStaticModuleState();
// The state in force now.
AFX_MODULE_STATE* AfxGetModuleState();

HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hResource);
CWinApp* AfxGetApp();

// Makes a state current for its scope and restores the previous one on every way out.
class AFX_MAINTAIN_STATE {
public:
  explicit AFX_MAINTAIN_STATE(AFX_MODULE_STATE* pNewState);
  ~AFX_MAINTAIN_STATE();
  AFX_MAINTAIN_STATE(const AFX_MAINTAIN_STATE&) = delete;
  AFX_MAINTAIN_STATE& operator=(const AFX_MAINTAIN_STATE&) = delete;

private:
  AFX_MODULE_STATE* m_pPrevState;
};

#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE npbManageState_(p)

// The module's application object: constructing it records the module's instance handle
// (and resource handle) in the static module state; destroying it unregisters the window
// classes the module registered.
class CWinApp {
public:
  // The module is found by file name when one is given, else as the module holding this code.
  explicit CWinApp(LPCSTR lpszModuleName = nullptr);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  HINSTANCE m_hInstance = nullptr;
};

// Set by a module's DllMain when the process is ending: then the system reclaims window
// classes itself, and window-system calls from the detach can hang.
void AfxSetProcessEnding();
bool AfxIsProcessEnding();

// The framework's registered property-changed message, sent by a grid to its owner.
UINT AfxGetPropertyChangedMessage();
#define AFX_WM_PROPERTY_CHANGED (AfxGetPropertyChangedMessage())
