// A memory device context compatible with another one, deleted on scope exit.
#pragma once

#include <windows.h>

namespace KavoUtility {

class MemoryDC {
public:
    explicit MemoryDC(HDC compatible) : dc(CreateCompatibleDC(compatible)) {}
    ~MemoryDC()
    {
        if (dc) {
            DeleteDC(dc);
        }
    }

    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC Get() const { return dc; }
    explicit operator bool() const { return dc != nullptr; }

private:
    HDC dc;
};

} // namespace KavoUtility
