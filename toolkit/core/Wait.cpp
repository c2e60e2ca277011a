#include "toolkit/core/Wait.h"

#include "toolkit/core/DateTime.h"

#include <windows.h>

namespace KavoUtility {

namespace {

constexpr uint64_t waitUnits = 5000000;

// Now plus half a second; an empty value when the clock cannot be converted,
// which ends the wait at once.
DateTime Deadline()
{
    DateTime deadline = DateTime::Now();
    FILETIME file{};
    if (!SystemTimeToFileTime(&deadline.time, &file)) {
        return DateTime{};
    }
    ULARGE_INTEGER units{};
    units.LowPart = file.dwLowDateTime;
    units.HighPart = file.dwHighDateTime;
    units.QuadPart += waitUnits;
    file.dwLowDateTime = units.LowPart;
    file.dwHighDateTime = units.HighPart;
    if (!FileTimeToSystemTime(&file, &deadline.time)) {
        return DateTime{};
    }
    return deadline;
}

// Dispatches what is queued. A quit request is put back for the main loop,
// which must still see it once the wait is over.
void PumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        const BOOL result = GetMessageW(&msg, nullptr, 0, 0);
        if (result == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (result != -1) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

} // namespace

void Wait()
{
    const DateTime deadline = Deadline();
    if (deadline.empty || DateTime::Now().Compare(deadline) != -1) {
        return;
    }
    int32_t order;
    do {
        order = DateTime::Now().Compare(deadline);
        PumpMessages();
    } while (order == -1);
}

} // namespace KavoUtility
