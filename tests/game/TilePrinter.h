// Failures name a tile as (column, row). Every test file that compares tiles
// includes this, so that the whole test program prints them alike.
#pragma once

#include "game/Tile.h"

#include <ostream>

namespace Game {

inline void PrintTo(const Tile& tile, std::ostream* out)
{
    *out << "(" << tile.column << ", " << tile.row << ")";
}

} // namespace Game
