// Joining the page description that the host page library hands over in pieces. Window-free.
#pragma once
#include <cstdlib>
#include <string>

namespace npb {

// Number of pieces to ask for when the library reports `chunkCount`: that count plus
// two, never more than the library's limit and never negative.
int DescriptionPieceCount(int chunkCount);

// Joins pieces[0..count) in order with nothing between them; null pieces add nothing.
// Every piece is handed to `release` (the C runtime's free: the library allocates them
// with malloc) and its slot cleared, so nothing leaks whatever the text holds.
std::string JoinDescriptionPieces(char** pieces, int count, void (*release)(void*) = std::free);

}  // namespace npb
