// The window procedure's rows for panels: their scroll bars, the mouse wheel,
// and the panel that the wheel scrolls when it turns over another element.
#pragma once

#include <windows.h>

namespace KavoUtility {

class GUIElement;
class PanelChildren;

// The element as a panel (cards and cells count), or none.
PanelChildren* AsPanel(GUIElement* element);

// WM_HSCROLL and WM_VSCROLL received by `window`. True when a panel with
// the matching bar took the request; the message then ends with result 0.
bool RoutePanelScroll(HWND window, UINT code, WPARAM wParam, LPARAM lParam, GUIElement* element);

// WM_MOUSEWHEEL: scrolls the element if it is a panel, else the panel last
// clicked or scrolled vertically. True when a panel with a vertical bar took
// it; the message then ends with result 0.
bool RoutePanelWheel(GUIElement* element, WPARAM wParam);

} // namespace KavoUtility
