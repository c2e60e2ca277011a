#include "toolkit/controls/Button.h"

#include "tests/support/MessagePump.h"
#include "tests/toolkit/controls/ControlTestSupport.h"
#include "toolkit/core/Registry.h"
#include "toolkit/core/WindowProc.h"
#include "toolkit/drawing/FontRecord.h"

#include <vector>

using namespace KavoUtility;

namespace {

std::vector<GUIElement*> commands;

void RecordCommand(GUIElement* sender)
{
    commands.push_back(sender);
}

using ButtonTest = FormTest;

// A real click through the input queue, at the middle of the window.
void ClickOn(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    INPUT inputs[2]{};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

} // namespace

struct ButtonStyleCase {
    const char* name;
    bool enabled;
    bool ownerDraw;
    DWORD style;
};

class ButtonStyle : public FormTest, public ::testing::WithParamInterface<ButtonStyleCase> {};

TEST_P(ButtonStyle, ReadsBackFromTheWindow)
{
    const ButtonStyleCase& c = GetParam();
    Button button(&form, "Inizia");
    button.enabled = c.enabled;
    button.ownerDraw = c.ownerDraw;
    button.Create();
    ASSERT_NE(button.hwnd, nullptr);
    EXPECT_EQ(StyleOf(button.hwnd), c.style);
    EXPECT_EQ(ExtendedStyleOf(button.hwnd), 0u);
}

INSTANTIATE_TEST_SUITE_P(Cases, ButtonStyle,
    ::testing::Values(ButtonStyleCase{"Enabled", true, false, 0x50010000},
        ButtonStyleCase{"Disabled", false, false, 0x58010000},
        ButtonStyleCase{"OwnerDrawn", true, true, 0x5001000B},
        ButtonStyleCase{"OwnerDrawnDisabled", false, true, 0x5801000B}),
    [](const ::testing::TestParamInfo<ButtonStyleCase>& info) { return std::string(info.param.name); });

TEST_F(ButtonTest, IsASystemButtonBuiltFromItsStoredProperties)
{
    FontRecord font("Tahoma", 16);
    Button button(&form, "Abbandona");
    EXPECT_EQ(button.typeName, "button");
    EXPECT_EQ(button.width, 80);
    EXPECT_EQ(button.height, 30);
    button.SetPosition(20, 30);
    button.font = &font;
    button.Create();
    ExpectWindowBuiltFrom(button, L"Button", font);
    EXPECT_EQ(WindowTextOf(button.hwnd), L"Abbandona");
    button.SetText("Inizia");
    EXPECT_EQ(WindowTextOf(button.hwnd), L"Inizia");
}

TEST_F(ButtonTest, IsSubclassedSoItsOwnMessagesReachItsHandlers)
{
    static GUIElement* released = nullptr;
    Button button(&form, "Info");
    button.lButtonUpHandler = [](GUIElement* sender, HWND, int32_t, int32_t) -> int32_t {
        released = sender;
        return 0;
    };
    button.Create();
    EXPECT_EQ(GetWindowLongPtrW(button.hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&WindowProc));
    EXPECT_NE(button.previousWndProc, nullptr);
    SendMessageW(button.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(released, &button);
}

TEST_F(ButtonTest, AClickRunsTheCommandHandlerOnce)
{
    Button button(&form, "Chiudi");
    button.commandHandler = RecordCommand;
    button.Create();
    SendMessageW(button.hwnd, BM_CLICK, 0, 0);
    EXPECT_EQ(commands, std::vector<GUIElement*>{&button});
}

TEST_F(ButtonTest, EveryNotificationCodeCountsAsACommand)
{
    Button button(&form, "Info");
    button.commandHandler = RecordCommand;
    button.Create();
    const WORD codes[] = {BN_CLICKED, BN_DOUBLECLICKED, BN_SETFOCUS, BN_KILLFOCUS, 0x1234};
    for (WORD code : codes) {
        SendMessageW(form.hwnd, WM_COMMAND, MAKEWPARAM(button.id, code), reinterpret_cast<LPARAM>(button.hwnd));
    }
    EXPECT_EQ(commands.size(), std::size(codes));
    for (GUIElement* sender : commands) {
        EXPECT_EQ(sender, &button);
    }
}

TEST_F(ButtonTest, AButtonWithoutHandlerIgnoresClicks)
{
    Button button(&form, "Info");
    button.Create();
    SendMessageW(button.hwnd, BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindow(button.hwnd));
    EXPECT_TRUE(commands.empty());
}

TEST_F(ButtonTest, ADisabledButtonSendsNoCommand)
{
    Button enabled(&form, "Info");
    Button disabled(&form, "Inizia");
    enabled.commandHandler = RecordCommand;
    disabled.commandHandler = RecordCommand;
    disabled.enabled = false;
    disabled.SetPosition(200, 100);
    enabled.Create();
    disabled.Create();
    SetWindowPos(form.hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    // Other test processes share the desktop and its mouse: click both again
    // until the enabled button's click has arrived.
    for (int attempt = 0; attempt < 10 && commands.empty(); ++attempt) {
        SetForegroundWindow(form.hwnd);
        ClickOn(disabled.hwnd);
        ClickOn(enabled.hwnd);
        PumpUntil([] { return !commands.empty(); }, 500);
    }
    PumpFor(100);
    ASSERT_FALSE(commands.empty());
    for (GUIElement* sender : commands) {
        EXPECT_EQ(sender, &enabled);
    }
}

TEST_F(ButtonTest, ASecondCreateKeepsTheWindowAndTheId)
{
    Button button(&form, "Info");
    button.Create();
    const HWND window = button.hwnd;
    const int32_t id = button.id;
    const int32_t counter = nextControlId;
    button.Create();
    EXPECT_EQ(button.hwnd, window);
    EXPECT_EQ(button.id, id);
    EXPECT_EQ(nextControlId, counter);
}

TEST_F(ButtonTest, AButtonWhoseWindowCannotBeMadeStillCountsAsCreated)
{
    Form windowless(GetModuleHandleW(nullptr));
    Button button(&windowless, "Info");
    button.Create();
    const int32_t id = button.id;
    EXPECT_TRUE(button.created);
    EXPECT_EQ(button.hwnd, nullptr);
    button.Create();
    EXPECT_EQ(button.id, id);
}
