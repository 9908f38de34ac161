#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/win/page_library.h"

namespace {

class PageLibrary : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_lib.Loaded()); }

  template <typename Fn>
  Fn At(pgobj::Ordinal ordinal) {
    return m_lib.At<Fn>(ordinal);
  }

  // The description as the browser fetches it: count, pieces, join, free.
  std::string FetchDescription(HWND page) {
    const int count = At<pgobj::GetPageChunkCountFn>(pgobj::kGetPageChunkCount)(page) + 2;
    EXPECT_LE(count, pgobj::kMaxPieces);
    std::vector<char*> pieces(static_cast<size_t>(count), nullptr);
    EXPECT_EQ(At<pgobj::GetPageDescriptionChunksFn>(pgobj::kGetPageDescriptionChunks)(page, pieces.data()), count);
    std::string text;
    for (char* piece : pieces) {
      EXPECT_NE(piece, nullptr);
      if (piece) text += piece;
      std::free(piece);  // the browser's C runtime frees what the library allocated
    }
    return text;
  }

  std::string Saved(HWND page) {
    char path[MAX_PATH], dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    GetTempFileNameA(dir, "pg", 0, path);
    EXPECT_EQ(m_lib.Save(page, path), 1);
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    in.close();
    DeleteFileA(path);
    return text.str();
  }

  static inline const HWND kPage = reinterpret_cast<HWND>(0x1234);
  static inline const HWND kOther = reinterpret_cast<HWND>(0x5678);
  pgtest::PageLibrary m_lib;
};

TEST_F(PageLibrary, ExportsEveryFunctionByOrdinalOnly) {
  const pgobj::Ordinal ordinals[] = {
      pgobj::kGetOptionValueAlt, pgobj::kGetObjectKind, pgobj::kGetOptionValue,
      pgobj::kGetPageDescriptionChunks, pgobj::kGetStandardOptions, pgobj::kSendPageDescription,
      pgobj::kGetColorSchemes, pgobj::kGetColumnSchemes, pgobj::kGetObjectPictureInfo,
      pgobj::kGetObjectFeature, pgobj::kGetPageObjectCount, pgobj::kGetObjectPictureState,
      pgobj::kGetPageChunkCount, pgobj::kGetAttributeDescription, pgobj::kHasCustomSettings,
      pgobj::kClearCustomSettings, pgobj::kGetObjectAttribute, pgobj::kSetObjectAttribute};
  for (pgobj::Ordinal n : ordinals) EXPECT_NE(At<FARPROC>(n), nullptr) << n;
  for (const char* name : {"GetPageChunkCount", "GetPageChunkCount@4", "_GetPageChunkCount@4"})
    EXPECT_EQ(m_lib.Named<FARPROC>(name), nullptr) << name;
}

TEST_F(PageLibrary, ServesTheSamplePageInPiecesTheCallerFrees) {
  ASSERT_EQ(m_lib.Open(kPage, nullptr), 83);
  EXPECT_EQ(At<pgobj::GetPageObjectCountFn>(pgobj::kGetPageObjectCount)(kPage), 83);
  const std::string text = FetchDescription(kPage);
  EXPECT_NE(text.find("Name=\"SAA_TICSIZE\""), std::string::npos);
  EXPECT_EQ(text, Saved(kPage));

  // A page of about 280 KB comes in 5 pieces: the chunk count says 3.
  std::string big = "<XML><ObjectList>";
  for (int i = 1; i <= 200; ++i)
    big += "<Object Type=\"Text\" Object_Name=\"T" + std::to_string(i) + "\" Handle=\"" + std::to_string(9000 + i) +
           "\"><AttributeTable><Attribute ID=\"1\" Name=\"STA_TEXT\" AttrValue=\"" + std::string(1300, 'w') +
           "\" /></AttributeTable></Object>";
  big += "</ObjectList></XML>";
  ASSERT_EQ(m_lib.OpenText(kOther, big.c_str()), 200);
  EXPECT_EQ(At<pgobj::GetPageChunkCountFn>(pgobj::kGetPageChunkCount)(kOther), 3);
  EXPECT_EQ(FetchDescription(kOther), Saved(kOther));

  // An unknown page answers two empty pieces, still the caller's to free.
  const HWND unknown = reinterpret_cast<HWND>(0x9999);
  EXPECT_EQ(At<pgobj::GetPageObjectCountFn>(pgobj::kGetPageObjectCount)(unknown), 0);
  EXPECT_EQ(FetchDescription(unknown), "");
  EXPECT_EQ(m_lib.OpenText(unknown, "<NotAPage/>"), -1);
  EXPECT_EQ(m_lib.Open(unknown, "Z:/no/such/page.xml"), -1);
}

