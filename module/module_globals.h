// Module-wide state shared by the entry points and the editors.
//
// One thread: everything in the module runs on the host's user-interface thread, inside the
// browser's modal loop or the host's direct calls of the exported classes. This state and the
// other module-wide statics (the name table, the grid's recorder statics, text metric caches)
// are plain memory, never locked; calling the module from another thread is not supported.
#pragma once
#include <windows.h>

// Non-zero while each committed change is to be sent to the host at once. Only the
// export that sets it writes it; it keeps its value across invocations.
extern int g_bDynamicUpdate;
// Where dialog templates, bitmaps, icons and strings are loaded from.
extern HINSTANCE g_hResourceInstance;
