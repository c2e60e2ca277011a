// What the storm's helpers need to find another process's windows by their
// titles and report on them.
#pragma once

#include <windows.h>

#include <string>

std::wstring WindowText(HWND window);
std::wstring WindowClass(HWND window);

// The process whose first top-level window, in z-order, has a title that
// begins with prefix; 0 when there is none.
DWORD ProcessWithTitle(const std::wstring& prefix);

// Writes line and a newline to standard output in UTF-8, at once.
void PrintLine(const std::wstring& line);
