#include "game/Application.h"

#include "game/FormMain.h"
#include "game/GameConstants.h"
#include "toolkit/core/MessageLoop.h"

namespace Game {

std::string MainWindowTitle()
{
    return std::string(kProductName) + " " + kNoticeLine;
}

// The form outlives its window: it is deleted only once the loop has ended,
// so no message can reach a deleted element.
int RunApplication(HINSTANCE instance)
{
    {
        FormMain mainForm(instance, MainWindowTitle());
        KavoUtility::RunMessageLoop(&mainForm);
    }
    return 0;
}

} // namespace Game
