// What a long run may not grow: the process's GDI objects, its windows, its
// memory and the toolkit's element registry.
#pragma once

#include <cstdint>
#include <ostream>

struct ProcessFootprint {
    int32_t gdiObjects = 0;
    // Top-level windows of the process and all their descendants.
    int32_t windows = 0;
    // Bytes in use in every heap of the process, summed block by block.
    int64_t heapBytes = 0;
    // Committed private memory of the process.
    int64_t privateBytes = 0;
    int64_t registeredElements = 0;

    static ProcessFootprint Measure();
};

std::ostream& operator<<(std::ostream& out, const ProcessFootprint& footprint);
