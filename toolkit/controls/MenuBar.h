// MenuBar: the menu bar of a form.
#pragma once

#include "toolkit/core/Child.h"

#include <windows.h>

#include <vector>

namespace KavoUtility {

// One Create builds the whole system menu tree and attaches it to the form.
// After it, hwnd holds the menu handle.
class MenuBar : public Child {
public:
    // The bar's menus in display order; not owned.
    std::vector<GUIElement*> items;
    HMENU menuHandle = nullptr;

    explicit MenuBar(GUIElement* form);

    // Does nothing until the form has its window.
    void Create() override;
};

} // namespace KavoUtility
