#include <gtest/gtest.h>

#include <string>

#include "module/path_split.h"

namespace npb {
namespace {

TEST(PathSplitTest, SplitsLikeTheRuntime) {
  const struct {
    const char* path;
    const char* drive;
    const char* dir;
    const char* fname;
    const char* ext;
  } cases[] = {
      {"C:\\Program Files\\Host\\host.exe", "C:", "\\Program Files\\Host\\", "host", ".exe"},
      {"C:host.exe", "C:", "", "host", ".exe"},
      {"\\\\server\\share\\kxw.ini", "", "\\\\server\\share\\", "kxw", ".ini"},
      {"d:/a/b.c/name", "d:", "/a/b.c/", "name", ""},
      {"archive.tar.gz", "", "", "archive.tar", ".gz"},
      {"C:\\dir\\", "C:", "\\dir\\", "", ""},
      {".profile", "", "", "", ".profile"},
      {"", "", "", "", ""},
      {nullptr, "", "", "", ""},
  };
  for (const auto& c : cases) {
    char drive[kDriveSize], dir[kDirSize], fname[kFileNameSize], ext[kExtensionSize];
    SplitPath(c.path, drive, dir, fname, ext);
    SCOPED_TRACE(c.path ? c.path : "(null)");
    EXPECT_STREQ(c.drive, drive);
    EXPECT_STREQ(c.dir, dir);
    EXPECT_STREQ(c.fname, fname);
    EXPECT_STREQ(c.ext, ext);
  }
}

TEST(PathSplitTest, CutsLongPartsToTheirBuffers) {
  const std::string longDir = "C:\\" + std::string(300, 'd') + "\\";
  const std::string path = longDir + std::string(300, 'f') + "." + std::string(300, 'e');
  // One spare byte past each buffer must stay untouched.
  char drive[kDriveSize + 1], dir[kDirSize + 1], fname[kFileNameSize + 1], ext[kExtensionSize + 1];
  drive[kDriveSize] = dir[kDirSize] = fname[kFileNameSize] = ext[kExtensionSize] = 'X';
  SplitPath(path.c_str(), drive, dir, fname, ext);
  EXPECT_EQ(longDir.substr(2, kDirSize - 1), dir);
  EXPECT_EQ(std::string(kFileNameSize - 1, 'f'), fname);
  EXPECT_EQ("." + std::string(kExtensionSize - 2, 'e'), ext);
  EXPECT_EQ('X', dir[kDirSize]);
  EXPECT_EQ('X', fname[kFileNameSize]);
  EXPECT_EQ('X', ext[kExtensionSize]);
}

TEST(PathSplitTest, GetPathJoinsDriveAndDirectory) {
  EXPECT_EQ("C:\\Program Files\\Host\\", GetPath("C:\\Program Files\\Host\\host.exe"));
  EXPECT_EQ("", GetPath("host.exe"));
  EXPECT_EQ("Z:/tmp/", GetPath("Z:/tmp/kxw.ini"));
  EXPECT_EQ("", GetPath(nullptr));
}

}  // namespace
}  // namespace npb
