#include "module/module_globals.h"

int g_bDynamicUpdate = 0;
HINSTANCE g_hResourceInstance = nullptr;
