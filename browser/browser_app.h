// The module object: constructed when the module loads, it records where this module's
// resources come from.
#pragma once
#include "framework/module_state.h"

class CNexelPropBrowserApp : public CWinApp {
public:
  CNexelPropBrowserApp();
  ~CNexelPropBrowserApp() override;
};
