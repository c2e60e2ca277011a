#include "toolkit/core/Form.h"

#include "toolkit/core/ControlWindow.h"
#include "toolkit/core/FrameSize.h"
#include "toolkit/core/OwnWindowClass.h"
#include "toolkit/core/Registry.h"
#include "toolkit/core/WindowProc.h"
#include "toolkit/text/Text.h"

namespace KavoUtility {

HWND mainWindow = nullptr;

namespace {

constexpr DWORD captionedStyle = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX;
constexpr DWORD dialogStyleExtra = 0x80;

} // namespace

Form::Form(HINSTANCE instance)
    : GUIElement(instance)
{
    typeName = "form";
}

void Form::Create()
{
    if (created) {
        return;
    }
    className = L"Window" + ToWide(DecimalText(nextControlId));
    id = ++nextControlId;
    RegisterWindowClass();
    hwnd = CreateWindowExW(ExtendedStyle(), className.c_str(), text.c_str(), Style(), x, y, width, height, nullptr,
        nullptr, instance, nullptr);
    if (!mainWindow) {
        mainWindow = hwnd;
    }
    OnCreated(hwnd);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    FinishCreate(*this);
}

Form::~Form()
{
    ReleaseOwnClass(className, instance, hwnd, windowClass.hbrBackground);
}

void Form::RegisterWindowClass()
{
    windowClass = WNDCLASSW{};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = iconId != 0 ? LoadIconW(instance, MAKEINTRESOURCEW(iconId)) : LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = ClassBackground(backColor);
    windowClass.lpszClassName = className.c_str();
    RegisterClassW(&windowClass);
}

DWORD Form::Style() const
{
    DWORD style = WS_POPUP;
    if (captioned) {
        style = captionedStyle | (minimizeBox ? WS_MINIMIZEBOX : 0) | (maximizeBox ? WS_THICKFRAME : 0);
    }
    if (dialogMode) {
        style = captionedStyle | (dialogStyleBit ? dialogStyleExtra : 0);
    }
    if (!maximizeBox) {
        style &= ~static_cast<DWORD>(WS_MAXIMIZEBOX);
    }
    if (!minimizeBox) {
        style &= ~static_cast<DWORD>(WS_MINIMIZEBOX);
    }
    if (!enabled) {
        style |= WS_DISABLED;
    }
    return style;
}

DWORD Form::ExtendedStyle() const
{
    return dialogMode ? WS_EX_DLGMODALFRAME | WS_EX_TOPMOST : 0;
}

void Form::SetClientSize(int32_t clientWidth, int32_t clientHeight, bool adjustPosition)
{
    if (!created) {
        return;
    }
    const SIZE frame = FrameSize(hwnd);
    const POINT position = ReadPosition();
    if (adjustPosition) {
        x = position.x - frame.cx;
        y = position.y - 2 * frame.cy;
        SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOSIZE | SWP_NOZORDER);
        Redraw();
    }
    SetSize(clientWidth + frame.cx, clientHeight + frame.cy);
}

void Form::CenterOnScreen()
{
    const int32_t screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int32_t screenHeight = GetSystemMetrics(SM_CYSCREEN);
    ReadSize();
    x = (screenWidth - width) / 2;
    y = (screenHeight - height) / 2;
    if (created) {
        SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOSIZE | SWP_NOZORDER);
        Redraw();
    }
}

void Form::SetIcon()
{
    // LoadIconW hands out a shared icon that the system frees with the
    // module: destroying it would pull it from under the window showing it.
    iconHandle = LoadIconW(instance, MAKEINTRESOURCEW(iconId));
    if (iconHandle) {
        SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(iconHandle));
    }
}

void Form::RegisterHotKeys()
{
    for (size_t entry = 0; entry < hotKeys.size(); ++entry) {
        RegisterHotKey(hwnd, static_cast<int>(entry + 1), hotKeys[entry].modifiers, hotKeys[entry].key);
    }
}

void Form::UnregisterHotKeys()
{
    for (size_t hotKeyId = 1; hotKeyId <= hotKeys.size(); ++hotKeyId) {
        UnregisterHotKey(hwnd, static_cast<int>(hotKeyId));
    }
}

} // namespace KavoUtility
