#include "toolkit/core/FrameSize.h"

#include <algorithm>

namespace KavoUtility {

SIZE FrameSize(HWND window)
{
    RECT outer{};
    RECT client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    return SIZE{std::max<LONG>(0, (outer.right - outer.left) - client.right),
        std::max<LONG>(0, (outer.bottom - outer.top) - client.bottom)};
}

} // namespace KavoUtility
