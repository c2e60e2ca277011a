// The window procedure's rows for messages about controls: menu and control
// commands, timer ticks and owner-drawn buttons. These arrive at the
// control's parent, so the control is found by identifier or by the handle
// the message carries.
#pragma once

#include <windows.h>

namespace KavoUtility {

void RouteCommand(WPARAM wParam, LPARAM lParam);
void RouteTimerTick(WPARAM timerId);
// True when it drew the button; other items go to default processing.
bool DrawOwnerDrawnButton(WPARAM controlId, const DRAWITEMSTRUCT& item);

} // namespace KavoUtility
