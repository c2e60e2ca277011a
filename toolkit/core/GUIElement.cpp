#include "toolkit/core/GUIElement.h"

#include "toolkit/core/Registry.h"
#include "toolkit/core/WindowProc.h"
#include "toolkit/text/Text.h"

#include <algorithm>
#include <vector>

namespace KavoUtility {

GUIElement::GUIElement(HINSTANCE instance)
    : destroyed(false), waitCursor(false), handCursor(false), tooltipWindow(nullptr), hwnd(nullptr),
      instance(instance), windowClass{}, font(nullptr), width(100), height(50), x(100), y(100), created(false),
      backColor(-1), backColorApplied(false), enabled(true), id(0), parent(nullptr), previousWndProc(nullptr),
      createdHandler(nullptr), createdNotified(false), lButtonUpHandler(nullptr), lButtonDownHandler(nullptr),
      lButtonDblClkHandler(nullptr), rButtonUpHandler(nullptr), rButtonDownHandler(nullptr),
      rButtonDblClkHandler(nullptr), keyUpHandler(nullptr), keyDownHandler(nullptr), charHandler(nullptr),
      moveHandler(nullptr), sizeHandler(nullptr), paintHandler(nullptr), closeHandler(nullptr),
      destroyHandler(nullptr), setFocusHandler(nullptr), killFocusHandler(nullptr), textChangedHandler(nullptr),
      mouseMoveHandler(nullptr), mouseHoverHandler(nullptr), mouseLeaveHandler(nullptr)
{
    elementRegistry.push_back(this);
}

GUIElement::~GUIElement()
{
    elementRegistry.erase(std::remove(elementRegistry.begin(), elementRegistry.end(), this), elementRegistry.end());
    ForgetElement(this);
}

void GUIElement::SetText(const std::wstring& value)
{
    text = value;
    if (created) {
        SetWindowTextW(hwnd, text.c_str());
    }
}

void GUIElement::SetText(const std::string& value)
{
    SetText(ToWide(value));
}

void GUIElement::OnLButtonUp(int32_t pointX, int32_t pointY)
{
    if (lButtonUpHandler) {
        lButtonUpHandler(this, hwnd, pointX, pointY);
    }
}

void GUIElement::OnLButtonDown(int32_t pointX, int32_t pointY)
{
    if (lButtonDownHandler) {
        lButtonDownHandler(this, hwnd, pointX, pointY);
    }
}

void GUIElement::OnLButtonDblClk(int32_t pointX, int32_t pointY)
{
    if (lButtonDblClkHandler) {
        lButtonDblClkHandler(this, hwnd, pointX, pointY);
    }
}

void GUIElement::OnRButtonUp(int32_t pointX, int32_t pointY)
{
    if (rButtonUpHandler) {
        rButtonUpHandler(this, hwnd, pointX, pointY);
    }
}

void GUIElement::OnRButtonDown(int32_t pointX, int32_t pointY)
{
    if (rButtonDownHandler) {
        rButtonDownHandler(this, hwnd, pointX, pointY);
    }
}

void GUIElement::OnRButtonDblClk(int32_t pointX, int32_t pointY)
{
    if (rButtonDblClkHandler) {
        rButtonDblClkHandler(this, hwnd, pointX, pointY);
    }
}

void GUIElement::OnKeyUp(int32_t virtualKey)
{
    if (keyUpHandler) {
        keyUpHandler(this, virtualKey);
    }
}

void GUIElement::OnKeyDown(int32_t virtualKey)
{
    if (keyDownHandler) {
        keyDownHandler(this, virtualKey);
    }
}

bool GUIElement::OnChar(wchar_t character)
{
    return charHandler ? charHandler(this, character) : true;
}

void GUIElement::OnMouseMove(int32_t pointX, int32_t pointY)
{
    if (mouseMoveHandler) {
        mouseMoveHandler(this, pointX, pointY);
    }
}

void GUIElement::OnMouseHover()
{
    if (mouseHoverHandler) {
        mouseHoverHandler(this);
    }
}

void GUIElement::OnMouseLeave()
{
    if (mouseLeaveHandler) {
        mouseLeaveHandler(this);
    }
}

void GUIElement::Focus()
{
    if (created) {
        SetFocus(hwnd);
    }
}

void GUIElement::OnMove()
{
    ReadPosition();
    if (moveHandler) {
        moveHandler(this);
    }
}

void GUIElement::OnSize()
{
    if (sizeHandler) {
        sizeHandler(this);
    }
}

void GUIElement::OnPaint()
{
    if (backColorApplied) {
        SetBackColor(backColor);
    }
    if (paintHandler) {
        paintHandler(this);
    }
}

HBRUSH GUIElement::OnCtlColor(HDC)
{
    return nullptr;
}

bool GUIElement::OnClose()
{
    return closeHandler ? closeHandler(this) : true;
}

void GUIElement::OnDestroy()
{
    if (destroyHandler) {
        destroyHandler(this);
    }
    destroyed = true;
}

void GUIElement::OnSetFocus()
{
    focusText = GetText();
    if (setFocusHandler) {
        setFocusHandler(this);
    }
}

void GUIElement::OnKillFocus()
{
    if (killFocusHandler) {
        killFocusHandler(this);
    }
    if (GetText() != focusText && textChangedHandler) {
        textChangedHandler(this);
    }
}

void GUIElement::OnCreated(HWND window)
{
    if (!hwnd) {
        hwnd = window;
    }
    if (!createdNotified) {
        // Set first: the handler may pump messages that lead here again.
        createdNotified = true;
        if (createdHandler) {
            createdHandler(this, hwnd);
        }
    }
}

void GUIElement::Redraw()
{
    if (created) {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    }
}

bool GUIElement::GetWaitCursor()
{
    return waitCursor;
}

bool GUIElement::GetHandCursor()
{
    return handCursor;
}

void GUIElement::SetWaitCursor(bool value)
{
    waitCursor = value;
}

void GUIElement::SetHandCursor(bool value)
{
    handCursor = value;
}

void GUIElement::OnShow()
{
}

void GUIElement::SetBackColor(int32_t color)
{
    backColor = color;
    if (!created) {
        return;
    }
    InvalidateRect(hwnd, nullptr, FALSE);
    RECT client;
    GetClientRect(hwnd, &client);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    SetBkColor(dc, static_cast<COLORREF>(backColor));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, L"", 0, nullptr);
    EndPaint(hwnd, &paint);
    backColorApplied = true;
}

std::wstring GUIElement::GetText()
{
    if (created) {
        const int length = GetWindowTextLengthW(hwnd);
        if (length < 1) {
            text.clear();
        } else {
            std::vector<wchar_t> buffer(length + 1);
            const int copied = GetWindowTextW(hwnd, buffer.data(), length + 1);
            if (copied != 0) {
                text.assign(buffer.data(), copied);
            }
        }
    }
    return text;
}

std::string GUIElement::GetNarrowText()
{
    return ToNarrow(GetText());
}

POINT GUIElement::ReadPosition()
{
    if (created) {
        RECT outer{};
        GetWindowRect(hwnd, &outer);
        POINT corner{outer.left, outer.top};
        if (parent) {
            ScreenToClient(parent->hwnd, &corner);
        }
        x = corner.x;
        y = corner.y;
    }
    return POINT{x, y};
}

SIZE GUIElement::ReadSize()
{
    if (created) {
        RECT outer{};
        GetWindowRect(hwnd, &outer);
        width = outer.right - outer.left;
        height = outer.bottom - outer.top;
    }
    return SIZE{width, height};
}

} // namespace KavoUtility
