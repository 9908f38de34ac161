// Registration of the module's own window classes: each routes its messages to the CWnd
// object passed at creation, kept in the class's extra bytes.
#pragma once

#include <windows.h>

// The window procedure of every class registered here.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers a named class in the current module; true also when it is already registered.
bool AfxRegisterClass(LPCSTR lpszClassName, UINT nClassStyle = CS_DBLCLKS, HCURSOR hCursor = nullptr,
                      HBRUSH hbrBackground = nullptr, HICON hIcon = nullptr);
// Registers (once) a class with a generated name for this combination; null on failure.
LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                           HICON hIcon = nullptr);
// True when windows of this class name are routed through AfxWndProc.
bool AfxIsFrameworkClass(LPCSTR lpszClassName);
// Unregisters every class registered above; a module must do so before it unloads.
void AfxUnregisterClasses();

// Makes sure the common controls' window classes exist before they are created.
void AfxInitCommonControls();
