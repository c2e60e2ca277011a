#include "tests/hostile/MessageStorm.h"

#include "tests/hostile/StormWatchdog.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr int32_t canvasSize = 64;
constexpr size_t textUnits = 256;

// System commands that end without real input. Moving, sizing, the menu
// keys, the task list and the scroll commands start loops of their own.
constexpr std::array<WPARAM, 8> systemCommands = {
    SC_CLOSE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE, SC_SCREENSAVE, SC_MONITORPOWER, SC_NEXTWINDOW, SC_PREVWINDOW,
};

constexpr std::array<UINT, 7> mouseMessages = {
    WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN, 0,
};

LPARAM Pair(int32_t low, int32_t high)
{
    return static_cast<LPARAM>(MAKELONG(static_cast<WORD>(low), static_cast<WORD>(high)));
}

void DispatchQueued()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        char what[64];
        std::snprintf(what, sizeof what, "the queued message 0x%04X", msg.message);
        StormWatchdog::Beat(what);
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool IsEdit(HWND window)
{
    wchar_t className[16] = L"";
    GetClassNameW(window, className, 16);
    return lstrcmpiW(className, L"Edit") == 0;
}

} // namespace

// The structures one message may point at; each send gets fresh ones.
struct MessageStorm::Payload {
    std::array<wchar_t, textUnits> text{};
    CREATESTRUCTW create{};
    DRAWITEMSTRUCT drawItem{};
    MEASUREITEMSTRUCT measureItem{};
    DELETEITEMSTRUCT deleteItem{};
    MINMAXINFO minMax{};
    WINDOWPOS windowPos{};
    RECT rect{};
    STYLESTRUCT style{};
    NMHDR notify{};
    HELPINFO help{};
};

MessageStorm::MessageStorm(uint32_t seed, Targets targets)
    : random(seed), targets(std::move(targets)), canvas(CreateCompatibleDC(nullptr))
{
    HDC screen = GetDC(nullptr);
    canvasBitmap = CreateCompatibleBitmap(screen, canvasSize, canvasSize);
    ReleaseDC(nullptr, screen);
    canvasPrevious = SelectObject(canvas, canvasBitmap);
}

MessageStorm::~MessageStorm()
{
    SelectObject(canvas, canvasPrevious);
    DeleteObject(canvasBitmap);
    DeleteDC(canvas);
}

uint32_t MessageStorm::Number()
{
    return random();
}

int32_t MessageStorm::Between(int32_t low, int32_t high)
{
    return std::uniform_int_distribution<int32_t>(low, high)(random);
}

HWND MessageStorm::AnyWindow()
{
    return targets.windows[Number() % targets.windows.size()];
}

