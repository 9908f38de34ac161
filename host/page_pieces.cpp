#include "host/page_pieces.h"

#include <algorithm>

namespace pg {

int PieceCount(size_t length) {
  const size_t needed = (length + kPieceSize - 1) / kPieceSize;
  return static_cast<int>(std::clamp<size_t>(needed, kMinPieces, kMaxPieces));
}

std::vector<std::string_view> SplitIntoPieces(std::string_view text) {
  const size_t count = static_cast<size_t>(PieceCount(text.size()));
  // Equal shares keep every piece small; past 300 x 64 KiB the share grows instead.
  const size_t share = std::max<size_t>(1, (text.size() + count - 1) / count);
  std::vector<std::string_view> pieces;
  pieces.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const size_t start = std::min(text.size(), i * share);
    pieces.push_back(text.substr(start, share));
  }
  return pieces;
}

std::vector<std::string_view> SplitIntoFixedPieces(std::string_view text, size_t pieceSize) {
  pieceSize = std::max<size_t>(pieceSize, 1);
  std::vector<std::string_view> pieces;
  for (size_t start = 0; start < text.size(); start += pieceSize) pieces.push_back(text.substr(start, pieceSize));
  if (pieces.size() < static_cast<size_t>(kMinPieces)) pieces.resize(kMinPieces);
  return pieces;
}

}  // namespace pg
