#include "game/RandomInt.h"

#include <cstdint>
#include <cstdlib>
#include <ctime>

namespace Game {

bool randomSeeded = false;

namespace {

void SeedOnce()
{
    if (!randomSeeded) {
        std::srand(static_cast<unsigned>(static_cast<uint32_t>(std::time(nullptr))));
        randomSeeded = true;
    }
}

} // namespace

int RandomInt(int a, int b)
{
    if (b < a) {
        return a;
    }
    SeedOnce();
    // Computed in 64 bits: the span of a range as wide as int overflows int.
    const int64_t span = static_cast<int64_t>(b) - a + 1;
    return static_cast<int>(std::rand() % span + a);
}

} // namespace Game
