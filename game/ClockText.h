// The text of the count-down clock.
#pragma once

#include <cstdint>
#include <string>

namespace Game {

// "00:" + minutes + ":" + seconds, each at least two digits. The minutes are
// not wrapped at 60: the clock runs on local wall time, and a clock set back
// an hour during a level shows minutes such as 64.
std::string ClockText(int32_t remainingSeconds);

} // namespace Game
