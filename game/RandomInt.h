// The game's one source of random numbers.
#pragma once

namespace Game {

// Set by the first draw: the runtime generator is seeded once per process.
extern bool randomSeeded;

// A pseudo-random integer from a to b inclusive: rand() % (b - a + 1) + a.
// An empty range (b < a) draws nothing and answers a.
int RandomInt(int a, int b);

} // namespace Game
