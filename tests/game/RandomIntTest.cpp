#include "game/RandomInt.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <ctime>

using namespace Game;

namespace {

int FirstDrawAfterSeed(unsigned seed, int span)
{
    std::srand(seed);
    return std::rand() % span + 1;
}

} // namespace

// Each test runs in a process of its own, so this is the process's first draw.
TEST(RandomInt, SeedsFromTheClockAtTheFirstDrawOnly)
{
    ASSERT_FALSE(randomSeeded);
    const time_t before = std::time(nullptr);
    const int first = RandomInt(1, 30000);
    const time_t after = std::time(nullptr);
    EXPECT_TRUE(randomSeeded);

    bool matchesAClockSeed = false;
    for (time_t t = before; t <= after; ++t) {
        matchesAClockSeed = matchesAClockSeed || FirstDrawAfterSeed(static_cast<unsigned>(t), 30000) == first;
    }
    EXPECT_TRUE(matchesAClockSeed) << first;

    // No second seeding: the draws follow the generator from where it stands.
    std::srand(42);
    const int expected = std::rand() % 8 + 1;
    std::srand(42);
    EXPECT_EQ(RandomInt(1, 8), expected);
}

TEST(RandomInt, MapsTheGeneratorOntoTheRange)
{
    std::srand(7);
    randomSeeded = true;
    std::srand(7);
    const int r1 = std::rand();
    const int r2 = std::rand();
    std::srand(7);
    EXPECT_EQ(RandomInt(0, 3), r1 % 4);
    EXPECT_EQ(RandomInt(1, 8), r2 % 8 + 1);
    for (int i = 0; i < 1000; ++i) {
        EXPECT_EQ(RandomInt(1, 1), 1);
        const int value = RandomInt(1, 8);
        EXPECT_TRUE(value >= 1 && value <= 8) << value;
        const int shifted = RandomInt(-5, 5);
        EXPECT_TRUE(shifted >= -5 && shifted <= 5) << shifted;
    }
}

TEST(RandomInt, AnswersTheLowEndForAnEmptyRangeWithoutDrawing)
{
    randomSeeded = true;
    std::srand(11);
    const int next = std::rand();
    std::srand(11);
    EXPECT_EQ(RandomInt(5, 4), 5);
    EXPECT_EQ(RandomInt(0, INT_MIN), 0);
    EXPECT_EQ(RandomInt(1, 32768), next % 32768 + 1);
    const int wide = RandomInt(INT_MIN, INT_MAX);
    EXPECT_LE(wide, 0) << "rand() never exceeds RAND_MAX, so the widest range stays in its low half";
}
