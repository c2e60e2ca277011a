// The tooltip operations of GUIElement.
#include "toolkit/core/GUIElement.h"

#include "toolkit/text/Text.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

namespace KavoUtility {

namespace {

constexpr size_t tooltipBufferUnits = 2024;

// The tool covers the whole client area of `window`. TTTOOLINFOW_V1_SIZE
// (44 bytes on 32-bit builds) is the record every common-controls version
// accepts.
TTTOOLINFOW ToolRecord(HWND window, std::array<wchar_t, tooltipBufferUnits>& buffer)
{
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V1_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(window);
    GetClientRect(window, &tool.rect);
    tool.lpszText = buffer.data();
    return tool;
}

void CopyTooltipText(const std::string& tooltip, std::array<wchar_t, tooltipBufferUnits>& buffer)
{
    const std::wstring wide = ToWide(tooltip);
    const size_t units = std::min(wide.size(), tooltipBufferUnits - 1);
    std::copy_n(wide.begin(), units, buffer.begin());
    buffer[units] = L'\0';
}

} // namespace

void GUIElement::CreateTooltip(HWND window)
{
    if (tooltip.empty() || !window) {
        return;
    }
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), 0xFF};
    InitCommonControlsEx(&controls);
    tooltipWindow = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
        0, 0, 0, 0, window, nullptr, nullptr, nullptr);
    SetWindowPos(tooltipWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    std::array<wchar_t, tooltipBufferUnits> buffer;
    CopyTooltipText(tooltip, buffer);
    TTTOOLINFOW tool = ToolRecord(window, buffer);
    SendMessageW(tooltipWindow, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void GUIElement::UpdateTooltip()
{
    if (!tooltipWindow) {
        CreateTooltip(hwnd);
        return;
    }
    std::array<wchar_t, tooltipBufferUnits> buffer;
    CopyTooltipText(tooltip, buffer);
    TTTOOLINFOW tool = ToolRecord(hwnd, buffer);
    SendMessageW(tooltipWindow, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tooltipWindow, TTM_SETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));
}

} // namespace KavoUtility
