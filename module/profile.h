// The user's settings in the host's profile file "kxw.ini": where the file is, and the
// readers of its integers and texts. The module only reads the file.
#pragma once
#include <string>

namespace npb {

constexpr int kMaxProfilePath = 515;

// The profile path, empty until set. A null path or one of more than kMaxProfilePath
// characters is refused (false) and leaves the path unchanged.
const char* GetProfilePath();
bool SetProfilePath(const char* path);

// The user's documents folder followed by "\Korvantix\KXW12\", or, when the system
// gives no documents folder, the drive and directory of the host's executable.
// Computed on the first call and kept for the life of the process.
const std::string& GetUserProfileFolder();

// "kxw.ini".
const char* GetDefaultIniName();

// Full path of the host's executable, empty when it cannot be had.
std::string GetAppName();

// True when a file or folder of that name exists.
bool FileSystemObjectExists(const char* path);
bool FileExists(const char* path);

// The first existing candidate: the user folder's "kxw.ini", then the application
// folder's; empty when neither exists. Both folders end in a separator.
std::string ChooseProfilePath(const std::string& userFolder, const std::string& appFolder);

// Looks for the profile file once per process; later calls do nothing.
void InitProfilePath();

// Forgets the profile path and that it was looked for. For tests only.
void ResetProfileForTesting();

// Readers on the profile path; with an empty path they give the default. Names are
// matched without regard to case, as the system's private-profile reads do.
int ProfileGetInt(const char* section, const char* key, int defaultValue);
// Copies at most size - 1 characters and a terminator; returns the characters copied.
// A null default reads as empty text.
int ProfileGetString(const char* section, const char* key, const char* defaultValue,
                     char* buffer, int size);

// The settings the module reads.
enum class ProfileSetting { DefaultMeasurementUnit, SymbolFont, TextName, AssertOut, Assert };

struct ProfileSettingInfo {
  ProfileSetting setting;
  const char* section;
  const char* key;
  int defaultInt;           // integer settings
  const char* defaultText;  // text settings (null for integer ones)
  int textSize;             // characters the text may have, 0 for integer settings
};

const ProfileSettingInfo& GetProfileSettingInfo(ProfileSetting setting);
int ProfileGetInt(ProfileSetting setting);
int ProfileGetString(ProfileSetting setting, char* buffer, int size);

// Reads "Text Options" "Name" into the one module-wide buffer and returns it.
const char* ReadProfileTextName();

}  // namespace npb
