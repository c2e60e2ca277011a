// MenuBar: the menu bar of a form.
#include "toolkit/controls/MenuBar.h"

namespace KavoUtility {

MenuBar::MenuBar(GUIElement* form)
{
    parent = form;
    typeName = "menubar";
}

// Every menu is complete before the bar reaches the form, so the bar is right
// when it is first drawn.
void MenuBar::Create()
{
    if (!parent || !parent->hwnd) {
        return;
    }
    menuHandle = CreateMenu();
    for (GUIElement* item : items) {
        item->Create();
    }
    SetMenu(parent->hwnd, menuHandle);
    created = true;
    hwnd = reinterpret_cast<HWND>(menuHandle);
}

} // namespace KavoUtility
