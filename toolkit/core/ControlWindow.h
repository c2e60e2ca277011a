// The steps every standard control's Create shares.
#pragma once

#include <windows.h>

namespace KavoUtility {

class GUIElement;

// Draws the element's id from nextControlId, creates the window of the
// system class `className` inside the parent's window from the element's
// stored text, geometry and enabled state, and sub-classes it to WindowProc.
// Returns false when the window could not be made (hwnd then stays none).
bool CreateControlWindow(GUIElement& element, const wchar_t* className, DWORD style, DWORD extendedStyle);

// The two halves of CreateControlWindow, for a control that must be set up
// before its messages reach the element.
bool MakeControlWindow(GUIElement& element, const wchar_t* className, DWORD style, DWORD extendedStyle);
void SubclassControlWindow(GUIElement& element);

// Last step of every Create: marks the element created, builds its tooltip
// and sends it its font.
void FinishCreate(GUIElement& element);

} // namespace KavoUtility
