#include "toolkit/core/DateTime.h"

namespace KavoUtility {

namespace {

constexpr int64_t fileTimeUnitsPerSecond = 10000000;

// 0 when the conversion fails.
int64_t FileTimeUnits(const SYSTEMTIME& time)
{
    FILETIME file{};
    if (!SystemTimeToFileTime(&time, &file)) {
        return 0;
    }
    return static_cast<int64_t>((static_cast<uint64_t>(file.dwHighDateTime) << 32) | file.dwLowDateTime);
}

bool Converts(const SYSTEMTIME& time)
{
    FILETIME file;
    return SystemTimeToFileTime(&time, &file) != 0;
}

} // namespace

DateTime DateTime::Now()
{
    DateTime now;
    GetLocalTime(&now.time);
    now.empty = false;
    return now;
}

int32_t DateTime::Compare(const DateTime& other) const
{
    if (empty || !Converts(other.time)) {
        return 0;
    }
    const int64_t mine = FileTimeUnits(time);
    const int64_t theirs = FileTimeUnits(other.time);
    return mine < theirs ? -1 : (mine > theirs ? 1 : 0);
}

int64_t DateTime::SecondsUntil(const DateTime& other) const
{
    if (empty || !Converts(other.time)) {
        return 0;
    }
    return (FileTimeUnits(other.time) - FileTimeUnits(time)) / fileTimeUnitsPerSecond;
}

} // namespace KavoUtility
