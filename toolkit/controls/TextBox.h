// TextBox: a single-line or multi-line system edit control.
#pragma once

#include "toolkit/core/Child.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace KavoUtility {

// The flags reach a live window only through ApplyStyle.
class TextBox : public Child {
public:
    // -1 leaves the system's limit; read by Create only.
    int32_t maxLength = -1;
    bool multiline = false;
    bool horizontalScrollBar = false;
    bool verticalScrollBar = false;
    bool readOnly = false;
    bool numbersOnly = false;
    // Shows every character as "*"; not a style bit but EM_SETPASSWORDCHAR.
    bool password = false;
    bool lowerCase = false;
    // Wins over lowerCase.
    bool upperCase = false;
    bool alignRight = false;
    // Ignored when alignRight is set.
    bool alignCenter = false;
    // With the sunken client edge, which only Create can give.
    bool border = true;

    TextBox(GUIElement* parent, std::string text);

    void Create() override;

    DWORD ComputeStyle() const;
    // Brings a created window in line with the flags; does nothing before Create.
    void ApplyStyle();
};

} // namespace KavoUtility
