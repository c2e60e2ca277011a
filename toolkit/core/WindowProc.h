// The one window procedure of every toolkit window, and the state it keeps.
#pragma once

#include <windows.h>

namespace KavoUtility {

class Form;
class PanelChildren;

// The form whose hot keys are registered.
extern Form* activeForm;
// The panel last clicked or scrolled vertically: the wheel scrolls it.
extern PanelChildren* lastPanel;
// Hover and leave tracking is requested and has not ended yet.
extern bool mouseTracking;
// Shows the wait cursor over every toolkit window.
extern bool appBusy;
// Refuses the screen saver and monitor power-off.
extern bool blockScreenSaver;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

class GUIElement;

// Called by every element as it goes, so that neither activeForm nor
// lastPanel is left pointing at freed memory.
void ForgetElement(const GUIElement* element);

} // namespace KavoUtility
