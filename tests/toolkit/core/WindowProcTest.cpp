#include "toolkit/core/WindowProc.h"

#include "tests/toolkit/core/TestElements.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/PanelChildren.h"
#include "toolkit/controls/Menu.h"
#include "toolkit/controls/MenuBar.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/core/Form.h"
#include "toolkit/core/MessageLoop.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace KavoUtility;
using namespace CoreTest;

namespace {

// What the handlers saw, in order.
std::vector<std::string> events;

void Record(const std::string& event)
{
    events.push_back(event);
}

std::string At(const char* name, int32_t x, int32_t y)
{
    return std::string(name) + "(" + std::to_string(x) + "," + std::to_string(y) + ")";
}

class WindowProcTest : public testing::Test {
protected:
    Form form{GetModuleHandleW(nullptr)};

    void SetUp() override
    {
        events.clear();
        form.Create();
    }

    void TearDown() override
    {
        if (IsWindow(form.hwnd)) {
            DestroyWindow(form.hwnd);
        }
    }
};

} // namespace

TEST_F(WindowProcTest, MouseMessagesReachTheirHandlersWithSignedCoordinates)
{
    form.lButtonDownHandler = [](GUIElement*, HWND, int32_t x, int32_t y) { Record(At("ldown", x, y)); return 0; };
    form.lButtonUpHandler = [](GUIElement*, HWND, int32_t x, int32_t y) { Record(At("lup", x, y)); return 0; };
    form.lButtonDblClkHandler = [](GUIElement*, HWND, int32_t x, int32_t y) { Record(At("ldbl", x, y)); return 0; };
    form.rButtonDownHandler = [](GUIElement*, HWND, int32_t x, int32_t y) { Record(At("rdown", x, y)); return 0; };
    form.rButtonUpHandler = [](GUIElement*, HWND, int32_t x, int32_t y) { Record(At("rup", x, y)); return 0; };
    form.rButtonDblClkHandler = [](GUIElement*, HWND, int32_t x, int32_t y) { Record(At("rdbl", x, y)); return 0; };
    form.mouseMoveHandler = [](GUIElement*, int32_t x, int32_t y) { Record(At("move", x, y)); return 0; };
    form.mouseHoverHandler = [](GUIElement*) { Record("hover"); return 0; };
    form.mouseLeaveHandler = [](GUIElement*) { Record("leave"); return 0; };
    const LPARAM point = MAKELPARAM(static_cast<WORD>(-5), 7);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP,
             WM_RBUTTONDBLCLK, WM_MOUSEMOVE}) {
        SendMessageW(form.hwnd, message, 0, point);
    }
    SendMessageW(form.hwnd, WM_MOUSEHOVER, 0, point);
    SendMessageW(form.hwnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"ldown(-5,7)", "lup(-5,7)", "ldbl(-5,7)", "rdown(-5,7)",
                          "rup(-5,7)", "rdbl(-5,7)", "move(-5,7)", "hover", "leave"}));
    EXPECT_FALSE(mouseTracking);
}

TEST_F(WindowProcTest, OnlyAMouseMoveOverAnElementAsksForHoverAndLeave)
{
    auto button = std::make_unique<Button>(&form, "Info");
    button->Create();
    const HWND orphan = button->hwnd;
    button.reset();
    mouseTracking = false;
    SendMessageW(orphan, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_FALSE(mouseTracking);
    SendMessageW(form.hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(mouseTracking);
}

TEST_F(WindowProcTest, KeysFocusMoveAndSizeReachTheirHandlers)
{
    form.keyDownHandler = [](GUIElement*, int32_t key) { Record("down " + std::to_string(key)); return 0; };
    form.keyUpHandler = [](GUIElement*, int32_t key) { Record("up " + std::to_string(key)); return 0; };
    form.setFocusHandler = [](GUIElement*) { Record("setfocus"); return 0; };
    form.killFocusHandler = [](GUIElement*) { Record("killfocus"); };
    form.moveHandler = [](GUIElement* e) { Record(At("moved", e->x, e->y)); return 0; };
    form.sizeHandler = [](GUIElement*) { Record("size"); return 0; };
    SendMessageW(form.hwnd, WM_KEYDOWN, 'A', 0);
    SendMessageW(form.hwnd, WM_KEYUP, 'A', 0);
    SendMessageW(form.hwnd, WM_SETFOCUS, 0, 0);
    SendMessageW(form.hwnd, WM_KILLFOCUS, 0, 0);
    events.clear();
    form.SetPosition(123, 111);
    SendMessageW(form.hwnd, WM_SIZE, 0, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"moved(123,111)", "size"}));
}

