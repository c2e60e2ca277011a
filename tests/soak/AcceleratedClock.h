// Makes the local time of this program run fast, so that hundreds of levels
// with their half-second pauses fit in a few minutes.
#pragma once

#include <cstdint>

// While one lives, every reading of the local time by this program's own
// code (the toolkit's DateTime) comes out `stepMilliseconds` later than the
// one before it would have: the pause, which reads the clock in a loop until
// half a second has passed, ends after a few hundred readings. Readings made
// once per event (a deal's start time, a clock tick) barely move.
class AcceleratedClock {
public:
    explicit AcceleratedClock(int64_t stepMilliseconds);
    ~AcceleratedClock();
    AcceleratedClock(const AcceleratedClock&) = delete;
    AcceleratedClock& operator=(const AcceleratedClock&) = delete;
};
