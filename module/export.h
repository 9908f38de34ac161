// Marks the classes the host uses directly. The module itself is built with
// NPB_BUILDING_DLL; everything else (the static libraries' tests, tools) sees no decoration.
#pragma once

#if defined(_WIN32) && defined(NPB_BUILDING_DLL)
#define NPB_EXPORT __declspec(dllexport)
#else
#define NPB_EXPORT
#endif
