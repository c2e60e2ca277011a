#include "toolkit/core/Registry.h"

#include "toolkit/controls/SubMenu.h"
#include "toolkit/core/GUIElement.h"

namespace KavoUtility {

std::vector<GUIElement*> elementRegistry;
int32_t nextControlId = 0;

GUIElement* FindByHandle(HWND window)
{
    GUIElement* found = nullptr;
    for (GUIElement* element : elementRegistry) {
        if (element && element->hwnd == window) {
            found = element;
        }
    }
    if (found) {
        return found;
    }
    if (!elementRegistry.empty() && elementRegistry.back() && !elementRegistry.back()->hwnd) {
        return elementRegistry.back();
    }
    return nullptr;
}

GUIElement* FindById(int32_t controlId)
{
    for (GUIElement* element : elementRegistry) {
        if (element && element->id == controlId) {
            return element;
        }
    }
    return nullptr;
}

SubMenu* FindMenuItemById(int32_t controlId)
{
    for (GUIElement* element : elementRegistry) {
        auto item = dynamic_cast<SubMenu*>(element);
        if (item && item->id == controlId) {
            return item;
        }
    }
    return nullptr;
}

} // namespace KavoUtility
