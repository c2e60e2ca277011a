// The number of live GDI objects of this process, for leak tests.
#pragma once

#include <cstdint>

// Counts the live entries of the process's GDI handle table. Wine's
// GetGuiResources is a stub that answers 0, while this count moves by
// exactly one for every object created or deleted. The first window of a
// process creates some objects once: take a baseline after a warm-up.
int32_t GdiObjectCount();

