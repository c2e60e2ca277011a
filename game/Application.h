// The program's outer shell: the main window's title and the run from the
// first window to the end of the message loop.
#pragma once

#include <windows.h>

#include <string>

namespace Game {

// The product name, one blank, and the notice line.
std::string MainWindowTitle();

// Makes the main window, runs the message loop until the window is closed,
// deletes the window's object and answers 0, whatever happened.
int RunApplication(HINSTANCE instance);

} // namespace Game
