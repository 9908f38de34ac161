// Joining the page description that the host page library hands over in pieces. Window-free.
#pragma once
#include <cstdlib>
#include <string>

namespace npb {

// Slots of the array handed to the library: 300, the most pieces a description comes in.
constexpr int kDescriptionSlots = 300;
// A library that announces more pieces than this is not believed: there is no array it
// could fill safely, so its description is not fetched.
constexpr int kMaxDescriptionPieces = 65536;

// Number of pieces the description comes in when the library reports `chunkCount`: that
// count plus two (two for a negative count); 0 when that passes kMaxDescriptionPieces.
int DescriptionPieceCount(int chunkCount);

// Slots to give the library for `pieces` pieces: kDescriptionSlots, or more when it
// announced more, so that filling what it announced never writes past the array.
int DescriptionSlotCount(int pieces);

// Joins pieces[0..joined) in order with nothing between them; null pieces add nothing.
// Every piece of pieces[0..slots) is handed to `release` (the C runtime's free: the
// library allocates them with malloc) and its slot cleared, so nothing leaks whatever the
// text holds or however many pieces the library wrote.
std::string JoinDescriptionPieces(char** pieces, int slots, int joined, void (*release)(void*) = std::free);

}  // namespace npb
