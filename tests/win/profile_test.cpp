#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "module/path_split.h"
#include "module/profile.h"

namespace npb {
namespace {

// A fresh folder under the system's temporary folder, removed with what it holds.
class ScratchFolder {
 public:
  ScratchFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static int serial = 0;
    path_ = std::string(temp) + "npb_profile_" + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(++serial) + "\\";
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~ScratchFolder() {
    for (const std::string& entry : entries_)
      if (!DeleteFileA(entry.c_str())) RemoveDirectoryA(entry.c_str());
    RemoveDirectoryA(path_.c_str());
  }
  const std::string& Path() const { return path_; }
  // Writes a file, or makes a folder when `content` is null; returns its path.
  std::string Add(const char* name, const char* content, std::size_t size = std::string::npos) {
    std::string entry = path_ + name;
    if (!content) {
      CreateDirectoryA(entry.c_str(), nullptr);
    } else if (FILE* f = std::fopen(entry.c_str(), "wb")) {
      std::fwrite(content, 1, size == std::string::npos ? std::strlen(content) : size, f);
      std::fclose(f);
    }
    entries_.push_back(entry);
    return entry;
  }

 private:
  std::string path_;
  std::vector<std::string> entries_;
};

class ProfileTest : public testing::Test {
 protected:
  void SetUp() override { ResetProfileForTesting(); }
  void TearDown() override { ResetProfileForTesting(); }
};

std::string ReadText(ProfileSetting setting, int size = 64) {
  std::string buffer(static_cast<std::size_t>(size), '\0');
  int n = ProfileGetString(setting, buffer.data(), size);
  EXPECT_EQ(std::strlen(buffer.c_str()), static_cast<std::size_t>(n));
  return buffer.c_str();
}

void ExpectDefaults() {
  EXPECT_EQ(0, ProfileGetInt(ProfileSetting::DefaultMeasurementUnit));
  EXPECT_EQ(0, ProfileGetInt(ProfileSetting::AssertOut));
  EXPECT_EQ(0, ProfileGetInt(ProfileSetting::Assert));
  EXPECT_EQ("Symbol", ReadText(ProfileSetting::SymbolFont));
  EXPECT_EQ("", ReadText(ProfileSetting::TextName));
}

TEST_F(ProfileTest, EmptyPathGivesDefaults) {
  ExpectDefaults();
  char small[3];
  EXPECT_EQ(2, ProfileGetString(ProfileSetting::SymbolFont, small, sizeof small));
  EXPECT_STREQ("Sy", small);
  char buffer[8] = "x";
  EXPECT_EQ(0, ProfileGetString("Text Options", "Name", nullptr, buffer, sizeof buffer));
  EXPECT_STREQ("", buffer);
  EXPECT_EQ(0, ProfileGetString("Text Options", "Name", "abc", nullptr, 8));
  EXPECT_EQ(7, ProfileGetInt(nullptr, "Assert", 7));
}

TEST_F(ProfileTest, ReadsSettingsWithNamesInAnyCase) {
  ScratchFolder folder;
  std::string ini = folder.Add("kxw.ini",
                                 "[pagew]\r\ndefaultmeasurementunit=2\r\n"
                                 "[Text Options]\r\nSYMBOLFONT=Wingdings\r\nName=Courier New\r\n"
                                 "[Development]\r\nAssert.Out=13\r\nAssert=2\r\n");
  ASSERT_TRUE(SetProfilePath(ini.c_str()));
  EXPECT_EQ(2, ProfileGetInt(ProfileSetting::DefaultMeasurementUnit));
  EXPECT_EQ(13, ProfileGetInt(ProfileSetting::AssertOut));
  EXPECT_EQ(2, ProfileGetInt(ProfileSetting::Assert));
  EXPECT_EQ("Wingdings", ReadText(ProfileSetting::SymbolFont));
  EXPECT_STREQ("Courier New", ReadProfileTextName());
  EXPECT_EQ(5, ProfileGetInt("PageW", "NoSuchKey", 5));
}

TEST_F(ProfileTest, UnreadableProfilesGiveDefaults) {
  ScratchFolder folder;
  std::string noise;
  for (int i = 0; i < 4096; ++i) noise += static_cast<char>((i * 7919 + 13) & 0xFF);
  const std::string paths[] = {folder.Add("noise.ini", noise.data(), noise.size()),
                               folder.Add("kxw.ini", nullptr),
                               folder.Path() + "missing.ini"};
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    ASSERT_TRUE(SetProfilePath(path.c_str()));
    ExpectDefaults();
  }
}

TEST_F(ProfileTest, ChoosesUserFolderThenApplicationFolder) {
  const struct {
    bool inUser;
    bool inApp;
    bool userIsFolder;
    int expected;  // 0 none, 1 user, 2 application
  } cases[] = {
      {true, true, false, 1}, {false, true, false, 2}, {true, false, false, 1},
      {false, false, false, 0}, {true, true, true, 1},
  };
  for (const auto& c : cases) {
    ScratchFolder user, app;
    if (c.inUser) user.Add("kxw.ini", c.userIsFolder ? nullptr : "");
    if (c.inApp) app.Add("kxw.ini", "");
    const std::string expected[] = {"", user.Path() + "kxw.ini", app.Path() + "kxw.ini"};
    EXPECT_EQ(expected[c.expected], ChooseProfilePath(user.Path(), app.Path()));
  }
}

TEST_F(ProfileTest, RefusesPathsLongerThan515) {
  ASSERT_TRUE(SetProfilePath("C:\\kxw.ini"));
  const std::string limit(kMaxProfilePath, 'p');
  EXPECT_FALSE(SetProfilePath((limit + "p").c_str()));
  EXPECT_STREQ("C:\\kxw.ini", GetProfilePath());
  EXPECT_FALSE(SetProfilePath(nullptr));
  EXPECT_STREQ("C:\\kxw.ini", GetProfilePath());
  EXPECT_TRUE(SetProfilePath(limit.c_str()));
  EXPECT_EQ(limit, GetProfilePath());
}

TEST_F(ProfileTest, FindsFileBesideExecutableOncePerProcess) {
  const std::string appFolder = GetPath(GetAppName().c_str());
  ASSERT_NE("", appFolder);
  EXPECT_EQ("win_tests.exe", GetAppName().substr(appFolder.size()));
  const std::string& userFolder = GetUserProfileFolder();
  ASSERT_GE(userFolder.size(), 17u);
  EXPECT_EQ("\\Korvantix\\KXW12\\", userFolder.substr(userFolder.size() - 17));
  if (FileExists((userFolder + "kxw.ini").c_str())) GTEST_SKIP() << "a user profile exists";

  const std::string besideExe = appFolder + GetDefaultIniName();
  if (FILE* f = std::fopen(besideExe.c_str(), "wb")) {
    std::fputs("[PageW]\r\nDefaultMeasurementUnit=3\r\n", f);
    std::fclose(f);
  }
  InitProfilePath();
  DeleteFileA(besideExe.c_str());
  EXPECT_EQ(besideExe, GetProfilePath());
  InitProfilePath();  // a second dialog: no new search, the path stays
  EXPECT_EQ(besideExe, GetProfilePath());

  ResetProfileForTesting();
  InitProfilePath();
  EXPECT_STREQ("", GetProfilePath());
  ExpectDefaults();
}

}  // namespace
}  // namespace npb
