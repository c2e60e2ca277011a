// FormMain's commands: the three buttons and the three menu items.
#include "game/FormMain.h"

#include "toolkit/controls/Button.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/text/ShellOpen.h"

namespace Game {

using namespace KavoUtility;

// Identifiers are unique, so at most one comparison succeeds.
void FormMain::OnMenuCommand(GUIElement* item)
{
    if (item->id == exitItem->id) {
        // The close goes through ConfirmClose, which asks the player.
        SendMessageW(hwnd, WM_CLOSE, 0, 0);
        created = false;
    }
    if (item->id == homeItem->id) {
        ShellOpen(kSiteAddress);
    }
    if (item->id == guideItem->id) {
        ShellOpen(HelpPageAddress());
    }
}

void FormMain::OnButtonCommand(GUIElement* button)
{
    if (button->id == closeButton->id) {
        OnMenuCommand(exitItem);
    } else if (button->id == startButton->id) {
        if (gameRunning) {
            Abandon();
        } else {
            Start();
        }
    } else if (button->id == infoButton->id) {
        ShowAbout();
    }
}

} // namespace Game
