// Button: the system push button.
#pragma once

#include "toolkit/controls/CommandElement.h"
#include "toolkit/core/Child.h"

#include <string>

namespace KavoUtility {

// Every WM_COMMAND the button sends its parent, whatever the notification
// code, runs commandHandler once.
class Button : public Child, public CommandElement {
public:
    // Drawn by WindowProc on WM_DRAWITEM instead of by the system.
    bool ownerDraw = false;

    Button(GUIElement* parent, std::string text);

    void Create() override;
};

} // namespace KavoUtility
