#include "module/page_description.h"

#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::set<void*> g_released;
void RecordingFree(void* p) {
  g_released.insert(p);
  std::free(p);
}

char* Piece(const char* text) {
  char* copy = static_cast<char*>(std::malloc(std::strlen(text) + 1));
  std::strcpy(copy, text);
  return copy;
}

TEST(PageDescriptionTest, PieceCountIsChunksPlusTwoWithinTheLimit) {
  const struct { int chunks; int pieces; } cases[] = {
      {0, 2}, {1, 3}, {-5, 2}, {297, 299}, {298, 300}, {299, 300}, {100000, 300}};
  for (const auto& c : cases) EXPECT_EQ(npb::DescriptionPieceCount(c.chunks), c.pieces) << c.chunks;
}

TEST(PageDescriptionTest, PiecesAreJoinedInOrderAndEveryOneIsFreed) {
  g_released.clear();
  std::vector<char*> pieces = {Piece("<XML><Obj"), nullptr, Piece("ectList/>"), Piece(""),
                               Piece("</XML>"), nullptr};
  const std::set<void*> allocated(pieces.begin(), pieces.end());
  const std::string text =
      npb::JoinDescriptionPieces(pieces.data(), static_cast<int>(pieces.size()), RecordingFree);
  EXPECT_EQ(text, "<XML><ObjectList/></XML>");
  std::set<void*> expected = allocated;
  expected.erase(nullptr);
  EXPECT_EQ(g_released, expected);
  for (char* p : pieces) EXPECT_EQ(p, nullptr) << "slot left pointing at freed memory";
}

TEST(PageDescriptionTest, TextSplitAtAnyByteJoinsBackWhole) {
  const std::string whole = "<XML>\r\n<ObjectList><Object Type=\"Axis\"/></ObjectList></XML>";
  for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
    std::vector<char*> pieces = {Piece(whole.substr(0, cut).c_str()), Piece(whole.substr(cut).c_str())};
    EXPECT_EQ(npb::JoinDescriptionPieces(pieces.data(), 2), whole) << "cut at " << cut;
  }
}

}  // namespace
