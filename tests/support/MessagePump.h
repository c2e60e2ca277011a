// Dispatching a test thread's messages, for tests that wait for the system
// to deliver something (timer ticks, posted commands, repaints).
#pragma once

#include <windows.h>

#include <functional>

// Dispatches every message already queued for this thread.
void PumpPending();

// Dispatches messages until done() answers true or timeoutMs have passed;
// returns done()'s last answer. Sleeps only while the queue is empty.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// Dispatches messages for durationMs, for checking that something does not happen.
void PumpFor(DWORD durationMs);
