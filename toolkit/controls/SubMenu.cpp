// SubMenu: a command item of a menu, or a cascading submenu when it has items
// of its own.
#include "toolkit/controls/SubMenu.h"

#include "toolkit/controls/Menu.h"
#include "toolkit/core/Registry.h"
#include "toolkit/text/Text.h"

namespace KavoUtility {

namespace {

std::vector<GUIElement*>* ParentItems(GUIElement* parent)
{
    if (Menu* menu = dynamic_cast<Menu*>(parent)) {
        return &menu->items;
    }
    if (SubMenu* cascade = dynamic_cast<SubMenu*>(parent)) {
        return &cascade->items;
    }
    return nullptr;
}

UINT CheckFlag(bool checked)
{
    return checked ? MF_CHECKED : MF_UNCHECKED;
}

} // namespace

SubMenu::SubMenu(GUIElement* parent, std::string text)
{
    this->parent = parent;
    this->text = ToWide(text);
    typeName = "submenu";
    // The id is the item's command number, known before any menu exists.
    id = ++nextControlId;
    std::vector<GUIElement*>* siblings = ParentItems(parent);
    if (!siblings) {
        return;
    }
    siblings->push_back(this);
    if (parent->created) {
        Create();
    }
}

void SubMenu::Create()
{
    if (created) {
        return;
    }
    HMENU parentMenu = ParentMenuHandle();
    if (!parentMenu) {
        return;
    }
    if (items.empty()) {
        AppendMenuW(parentMenu, itemFlags, static_cast<UINT_PTR>(id), text.empty() ? nullptr : text.c_str());
        if (checkable) {
            CheckMenuItem(parentMenu, static_cast<UINT>(id), MF_BYCOMMAND | CheckFlag(checked));
        }
    } else {
        popupHandle = CreatePopupMenu();
        for (GUIElement* item : items) {
            item->Create();
        }
        AppendMenuW(parentMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(popupHandle), text.c_str());
    }
    hwnd = reinterpret_cast<HWND>(popupHandle);
    created = true;
}

void SubMenu::ApplyCheck()
{
    HMENU parentMenu = ParentMenuHandle();
    if (parentMenu) {
        CheckMenuItem(parentMenu, static_cast<UINT>(id), MF_BYCOMMAND | CheckFlag(checked && checkable));
    }
}

// Only the check bit counts: an item that also starts a column or is grayed
// must not read as unchecked forever.
bool SubMenu::IsChecked()
{
    HMENU parentMenu = ParentMenuHandle();
    if (created && parentMenu) {
        UINT state = GetMenuState(parentMenu, static_cast<UINT>(id), MF_BYCOMMAND);
        checked = state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
    }
    return checked;
}

HMENU SubMenu::ParentMenuHandle() const
{
    if (Menu* menu = dynamic_cast<Menu*>(parent)) {
        return menu->menuHandle;
    }
    if (SubMenu* cascade = dynamic_cast<SubMenu*>(parent)) {
        return cascade->popupHandle;
    }
    return nullptr;
}

} // namespace KavoUtility
