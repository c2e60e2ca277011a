// Menu: one drop-down entry of a menu bar.
#pragma once

#include "toolkit/core/Child.h"

#include <windows.h>

#include <string>
#include <vector>

namespace KavoUtility {

class MenuBar;

// After Create, hwnd holds the drop-down's menu handle.
class Menu : public Child {
public:
    // The menu's items in display order; not owned.
    std::vector<GUIElement*> items;
    HMENU menuHandle = nullptr;

    // Appends itself to the bar, and creates itself at once when the bar is
    // already created.
    Menu(MenuBar* bar, std::string text);

    // Does nothing unless the parent is a created MenuBar.
    void Create() override;
};

} // namespace KavoUtility
