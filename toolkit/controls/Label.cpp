// Label: a line of text in a system static control.
#include "toolkit/controls/Label.h"

#include "toolkit/core/ControlWindow.h"
#include "toolkit/text/Text.h"

namespace KavoUtility {

namespace {

DWORD Alignment(bool alignRight, bool alignCenter)
{
    if (alignRight) {
        return SS_RIGHT;
    }
    return alignCenter ? SS_CENTER : SS_LEFT;
}

} // namespace

Label::Label(GUIElement* parent, std::string text)
{
    this->text = ToWide(text);
    this->parent = parent;
    width = 80;
    height = 30;
    typeName = "label";
}

void Label::Create()
{
    if (created) {
        return;
    }
    DWORD style = WS_CHILD | WS_VISIBLE | SS_NOTIFY | (border ? WS_BORDER : 0) | Alignment(alignRight, alignCenter);
    // A failed window leaves hwnd none; the label still counts as created.
    CreateControlWindow(*this, L"static", style, border ? WS_EX_CLIENTEDGE : 0);
    FinishCreate(*this);
}

} // namespace KavoUtility
