// A tile of the card sheet, addressed by (column, row) from the top left.
#pragma once

#include <cstdint>

namespace Game {

struct Tile {
    int32_t column;
    int32_t row;
};

inline bool operator==(Tile a, Tile b)
{
    return a.column == b.column && a.row == b.row;
}

inline bool operator!=(Tile a, Tile b)
{
    return !(a == b);
}

// The sheet holds 8 x 5 tiles of 54 x 90 pixels.
constexpr int32_t kSheetColumns = 8;
constexpr int32_t kSheetRows = 5;
constexpr int32_t kTileWidth = 54;
constexpr int32_t kTileHeight = 90;

// What a face-down card shows, and the all-black tile of removed cards.
constexpr Tile kCardBack{0, 1};
constexpr Tile kBlankTile{7, 1};

} // namespace Game
