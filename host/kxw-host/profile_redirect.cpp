#include "host/kxw-host/profile_redirect.h"


namespace kxwhost {
namespace {

constexpr const char* kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
// The folders below the documents folder where the browser looks for its profile.
constexpr const char* kProfileFolders[] = {"\\Documents", "\\Documents\\Korvantix",
                                           "\\Documents\\Korvantix\\KXW12"};

bool CreateVolatileKey(HKEY parent, const std::string& name, HKEY& key) {
  return RegCreateKeyExA(parent, name.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                         nullptr, &key, nullptr) == ERROR_SUCCESS;
}

// The shell opens (creating when missing) both folder keys; a non-volatile key cannot be
// created below a volatile one, so both are made here, volatile.
bool WriteShellFolders(HKEY root, const std::string& documents) {
  HKEY cache = nullptr;
  HKEY user = nullptr;
  const std::string base = kShellFolders;
  bool ok = CreateVolatileKey(root, base + "\\Shell Folders", cache) &&
            CreateVolatileKey(root, base + "\\User Shell Folders", user) &&
            RegSetValueExA(user, "Personal", 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(documents.c_str()),
                           static_cast<DWORD>(documents.size() + 1)) == ERROR_SUCCESS;
  if (cache != nullptr) RegCloseKey(cache);
  if (user != nullptr) RegCloseKey(user);
  return ok;
}

}  // namespace

bool ProfileRedirect::Install(const std::string& iniFile, std::string& error) {
  if (GetFileAttributesA(iniFile.c_str()) == INVALID_FILE_ATTRIBUTES) {
    error = "--profile: no such file: " + iniFile;
    return false;
  }
  char temp[MAX_PATH] = "";
  if (GetTempPathA(sizeof temp, temp) == 0) {
    error = "--profile: no temporary folder";
    return false;
  }
  const DWORD pid = GetCurrentProcessId();
  root_ = std::string(temp) + "kxw-host-" + std::to_string(pid);
  documents_ = root_ + kProfileFolders[0];
  bool ok = CreateDirectoryA(root_.c_str(), nullptr) != FALSE;
  for (const char* folder : kProfileFolders) {
    ok = ok && CreateDirectoryA((root_ + folder).c_str(), nullptr) != FALSE;
  }
  const std::string target = root_ + kProfileFolders[2] + "\\kxw.ini";
  ok = ok && CopyFileA(iniFile.c_str(), target.c_str(), TRUE) != FALSE;
  keyName_ = "Software\\kxw-host-profile-" + std::to_string(pid);
  ok = ok && CreateVolatileKey(HKEY_CURRENT_USER, keyName_, key_) &&
       WriteShellFolders(key_, documents_) &&
       RegOverridePredefKey(HKEY_CURRENT_USER, key_) == ERROR_SUCCESS;
  overridden_ = ok;
  if (!ok) {
    error = "--profile: cannot set up a private documents folder in " + root_;
    Undo();
  }
  return ok;
}

void ProfileRedirect::Undo() {
  if (overridden_) RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
  overridden_ = false;
  if (key_ != nullptr) {
    RegCloseKey(key_);
    RegDeleteTreeA(HKEY_CURRENT_USER, keyName_.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, keyName_.c_str());
    key_ = nullptr;
  }
  if (root_.empty()) return;
  DeleteFileA((root_ + kProfileFolders[2] + "\\kxw.ini").c_str());
  for (int i = 2; i >= 0; --i) RemoveDirectoryA((root_ + kProfileFolders[i]).c_str());
  RemoveDirectoryA(root_.c_str());
  root_.clear();
  documents_.clear();
}

}  // namespace kxwhost
