// TextBox: a single-line or multi-line system edit control.
#include "toolkit/controls/TextBox.h"

#include "toolkit/core/ControlWindow.h"
#include "toolkit/text/Text.h"

namespace KavoUtility {

namespace {

constexpr WPARAM passwordCharacter = '*';

DWORD LineStyle(bool multiline)
{
    return multiline ? ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN : ES_AUTOHSCROLL;
}

DWORD CaseStyle(bool upperCase, bool lowerCase)
{
    if (upperCase) {
        return ES_UPPERCASE;
    }
    return lowerCase ? ES_LOWERCASE : 0;
}

DWORD AlignStyle(bool alignRight, bool alignCenter)
{
    if (alignRight) {
        return ES_RIGHT;
    }
    return alignCenter ? ES_CENTER : ES_LEFT;
}

} // namespace

TextBox::TextBox(GUIElement* parent, std::string text)
{
    this->parent = parent;
    this->text = ToWide(text);
    width = 80;
    height = 30;
    typeName = "textbox";
}

DWORD TextBox::ComputeStyle() const
{
    return WS_CHILD | WS_VISIBLE | WS_TABSTOP | (enabled ? 0 : WS_DISABLED)
        | (horizontalScrollBar ? WS_HSCROLL : 0) | (verticalScrollBar ? WS_VSCROLL : 0)
        | (numbersOnly ? ES_NUMBER : 0) | (border ? WS_BORDER : 0) | LineStyle(multiline)
        | (readOnly ? ES_READONLY : 0) | CaseStyle(upperCase, lowerCase) | AlignStyle(alignRight, alignCenter);
}

void TextBox::Create()
{
    if (created) {
        return;
    }
    // A failed window leaves hwnd none; the box still counts as created and
    // the messages below go to no window.
    CreateControlWindow(*this, L"edit", ComputeStyle(), border ? WS_EX_CLIENTEDGE : 0);
    created = true;
    if (maxLength != -1) {
        SendMessageW(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
    }
    if (password) {
        SendMessageW(hwnd, EM_SETPASSWORDCHAR, passwordCharacter, 0);
    }
    FinishCreate(*this);
}

// ES_READONLY and the password character cannot be switched through the style
// of a live edit control; they take their own messages.
void TextBox::ApplyStyle()
{
    if (!created) {
        return;
    }
    if (SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>(ComputeStyle())) == 0) {
        return;
    }
    SendMessageW(hwnd, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
    SendMessageW(hwnd, EM_SETPASSWORDCHAR, password ? passwordCharacter : 0, 0);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

} // namespace KavoUtility
