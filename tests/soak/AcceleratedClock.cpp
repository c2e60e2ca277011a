#include "tests/soak/AcceleratedClock.h"

#include <windows.h>

using LocalTimeReader = void(WINAPI*)(LPSYSTEMTIME);

// The program's import slot for GetLocalTime, which the toolkit's calls go
// through; the library it comes from is untouched.
extern "C" LocalTimeReader __imp_GetLocalTime;

namespace {

LocalTimeReader systemReader = nullptr;
int64_t step = 0;
int64_t advance = 0;

constexpr int64_t unitsPerMillisecond = 10000;

void WINAPI ReadFastLocalTime(LPSYSTEMTIME time)
{
    systemReader(time);
    advance += step * unitsPerMillisecond;
    FILETIME file;
    SystemTimeToFileTime(time, &file);
    ULARGE_INTEGER units;
    units.LowPart = file.dwLowDateTime;
    units.HighPart = file.dwHighDateTime;
    units.QuadPart += static_cast<uint64_t>(advance);
    file.dwLowDateTime = units.LowPart;
    file.dwHighDateTime = units.HighPart;
    FileTimeToSystemTime(&file, time);
}

void Install(LocalTimeReader reader)
{
    DWORD protection;
    VirtualProtect(&__imp_GetLocalTime, sizeof reader, PAGE_READWRITE, &protection);
    __imp_GetLocalTime = reader;
    VirtualProtect(&__imp_GetLocalTime, sizeof reader, protection, &protection);
}

} // namespace

AcceleratedClock::AcceleratedClock(int64_t stepMilliseconds)
{
    step = stepMilliseconds;
    systemReader = __imp_GetLocalTime;
    Install(ReadFastLocalTime);
}

AcceleratedClock::~AcceleratedClock()
{
    Install(systemReader);
}
