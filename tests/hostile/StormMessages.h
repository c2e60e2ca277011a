// The messages a storm sends and what each of their parameters carries.
#pragma once

#include <windows.h>

#include <vector>

// What a parameter holds, so that a random value of the right shape can be
// made: plain numbers where the message carries no pointer, and real
// structures, device contexts and handles where it does.
enum class ParamKind {
    Zero,
    Random,
    Bool,
    // Two signed 16-bit coordinates, mostly near the window, sometimes anywhere.
    Point,
    // Coordinates inside the receiving window's client area.
    ClientPoint,
    KeyFlags,
    KeyCode,
    KeyData,
    Character,
    // A control or menu identifier: a known one, a small one or any number.
    ControlId,
    // WM_COMMAND's identifier and notification code.
    CommandWord,
    // None, a known window or any number.
    Window,
    DeviceContext,
    HitTest,
    HitTestAndMouse,
    SysCommand,
    Activation,
    SizeType,
    ShowStatus,
    ScrollRequest,
    WheelWord,
    HotKeyId,
    Font,
    Menu,
    PrintFlags,
    WholeRegion,
    BufferSize,
    // Pointers to randomly filled structures, valid while the message is sent.
    TextBuffer,
    CreateStruct,
    DrawItem,
    MeasureItem,
    DeleteItem,
    MinMaxInfo,
    WindowPos,
    CalcSizeRect,
    StyleStruct,
    NotifyHeader,
    HelpInfo,
};

// Which of the target windows a message may go to.
enum class Audience {
    Everyone,
    // WM_CLOSE, and WM_SYSCOMMAND whose SC_CLOSE sends it: a control would
    // let default processing destroy it, which is what the message asks for
    // and no fault.
    Forms,
    // An edit control answers a right-button release with its context menu,
    // whose loop only real input ends.
    AllButEdits,
};

struct StormMessage {
    UINT code;
    const char* name;
    ParamKind w;
    ParamKind l;
    Audience audience;
};

// Every message number the toolkit's window procedure routes, and other
// standard messages a window may receive from anyone. Left out: messages
// that destroy windows, change what a window is (text, redraw, icon), or
// start a system loop that only real input ends (moving, sizing, menus).
const std::vector<StormMessage>& StormMessages();

// Whether a message's parameters hold nothing that must outlive its sending.
bool Postable(const StormMessage& message);
