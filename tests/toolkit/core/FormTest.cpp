#include "toolkit/core/Form.h"

#include "tests/support/GdiObjectCount.h"
#include "tests/toolkit/core/TestElements.h"
#include "toolkit/core/Registry.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace KavoUtility;
using namespace CoreTest;

namespace {

HINSTANCE Module()
{
    return GetModuleHandleW(nullptr);
}

constexpr int programIcon = 1005;

} // namespace

TEST(Form, ClassNamesAndIdentifiersFollowTheControlCounter)
{
    Form first(Module());
    first.Create();
    EXPECT_EQ(ClassNameOf(first.hwnd), L"Window0");
    EXPECT_EQ(first.id, 1);
    std::vector<std::unique_ptr<TestEdit>> controls;
    for (int i = 0; i < 10; ++i) {
        controls.push_back(std::make_unique<TestEdit>(&first));
        controls.back()->Create();
    }
    Form second(Module());
    second.Create();
    EXPECT_EQ(ClassNameOf(second.hwnd), L"Window11");
    EXPECT_EQ(second.id, 12);
    EXPECT_EQ(mainWindow, first.hwnd);
    DestroyWindow(second.hwnd);
    DestroyWindow(first.hwnd);
}

struct StyleCase {
    const char* name;
    bool captioned;
    bool minimizeBox;
    bool maximizeBox;
    bool dialogMode;
    bool dialogStyleBit;
    bool enabled;
    DWORD style;
    DWORD extendedStyle;
};

// The bits the form chooses; the system adds others (clipping, edges).
constexpr DWORD styleMask = WS_POPUP | WS_VISIBLE | WS_DISABLED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME
    | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | 0x80;
constexpr DWORD extendedMask = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;

const StyleCase styleCases[] = {
    {"Captioned", true, true, true, false, false, true, 0x10CF0000, 0},
    {"CaptionedWithoutMaximize", true, true, false, false, false, true, 0x10CA0000, 0},
    {"CaptionedWithoutBoxes", true, false, false, false, false, true, 0x10C80000, 0},
    {"PopUpIgnoresTheBoxes", false, true, true, false, false, true, 0x90000000, 0},
    {"DialogKeepsItsMaximizeBox", true, true, true, true, false, true, 0x10C90000, 9},
    {"DialogWithStyleBit", false, false, false, true, true, true, 0x10C80080, 9},
    {"Disabled", true, true, true, false, false, false, 0x18CF0000, 0},
};

class FormStyle : public testing::TestWithParam<StyleCase> {};

TEST_P(FormStyle, IsReadBackFromTheWindow)
{
    const StyleCase& c = GetParam();
    Form form(Module());
    form.captioned = c.captioned;
    form.minimizeBox = c.minimizeBox;
    form.maximizeBox = c.maximizeBox;
    form.dialogMode = c.dialogMode;
    form.dialogStyleBit = c.dialogStyleBit;
    form.enabled = c.enabled;
    form.Create();
    const auto style = static_cast<DWORD>(GetWindowLongW(form.hwnd, GWL_STYLE));
    const auto extended = static_cast<DWORD>(GetWindowLongW(form.hwnd, GWL_EXSTYLE));
    EXPECT_EQ(style & styleMask, c.style) << std::hex << style;
    EXPECT_EQ(extended & extendedMask, c.extendedStyle) << std::hex << extended;
    DestroyWindow(form.hwnd);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormStyle, testing::ValuesIn(styleCases),
    [](const testing::TestParamInfo<StyleCase>& info) { return std::string(info.param.name); });

TEST(Form, SetClientSizeMakesTheClientAreaExact)
{
    Form form(Module());
    form.Create();
    RECT outer{};
    RECT client{};
    GetWindowRect(form.hwnd, &outer);
    GetClientRect(form.hwnd, &client);
    const int frameWidth = (outer.right - outer.left) - client.right;
    const int frameHeight = (outer.bottom - outer.top) - client.bottom;
    form.SetClientSize(640, 480, false);
    GetClientRect(form.hwnd, &client);
    EXPECT_EQ(client.right, 640);
    EXPECT_EQ(client.bottom, 480);
    EXPECT_EQ(form.width, 640 + frameWidth);
    EXPECT_EQ(form.height, 480 + frameHeight);
    RECT moved{};
    GetWindowRect(form.hwnd, &moved);
    EXPECT_EQ(moved.left, outer.left);
    EXPECT_EQ(moved.top, outer.top);

    form.SetPosition(300, 300);
    form.SetClientSize(600, 300, true);
    GetWindowRect(form.hwnd, &moved);
    EXPECT_EQ(moved.left, 300 - frameWidth);
    EXPECT_EQ(moved.top, 300 - 2 * frameHeight);
    GetClientRect(form.hwnd, &client);
    EXPECT_EQ(client.right, 600);
    EXPECT_EQ(client.bottom, 300);
    DestroyWindow(form.hwnd);
}

