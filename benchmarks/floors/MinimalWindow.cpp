// The floor for start-up benchmarks: a program that only opens a window the
// size of the game's, filled with one colour the benchmark looks for.
#include <windows.h>

namespace {

// Magenta: a colour the virtual desktop shows nowhere else.
constexpr COLORREF kFill = RGB(255, 0, 255);

LRESULT CALLBACK MinimalWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = MinimalWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreateSolidBrush(kFill);
    windowClass.lpszClassName = L"MinimalWindow";
    RegisterClassW(&windowClass);
    RECT frame{0, 0, 640, 480};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    CreateWindowExW(0, L"MinimalWindow", L"Minimal window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(windowClass.hbrBackground);
    return 0;
}
