// Label: a line of text in a system static control.
#pragma once

#include "toolkit/core/Child.h"

#include <string>

namespace KavoUtility {

class Label : public Child {
public:
    // With the sunken client edge.
    bool border = false;
    bool alignRight = false;
    // Ignored when alignRight is set.
    bool alignCenter = false;

    Label(GUIElement* parent, std::string text);

    // The flags are read here only.
    void Create() override;
};

} // namespace KavoUtility
