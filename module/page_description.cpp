#include "module/page_description.h"

#include <algorithm>
#include <cstring>

namespace npb {

int DescriptionPieceCount(int chunkCount) {
  const long long pieces = std::max(chunkCount, 0) + 2LL;
  return pieces > kMaxDescriptionPieces ? 0 : static_cast<int>(pieces);
}

int DescriptionSlotCount(int pieces) { return std::max(pieces, kDescriptionSlots); }

std::string JoinDescriptionPieces(char** pieces, int slots, int joined, void (*release)(void*)) {
  joined = std::clamp(joined, 0, std::max(slots, 0));
  std::size_t total = 0;
  for (int i = 0; i < joined; ++i)
    if (pieces[i]) total += std::strlen(pieces[i]);
  std::string text;
  text.reserve(total);
  for (int i = 0; i < slots; ++i) {
    if (!pieces[i]) continue;
    if (i < joined) text.append(pieces[i]);
    release(pieces[i]);
    pieces[i] = nullptr;
  }
  return text;
}

}  // namespace npb
