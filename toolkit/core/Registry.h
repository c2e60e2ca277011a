// The process-wide list of elements, its lookups and the control counter.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace KavoUtility {

class GUIElement;
class SubMenu;

// Every live element in construction order (non-owning). Elements append
// themselves when constructed and take themselves out when destroyed.
extern std::vector<GUIElement*> elementRegistry;

// Gives every child window, menu item, panel and form class its number; the
// first number handed out is 1.
extern int32_t nextControlId;

// The last element whose hwnd is `window`. Failing that, the most recently
// constructed element if it has no window yet: a form's window receives
// messages inside CreateWindowExW, before its handle has been stored.
GUIElement* FindByHandle(HWND window);

// The first element, in registry order, with this control identifier.
GUIElement* FindById(int32_t controlId);

// The first menu item with this command identifier.
SubMenu* FindMenuItemById(int32_t controlId);

} // namespace KavoUtility
