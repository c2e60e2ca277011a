#include "toolkit/core/PanelMessages.h"

#include "toolkit/controls/PanelChildren.h"
#include "toolkit/core/Registry.h"
#include "toolkit/core/WindowProc.h"

namespace KavoUtility {

PanelChildren* AsPanel(GUIElement* element)
{
    return dynamic_cast<PanelChildren*>(element);
}

bool RoutePanelScroll(HWND window, UINT code, WPARAM wParam, LPARAM lParam, GUIElement* element)
{
    const int request = LOWORD(wParam);
    // The end of a drag on a scroll-bar control names the control in lParam.
    GUIElement* target = lParam > 0 && request == SB_ENDSCROLL ? FindByHandle(reinterpret_cast<HWND>(lParam)) : element;
    PanelChildren* panel = AsPanel(target);
    const int bar = code == WM_HSCROLL ? SB_HORZ : SB_VERT;
    if (!panel || !panel->HasScrollBar(bar)) {
        return false;
    }
    if (bar == SB_VERT) {
        lastPanel = panel;
    }
    panel->Scroll(window, bar, request);
    return true;
}

bool RoutePanelWheel(GUIElement* element, WPARAM wParam)
{
    if (!element) {
        return false;
    }
    PanelChildren* panel = AsPanel(element);
    if (!panel) {
        panel = lastPanel;
    }
    if (!panel || !panel->HasScrollBar(SB_VERT)) {
        return false;
    }
    panel->ScrollWheel(GET_WHEEL_DELTA_WPARAM(wParam));
    return true;
}

} // namespace KavoUtility
