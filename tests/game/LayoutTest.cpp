#include "game/Layout.h"

#include <gtest/gtest.h>

using namespace Game;

TEST(Layout, CardsTileTheBoardRowByRow)
{
    struct Case {
        int32_t card;
        int32_t column;
        int32_t row;
        LONG x;
        LONG y;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0}, {1, 1, 0, 54, 0}, {7, 7, 0, 378, 0}, {8, 0, 1, 0, 90},
        {19, 3, 2, 162, 180}, {39, 7, 4, 378, 360},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BoardColumn(c.card), c.column) << "card " << c.card;
        EXPECT_EQ(BoardRow(c.card), c.row) << "card " << c.card;
        const POINT position = CardPosition(c.card);
        EXPECT_EQ(position.x, c.x) << "card " << c.card;
        EXPECT_EQ(position.y, c.y) << "card " << c.card;
    }
}

TEST(Layout, RightHandColumnFollowsTheSizesTheWindowsReport)
{
    struct Case {
        POINT board;
        int32_t boardOuterWidth;
        int32_t logoHeight;
        LONG logoX;
        LONG buttonTops[3];
    };
    const Case cases[] = {
        // A sunken border of 2 pixels a side and the logo bitmap's own 50 rows.
        {{10, 10}, 436, 50, 456, {70, 120, 170}},
        {{10, 10}, 432, 60, 452, {80, 130, 180}},
        {{0, 5}, 100, 0, 110, {15, 65, 115}},
    };
    for (const Case& c : cases) {
        const POINT logo = LogoPosition(c.board, c.boardOuterWidth);
        EXPECT_EQ(logo.x, c.logoX) << "board width " << c.boardOuterWidth;
        EXPECT_EQ(logo.y, c.board.y);
        for (int32_t index = 0; index < 3; ++index) {
            EXPECT_EQ(ButtonTop(c.board, c.logoHeight, index), c.buttonTops[index])
                << "button " << index << ", logo height " << c.logoHeight;
        }
    }
}

TEST(Layout, ClockSitsOnePitchBelowTheCloseButton)
{
    const POINT clock = ClockPosition(POINT{456, 170});
    EXPECT_EQ(clock.x, 456);
    EXPECT_EQ(clock.y, 220);
}