WPARAM MessageStorm::Generate(ParamKind kind, HWND window, Payload& payload)
{
    switch (kind) {
    case ParamKind::Zero:
        return 0;
    case ParamKind::Random:
        return Number();
    case ParamKind::Bool:
        return Number() % 2;
    case ParamKind::Point:
        if (Number() % 5 == 0) {
            return Number();
        }
        return Pair(Between(-50, 700), Between(-50, 550));
    case ParamKind::ClientPoint: {
        RECT client{};
        GetClientRect(window, &client);
        return Pair(Between(0, std::max<int32_t>(client.right - 1, 0)), Between(0, std::max<int32_t>(client.bottom - 1, 0)));
    }
    case ParamKind::KeyFlags:
        return Number() & 0x7F;
    case ParamKind::KeyCode:
        return Number() % 256;
    case ParamKind::KeyData:
        return Number() & 0xDFFFFFFF;
    case ParamKind::Character:
        return Number() % 3 == 0 ? Number() % 0x10000 : Number() % 128;
    case ParamKind::ControlId:
        if (!targets.ids.empty() && Number() % 2 == 0) {
            return static_cast<WPARAM>(targets.ids[Number() % targets.ids.size()]);
        }
        return Number() % 2 == 0 ? Number() % 200 : Number();
    case ParamKind::CommandWord: {
        const WPARAM id = Generate(ParamKind::ControlId, window, payload) & 0xFFFF;
        const WPARAM code = Number() % 2 == 0 ? Number() % 3 : Number() % 0x10000;
        return MAKEWPARAM(id, code);
    }
    case ParamKind::Window:
        switch (Number() % 4) {
        case 0:
            return 0;
        case 1:
            return Number();
        default:
            return reinterpret_cast<WPARAM>(AnyWindow());
        }
    case ParamKind::DeviceContext:
        return reinterpret_cast<WPARAM>(canvas);
    case ParamKind::HitTest:
        return static_cast<WPARAM>(Between(-2, 25));
    case ParamKind::HitTestAndMouse:
        return Pair(Number() % 2 == 0 ? HTCLIENT : Between(-2, 25), mouseMessages[Number() % mouseMessages.size()]);
    case ParamKind::SysCommand:
        return Number() % 3 == 0 ? Number() % 0xF000 : systemCommands[Number() % systemCommands.size()];
    case ParamKind::Activation:
        return Pair(Between(WA_INACTIVE, WA_CLICKACTIVE), Number() % 2);
    case ParamKind::SizeType:
        return static_cast<WPARAM>(Between(SIZE_RESTORED, SIZE_MAXHIDE));
    case ParamKind::ShowStatus:
        return static_cast<WPARAM>(Between(0, SW_PARENTOPENING + 1));
    case ParamKind::ScrollRequest:
        return Pair(Between(SB_LINEUP, SB_ENDSCROLL + 1), Between(-200, 300));
    case ParamKind::WheelWord:
        return Pair(Number() & 0x7F, Number() % 2 == 0 ? WHEEL_DELTA * Between(-3, 3) : Between(-32768, 32767));
    case ParamKind::HotKeyId:
        return Number() % 2 == 0 ? static_cast<WPARAM>(Between(0, 4)) : Number();
    case ParamKind::Font: {
        static const std::array<int, 4> stockFonts = {SYSTEM_FONT, DEFAULT_GUI_FONT, ANSI_FIXED_FONT, OEM_FIXED_FONT};
        return Number() % 5 == 0 ? 0 : reinterpret_cast<WPARAM>(GetStockObject(stockFonts[Number() % 4]));
    }
    case ParamKind::Menu:
        if (targets.menus.empty() || Number() % 4 == 0) {
            return 0;
        }
        return reinterpret_cast<WPARAM>(targets.menus[Number() % targets.menus.size()]);
    case ParamKind::PrintFlags:
        return Number() & (PRF_CHECKVISIBLE | PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN | PRF_OWNED);
    case ParamKind::WholeRegion:
        return 1;
    case ParamKind::BufferSize:
        return Number() % (textUnits + 1);
    case ParamKind::TextBuffer:
        return reinterpret_cast<WPARAM>(payload.text.data());
    case ParamKind::CreateStruct:
        payload.text.fill(L'A' + Number() % 26);
        payload.text.back() = L'\0';
        payload.create = CREATESTRUCTW{nullptr, GetModuleHandleW(nullptr), nullptr, nullptr, Between(0, 500),
            Between(0, 500), Between(-100, 800), Between(-100, 800), static_cast<LONG>(Number()), payload.text.data(),
            L"Storm", Number()};
        return reinterpret_cast<WPARAM>(&payload.create);
    case ParamKind::DrawItem:
        payload.drawItem = DRAWITEMSTRUCT{static_cast<UINT>(Between(ODT_MENU, ODT_STATIC + 1)),
            static_cast<UINT>(Generate(ParamKind::ControlId, window, payload)), Number(), Number() & 7,
            Number() & 0x1FFF, AnyWindow(), canvas, {Between(-20, 60), Between(-20, 60), Between(-20, 120),
            Between(-20, 120)}, Number()};
        return reinterpret_cast<WPARAM>(&payload.drawItem);
    case ParamKind::MeasureItem:
        payload.measureItem = MEASUREITEMSTRUCT{static_cast<UINT>(Between(ODT_MENU, ODT_STATIC + 1)),
            static_cast<UINT>(Generate(ParamKind::ControlId, window, payload)), Number(), Number() % 500,
            Number() % 500, Number()};
        return reinterpret_cast<WPARAM>(&payload.measureItem);
    case ParamKind::DeleteItem:
        payload.deleteItem = DELETEITEMSTRUCT{static_cast<UINT>(Between(ODT_MENU, ODT_STATIC + 1)),
            static_cast<UINT>(Generate(ParamKind::ControlId, window, payload)), Number(), AnyWindow(), Number()};
        return reinterpret_cast<WPARAM>(&payload.deleteItem);
    case ParamKind::MinMaxInfo:
        payload.minMax = MINMAXINFO{{Between(-9, 9), Between(-9, 9)}, {Between(0, 2000), Between(0, 2000)},
            {Between(-500, 500), Between(-500, 500)}, {Between(0, 900), Between(0, 900)},
            {Between(0, 2000), Between(0, 2000)}};
        return reinterpret_cast<WPARAM>(&payload.minMax);
    case ParamKind::WindowPos:
        payload.windowPos = WINDOWPOS{window, nullptr, Between(-200, 900), Between(-200, 900), Between(0, 900),
            Between(0, 900), static_cast<UINT>(Number() & 0x7FFF)};
        return reinterpret_cast<WPARAM>(&payload.windowPos);
    case ParamKind::CalcSizeRect:
        payload.rect = RECT{Between(-100, 400), Between(-100, 400), Between(-100, 900), Between(-100, 900)};
        return reinterpret_cast<WPARAM>(&payload.rect);
    case ParamKind::StyleStruct:
        payload.style = STYLESTRUCT{Number(), Number()};
        return reinterpret_cast<WPARAM>(&payload.style);
    case ParamKind::NotifyHeader:
        payload.notify = NMHDR{AnyWindow(), static_cast<UINT_PTR>(Generate(ParamKind::ControlId, window, payload)),
            static_cast<UINT>(Number() % 2 == 0 ? Between(-900, 0) : static_cast<int32_t>(Number()))};
        return reinterpret_cast<WPARAM>(&payload.notify);
    case ParamKind::HelpInfo:
        payload.help = HELPINFO{sizeof(HELPINFO), HELPINFO_WINDOW, Between(-5, 500), AnyWindow(), Number(),
            {Between(-50, 900), Between(-50, 900)}};
        return reinterpret_cast<WPARAM>(&payload.help);
    }
    return 0;
}

