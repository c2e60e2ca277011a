// Dispatches every message already queued for the calling thread, paints
// included, so that a test sees what the windows drew.
#pragma once

#include <windows.h>

inline void PumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
