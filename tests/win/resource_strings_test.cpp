// The string table as the editors load it: through the resource instance, in the host's
// code page.
#include <string>

#include <gtest/gtest.h>
#include <windows.h>

namespace {

std::string Load(UINT id) {
  char buffer[512] = {};
  const int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
  return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

TEST(ResourceStringsTest, TextsLoadExactlyAsWritten) {
  const struct { UINT id; const char* text; } cases[] = {
      {9001, "(None)"},
      {9018, "(Custom)"},
      {9029, "in"},
      {9032, "%"},
      {9033, "\xB0"},  // the degree sign of code page 1252, one byte
      {9036, "Text '%s'"},
      {9071, "Line only|Symbol only|Symbol & lines|Line & symbols|"},
      {9139, "Override custom settings?"},
      {9140, "Custom Settings"},
  };
  for (const auto& c : cases) EXPECT_EQ(Load(c.id), c.text) << c.id;
  EXPECT_EQ(Load(9999), "");
}

}  // namespace
