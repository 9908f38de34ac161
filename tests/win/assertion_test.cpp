#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "module/assertion.h"
#include "module/profile.h"

namespace npb {
namespace {

// Every system call a report makes, as one line each.
std::vector<std::string> g_calls;

const AssertionHooks kRecordingHooks = {
    [](const char* text, const char* caption, unsigned style) {
      g_calls.push_back(std::string("box ") + caption + " | " + text +
                        ((style & MB_ICONSTOP) && (style & MB_SYSTEMMODAL) ? " | stop system" : ""));
      return IDOK;
    },
    [](const char* text) { g_calls.push_back(std::string("debug ") + text); },
    [](const char* message) { g_calls.push_back(std::string("end ") + message); },
    [] { g_calls.push_back("break"); },
};

class AssertionTest : public testing::Test {
 protected:
  void SetUp() override {
    InitProfilePath();  // so that a report does not look for the file itself
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    ini_ = std::string(temp) + "npb_assertion_" + std::to_string(GetCurrentProcessId()) + ".ini";
    previous_ = SetAssertionHooks(kRecordingHooks);
    g_calls.clear();
  }
  void TearDown() override {
    SetAssertionHooks(previous_);
    DeleteFileA(ini_.c_str());
    ResetProfileForTesting();
    ResetAssertionSettingsForTesting();
  }
  void UseSettings(int output, int after) {
    if (FILE* f = std::fopen(ini_.c_str(), "wb")) {
      std::fprintf(f, "[Development]\r\nAssert.Out=%d\r\nAssert=%d\r\n", output, after);
      std::fclose(f);
    }
    SetProfilePath(ini_.c_str());
    ResetAssertionSettingsForTesting();
  }

  std::string ini_;
  AssertionHooks previous_{};
};

TEST(AssertionTextTest, JoinsSourceLineAndMessage) {
  EXPECT_EQ("propertygridctrl(1234): Unanticipated return from prompt",
            FormatAssertionText("Unanticipated return from prompt", "propertygridctrl", 1234));
  EXPECT_EQ("PropertyRecorder(0): ", FormatAssertionText(nullptr, "PropertyRecorder", 0));
  EXPECT_EQ("(4294967295): x", FormatAssertionText("x", nullptr, 4294967295ul));
}

TEST_F(AssertionTest, DevelopmentSettingsChooseTheOutput) {
  const std::string box = "box Assertion Failed | f(7): m | stop system";
  const std::string debug = "debug Assertion Failed: f(7): m\n";
  const struct {
    int output;
    int after;
    std::vector<std::string> calls;
  } cases[] = {
      {0, 0, {box}},
      {13, 1, {}},
      {13, 2, {}},
      {1, 0, {debug}},
      {0, 1, {box, "end Assertion Failed"}},
      {1, 2, {debug, "break"}},
      {5, 3, {box}},
  };
  for (const auto& c : cases) {
    UseSettings(c.output, c.after);
    g_calls.clear();
    ReportAssertion("m", "f", 7);
    EXPECT_EQ(c.calls, g_calls) << "Assert.Out=" << c.output << " Assert=" << c.after;
  }
}

TEST_F(AssertionTest, SettingsAreReadOnceUntilReset) {
  UseSettings(13, 0);
  ReportAssertion("m", "f", 1);
  if (FILE* f = std::fopen(ini_.c_str(), "wb")) {
    std::fputs("[Development]\r\nAssert.Out=0\r\n", f);
    std::fclose(f);
  }
  ReportAssertion("m", "f", 2);
  EXPECT_TRUE(g_calls.empty());
  ResetAssertionSettingsForTesting();
  ReportAssertion("m", "f", 3);
  EXPECT_EQ(1u, g_calls.size());
}

}  // namespace
}  // namespace npb