TEST_F(PageLibrary, SentChangesReachTheListenerAndThePage) {
  ASSERT_EQ(m_lib.Open(kPage, nullptr), 83);
  const pgtest::Heard& heard = m_lib.heard;
  const char* change =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\n<XML><ObjectList>"
      "<Object Type=\"Line\" Object_Name=\"Major tick lines\" Handle=\"111\"><AttributeTable>"
      "<Attribute ID=\"1\" Name=\"SAA_TICSIZE\" Label=\"Tick Length\" DataType=\"Integer\" AttrValue=\"125\" />"
      "</AttributeTable></Object></ObjectList></XML>";
  const std::string before = Saved(kPage);
  EXPECT_EQ(At<pgobj::SendPageDescriptionFn>(pgobj::kSendPageDescription)(kPage, change, 0), 1);
  EXPECT_EQ(heard.calls(), 1);
  EXPECT_EQ(heard.page, kPage);
  EXPECT_EQ(heard.last(), change);
  const std::string after = Saved(kPage);
  EXPECT_EQ(after.size(), before.size() + 1) << "only \"63\" became \"125\"";
  EXPECT_NE(after.find("Name=\"SAA_TICSIZE\" Label=\"Tick Length\" DataType=\"Integer\" AttrValue=\"125\""),
            std::string::npos);

  // A broken document is still heard, and changes nothing.
  EXPECT_EQ(At<pgobj::SendPageDescriptionFn>(pgobj::kSendPageDescription)(kPage, "<XML><Object", 0), 0);
  EXPECT_EQ(heard.calls(), 2);
  EXPECT_EQ(Saved(kPage), after);
}

