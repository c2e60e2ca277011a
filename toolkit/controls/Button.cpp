// Button: the system push button.
#include "toolkit/controls/Button.h"

#include "toolkit/core/ControlWindow.h"
#include "toolkit/text/Text.h"

namespace KavoUtility {

Button::Button(GUIElement* parent, std::string text)
{
    this->text = ToWide(text);
    this->parent = parent;
    width = 80;
    height = 30;
    typeName = "button";
}

void Button::Create()
{
    if (created) {
        return;
    }
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (ownerDraw ? BS_OWNERDRAW : BS_PUSHBUTTON);
    // A failed window leaves hwnd none; the button still counts as created,
    // so a later Create does not retry.
    CreateControlWindow(*this, L"Button", style, 0);
    FinishCreate(*this);
}

} // namespace KavoUtility
