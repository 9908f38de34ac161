// How a page description is cut into the pieces the page library hands out.
#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

namespace pg {

constexpr size_t kPieceSize = 65536;
constexpr int kMinPieces = 2;
constexpr int kMaxPieces = 300;

// Number of pieces for a text of `length` bytes: one per 64 KiB, at least 2, at most 300.
int PieceCount(size_t length);

// The text cut into exactly PieceCount(text.size()) consecutive pieces of equal size
// (the last ones shorter or empty); joined in order they give the text back.
std::vector<std::string_view> SplitIntoPieces(std::string_view text);

// The text cut into consecutive pieces of `pieceSize` bytes (the last one shorter), as
// many as it takes, however many that is; empty pieces are added up to kMinPieces.
std::vector<std::string_view> SplitIntoFixedPieces(std::string_view text, size_t pieceSize);

}  // namespace pg