TEST(Form, SetClientSizeBeforeCreateDoesNothing)
{
    Form form(Module());
    form.SetClientSize(640, 480, true);
    EXPECT_EQ(form.width, 100);
    EXPECT_EQ(form.height, 50);
    EXPECT_EQ(form.x, 100);
    EXPECT_EQ(form.y, 100);
}

TEST(Form, CenterOnScreenHalvesTheFreeSpace)
{
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    Form form(Module());
    form.SetSize(601, 301);
    form.CenterOnScreen();
    EXPECT_EQ(form.x, (screenWidth - 601) / 2);
    EXPECT_EQ(form.y, (screenHeight - 301) / 2);
    form.Create();
    form.SetSize(401, 201);
    form.CenterOnScreen();
    RECT outer{};
    GetWindowRect(form.hwnd, &outer);
    EXPECT_EQ(outer.left, (screenWidth - 401) / 2);
    EXPECT_EQ(outer.top, (screenHeight - 201) / 2);
    DestroyWindow(form.hwnd);
}

TEST(Form, SetIconShowsTheResourceAndKeepsTheShownIconAlive)
{
    Form form(Module());
    form.Create();
    form.iconId = programIcon;
    form.SetIcon();
    const HICON shown = form.iconHandle;
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(form.hwnd, WM_GETICON, ICON_SMALL, 0)), shown);

    form.iconId = 4242;
    form.SetIcon();
    EXPECT_EQ(form.iconHandle, nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(form.hwnd, WM_GETICON, ICON_SMALL, 0)), shown);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(shown, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    form.iconId = programIcon;
    form.SetIcon();
    form.SetIcon();
    ASSERT_TRUE(GetIconInfo(form.iconHandle, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyWindow(form.hwnd);
}

TEST(Form, AColouredFormReleasesItsClassBrushOnceItsWindowIsGone)
{
    {
        Form warmUp(Module());
        warmUp.backColor = 0x123456;
        warmUp.Create();
        DestroyWindow(warmUp.hwnd);
    }
    const int32_t before = GdiObjectCount();
    for (int i = 0; i < 50; ++i) {
        Form form(Module());
        form.backColor = 0x102030 + i;
        form.Create();
        DestroyWindow(form.hwnd);
        PumpPending();
    }
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST(Form, PropertiesSetBeforeCreateShapeTheWindow)
{
    Form form(Module());
    form.SetText("Titolo \xE8");
    form.SetSize(321, 201);
    form.SetPosition(140, 120);
    form.SetEnabled(false);
    EXPECT_EQ(form.hwnd, nullptr);
    form.Create();
    EXPECT_EQ(form.GetText(), L"Titolo \u00E8");
    RECT outer{};
    GetWindowRect(form.hwnd, &outer);
    EXPECT_EQ(outer.left, 140);
    EXPECT_EQ(outer.top, 120);
    EXPECT_EQ(outer.right - outer.left, 321);
    EXPECT_EQ(outer.bottom - outer.top, 201);
    EXPECT_FALSE(IsWindowEnabled(form.hwnd));

    form.SetText(std::wstring(L"Nuovo"));
    form.SetSize(300, 180);
    form.SetPosition(150, 130);
    form.SetEnabled(true);
    wchar_t title[32] = {};
    GetWindowTextW(form.hwnd, title, 32);
    EXPECT_EQ(std::wstring(title), L"Nuovo");
    GetWindowRect(form.hwnd, &outer);
    EXPECT_EQ(outer.left, 150);
    EXPECT_EQ(outer.top, 130);
    EXPECT_EQ(outer.right - outer.left, 300);
    EXPECT_EQ(outer.bottom - outer.top, 180);
    EXPECT_TRUE(IsWindowEnabled(form.hwnd));
    POINT position = form.ReadPosition();
    EXPECT_EQ(position.x, 150);
    EXPECT_EQ(position.y, 130);
    DestroyWindow(form.hwnd);
}

TEST(Form, CreatedHandlerRunsOnceFromInsideWindowCreation)
{
    struct Seen {
        int calls = 0;
        bool windowPassed = false;
        bool visibleYet = true;
    };
    static Seen seen;
    Form form(Module());
    form.createdHandler = [](GUIElement* sender, HWND window) {
        ++seen.calls;
        seen.windowPassed = window != nullptr && sender->hwnd == window;
        seen.visibleYet = IsWindowVisible(window) != 0;
    };
    form.Create();
    EXPECT_EQ(seen.calls, 1);
    EXPECT_TRUE(seen.windowPassed);
    EXPECT_FALSE(seen.visibleYet);
    EXPECT_TRUE(form.createdNotified);
    form.OnCreated(form.hwnd);
    EXPECT_EQ(seen.calls, 1);
    DestroyWindow(form.hwnd);
}

TEST(Form, SecondCreateDoesNothing)
{
    Form form(Module());
    form.Create();
    const HWND window = form.hwnd;
    const int32_t id = form.id;
    form.Create();
    EXPECT_EQ(form.hwnd, window);
    EXPECT_EQ(form.id, id);
    EXPECT_EQ(nextControlId, 1);
    DestroyWindow(form.hwnd);
}
