// Dealing a level: pairs of distinct faces shuffled onto the play positions.
#pragma once

#include "game/Tile.h"

#include <cstdint>
#include <vector>

namespace Game {

constexpr int kFaceTableSize = 40;
constexpr int kBoardRows = 5;

// Deals for a board whose first `columns` columns (of 8) are in play, 5 rows
// each, so P = 5 * columns / 2 pairs. Afterwards entries 0..P-1 of faceTable
// hold P distinct faces, entry P+j repeats entry j, and deckOrder is a
// permutation of 0..2P-1: play position k shows faceTable[deckOrder[k]].
// Entries from 2P on keep what they held. A count above 8 deals the full
// board; a count below 1 deals nothing.
void DealDeck(Tile (&faceTable)[kFaceTableSize], std::vector<int32_t>& deckOrder, int columns);

// A face is any tile but the card back and the black tiles of column 7.
bool IsFace(Tile tile);

} // namespace Game
