// How much larger a window is than its client area.
#pragma once

#include <windows.h>

namespace KavoUtility {

// Outer width and height minus client width and height, each 0 when negative.
SIZE FrameSize(HWND window);

} // namespace KavoUtility
