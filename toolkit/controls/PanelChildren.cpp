#include "toolkit/controls/PanelChildren.h"

#include "toolkit/controls/ScrollRequest.h"
#include "toolkit/core/FrameSize.h"
#include "toolkit/core/OwnWindowClass.h"
#include "toolkit/core/Registry.h"
#include "toolkit/core/WindowProc.h"
#include "toolkit/drawing/Drawing.h"
#include "toolkit/drawing/FontRecord.h"

#include <algorithm>

namespace KavoUtility {

PanelChildren::PanelChildren(GUIElement* parentElement)
{
    parent = parentElement;
    typeName = "panel";
}

PanelChildren::~PanelChildren()
{
    ReleaseChildBrush();
    ReleaseOwnClass(className, windowClass.hInstance, hwnd, windowClass.hbrBackground);
}

HBRUSH PanelChildren::OnCtlColor(HDC controlContext)
{
    ReleaseChildBrush();
    if (font) {
        SelectObject(controlContext, font->GetFontHandle());
    }
    const int32_t color = childBackColor != -1 ? childBackColor : backColor;
    if (color != -1) {
        SetBkColor(controlContext, static_cast<COLORREF>(color));
        childBrush = CreateSolidBrush(static_cast<COLORREF>(color));
    } else {
        childBrush = GetSysColorBrush(COLOR_BTNFACE);
    }
    if (childTextColor != -1) {
        SetTextColor(controlContext, static_cast<COLORREF>(childTextColor));
    }
    return childBrush;
}

void PanelChildren::Create()
{
    if (created) {
        return;
    }
    // Each panel registers a class of its own, so that each keeps a
    // background brush of its own colour.
    className = L"PanelChildren" + std::to_wstring(nextControlId);
    id = ++nextControlId;
    windowClass = WNDCLASSW{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = parent ? parent->instance : nullptr;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = ClassBackground(backColor);
    windowClass.lpszClassName = className.c_str();
    RegisterClassW(&windowClass);
    hwnd = CreateWindowExW(ExtendedStyle(), className.c_str(), text.c_str(), Style(), x, y, width, height,
        parent ? parent->hwnd : nullptr, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    created = true;
    if (createdHandler) {
        createdHandler(this, hwnd);
    }
    SetScrollRange();
    CreateTooltip(hwnd);
    if (font) {
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font->GetFontHandle()), TRUE);
    }
}

void PanelChildren::ApplyStyle()
{
    if (!created) {
        return;
    }
    if (SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>(Style())) == 0) {
        return;
    }
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void PanelChildren::SetClientSize(int32_t clientWidth, int32_t clientHeight)
{
    if (!created) {
        return;
    }
    const SIZE frame = FrameSize(hwnd);
    ReadPosition();
    SetSize(clientWidth + frame.cx, clientHeight + frame.cy);
}

bool PanelChildren::HasScrollBar(int bar) const
{
    switch (bar) {
    case SB_HORZ:
        return horizontalScrollBar;
    case SB_VERT:
        return verticalScrollBar;
    default:
        return false;
    }
}

void PanelChildren::Scroll(HWND window, int bar, int requestCode)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    GetScrollInfo(window, bar, &info);
    const int32_t old = info.nPos;
    const int32_t requested = RequestedScrollPosition(requestCode, info);
    info.fMask = SIF_POS;
    info.nPos = requested;
    SetScrollInfo(window, bar, &info, TRUE);
    GetScrollInfo(window, bar, &info);
    const int32_t moved = old - info.nPos;
    if (moved != 0) {
        ScrollWindow(window, bar == SB_HORZ ? moved : 0, bar == SB_VERT ? moved : 0, nullptr, nullptr);
        UpdateWindow(window);
    }
    // The handler hears the requested step, also when the range kept the bar
    // where it was.
    ScrollHandler handler = bar == SB_HORZ ? horizontalScrollHandler : verticalScrollHandler;
    if (requested != old && handler) {
        handler(this, old - requested);
    }
}

void PanelChildren::ScrollWheel(int32_t wheelDelta)
{
    Scroll(hwnd, SB_VERT, wheelDelta > 0 ? SB_PAGEUP : SB_PAGEDOWN);
}

void PanelChildren::FillBackColor(Drawing& drawing, const RECT& client)
{
    if (backColorApplied) {
        // FillArea leaves its last column and row alone: reach one past the
        // client area so the whole of it takes the colour.
        drawing.FillArea(0, 0, client.right + 1, client.bottom + 1, static_cast<COLORREF>(backColor));
    }
}

void PanelChildren::CallPaintHandler()
{
    const bool applied = backColorApplied;
    backColorApplied = false;
    GUIElement::OnPaint();
    backColorApplied = applied;
}

DWORD PanelChildren::Style() const
{
    DWORD style = WS_CHILD | WS_VISIBLE;
    if (tabStop) {
        style |= WS_TABSTOP;
    }
    if (!enabled) {
        style |= WS_DISABLED;
    }
    if (border) {
        style |= WS_BORDER;
    }
    if (horizontalScrollBar) {
        style |= WS_HSCROLL;
    }
    if (verticalScrollBar) {
        style |= WS_VSCROLL;
    }
    return style;
}

DWORD PanelChildren::ExtendedStyle() const
{
    return border && !flatBorder ? WS_EX_CLIENTEDGE : 0;
}

void PanelChildren::SetScrollRange()
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMin = scrollMinimum;
    info.nMax = scrollMaximum;
    info.nPage = static_cast<UINT>(std::max<int32_t>(0, (scrollMaximum - scrollMinimum) / 10));
    if (verticalScrollBar) {
        SetScrollInfo(hwnd, SB_VERT, &info, TRUE);
    }
    if (horizontalScrollBar) {
        SetScrollInfo(hwnd, SB_HORZ, &info, TRUE);
    }
}

// The system's button-face brush is shared and must not be deleted.
void PanelChildren::ReleaseChildBrush()
{
    if (childBrush && childBrush != GetSysColorBrush(COLOR_BTNFACE)) {
        DeleteObject(childBrush);
    }
    childBrush = nullptr;
}

} // namespace KavoUtility
