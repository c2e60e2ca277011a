// GUIElement: the root of every toolkit object that stands for one window.
#pragma once

#include "toolkit/core/Handlers.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace KavoUtility {

class FontRecord;

// Keeps every property of its window in public fields, so that a whole tree
// can be configured before any window exists; the concrete class's Create
// builds the window from them and later setters apply to the live window.
// The shared WindowProc turns messages into the virtual operations below,
// whose base versions call the handler pointers.
class GUIElement {
public:
    bool destroyed;
    bool waitCursor;
    bool handCursor;
    HWND tooltipWindow;
    HWND hwnd;
    HINSTANCE instance;
    WNDCLASSW windowClass;
    FontRecord* font;
    int32_t width;
    int32_t height;
    int32_t x;
    int32_t y;
    bool created;
    int32_t backColor;
    std::wstring text;
    std::wstring focusText;
    bool backColorApplied;
    bool enabled;
    int32_t id;
    std::string typeName;
    std::string tooltip;
    GUIElement* parent;
    WNDPROC previousWndProc;
    CreatedHandler createdHandler;
    bool createdNotified;
    LButtonUpHandler lButtonUpHandler;
    LButtonDownHandler lButtonDownHandler;
    LButtonDblClkHandler lButtonDblClkHandler;
    RButtonUpHandler rButtonUpHandler;
    RButtonDownHandler rButtonDownHandler;
    RButtonDblClkHandler rButtonDblClkHandler;
    KeyUpHandler keyUpHandler;
    KeyDownHandler keyDownHandler;
    CharHandler charHandler;
    MoveHandler moveHandler;
    SizeHandler sizeHandler;
    PaintHandler paintHandler;
    CloseHandler closeHandler;
    DestroyHandler destroyHandler;
    SetFocusHandler setFocusHandler;
    KillFocusHandler killFocusHandler;
    TextChangedHandler textChangedHandler;
    MouseMoveHandler mouseMoveHandler;
    MouseHoverHandler mouseHoverHandler;
    MouseLeaveHandler mouseLeaveHandler;

    explicit GUIElement(HINSTANCE instance);
    GUIElement(const GUIElement&) = delete;
    GUIElement& operator=(const GUIElement&) = delete;

    // The order of these operations is part of the design: subclasses replace
    // entries, and application forms append theirs after Create.
    virtual void SetText(const std::wstring& value);
    virtual void SetText(const std::string& value);
    virtual void OnLButtonUp(int32_t x, int32_t y);
    virtual void OnLButtonDown(int32_t x, int32_t y);
    virtual void OnLButtonDblClk(int32_t x, int32_t y);
    virtual void OnRButtonUp(int32_t x, int32_t y);
    virtual void OnRButtonDown(int32_t x, int32_t y);
    virtual void OnRButtonDblClk(int32_t x, int32_t y);
    virtual void OnKeyUp(int32_t virtualKey);
    virtual void OnKeyDown(int32_t virtualKey);
    virtual bool OnChar(wchar_t character);
    virtual void OnMouseMove(int32_t x, int32_t y);
    virtual void OnMouseHover();
    virtual void OnMouseLeave();
    virtual void Focus();
    virtual void OnMove();
    virtual void OnSize();
    virtual void OnPaint();
    virtual HBRUSH OnCtlColor(HDC controlContext);
    virtual bool OnClose();
    virtual void OnDestroy();
    virtual void OnSetFocus();
    virtual void OnKillFocus();
    virtual void OnCreated(HWND window);
    virtual void Redraw();
    virtual bool GetWaitCursor();
    virtual bool GetHandCursor();
    virtual void SetWaitCursor(bool value);
    virtual void SetHandCursor(bool value);
    virtual void OnShow();
    virtual void Create() = 0;

    // Takes the element out of the registry, so that no message or lookup can
    // reach it once it is gone. Declared after Create to keep the operations
    // above in their order; virtual so that deleting through any base is sound.
    virtual ~GUIElement();

    void SetSize(int32_t newWidth, int32_t newHeight)
    {
        width = newWidth;
        height = newHeight;
        if (created) {
            SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOMOVE | SWP_NOZORDER);
            UpdateTooltip();
            Redraw();
        }
    }

    void SetPosition(int32_t newX, int32_t newY)
    {
        x = newX;
        y = newY;
        if (created) {
            SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOSIZE | SWP_NOZORDER);
            Redraw();
        }
    }

    void SetEnabled(bool value)
    {
        enabled = value;
        if (created) {
            EnableWindow(hwnd, value);
        }
    }

    void SetBackColor(int32_t color);

    // Refreshes `text` from the live window and returns a copy of it.
    std::wstring GetText();
    std::string GetNarrowText();
    // Refresh x, y (parent's client coordinates, screen for a form) and
    // width, height (outer size) from the live window.
    POINT ReadPosition();
    SIZE ReadSize();

    void CreateTooltip(HWND window);
    void UpdateTooltip();
};

} // namespace KavoUtility
