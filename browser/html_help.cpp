#include "browser/html_help.h"

#include "module/profile.h"

namespace npb {

namespace {

constexpr UINT kDisplayTopic = 0;  // the viewer's display-topic command

HtmlHelpFn LoadHtmlHelpEntry() {
  HMODULE library = ::LoadLibraryA(ChooseHtmlHelpLibrary(ReadHtmlHelpServerPath()));
  if (!library) return nullptr;
  return reinterpret_cast<HtmlHelpFn>(
      reinterpret_cast<void*>(::GetProcAddress(library, MAKEINTRESOURCEA(kHtmlHelpOrdinal))));
}

}  // namespace

CString HelpFilePathFor(const char* pszExePath) {
  const CString exe(pszExePath);
  return exe.Left(exe.ReverseFind('\\') + 1) + kHelpFileName;
}

CString HelpFilePath() { return HelpFilePathFor(GetAppName().c_str()); }

CString ReadHtmlHelpServerPath() {
  char value[MAX_PATH * 2] = {};
  LONG size = sizeof value;
  if (::RegQueryValueA(HKEY_CLASSES_ROOT, kHtmlHelpServerKey, value, &size) != ERROR_SUCCESS) return CString();
  value[sizeof value - 1] = '\0';
  // The value may name the system folder through an environment variable.
  char expanded[MAX_PATH * 2] = {};
  const DWORD length = ::ExpandEnvironmentStringsA(value, expanded, sizeof expanded);
  return CString(length > 0 && length <= sizeof expanded ? expanded : value);
}

CString ChooseHtmlHelpLibrary(const CString& strRegistered) {
  return strRegistered.IsEmpty() ? CString(kHtmlHelpDefaultLibrary) : strRegistered;
}

HtmlHelpFn GetHtmlHelpEntry() {
  static const HtmlHelpFn entry = LoadHtmlHelpEntry();
  return entry;
}

bool ShowHelpFile(HWND hOwner, const char* pszPath) {
  HtmlHelpFn entry = GetHtmlHelpEntry();
  if (!entry) return false;
  entry(hOwner, pszPath, kDisplayTopic, 0);
  return true;
}

}  // namespace npb
