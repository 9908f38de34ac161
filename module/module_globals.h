// Module-wide state shared by the entry points and the editors.
#pragma once
#include <windows.h>

// Non-zero while each committed change is to be sent to the host at once. Only the
// export that sets it writes it; it keeps its value across invocations.
extern int g_bDynamicUpdate;
// Where dialog templates, bitmaps, icons and strings are loaded from.
extern HINSTANCE g_hResourceInstance;
