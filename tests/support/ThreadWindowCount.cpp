#include "tests/support/ThreadWindowCount.h"

#include <windows.h>

namespace {

BOOL CALLBACK CountOne(HWND, LPARAM count)
{
    ++*reinterpret_cast<int32_t*>(count);
    return TRUE;
}

BOOL CALLBACK CountWithChildren(HWND window, LPARAM count)
{
    CountOne(window, count);
    EnumChildWindows(window, CountOne, count);
    return TRUE;
}

} // namespace

int32_t ThreadWindowCount()
{
    int32_t count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWithChildren, reinterpret_cast<LPARAM>(&count));
    return count;
}
