#include "toolkit/core/WindowProc.h"

#include "toolkit/controls/PanelChildren.h"
#include "toolkit/core/Child.h"
#include "toolkit/core/ControlMessages.h"
#include "toolkit/core/Form.h"
#include "toolkit/core/PanelMessages.h"
#include "toolkit/core/Registry.h"

#include <windowsx.h>

namespace KavoUtility {

Form* activeForm = nullptr;
PanelChildren* lastPanel = nullptr;
bool mouseTracking = false;
bool appBusy = false;
bool blockScreenSaver = false;

namespace {

HCURSOR waitCursor = nullptr;
HCURSOR handCursor = nullptr;

void LoadCursors()
{
    if (!waitCursor) {
        waitCursor = LoadCursorW(nullptr, IDC_WAIT);
        handCursor = LoadCursorW(nullptr, IDC_HAND);
    }
}

// One decoded message: the element that owns the window, if any, and the
// procedure that default processing hands the message to.
struct Message {
    HWND window;
    UINT code;
    WPARAM wParam;
    LPARAM lParam;
    GUIElement* element;
    WNDPROC previous;

    int32_t X() const { return GET_X_LPARAM(lParam); }
    int32_t Y() const { return GET_Y_LPARAM(lParam); }
};

LRESULT DefaultProcessing(const Message& m)
{
    if (m.previous) {
        return CallWindowProcW(m.previous, m.window, m.code, m.wParam, m.lParam);
    }
    return DefWindowProcW(m.window, m.code, m.wParam, m.lParam);
}

void OnCreateMessage(const Message& m)
{
    if (auto form = dynamic_cast<Form*>(m.element)) {
        form->OnCreated(m.window);
    }
}

void OnDestroyMessage(const Message& m)
{
    if (m.element) {
        if (auto form = dynamic_cast<Form*>(m.element)) {
            form->UnregisterHotKeys();
        }
        m.element->OnDestroy();
    }
    if (m.window == mainWindow) {
        PostQuitMessage(0);
    }
}

// Only the foreground test decides, for activation and deactivation alike.
void OnActivateMessage(const Message& m)
{
    auto form = dynamic_cast<Form*>(m.element);
    if (!form) {
        return;
    }
    lastPanel = nullptr;
    if (GetForegroundWindow() == m.window) {
        if (activeForm) {
            activeForm->UnregisterHotKeys();
        }
        form->RegisterHotKeys();
        activeForm = form;
    } else {
        form->UnregisterHotKeys();
    }
}

// The cursor for the client area, or none for the class cursor.
HCURSOR ClientCursor(const Message& m)
{
    if (appBusy) {
        return waitCursor;
    }
    if (!m.element) {
        return nullptr;
    }
    if (m.element->GetHandCursor()) {
        return handCursor;
    }
    return m.element->GetWaitCursor() ? waitCursor : nullptr;
}

bool OnSetCursorMessage(const Message& m)
{
    if (LOWORD(m.lParam) != HTCLIENT) {
        return false;
    }
    HCURSOR cursor = ClientCursor(m);
    if (!cursor) {
        return false;
    }
    SetCursor(cursor);
    return true;
}

// Moves the focus within the parent's tab order; the key still goes on.
void MoveFocusByTab(const Message& m)
{
    HWND dialog = m.window;
    if (auto child = dynamic_cast<Child*>(m.element); child && child->parent) {
        dialog = child->parent->hwnd;
    }
    const bool backwards = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    HWND next = GetNextDlgTabItem(dialog, m.window, backwards);
    if (!next) {
        return;
    }
    if (GUIElement* target = FindByHandle(next)) {
        target->Focus();
    }
}

void OnKeyDownMessage(const Message& m)
{
    if (m.wParam == VK_TAB) {
        MoveFocusByTab(m);
    }
    if (m.element) {
        m.element->OnKeyDown(static_cast<int32_t>(m.wParam));
    }
}

bool BlocksScreenSaver(const Message& m)
{
    return blockScreenSaver && (m.wParam == SC_SCREENSAVE || m.wParam == SC_MONITORPOWER);
}

void OnMouseMoveMessage(const Message& m)
{
    if (!m.element) {
        return;
    }
    m.element->OnMouseMove(m.X(), m.Y());
    if (!mouseTracking) {
        TRACKMOUSEEVENT tracking{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, m.element->hwnd, HOVER_DEFAULT};
        mouseTracking = TrackMouseEvent(&tracking) != 0;
    }
}

void OnMouseLeaveMessage(const Message& m)
{
    mouseTracking = false;
    if (m.element) {
        m.element->OnMouseLeave();
    }
}

const HotKey* FindHotKey(const Form& form, uint32_t modifiers, uint32_t key)
{
    for (const HotKey& entry : form.hotKeys) {
        if (entry.modifiers == modifiers && entry.key == key) {
            return &entry;
        }
    }
    return nullptr;
}

void CallHotKey(Form& form, const HotKey& entry)
{
    if (entry.handler) {
        entry.handler(&form, entry.modifiers, entry.key);
    }
}

// A hot key registered by one form is delivered to it even while another
// form is in front: that form answers it if it has the same key combination.
void OnHotKeyMessage(const Message& m)
{
    HWND foreground = GetForegroundWindow();
    auto form = dynamic_cast<Form*>(m.element);
    if (!form || m.wParam < 1 || m.wParam > form->hotKeys.size()) {
        return;
    }
    const HotKey& entry = form->hotKeys[m.wParam - 1];
    if (foreground == m.window) {
        CallHotKey(*form, entry);
        return;
    }
    auto front = dynamic_cast<Form*>(FindByHandle(foreground));
    if (!front) {
        return;
    }
    if (const HotKey* match = FindHotKey(*front, entry.modifiers, entry.key)) {
        CallHotKey(*front, *match);
    }
}

// Calls `operation` on the element, if there is one.
template <typename Operation>
void IfElement(const Message& m, Operation operation)
{
    if (m.element) {
        operation(*m.element);
    }
}

} // namespace

void ForgetElement(const GUIElement* element)
{
    if (activeForm && static_cast<const GUIElement*>(activeForm) == element) {
        activeForm = nullptr;
    }
    if (lastPanel && static_cast<const GUIElement*>(lastPanel) == element) {
        lastPanel = nullptr;
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT code, WPARAM wParam, LPARAM lParam)
{
    LoadCursors();
    GUIElement* element = FindByHandle(window);
    const Message m{window, code, wParam, lParam, element, element ? element->previousWndProc : nullptr};
    switch (code) {
    case WM_CREATE:
        OnCreateMessage(m);
        break;
    case WM_DESTROY:
        OnDestroyMessage(m);
        break;
    case WM_MOVE:
        IfElement(m, [](GUIElement& e) { e.OnMove(); });
        break;
    case WM_SIZE:
        IfElement(m, [](GUIElement& e) { e.OnSize(); });
        break;
    case WM_ACTIVATE:
        OnActivateMessage(m);
        break;
    case WM_SETFOCUS:
        IfElement(m, [](GUIElement& e) { e.OnSetFocus(); });
        break;
    case WM_KILLFOCUS:
        IfElement(m, [](GUIElement& e) { e.OnKillFocus(); });
        break;
    case WM_PAINT:
        IfElement(m, [](GUIElement& e) { e.OnPaint(); });
        break;
    case WM_CLOSE:
        if (element && !element->OnClose()) {
            return 1;
        }
        break;
    case WM_SHOWWINDOW:
        IfElement(m, [](GUIElement& e) {
            e.OnShow();
            e.OnSize();
        });
        break;
    case WM_SETCURSOR:
        if (OnSetCursorMessage(m)) {
            return 1;
        }
        break;
    case WM_DRAWITEM:
        if (DrawOwnerDrawnButton(wParam, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
            return 1;
        }
        break;
    case WM_KEYDOWN:
        OnKeyDownMessage(m);
        break;
    case WM_KEYUP:
        IfElement(m, [&m](GUIElement& e) { e.OnKeyUp(static_cast<int32_t>(m.wParam)); });
        break;
    case WM_CHAR:
        if (element && !element->OnChar(static_cast<wchar_t>(wParam))) {
            return 1;
        }
        break;
    case WM_COMMAND:
        RouteCommand(wParam, lParam);
        break;
    case WM_SYSCOMMAND:
        if (BlocksScreenSaver(m)) {
            return -1;
        }
        break;
    case WM_TIMER:
        RouteTimerTick(wParam);
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (RoutePanelScroll(window, code, wParam, lParam, element)) {
            return 0;
        }
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        if (element) {
            if (HBRUSH brush = element->OnCtlColor(reinterpret_cast<HDC>(wParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
        }
        break;
    case WM_MOUSEMOVE:
        OnMouseMoveMessage(m);
        break;
    case WM_LBUTTONDOWN:
        IfElement(m, [&m](GUIElement& e) { e.OnLButtonDown(m.X(), m.Y()); });
        lastPanel = AsPanel(element);
        break;
    case WM_LBUTTONUP:
        IfElement(m, [&m](GUIElement& e) { e.OnLButtonUp(m.X(), m.Y()); });
        break;
    case WM_LBUTTONDBLCLK:
        IfElement(m, [&m](GUIElement& e) { e.OnLButtonDblClk(m.X(), m.Y()); });
        break;
    case WM_RBUTTONDOWN:
        IfElement(m, [&m](GUIElement& e) { e.OnRButtonDown(m.X(), m.Y()); });
        break;
    case WM_RBUTTONUP:
        IfElement(m, [&m](GUIElement& e) { e.OnRButtonUp(m.X(), m.Y()); });
        break;
    case WM_RBUTTONDBLCLK:
        IfElement(m, [&m](GUIElement& e) { e.OnRButtonDblClk(m.X(), m.Y()); });
        break;
    case WM_MOUSEWHEEL:
        if (RoutePanelWheel(element, wParam)) {
            return 0;
        }
        break;
    case WM_MOUSEHOVER:
        IfElement(m, [](GUIElement& e) { e.OnMouseHover(); });
        break;
    case WM_MOUSELEAVE:
        OnMouseLeaveMessage(m);
        break;
    case WM_HOTKEY:
        OnHotKeyMessage(m);
        break;
    default:
        break;
    }
    return DefaultProcessing(m);
}

} // namespace KavoUtility