TEST_F(WindowProcTest, ARefusedCloseKeepsTheWindow)
{
    static bool allow = false;
    form.closeHandler = [](GUIElement*) { Record("close"); return allow; };
    form.destroyHandler = [](GUIElement*) { Record("destroy"); return 0; };
    EXPECT_EQ(SendMessageW(form.hwnd, WM_CLOSE, 0, 0), 1);
    EXPECT_TRUE(IsWindow(form.hwnd));
    allow = true;
    SendMessageW(form.hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(form.hwnd));
    EXPECT_TRUE(form.destroyed);
    EXPECT_EQ(events, (std::vector<std::string>{"close", "close", "destroy"}));
}

TEST_F(WindowProcTest, WithoutHandlersCloseAndCharAreAllowed)
{
    TestEdit edit(&form);
    edit.Create();
    SendMessageW(edit.hwnd, WM_CHAR, 'x', 0);
    EXPECT_EQ(edit.GetText(), L"x");
    SendMessageW(form.hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(form.hwnd));
}

TEST_F(WindowProcTest, ACharHandlerAnsweringFalseSwallowsTheCharacter)
{
    TestEdit edit(&form);
    edit.charHandler = [](GUIElement*, wchar_t character) { return character != L'x'; };
    edit.Create();
    for (wchar_t character : std::wstring(L"axbx")) {
        SendMessageW(edit.hwnd, WM_CHAR, character, 0);
    }
    EXPECT_EQ(edit.GetText(), L"ab");
}

TEST_F(WindowProcTest, DestroyingMainWindowEndsTheLoopAndAnotherFormDoesNot)
{
    Form second(GetModuleHandleW(nullptr));
    second.Create();
    ASSERT_EQ(mainWindow, form.hwnd);
    DestroyWindow(second.hwnd);
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    PostMessageW(form.hwnd, WM_CLOSE, 0, 0);
    RunMessageLoop(&form);
    EXPECT_FALSE(IsWindow(form.hwnd));
    EXPECT_TRUE(form.destroyed);
}

struct CursorCase {
    const char* name;
    bool hand;
    bool wait;
    bool busy;
    WORD hitTest;
    LPCWSTR expected;
};

const CursorCase cursorCases[] = {
    {"NoFlagKeepsTheClassCursor", false, false, false, HTCLIENT, nullptr},
    {"Hand", true, false, false, HTCLIENT, IDC_HAND},
    {"Wait", false, true, false, HTCLIENT, IDC_WAIT},
    {"HandWinsOverWait", true, true, false, HTCLIENT, IDC_HAND},
    {"BusyApplicationWaits", true, false, true, HTCLIENT, IDC_WAIT},
    {"OutsideTheClientAreaFlagsAreIgnored", true, true, false, HTCAPTION, nullptr},
};

class CursorRow : public WindowProcTest, public testing::WithParamInterface<CursorCase> {};

TEST_P(CursorRow, ChoosesTheCursor)
{
    const CursorCase& c = GetParam();
    form.SetHandCursor(c.hand);
    form.SetWaitCursor(c.wait);
    appBusy = c.busy;
    HCURSOR sentinel = LoadCursorW(nullptr, IDC_CROSS);
    SetCursor(sentinel);
    const LRESULT result = SendMessageW(form.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(form.hwnd),
        MAKELPARAM(c.hitTest, WM_MOUSEMOVE));
    if (c.expected) {
        EXPECT_EQ(result, 1);
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, c.expected));
    } else {
        EXPECT_NE(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
        EXPECT_NE(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CursorRow, testing::ValuesIn(cursorCases),
    [](const testing::TestParamInfo<CursorCase>& info) { return std::string(info.param.name); });

TEST_F(WindowProcTest, TabMovesTheFocusWithinTheParentAndStillReachesKeyDown)
{
    TestEdit first(&form);
    TestEdit second(&form);
    TestEdit third(&form);
    for (TestEdit* edit : {&first, &second, &third}) {
        edit->SetPosition(10, 10 + 30 * static_cast<int32_t>(events.size()));
        edit->keyDownHandler = [](GUIElement* sender, int32_t key) {
            Record(ClassNameOf(sender->hwnd) == L"Edit" && key == VK_TAB ? "tab" : "other");
            return 0;
        };
        edit->Create();
    }
    SetForegroundWindow(form.hwnd);
    first.Focus();
    ASSERT_EQ(GetFocus(), first.hwnd);
    SendMessageW(first.hwnd, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(GetFocus(), second.hwnd);

    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(second.hwnd, WM_KEYDOWN, VK_TAB, 0);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(GetFocus(), first.hwnd);
    EXPECT_EQ(events, (std::vector<std::string>{"tab", "tab"}));
}

TEST_F(WindowProcTest, EveryNotificationOfACommandControlRunsItsHandler)
{
    static GUIElement* sender = nullptr;
    Button button(&form, "OK");
    button.commandHandler = [](GUIElement* element) {
        sender = element;
        Record("command");
    };
    button.Create();
    for (WORD notification : {BN_CLICKED, BN_SETFOCUS, BN_KILLFOCUS}) {
        SendMessageW(form.hwnd, WM_COMMAND, MAKEWPARAM(button.id, notification),
            reinterpret_cast<LPARAM>(button.hwnd));
    }
    EXPECT_EQ(events, (std::vector<std::string>{"command", "command", "command"}));
    EXPECT_EQ(sender, static_cast<GUIElement*>(&button));
}

TEST_F(WindowProcTest, AMenuCommandTogglesACheckableItemBeforeItsHandler)
{
    MenuBar bar(&form);
    Menu menu(&bar, "&File");
    SubMenu item(&menu, "&Opzione");
    SubMenu other(&menu, "&Esci");
    item.checkable = true;
    item.commandHandler = [](GUIElement* element) {
        Record(static_cast<SubMenu*>(element)->checked ? "checked" : "unchecked");
    };
    other.commandHandler = [](GUIElement*) { Record("other"); };
    bar.Create();
    SendMessageW(form.hwnd, WM_COMMAND, MAKEWPARAM(item.id, 0), 0);
    EXPECT_TRUE(item.IsChecked());
    SendMessageW(form.hwnd, WM_COMMAND, MAKEWPARAM(item.id, 0), 0);
    SendMessageW(form.hwnd, WM_COMMAND, MAKEWPARAM(other.id, 0), 0);
    SendMessageW(form.hwnd, WM_COMMAND, MAKEWPARAM(other.id, 1), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"checked", "unchecked", "other"}));
}

TEST_F(WindowProcTest, ATimerTickIsFoundByIdentifier)
{
    Timer timer(&form);
    timer.tickHandler = [](GUIElement*) { Record("tick"); };
    timer.Create();
    SendMessageW(form.hwnd, WM_TIMER, static_cast<WPARAM>(timer.id), 0);
    SendMessageW(form.hwnd, WM_TIMER, static_cast<WPARAM>(form.id), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"tick"}));
}

