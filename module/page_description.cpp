#include "module/page_description.h"

#include <algorithm>
#include <cstring>

namespace npb {

namespace {
constexpr int kMaxPieces = 300;
}

int DescriptionPieceCount(int chunkCount) {
  if (chunkCount < 0) chunkCount = 0;
  return std::min(chunkCount, kMaxPieces - 2) + 2;
}

std::string JoinDescriptionPieces(char** pieces, int count, void (*release)(void*)) {
  std::size_t total = 0;
  for (int i = 0; i < count; ++i)
    if (pieces[i]) total += std::strlen(pieces[i]);
  std::string text;
  text.reserve(total);
  for (int i = 0; i < count; ++i) {
    if (!pieces[i]) continue;
    text.append(pieces[i]);
    release(pieces[i]);
    pieces[i] = nullptr;
  }
  return text;
}

}  // namespace npb
