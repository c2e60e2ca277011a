// The number of windows the calling thread owns, for leak tests.
#pragma once

#include <cstdint>

// Top-level windows of the thread and every window inside them. USER objects
// cannot be counted under Wine, windows can.
int32_t ThreadWindowCount();
