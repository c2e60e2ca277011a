// SubMenu: a command item of a menu, or a cascading submenu when it has items
// of its own.
#pragma once

#include "toolkit/controls/CommandElement.h"
#include "toolkit/core/Child.h"

#include <windows.h>

#include <string>
#include <vector>

namespace KavoUtility {

// The item's id, drawn at construction, is its menu command number.
class SubMenu : public Child, public CommandElement {
public:
    // Entries of a cascade; empty for a command item. Not owned.
    std::vector<GUIElement*> items;
    // The cascade's pop-up menu, also in hwnd after Create.
    HMENU popupHandle = nullptr;
    // AppendMenuW flags of a command item: MF_GRAYED, MF_DISABLED, MF_SEPARATOR...
    UINT itemFlags = MF_STRING;
    // The check mark toggles by itself on every command.
    bool checkable = false;
    bool checked = false;

    // parent is a Menu or a SubMenu. The item takes its id, appends itself to
    // the parent's items, and creates itself at once when the parent is
    // already created.
    SubMenu(GUIElement* parent, std::string text);

    // Does nothing until the parent has a system menu.
    void Create() override;

    // Shows `checked` on the system menu item.
    void ApplyCheck();
    // Reads the check mark back from the system menu when the item is created.
    bool IsChecked();

private:
    HMENU ParentMenuHandle() const;
};

} // namespace KavoUtility
