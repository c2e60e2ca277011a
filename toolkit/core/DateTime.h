// A local date and time: the one door to the clock.
#pragma once

#include <windows.h>

#include <cstdint>

namespace KavoUtility {

struct DateTime {
    SYSTEMTIME time{};
    // Holds no time: both operations then answer 0.
    bool empty = true;

    static DateTime Now();

    // -1, 0 or 1 as this moment is earlier than, equal to or later than other.
    int32_t Compare(const DateTime& other) const;
    // Whole seconds from this moment to other, truncated toward zero.
    int64_t SecondsUntil(const DateTime& other) const;
};

} // namespace KavoUtility
