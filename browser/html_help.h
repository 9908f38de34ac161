// The Help button's viewer: the help file "Npb.chm" beside the host's executable, shown
// through the HTML Help control, which is found through the registry (else by its usual
// file name) and loaded on first use. When it cannot be found, help stays unavailable for
// the rest of the process.
#pragma once

#include <windows.h>

#include "framework/afx_string.h"

namespace npb {

// The help file's name and the control's class id.
constexpr char kHelpFileName[] = "Npb.chm";
constexpr char kHtmlHelpServerKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr char kHtmlHelpDefaultLibrary[] = "hhctrl.ocx";
constexpr WORD kHtmlHelpOrdinal = 14;

using HtmlHelpFn = HWND(WINAPI*)(HWND hwndCaller, LPCSTR pszFile, UINT uCommand, DWORD_PTR dwData);

// The help file in the directory of the executable at pszExePath: the path up to and
// including its last backslash, then the file name (just the file name without one).
CString HelpFilePathFor(const char* pszExePath);
// The help file beside the running executable.
CString HelpFilePath();

// The default value of the control's server key under the classes root; empty when absent.
CString ReadHtmlHelpServerPath();
// The library to load: the registered server when there is one, else "hhctrl.ocx".
CString ChooseHtmlHelpLibrary(const CString& strRegistered);

// The viewer's entry point, looked up on the first call only; null when that failed.
HtmlHelpFn GetHtmlHelpEntry();

// Shows the file's default topic, owned by hOwner (may be null). False when the viewer
// is unavailable.
bool ShowHelpFile(HWND hOwner, const char* pszPath);

}  // namespace npb
