// The function-pointer types through which elements report events to the
// application. Every handler receives the element that sends it first.
#pragma once

#include <windows.h>

#include <cstdint>

namespace KavoUtility {

class GUIElement;
class PanelChildren;

using CreatedHandler = void (*)(GUIElement* sender, HWND window);
using LButtonUpHandler = int32_t (*)(GUIElement* sender, HWND window, int32_t x, int32_t y);
using LButtonDownHandler = int32_t (*)(GUIElement* sender, HWND window, int32_t x, int32_t y);
using LButtonDblClkHandler = int32_t (*)(GUIElement* sender, HWND window, int32_t x, int32_t y);
using RButtonUpHandler = int32_t (*)(GUIElement* sender, HWND window, int32_t x, int32_t y);
using RButtonDownHandler = int32_t (*)(GUIElement* sender, HWND window, int32_t x, int32_t y);
using RButtonDblClkHandler = int32_t (*)(GUIElement* sender, HWND window, int32_t x, int32_t y);
using KeyUpHandler = int32_t (*)(GUIElement* sender, int32_t virtualKey);
using KeyDownHandler = int32_t (*)(GUIElement* sender, int32_t virtualKey);
// Answering false swallows the character.
using CharHandler = bool (*)(GUIElement* sender, wchar_t character);
using MoveHandler = int32_t (*)(GUIElement* sender);
using SizeHandler = int32_t (*)(GUIElement* sender);
using PaintHandler = void (*)(GUIElement* sender);
// Answering false keeps the window open.
using CloseHandler = bool (*)(GUIElement* sender);
using DestroyHandler = int32_t (*)(GUIElement* sender);
using SetFocusHandler = int32_t (*)(GUIElement* sender);
using KillFocusHandler = void (*)(GUIElement* sender);
using TextChangedHandler = void (*)(GUIElement* sender);
using MouseMoveHandler = int32_t (*)(GUIElement* sender, int32_t x, int32_t y);
using MouseHoverHandler = int32_t (*)(GUIElement* sender);
using MouseLeaveHandler = int32_t (*)(GUIElement* sender);
// Called each time a button or a menu item issues a command.
using CommandHandler = void (*)(GUIElement* sender);
// Called at every expiry of a timer.
using TickHandler = void (*)(GUIElement* sender);
// Called after a panel's scroll request or wheel step with the old position
// minus the requested one: positive when the view moves towards the start.
using ScrollHandler = void (*)(PanelChildren* sender, int32_t delta);

} // namespace KavoUtility
