// The window class that a form or a panel registers for itself alone, and
// the background brush that goes with it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace KavoUtility {

// The system's button face when no colour is set (shared: never deleted),
// else a solid brush that the class owns.
HBRUSH ClassBackground(int32_t backColor);

// Once `window` is gone, unregisters the class and deletes the brush it
// owned. Does nothing while the window exists or when no class was made.
void ReleaseOwnClass(const std::wstring& className, HINSTANCE instance, HWND window, HBRUSH background);

} // namespace KavoUtility