std::string MessageStorm::Describe(const StormMessage& message, HWND window) const
{
    wchar_t className[64] = L"";
    GetClassNameW(window, className, 64);
    char text[160];
    std::snprintf(text, sizeof text, "%s to a window of class %ls", message.name, className);
    return text;
}

std::vector<HWND> MessageStorm::Audience(::Audience audience) const
{
    switch (audience) {
    case ::Audience::Forms:
        return targets.forms;
    case ::Audience::AllButEdits: {
        std::vector<HWND> windows;
        for (HWND window : targets.windows) {
            if (!IsEdit(window)) {
                windows.push_back(window);
            }
        }
        return windows;
    }
    default:
        return targets.windows;
    }
}

void MessageStorm::SendOne()
{
    const std::vector<StormMessage>& table = StormMessages();
    const StormMessage& message = table[Number() % table.size()];
    const std::vector<HWND> audience = Audience(message.audience);
    if (audience.empty()) {
        return;
    }
    HWND window = audience[Number() % audience.size()];
    Payload payload;
    const WPARAM wParam = Generate(message.w, window, payload);
    const LPARAM lParam = static_cast<LPARAM>(Generate(message.l, window, payload));
    StormWatchdog::Beat(Describe(message, window));
    if (Postable(message) && Number() % 4 == 0) {
        PostMessageW(window, message.code, wParam, lParam);
    } else {
        SendMessageW(window, message.code, wParam, lParam);
    }
}

void MessageStorm::Run(int32_t count)
{
    for (int32_t i = 0; i < count; ++i) {
        SendOne();
        if (i % 16 == 15) {
            DispatchQueued();
        }
    }
    DispatchQueued();
    StormWatchdog::Beat("");
}
