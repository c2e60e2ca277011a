#include "game/LevelRules.h"

#include "game/GameConstants.h"

#include <algorithm>

namespace Game {

int32_t LevelColumns(int32_t level)
{
    const int32_t stepInCycle = level % 3 == 0 ? 3 : level % 3;
    return 2 * stepInCycle + 2;
}

int32_t LevelTimeLimit(int32_t level)
{
    if (level <= 3) {
        return kStartTimeLimit;
    }
    const int32_t cyclesDone = (level - 1) / 3;
    return std::max(60 * (5 - cyclesDone), kShortestTimeLimit);
}

} // namespace Game
