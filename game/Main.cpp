// Entry point of Runepairs. The command line and the show command are not used.
#include "game/Application.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    return Game::RunApplication(instance);
}
