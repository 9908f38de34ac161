#include "module/profile.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <vector>

#include "module/path_split.h"

namespace npb {
namespace {

char g_profilePath[kMaxProfilePath + 1] = "";
bool g_profileLookedFor = false;

constexpr ProfileSettingInfo kSettings[] = {
    {ProfileSetting::DefaultMeasurementUnit, "PageW", "DefaultMeasurementUnit", 0, nullptr, 0},
    {ProfileSetting::SymbolFont, "Text Options", "SymbolFont", 0, "Symbol", 512},
    {ProfileSetting::TextName, "Text Options", "Name", 0, "", 2048},
    {ProfileSetting::AssertOut, "Development", "Assert.Out", 0, nullptr, 0},
    {ProfileSetting::Assert, "Development", "Assert", 0, nullptr, 0},
};

constexpr int kMaxAppNameBuffer = 1 << 16;  // beyond any path the system can give

}  // namespace

const char* GetProfilePath() { return g_profilePath; }

bool SetProfilePath(const char* path) {
  if (!path || std::strlen(path) > static_cast<std::size_t>(kMaxProfilePath)) return false;
  std::strcpy(g_profilePath, path);
  return true;
}

const std::string& GetUserProfileFolder() {
  static const std::string folder = [] {
    char documents[MAX_PATH] = "";
    if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents)))
      return std::string(documents) + "\\Korvantix\\KXW12\\";
    return GetPath(GetAppName().c_str());
  }();
  return folder;
}

const char* GetDefaultIniName() { return "kxw.ini"; }

std::string GetAppName() {
  // The call cuts the name to the buffer without saying so; a full buffer may mean a cut.
  for (DWORD size = 256; size <= kMaxAppNameBuffer; size *= 2) {
    std::vector<char> buffer(size);
    DWORD length = GetModuleFileNameA(nullptr, buffer.data(), size);
    if (length == 0) return {};
    if (length < size) return std::string(buffer.data(), length);
  }
  return {};
}

bool FileSystemObjectExists(const char* path) {
  return path && *path && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

bool FileExists(const char* path) { return FileSystemObjectExists(path); }

std::string ChooseProfilePath(const std::string& userFolder, const std::string& appFolder) {
  for (const std::string* folder : {&userFolder, &appFolder}) {
    std::string candidate = *folder + GetDefaultIniName();
    if (FileExists(candidate.c_str())) return candidate;
  }
  return {};
}

void InitProfilePath() {
  if (g_profileLookedFor) return;
  g_profileLookedFor = true;
  std::string found = ChooseProfilePath(GetUserProfileFolder(), GetPath(GetAppName().c_str()));
  SetProfilePath(found.c_str());
}

void ResetProfileForTesting() {
  g_profilePath[0] = '\0';
  g_profileLookedFor = false;
}

int ProfileGetInt(const char* section, const char* key, int defaultValue) {
  if (!section || !key || g_profilePath[0] == '\0') return defaultValue;
  return static_cast<int>(GetPrivateProfileIntA(section, key, defaultValue, g_profilePath));
}

int ProfileGetString(const char* section, const char* key, const char* defaultValue,
                     char* buffer, int size) {
  if (!buffer || size <= 0) return 0;
  if (!defaultValue) defaultValue = "";
  if (!section || !key || g_profilePath[0] == '\0') {
    std::size_t n = std::strlen(defaultValue);
    if (n > static_cast<std::size_t>(size - 1)) n = static_cast<std::size_t>(size - 1);
    std::memcpy(buffer, defaultValue, n);
    buffer[n] = '\0';
    return static_cast<int>(n);
  }
  return static_cast<int>(GetPrivateProfileStringA(section, key, defaultValue, buffer,
                                                   static_cast<DWORD>(size), g_profilePath));
}

const ProfileSettingInfo& GetProfileSettingInfo(ProfileSetting setting) {
  for (const ProfileSettingInfo& info : kSettings)
    if (info.setting == setting) return info;
  return kSettings[0];
}

int ProfileGetInt(ProfileSetting setting) {
  const ProfileSettingInfo& info = GetProfileSettingInfo(setting);
  return ProfileGetInt(info.section, info.key, info.defaultInt);
}

int ProfileGetString(ProfileSetting setting, char* buffer, int size) {
  const ProfileSettingInfo& info = GetProfileSettingInfo(setting);
  return ProfileGetString(info.section, info.key, info.defaultText, buffer, size);
}

const char* ReadProfileTextName() {
  static char name[2048];
  ProfileGetString(ProfileSetting::TextName, name, sizeof name);
  return name;
}

}  // namespace npb