TEST_F(PageLibrary, AnswersObjectCallsFromTheNewestPageWithTheObject) {
  ASSERT_EQ(m_lib.Open(kPage, nullptr), 83);
  auto get = At<pgobj::GetObjectAttributeFn>(pgobj::kGetObjectAttribute);
  auto set = At<pgobj::SetObjectAttributeFn>(pgobj::kSetObjectAttribute);

  double real = -1;
  EXPECT_EQ(get(110, 1031, &real), 10);  // the X axis range ends at 10
  EXPECT_EQ(real, 10.0);
  const double period = 6.283185307179586;
  EXPECT_EQ(set(110, 1031, &period), 1);
  EXPECT_EQ(get(110, 1031, &real), 6);
  EXPECT_DOUBLE_EQ(real, period);
  const int size = 250;
  EXPECT_EQ(set(111, 1044, &size), 1);  // tick length, an integer attribute
  EXPECT_EQ(get(111, 1044, nullptr), 250);
  EXPECT_EQ(set(424242, 1044, &size), 0);

  const struct {
    int object;
    int kind;
  } kinds[] = {{1, 1}, {100, 2}, {140, 3}, {110, 1}, {120, 2}, {111, 6}, {141, 7}, {400, 5}, {31337, 0}};
  for (const auto& k : kinds) {
    EXPECT_EQ(At<pgobj::GetObjectKindFn>(pgobj::kGetObjectKind)(k.object, 1026, 0) & 0xFFFF, k.kind) << k.object;
    EXPECT_EQ(get(k.object, 1026, nullptr) & 0xFFFF, k.kind) << k.object;
  }
  EXPECT_EQ(At<pgobj::GetOptionValueFn>(pgobj::kGetOptionValue)(141, 1799, 0), 0);
  EXPECT_EQ(At<pgobj::GetOptionValueFn>(pgobj::kGetOptionValue)(1, 257, 0), 8500);  // page width

  auto has = At<pgobj::CustomSettingsFn>(pgobj::kHasCustomSettings);
  auto clear = At<pgobj::CustomSettingsFn>(pgobj::kClearCustomSettings);
  EXPECT_NE(has(140, 7), 0);
  EXPECT_EQ(has(140, 6), 0);
  clear(140, 7);
  EXPECT_EQ(has(140, 7), 0);
  EXPECT_NE(has(150, 7), 0) << "clearing one plot leaves the others";

  auto feature = At<pgobj::GetObjectFeatureFn>(pgobj::kGetObjectFeature);
  EXPECT_NE(feature(130, 1), 0);
  EXPECT_EQ(feature(130, 2), 0);
  int info[3] = {7, 7, 7};
  At<pgobj::GetObjectPictureInfoFn>(pgobj::kGetObjectPictureInfo)(140, &info[0], &info[1], &info[2]);
  EXPECT_EQ(info[0], 0);

  // A newer page with the same handle answers first; closing it uncovers the older one.
  ASSERT_EQ(m_lib.OpenText(kOther, "<XML><ObjectList><Object Type=\"Axis\" Object_Name=\"Y Axis\" Handle=\"110\">"
                               "<AttributeTable><Attribute ID=\"1031\" DataType=\"double\" AttrValue=\"99\" />"
                               "</AttributeTable></Object></ObjectList></XML>"), 1);
  EXPECT_EQ(get(110, 1031, nullptr), 99);
  EXPECT_EQ(get(110, 1026, nullptr), 2);
  m_lib.Close(kOther);
  EXPECT_EQ(get(110, 1031, nullptr), 6);
}

TEST_F(PageLibrary, WritesDocumentsIntoTheCallersBuffer) {
  ASSERT_EQ(m_lib.Open(kPage, nullptr), 83);
  std::vector<char> buffer(pgobj::kDocumentBufferSize, '\0');
  auto options = At<pgobj::GetStandardOptionsFn>(pgobj::kGetStandardOptions);
  auto schemes = At<pgobj::GetColorSchemesFn>(pgobj::kGetColorSchemes);
  auto columns = At<pgobj::GetColumnSchemesFn>(pgobj::kGetColumnSchemes);
  char* b = buffer.data();
  const struct {
    const char* what;
    int (*call)(decltype(options), decltype(schemes), decltype(columns), char*);
    const char* holds;
  } cases[] = {
      {"colour options", [](auto o, auto, auto, char* b) { return o(141, "SSA_COLOR", b, 1); }, "name=\"Dk Gray\""},
      {"series options", [](auto o, auto, auto, char* b) { return o(110, "SAA_OLDSTYLEDATELABELFROM", b, 0); }, "name=\"December\""},
      {"schemes", [](auto, auto s, auto, char* b) { return s("SSA_COLOR", b); }, "<SchemeTable>"},
      {"columns of the plot", [](auto, auto, auto c, char* b) { return c(141, "SSA_COLOR", b); }, "ColumnNo=\"3\""},
  };
  for (const auto& c : cases) {
    buffer.assign(buffer.size(), '\0');
    EXPECT_GT(c.call(options, schemes, columns, b), 0) << c.what;
    EXPECT_NE(std::string(b).find(c.holds), std::string::npos) << c.what;
  }

  char description[pgobj::kDescriptionBufferSize];
  EXPECT_EQ(At<pgobj::GetAttributeDescriptionFn>(pgobj::kGetAttributeDescription)(24, description), 1);
  EXPECT_STREQ(description, "Length of the tick marks.");
  EXPECT_EQ(At<pgobj::GetAttributeDescriptionFn>(pgobj::kGetAttributeDescription)(777, description), 0);
  EXPECT_STREQ(description, "");
}

}  // namespace
