// CommandElement: the second base of every element that issues commands.
#pragma once

#include "toolkit/core/Handlers.h"

namespace KavoUtility {

// WindowProc recognises buttons and menu items by this base and calls their
// handler with the element itself.
class CommandElement {
public:
    CommandHandler commandHandler = nullptr;
};

} // namespace KavoUtility
