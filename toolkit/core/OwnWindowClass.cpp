#include "toolkit/core/OwnWindowClass.h"

namespace KavoUtility {

HBRUSH ClassBackground(int32_t backColor)
{
    return backColor == -1 ? GetSysColorBrush(COLOR_BTNFACE) : CreateSolidBrush(static_cast<COLORREF>(backColor));
}

void ReleaseOwnClass(const std::wstring& className, HINSTANCE instance, HWND window, HBRUSH background)
{
    if (className.empty() || IsWindow(window)) {
        return;
    }
    if (UnregisterClassW(className.c_str(), instance) && background != GetSysColorBrush(COLOR_BTNFACE)) {
        DeleteObject(background);
    }
}

} // namespace KavoUtility
