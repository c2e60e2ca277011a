#include "tests/hostile/StormMessages.h"

namespace {

using K = ParamKind;

#define STORM(code, w, l) {code, #code, w, l, Audience::Everyone}

const std::vector<StormMessage> messages = {
    // Routed by the window procedure.
    STORM(WM_CREATE, K::Zero, K::CreateStruct),
    STORM(WM_MOVE, K::Zero, K::Point),
    STORM(WM_SIZE, K::SizeType, K::Point),
    STORM(WM_ACTIVATE, K::Activation, K::Window),
    STORM(WM_SETFOCUS, K::Window, K::Zero),
    STORM(WM_KILLFOCUS, K::Window, K::Zero),
    STORM(WM_PAINT, K::Zero, K::Zero),
    {WM_CLOSE, "WM_CLOSE", K::Zero, K::Zero, Audience::Forms},
    STORM(WM_SHOWWINDOW, K::Bool, K::ShowStatus),
    STORM(WM_SETCURSOR, K::Window, K::HitTestAndMouse),
    STORM(WM_DRAWITEM, K::ControlId, K::DrawItem),
    STORM(WM_KEYDOWN, K::KeyCode, K::KeyData),
    STORM(WM_KEYUP, K::KeyCode, K::KeyData),
    STORM(WM_CHAR, K::Character, K::KeyData),
    STORM(WM_COMMAND, K::CommandWord, K::Window),
    {WM_SYSCOMMAND, "WM_SYSCOMMAND", K::SysCommand, K::Point, Audience::Forms},
    STORM(WM_TIMER, K::ControlId, K::Zero),
    STORM(WM_HSCROLL, K::ScrollRequest, K::Window),
    STORM(WM_VSCROLL, K::ScrollRequest, K::Window),
    STORM(WM_CTLCOLOREDIT, K::DeviceContext, K::Window),
    STORM(WM_CTLCOLORBTN, K::DeviceContext, K::Window),
    STORM(WM_CTLCOLORSTATIC, K::DeviceContext, K::Window),
    STORM(WM_MOUSEMOVE, K::KeyFlags, K::Point),
    STORM(WM_LBUTTONDOWN, K::KeyFlags, K::Point),
    STORM(WM_LBUTTONUP, K::KeyFlags, K::Point),
    STORM(WM_LBUTTONDBLCLK, K::KeyFlags, K::Point),
    STORM(WM_RBUTTONDOWN, K::KeyFlags, K::Point),
    // Default processing turns the release into WM_CONTEXTMENU, which opens
    // the system menu's loop when the point lies on a caption.
    {WM_RBUTTONUP, "WM_RBUTTONUP", K::KeyFlags, K::ClientPoint, Audience::AllButEdits},
    STORM(WM_RBUTTONDBLCLK, K::KeyFlags, K::Point),
    STORM(WM_MOUSEWHEEL, K::WheelWord, K::Point),
    STORM(WM_MOUSEHOVER, K::KeyFlags, K::Point),
    STORM(WM_MOUSELEAVE, K::Zero, K::Zero),
    STORM(WM_HOTKEY, K::HotKeyId, K::Random),
    // Left to default processing by the window procedure.
    STORM(WM_NULL, K::Random, K::Random),
    STORM(WM_ENABLE, K::Bool, K::Zero),
    STORM(WM_CANCELMODE, K::Zero, K::Zero),
    STORM(WM_ERASEBKGND, K::DeviceContext, K::Zero),
    STORM(WM_NCPAINT, K::WholeRegion, K::Zero),
    STORM(WM_NCACTIVATE, K::Bool, K::Zero),
    STORM(WM_NCHITTEST, K::Zero, K::Point),
    STORM(WM_NCMOUSEMOVE, K::HitTest, K::Point),
    STORM(WM_GETTEXTLENGTH, K::Zero, K::Zero),
    STORM(WM_GETTEXT, K::BufferSize, K::TextBuffer),
    STORM(WM_GETFONT, K::Zero, K::Zero),
    STORM(WM_SETFONT, K::Font, K::Bool),
    STORM(WM_GETDLGCODE, K::KeyCode, K::Zero),
    STORM(WM_GETICON, K::Random, K::Zero),
    STORM(WM_QUERYDRAGICON, K::Zero, K::Zero),
    STORM(WM_TIMECHANGE, K::Zero, K::Zero),
    STORM(WM_SYSCOLORCHANGE, K::Zero, K::Zero),
    STORM(WM_FONTCHANGE, K::Zero, K::Zero),
    STORM(WM_SETTINGCHANGE, K::Random, K::Zero),
    STORM(WM_DISPLAYCHANGE, K::Random, K::Point),
    STORM(WM_ACTIVATEAPP, K::Bool, K::Random),
    STORM(WM_MOUSEACTIVATE, K::Window, K::HitTestAndMouse),
    STORM(WM_CHILDACTIVATE, K::Zero, K::Zero),
    STORM(WM_CAPTURECHANGED, K::Zero, K::Window),
    STORM(WM_INITMENU, K::Menu, K::Zero),
    STORM(WM_INITMENUPOPUP, K::Menu, K::Random),
    STORM(WM_CHANGEUISTATE, K::Random, K::Zero),
    STORM(WM_UPDATEUISTATE, K::Random, K::Zero),
    STORM(WM_QUERYUISTATE, K::Zero, K::Zero),
    STORM(WM_PRINTCLIENT, K::DeviceContext, K::PrintFlags),
    STORM(WM_PRINT, K::DeviceContext, K::PrintFlags),
    STORM(WM_GETMINMAXINFO, K::Zero, K::MinMaxInfo),
    STORM(WM_WINDOWPOSCHANGING, K::Zero, K::WindowPos),
    STORM(WM_WINDOWPOSCHANGED, K::Zero, K::WindowPos),
    STORM(WM_NCCALCSIZE, K::Zero, K::CalcSizeRect),
    STORM(WM_STYLECHANGING, K::Random, K::StyleStruct),
    STORM(WM_STYLECHANGED, K::Random, K::StyleStruct),
    STORM(WM_MEASUREITEM, K::ControlId, K::MeasureItem),
    STORM(WM_DELETEITEM, K::ControlId, K::DeleteItem),
    STORM(WM_NOTIFY, K::ControlId, K::NotifyHeader),
    STORM(WM_HELP, K::Zero, K::HelpInfo),
    STORM(WM_CTLCOLORLISTBOX, K::DeviceContext, K::Window),
    STORM(WM_CTLCOLORDLG, K::DeviceContext, K::Window),
    STORM(WM_CTLCOLORSCROLLBAR, K::DeviceContext, K::Window),
    STORM(WM_CTLCOLORMSGBOX, K::DeviceContext, K::Window),
};

#undef STORM

bool PlainNumber(ParamKind kind)
{
    switch (kind) {
    case K::DeviceContext:
    case K::Font:
    case K::Menu:
    case K::TextBuffer:
    case K::CreateStruct:
    case K::DrawItem:
    case K::MeasureItem:
    case K::DeleteItem:
    case K::MinMaxInfo:
    case K::WindowPos:
    case K::CalcSizeRect:
    case K::StyleStruct:
    case K::NotifyHeader:
    case K::HelpInfo:
        return false;
    default:
        return true;
    }
}

} // namespace

const std::vector<StormMessage>& StormMessages()
{
    return messages;
}

bool Postable(const StormMessage& message)
{
    return PlainNumber(message.w) && PlainNumber(message.l);
}
