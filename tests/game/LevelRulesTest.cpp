#include "game/LevelRules.h"

#include <gtest/gtest.h>

using namespace Game;

TEST(LevelRules, ColumnsCycleAndTimeShrinksEveryThreeLevels)
{
    struct Case {
        int32_t level;
        int32_t columns;
        int32_t timeLimit;
    };
    const Case cases[] = {
        {1, 4, 300}, {2, 6, 300}, {3, 8, 300},
        {4, 4, 240}, {5, 6, 240}, {6, 8, 240},
        {7, 4, 180}, {8, 6, 180}, {9, 8, 180},
        {10, 4, 120}, {11, 6, 120}, {12, 8, 120},
        {13, 4, 60}, {14, 6, 60}, {15, 8, 60},
        {16, 4, 60}, {17, 6, 60}, {18, 8, 60},
        {100, 4, 60}, {101, 6, 60}, {102, 8, 60},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LevelColumns(c.level), c.columns) << "level " << c.level;
        EXPECT_EQ(LevelTimeLimit(c.level), c.timeLimit) << "level " << c.level;
    }
}
