#include "game/ClockText.h"

#include "toolkit/text/Text.h"

namespace Game {

std::string ClockText(int32_t remainingSeconds)
{
    return "00:" + KavoUtility::TwoDigits(remainingSeconds / 60) + ":" + KavoUtility::TwoDigits(remainingSeconds % 60);
}

} // namespace Game
