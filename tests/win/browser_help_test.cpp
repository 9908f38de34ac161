// The Help button's file and viewer: where the file is looked for, the file the build
// installs, and how the viewer library is found.
#include "browser/html_help.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

namespace npb {
namespace {

TEST(BrowserHelp, FileIsLookedForInTheExecutablesDirectory) {
  const struct {
    const char* exe;
    const char* help;
  } cases[] = {
      {"C:\\Program Files\\KXW\\kxw-host.exe", "C:\\Program Files\\KXW\\Npb.chm"},
      {"\\\\server\\share\\kxw.exe", "\\\\server\\share\\Npb.chm"},
      {"kxw.exe", "Npb.chm"},
      {"Z:/tmp/kxw.exe", "Npb.chm"},  // only a backslash ends the directory
      {nullptr, "Npb.chm"},
  };
  for (const auto& c : cases) EXPECT_STREQ(HelpFilePathFor(c.exe), c.help) << (c.exe ? c.exe : "(null)");
}

TEST(BrowserHelp, BuildInstallsACompiledHelpFileWithEveryPage) {
  std::ifstream in(NPB_BIN_DIR "/Npb.chm", std::ios::binary);
  ASSERT_TRUE(in) << "Npb.chm missing beside the host program";
  const std::string chm((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GT(chm.size(), 0x60u);
  EXPECT_EQ(chm.substr(0, 4), "ITSF");
  EXPECT_EQ(chm[4], 3) << "format version";
  for (const char* page : {"/index.html", "/tree.html", "/grid.html", "/rows.html", "/apply.html", "/#SYSTEM"})
    EXPECT_NE(chm.find(page), std::string::npos) << page;
}

// Points the classes root at a scratch key for its life, so the control's registration
// can be faked without touching the real one.
class FakeClassesRoot {
public:
  FakeClassesRoot() {
    RegCreateKeyA(HKEY_CURRENT_USER, kScratch, &m_root);
    RegOverridePredefKey(HKEY_CLASSES_ROOT, m_root);
  }
  ~FakeClassesRoot() {
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    RegCloseKey(m_root);
    RegDeleteTreeA(HKEY_CURRENT_USER, kScratch);
  }
  void RegisterServer(const char* path) {
    RegSetValueA(m_root, kHtmlHelpServerKey, REG_SZ, path, static_cast<DWORD>(strlen(path)));
  }

private:
  static constexpr char kScratch[] = "Software\\NpbTests\\Classes";
  HKEY m_root = nullptr;
};

TEST(BrowserHelp, ViewerLibraryComesFromTheRegistryElseItsUsualName) {
  FakeClassesRoot classes;
  EXPECT_STREQ(ChooseHtmlHelpLibrary(ReadHtmlHelpServerPath()), "hhctrl.ocx");
  classes.RegisterServer("C:\\Viewer\\viewer.ocx");
  EXPECT_STREQ(ChooseHtmlHelpLibrary(ReadHtmlHelpServerPath()), "C:\\Viewer\\viewer.ocx");
  classes.RegisterServer("%SystemRoot%\\viewer.ocx");
  EXPECT_EQ(ReadHtmlHelpServerPath().Find('%'), -1) << "the system folder is spelled out";
}

TEST(BrowserHelp, EntryPointIsTheViewersAnsiFunctionAndIsFoundOnce) {
  HtmlHelpFn entry = GetHtmlHelpEntry();
  ASSERT_NE(entry, nullptr) << "the system's HTML Help control was not found";
  HMODULE library = GetModuleHandleA(ChooseHtmlHelpLibrary(ReadHtmlHelpServerPath()));
  ASSERT_NE(library, nullptr);
  EXPECT_EQ(reinterpret_cast<void*>(entry), reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpA")));

  FakeClassesRoot classes;
  classes.RegisterServer("C:\\nowhere\\missing.ocx");
  EXPECT_EQ(GetHtmlHelpEntry(), entry) << "looked up once per process";
}

}  // namespace
}  // namespace npb
