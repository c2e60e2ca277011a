// window-probe TITLE_PREFIX: lists the visible windows of the program whose
// main window title begins with TITLE_PREFIX, one a line, fields split by
// tabs, in z-order:
//   top    handle class caption left top right bottom enabled
//   client handle left top right bottom      (the client area, on the screen)
//   menu   handle left top right bottom      (the menu bar, on the screen)
//   child  parent class text left top right bottom visible
#include "ProgramWindows.h"

#include <cstdio>

namespace {

std::wstring Handle(HWND window)
{
    return std::to_wstring(reinterpret_cast<uintptr_t>(window));
}

std::wstring Box(const RECT& box)
{
    return std::to_wstring(box.left) + L"\t" + std::to_wstring(box.top) + L"\t" + std::to_wstring(box.right) + L"\t"
        + std::to_wstring(box.bottom);
}

BOOL CALLBACK PrintChild(HWND child, LPARAM)
{
    RECT box;
    GetWindowRect(child, &box);
    PrintLine(L"child\t" + Handle(GetParent(child)) + L"\t" + WindowClass(child) + L"\t" + WindowText(child) + L"\t"
        + Box(box) + L"\t" + std::to_wstring(IsWindowVisible(child) != 0));
    return TRUE;
}

void PrintTop(HWND window)
{
    RECT box;
    GetWindowRect(window, &box);
    PrintLine(L"top\t" + Handle(window) + L"\t" + WindowClass(window) + L"\t" + WindowText(window) + L"\t" + Box(box)
        + L"\t" + std::to_wstring(IsWindowEnabled(window) != 0));
    RECT client;
    GetClientRect(window, &client);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    PrintLine(L"client\t" + Handle(window) + L"\t" + Box(client));
    // The bar sits right above the client area; Wine does not answer
    // GetMenuBarInfo.
    if (GetMenu(window)) {
        const RECT bar{client.left, client.top - GetSystemMetrics(SM_CYMENU), client.right, client.top};
        PrintLine(L"menu\t" + Handle(window) + L"\t" + Box(bar));
    }
    EnumChildWindows(window, PrintChild, 0);
}

BOOL CALLBACK PrintIfOwn(HWND window, LPARAM process)
{
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(process) && IsWindowVisible(window)) {
        PrintTop(window);
    }
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: window-probe TITLE_PREFIX\n");
        return 2;
    }
    const DWORD process = ProcessWithTitle(argv[1]);
    if (process) {
        EnumWindows(PrintIfOwn, static_cast<LPARAM>(process));
    }
    return process ? 0 : 1;
}