TEST_F(WindowProcTest, HotKeysBeyondTheFormsListGoToDefaultProcessing)
{
    form.hotKeys.push_back({MOD_CONTROL, 'K', [](Form*, uint32_t, uint32_t key) {
                                Record("hotkey " + std::to_string(key));
                            }});
    SetForegroundWindow(form.hwnd);
    ASSERT_EQ(GetForegroundWindow(), form.hwnd);
    SendMessageW(form.hwnd, WM_HOTKEY, 2, 0);
    SendMessageW(form.hwnd, WM_HOTKEY, 0, 0);
    SendMessageW(form.hwnd, WM_HOTKEY, 1, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"hotkey 75"}));
}

TEST_F(WindowProcTest, TheScreenSaverIsRefusedOnlyWhenBlocked)
{
    EXPECT_NE(SendMessageW(form.hwnd, WM_SYSCOMMAND, SC_SCREENSAVE, 0), -1);
    blockScreenSaver = true;
    EXPECT_EQ(SendMessageW(form.hwnd, WM_SYSCOMMAND, SC_SCREENSAVE, 0), -1);
    EXPECT_EQ(SendMessageW(form.hwnd, WM_SYSCOMMAND, SC_MONITORPOWER, 2), -1);
}

TEST_F(WindowProcTest, ADeletedFormIsNoLongerTheActiveForm)
{
    // Set directly: other test processes on the same desktop may take the
    // foreground at any moment.
    auto second = std::make_unique<Form>(GetModuleHandleW(nullptr));
    second->Create();
    activeForm = second.get();
    const HWND window = second->hwnd;
    second.reset();
    EXPECT_EQ(activeForm, nullptr);
    DestroyWindow(window);
}

TEST_F(WindowProcTest, ADestroyNoticeLeavesTheActiveFormForTheNextActivation)
{
    // The notice alone: destroying the window for real would activate
    // another one at once.
    auto second = std::make_unique<Form>(GetModuleHandleW(nullptr));
    second->Create();
    activeForm = second.get();
    SendMessageW(second->hwnd, WM_DESTROY, 0, 0);
    EXPECT_EQ(activeForm, second.get());
    const HWND window = second->hwnd;
    second.reset();
    EXPECT_EQ(activeForm, nullptr);
    DestroyWindow(window);
}

TEST_F(WindowProcTest, ADeletedPanelNoLongerTakesTheWheel)
{
    auto panel = std::make_unique<PanelChildren>(&form);
    panel->verticalScrollBar = true;
    panel->Create();
    SendMessageW(panel->hwnd, WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(lastPanel, panel.get());
    panel.reset();
    EXPECT_EQ(lastPanel, nullptr);
    EXPECT_EQ(SendMessageW(form.hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0), 0);
}
