#include "toolkit/core/ControlWindow.h"

#include "toolkit/core/GUIElement.h"
#include "toolkit/core/Registry.h"
#include "toolkit/core/WindowProc.h"
#include "toolkit/drawing/FontRecord.h"

namespace KavoUtility {

bool CreateControlWindow(GUIElement& element, const wchar_t* className, DWORD style, DWORD extendedStyle)
{
    if (!MakeControlWindow(element, className, style, extendedStyle)) {
        return false;
    }
    SubclassControlWindow(element);
    return true;
}

bool MakeControlWindow(GUIElement& element, const wchar_t* className, DWORD style, DWORD extendedStyle)
{
    element.id = ++nextControlId;
    if (!element.enabled) {
        style |= WS_DISABLED;
    }
    element.hwnd = CreateWindowExW(extendedStyle, className, element.text.c_str(), style, element.x, element.y,
        element.width, element.height, element.parent ? element.parent->hwnd : nullptr,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(element.id)), nullptr, nullptr);
    return element.hwnd != nullptr;
}

void SubclassControlWindow(GUIElement& element)
{
    element.previousWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(element.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc)));
}

void FinishCreate(GUIElement& element)
{
    element.created = true;
    element.CreateTooltip(element.hwnd);
    if (element.font) {
        SendMessageW(element.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(element.font->GetFontHandle()), TRUE);
    }
}

} // namespace KavoUtility
