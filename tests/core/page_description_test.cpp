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

TEST(PageDescriptionTest, PiecesAreChunksPlusTwoAndTheArrayHoldsEveryAnnouncedPiece) {
  const struct { int chunks; int pieces; int slots; } cases[] = {
      {0, 2, 300},          {1, 3, 300},          {-5, 2, 300},       {298, 300, 300},
      {299, 301, 301},      {65534, 65536, 65536}, {65535, 0, 300},  // not believed: nothing fetched
      {0x7fffffff, 0, 300},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(npb::DescriptionPieceCount(c.chunks), c.pieces) << c.chunks;
    EXPECT_EQ(npb::DescriptionSlotCount(c.pieces), c.slots) << c.chunks;
  }
}

TEST(PageDescriptionTest, PiecesAreJoinedInOrderAndEveryOneIsFreed) {
  g_released.clear();
  // Five pieces announced; the library wrote a sixth, which is freed but not joined.
  std::vector<char*> pieces = {Piece("<XML><Obj"), nullptr, Piece("ectList/>"), Piece(""),
                               Piece("</XML>"), Piece("tail"), nullptr};
  const std::set<void*> allocated(pieces.begin(), pieces.end());
  const std::string text =
      npb::JoinDescriptionPieces(pieces.data(), static_cast<int>(pieces.size()), 5, RecordingFree);
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
    EXPECT_EQ(npb::JoinDescriptionPieces(pieces.data(), 2, 2), whole) << "cut at " << cut;
  }
}

}  // namespace
