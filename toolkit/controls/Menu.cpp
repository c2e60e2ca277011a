// Menu: one drop-down entry of a menu bar.
#include "toolkit/controls/Menu.h"

#include "toolkit/controls/MenuBar.h"
#include "toolkit/text/Text.h"

namespace KavoUtility {

Menu::Menu(MenuBar* bar, std::string text)
{
    this->text = ToWide(text);
    parent = bar;
    typeName = "menu";
    bar->items.push_back(this);
    if (bar->created) {
        Create();
    }
}

// Entries are created before the drop-down is appended to the bar, so the
// menu is complete when it is first shown.
void Menu::Create()
{
    if (created) {
        return;
    }
    MenuBar* bar = dynamic_cast<MenuBar*>(parent);
    if (!bar || !bar->menuHandle) {
        return;
    }
    menuHandle = CreateMenu();
    for (GUIElement* item : items) {
        item->Create();
    }
    AppendMenuW(bar->menuHandle, MF_POPUP, reinterpret_cast<UINT_PTR>(menuHandle), text.c_str());
    hwnd = reinterpret_cast<HWND>(menuHandle);
    created = true;
}

} // namespace KavoUtility
