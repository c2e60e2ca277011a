#include "game/ClockText.h"

#include <gtest/gtest.h>

using namespace Game;

TEST(ClockText, ShowsMinutesAndSecondsLeftInTwoDigitsEach)
{
    struct Case {
        int32_t remaining;
        const char* text;
    };
    const Case cases[] = {
        {300, "00:05:00"},
        {299, "00:04:59"},
        {61, "00:01:01"},
        {60, "00:01:00"},
        {59, "00:00:59"},
        {1, "00:00:01"},
        {0, "00:00:00"},
        // The clock was set back an hour during a level.
        {3840, "00:64:00"},
        {6000, "00:100:00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClockText(c.remaining), c.text) << c.remaining << " seconds left";
    }
}
