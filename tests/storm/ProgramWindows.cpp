#include "ProgramWindows.h"

#include <cstdio>
#include <vector>

std::wstring WindowText(HWND window)
{
    wchar_t buffer[512] = L"";
    GetWindowTextW(window, buffer, 512);
    return buffer;
}

std::wstring WindowClass(HWND window)
{
    wchar_t buffer[64] = L"";
    GetClassNameW(window, buffer, 64);
    return buffer;
}

namespace {

struct Search {
    const std::wstring* prefix;
    DWORD process;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM data)
{
    auto search = reinterpret_cast<Search*>(data);
    if (WindowText(window).rfind(*search->prefix, 0) == 0) {
        GetWindowThreadProcessId(window, &search->process);
        return FALSE;
    }
    return TRUE;
}

} // namespace

DWORD ProcessWithTitle(const std::wstring& prefix)
{
    Search search{&prefix, 0};
    EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
    return search.process;
}

void PrintLine(const std::wstring& line)
{
    const int length = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> text(length > 0 ? length : 1);
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, text.data(), length, nullptr, nullptr);
    std::printf("%s\n", text.data());
    std::fflush(stdout);
}
