#include "game/DealDeck.h"

#include "game/RandomInt.h"

#include <algorithm>

namespace Game {

bool IsFace(Tile tile)
{
    if (tile == kCardBack) {
        return false;
    }
    return !(tile.column == kSheetColumns - 1 && tile.row >= 1);
}

namespace {

bool AlreadyDealt(const Tile* faces, int count, Tile tile)
{
    return std::find(faces, faces + count, tile) != faces + count;
}

void DrawFaces(Tile (&faceTable)[kFaceTableSize], int pairs)
{
    for (int i = 0; i < pairs; ++i) {
        do {
            const int column = RandomInt(1, kSheetColumns) - 1;
            const int row = RandomInt(1, kSheetRows) - 1;
            faceTable[i] = Tile{column, row};
        } while (!IsFace(faceTable[i]) || AlreadyDealt(faceTable, i, faceTable[i]));
    }
    std::copy(faceTable, faceTable + pairs, faceTable + pairs);
}

// Draws again and again until an unused position comes; rejection rather than
// an in-place shuffle keeps every deal a sequence of plain draws.
void Shuffle(std::vector<int32_t>& deckOrder, int cards)
{
    for (int k = 0; k < cards; ++k) {
        int32_t position;
        do {
            position = RandomInt(1, cards) - 1;
        } while (std::find(deckOrder.begin(), deckOrder.end(), position) != deckOrder.end());
        deckOrder.push_back(position);
    }
}

} // namespace

void DealDeck(Tile (&faceTable)[kFaceTableSize], std::vector<int32_t>& deckOrder, int columns)
{
    deckOrder.clear();
    const int usable = std::clamp(columns, 0, kSheetColumns);
    const int pairs = kBoardRows * usable / 2;
    DrawFaces(faceTable, pairs);
    Shuffle(deckOrder, 2 * pairs);
}

} // namespace Game
