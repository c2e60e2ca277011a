#include "tests/soak/ProcessFootprint.h"

#include "tests/support/GdiObjectCount.h"
#include "toolkit/core/Registry.h"

#include <windows.h>

#include <vector>

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM count)
{
    ++*reinterpret_cast<int32_t*>(count);
    return TRUE;
}

BOOL CALLBACK CountOwnWindowTree(HWND window, LPARAM count)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) {
        ++*reinterpret_cast<int32_t*>(count);
        EnumChildWindows(window, CountChild, count);
    }
    return TRUE;
}

int32_t CountWindows()
{
    int32_t count = 0;
    EnumWindows(CountOwnWindowTree, reinterpret_cast<LPARAM>(&count));
    return count;
}

int64_t BusyBytes(HANDLE heap)
{
    int64_t bytes = 0;
    if (!HeapLock(heap)) {
        return 0;
    }
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heap, &entry)) {
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) {
            bytes += entry.cbData;
        }
    }
    HeapUnlock(heap);
    return bytes;
}

int64_t HeapBytes()
{
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
    heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    int64_t bytes = 0;
    for (HANDLE heap : heaps) {
        bytes += BusyBytes(heap);
    }
    return bytes;
}

// Wine leaves the private usage of the memory counters at 0, so the
// committed private regions of the address space are summed instead.
int64_t PrivateBytes()
{
    int64_t bytes = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* address = nullptr;
         VirtualQuery(address, &region, sizeof region) == sizeof region;
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
            bytes += static_cast<int64_t>(region.RegionSize);
        }
    }
    return bytes;
}

} // namespace

ProcessFootprint ProcessFootprint::Measure()
{
    ProcessFootprint footprint;
    footprint.gdiObjects = GdiObjectCount();
    footprint.windows = CountWindows();
    footprint.heapBytes = HeapBytes();
    footprint.privateBytes = PrivateBytes();
    footprint.registeredElements = static_cast<int64_t>(KavoUtility::elementRegistry.size());
    return footprint;
}

std::ostream& operator<<(std::ostream& out, const ProcessFootprint& footprint)
{
    return out << "GDI objects " << footprint.gdiObjects << ", windows " << footprint.windows << ", heap bytes "
               << footprint.heapBytes << ", private bytes " << footprint.privateBytes << ", elements "
               << footprint.registeredElements;
}
