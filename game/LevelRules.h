// What a level asks of the player: how many columns are dealt and how long
// the player has to clear them.
#pragma once

#include <cstdint>

namespace Game {

// Levels 1, 2, 3 use 4, 6, 8 columns, and the cycle repeats with 4, 5, 6.
int32_t LevelColumns(int32_t level);

// 300 seconds for levels 1 to 3, then 60 less every three levels, never
// below 60: 240 for levels 4 to 6, ..., 60 from level 13 on.
int32_t LevelTimeLimit(int32_t level);

} // namespace Game
