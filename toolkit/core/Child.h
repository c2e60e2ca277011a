// Child: the base of every element that lives inside a form or a panel.
#pragma once

#include "toolkit/core/GUIElement.h"

namespace KavoUtility {

class Child : public GUIElement {
public:
    Child();
};

} // namespace KavoUtility
