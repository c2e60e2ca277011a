#include "tests/support/GdiObjectCount.h"

#include <windows.h>
#include <winternl.h>

namespace {

// Layout of the 64-bit process environment block's GDI handle table.
constexpr size_t pebGdiTableOffset = 0xF8;
constexpr int32_t gdiTableEntries = 0x10000;
constexpr size_t gdiEntrySize = 24;
constexpr size_t gdiEntryTypeOffset = 14;

using QueryProcess = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

const uint8_t* GdiHandleTable()
{
    // Looked up at run time so that the test programs need no import library
    // of ntdll.
    auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION info{};
    if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof info, nullptr) != 0) {
        return nullptr;
    }
    auto peb = reinterpret_cast<const uint8_t*>(info.PebBaseAddress);
    return *reinterpret_cast<const uint8_t* const*>(peb + pebGdiTableOffset);
}

} // namespace

int32_t GdiObjectCount()
{
    const uint8_t* table = GdiHandleTable();
    if (!table) {
        return 0;
    }
    int32_t live = 0;
    for (int32_t entry = 0; entry < gdiTableEntries; ++entry) {
        if (table[entry * gdiEntrySize + gdiEntryTypeOffset] != 0) {
            ++live;
        }
    }
    return live;
}
