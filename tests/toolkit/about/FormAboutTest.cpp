#include "toolkit/about/FormAbout.h"

#include "resources/ResourceIds.h"
#include "tests/support/GdiObjectCount.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ShellLog.h"
#include "tests/support/ThreadWindowCount.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/PanelChildren.h"
#include "toolkit/controls/TextBox.h"
#include "toolkit/core/Registry.h"
#include "toolkit/drawing/CellControl.h"
#include "toolkit/drawing/FontRecord.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

using namespace KavoUtility;

namespace {

const char webAddress[] = "http://www.runepairs.example";
// Italian letters as single bytes: e-grave, o-grave, e-acute, i-grave.
const char notice[] = "Questo programma \xE8 freeware: pu\xF2 essere copiato\r\n"
                      "purch\xE9 non sia modificato\r\n"
                      "n\xE9 venduto. Cos\xEC \xE8.";
const wchar_t noticeUnits[] = L"Questo programma \u00E8 freeware: pu\u00F2 essere copiato\r\n"
                              L"purch\u00E9 non sia modificato\r\n"
                              L"n\u00E9 venduto. Cos\u00EC \u00E8.";

std::wstring WindowText(HWND window)
{
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return buffer;
}

using Row = std::array<int32_t, 4>;

// x, y, width, height in the client coordinates of the parent window.
Row PlacementOf(HWND window)
{
    RECT box;
    GetWindowRect(window, &box);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&box), 2);
    return {box.left, box.top, box.right - box.left, box.bottom - box.top};
}

// A key as the keyboard delivers it: the loop's TranslateMessage turns the
// key press into the character.
void TypeKey(HWND window, WPARAM virtualKey)
{
    PostMessageW(window, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(window, WM_KEYUP, virtualKey, 0xC0000001);
    PumpPending();
}

// Presses the caption's close box through the default window procedure's
// own tracking, which ends at the button release waiting in the queue.
void PressCloseBox(HWND window)
{
    RECT frame;
    GetWindowRect(window, &frame);
    for (int32_t x = frame.right - 1; x > frame.left; --x) {
        for (int32_t y = frame.top; y < frame.top + 40; ++y) {
            const LPARAM point = MAKELPARAM(x, y);
            if (SendMessageW(window, WM_NCHITTEST, 0, point) == HTCLOSE) {
                PostMessageW(window, WM_LBUTTONUP, 0, 0);
                SendMessageW(window, WM_NCLBUTTONDOWN, HTCLOSE, point);
                PumpPending();
                return;
            }
        }
    }
    ADD_FAILURE() << "no close box on the caption";
}

// Every WM_ENABLE the owner receives: 0 disabled, 1 enabled.
std::vector<WPARAM> enableMessages;
HWND watchedWindow = nullptr;

LRESULT CALLBACK WatchEnable(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->hwnd == watchedWindow && call->message == WM_ENABLE) {
        enableMessages.push_back(call->wParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class AboutWindow : public testing::Test {
protected:
    Form owner{GetModuleHandleW(nullptr)};
    FormAbout* about = nullptr;
    HHOOK enableHook = nullptr;

    void SetUp() override
    {
        owner.SetText(std::string("Owner"));
        owner.Create();
        watchedWindow = owner.hwnd;
        enableHook = SetWindowsHookExW(WH_CALLWNDPROC, WatchEnable, nullptr, GetCurrentThreadId());
    }

    void TearDown() override
    {
        UnhookWindowsHookEx(enableHook);
        Discard();
        DestroyWindow(owner.hwnd);
        PumpPending();
    }

    // As an application opens it: fill in, create, show without activating.
    void Open(const std::string& address = webAddress)
    {
        Create(address);
        ShowWindow(about->hwnd, SW_SHOWNA);
        PumpPending();
    }

    void Create(const std::string& address = webAddress)
    {
        Discard();
        about = new FormAbout(&owner);
        about->logoId = IDB_LOGO;
        about->logoWidth = 164;
        about->logoHeight = 50;
        about->title = "Runepairs 1.0.0.0";
        about->subtitle = "Copyright \xA9 2026";
        about->notice = notice;
        about->webAddress = address;
        about->Create();
    }

    void Discard()
    {
        if (about != nullptr && IsWindow(about->hwnd)) {
            DestroyWindow(about->hwnd);
        }
        delete about;
        about = nullptr;
    }
};

TEST_F(AboutWindow, PlacesEveryElementInAClientAreaOf600By300)
{
    Open();
    const std::vector<std::pair<std::string, Row>> placements = {
        {"panel", PlacementOf(about->panel->hwnd)},
        {"logo", PlacementOf(about->logo->hwnd)},
        {"titleLabel", PlacementOf(about->titleLabel->hwnd)},
        {"subtitleLabel", PlacementOf(about->subtitleLabel->hwnd)},
        {"webLink", PlacementOf(about->webLink->hwnd)},
        {"mailLink", PlacementOf(about->mailLink->hwnd)},
        {"noticeBox", PlacementOf(about->noticeBox->hwnd)},
        {"okButton", PlacementOf(about->okButton->hwnd)},
    };
    const std::vector<std::pair<std::string, Row>> expected = {
        {"panel", {10, 10, 184, 280}},
        // Given 164 x 50, the picture control takes its bitmap's own size.
        {"logo", {5, 5, 163, 50}},
        {"titleLabel", {209, 10, 381, 25}},
        {"subtitleLabel", {209, 35, 381, 25}},
        {"webLink", {209, 55, 150, 22}},
        {"mailLink", {369, 55, 150, 22}},
        {"noticeBox", {209, 85, 381, 155}},
        {"okButton", {359, 250, 80, 25}},
    };
    EXPECT_EQ(placements, expected);
    EXPECT_EQ(GetParent(about->logo->hwnd), about->panel->hwnd);

    RECT client;
    GetClientRect(about->hwnd, &client);
    EXPECT_EQ((Row{client.left, client.top, client.right, client.bottom}), (Row{0, 0, 600, 300}));
}

// Centred as a 600 x 300 window, then moved up and left by the frame when
// the client area took its size.
TEST_F(AboutWindow, StartsFromTheCentreOfTheScreen)
{
    Open();
    RECT frame;
    RECT client;
    GetWindowRect(about->hwnd, &frame);
    GetClientRect(about->hwnd, &client);
    const int32_t frameWidth = (frame.right - frame.left) - client.right;
    const int32_t frameHeight = (frame.bottom - frame.top) - client.bottom;
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 600) / 2 - frameWidth);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 300) / 2 - 2 * frameHeight);
}

TEST_F(AboutWindow, IsAFixedDialogFrameOnTop)
{
    Open();
    // The system adds WS_CLIPSIBLINGS to every top-level window and
    // WS_EX_WINDOWEDGE to every modal frame.
    EXPECT_EQ(GetWindowLongW(about->hwnd, GWL_STYLE) & ~WS_CLIPSIBLINGS, 0x10C80080);
    EXPECT_EQ(GetWindowLongW(about->hwnd, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 9);
    EXPECT_EQ(GetWindowLongW(about->noticeBox->hwnd, GWL_STYLE) & (ES_MULTILINE | ES_READONLY | WS_VSCROLL),
        ES_MULTILINE | ES_READONLY | WS_VSCROLL);
    EXPECT_EQ(GetWindowLongW(about->panel->hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);
}

TEST_F(AboutWindow, ShowsItsTextsByteForByte)
{
    Open();
    const std::vector<std::pair<std::string, std::wstring>> texts = {
        {"form", WindowText(about->hwnd)},
        {"titleLabel", WindowText(about->titleLabel->hwnd)},
        {"subtitleLabel", WindowText(about->subtitleLabel->hwnd)},
        {"webLink", WindowText(about->webLink->hwnd)},
        {"mailLink", WindowText(about->mailLink->hwnd)},
        {"noticeBox", WindowText(about->noticeBox->hwnd)},
        {"okButton", WindowText(about->okButton->hwnd)},
    };
    const std::vector<std::pair<std::string, std::wstring>> expected = {
        {"form", L"Info..."},
        {"titleLabel", L"Runepairs 1.0.0.0"},
        {"subtitleLabel", L"Copyright \u00A9 2026"},
        {"webLink", L"http://www.runepairs.example"},
        {"mailLink", L"info@runepairs.example"},
        {"noticeBox", noticeUnits},
        {"okButton", L"OK"},
    };
    EXPECT_EQ(texts, expected);

    about->title = "Changed later";
    PumpPending();
    EXPECT_EQ(WindowText(about->titleLabel->hwnd), L"Runepairs 1.0.0.0");
}

TEST_F(AboutWindow, WritesTitleInBoldAndLinksUnderlinedInBlue)
{
    Open();
    LOGFONTW title{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(about->titleLabel->hwnd, WM_GETFONT, 0, 0)), sizeof title, &title);
    EXPECT_EQ(std::wstring(title.lfFaceName), L"Arial");
    EXPECT_GE(title.lfWeight, FW_BOLD);
    EXPECT_EQ(SendMessageW(about->subtitleLabel->hwnd, WM_GETFONT, 0, 0),
        reinterpret_cast<LRESULT>(about->font->GetFontHandle()));

    for (CellControl* link : {about->webLink, about->mailLink}) {
        EXPECT_EQ(link->font, about->linkFont);
        EXPECT_EQ(link->textColor, 0x00FF0000);
        EXPECT_EQ(link->align, AlignLeft);
    }
    LOGFONTW linkFace{};
    GetObjectW(about->linkFont->GetFontHandle(), sizeof linkFace, &linkFace);
    EXPECT_TRUE(linkFace.lfUnderline);
    EXPECT_EQ(std::wstring(linkFace.lfFaceName), L"Arial");
}

// The windows that received the keyboard focus, in order.
std::vector<HWND> focusedWindows;

LRESULT CALLBACK WatchFocus(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_SETFOCUS) {
        focusedWindows.push_back(call->hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Watched while the window is made, where no other program's activation can
// come in between: tests running beside this one may take the activation,
// and the focus with it, away as soon as messages are fetched.
TEST_F(AboutWindow, GivesTheOkButtonTheFocus)
{
    const HHOOK focusHook = SetWindowsHookExW(WH_CALLWNDPROC, WatchFocus, nullptr, GetCurrentThreadId());
    Create();
    UnhookWindowsHookEx(focusHook);
    ASSERT_FALSE(focusedWindows.empty());
    EXPECT_EQ(focusedWindows.back(), about->okButton->hwnd);
}

TEST_F(AboutWindow, ShowsTheHandCursorOverBothLinks)
{
    Open();
    const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    for (CellControl* link : {about->webLink, about->mailLink}) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        EXPECT_EQ(SendMessageW(link->hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(link->hwnd),
                      MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
            1);
        EXPECT_EQ(GetCursor(), hand);
    }
}

// Corners, middle, and a point beyond the end of the text: the whole cell is
// the link.
TEST_F(AboutWindow, APressAnywhereOnALinkOpensItsTarget)
{
    Open();
    ShellLog log;
    const std::vector<POINT> points = {{0, 0}, {149, 21}, {140, 11}};
    std::vector<std::string> expected;
    for (CellControl* link : {about->webLink, about->mailLink}) {
        const std::string target =
            link == about->webLink ? "http://www.runepairs.example" : "mailto:info@runepairs.example";
        for (POINT point : points) {
            SendMessageW(link->hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
            expected.push_back(target);
            EXPECT_EQ(log.WaitForLines(expected.size()), expected) << "press at " << point.x << ", " << point.y;
        }
    }
}

TEST_F(AboutWindow, ShowsAnAddressWithoutTheWebPrefixUnchangedInBothLinks)
{
    Open("https://runepairs.example/info");
    EXPECT_EQ(WindowText(about->webLink->hwnd), L"https://runepairs.example/info");
    EXPECT_EQ(WindowText(about->mailLink->hwnd), L"https://runepairs.example/info");
}

TEST_F(AboutWindow, DisablesItsOwnerWhileOpen)
{
    Open();
    EXPECT_FALSE(IsWindowEnabled(owner.hwnd));
    EXPECT_FALSE(owner.enabled);
    EXPECT_EQ(enableMessages, std::vector<WPARAM>{FALSE});
}

struct CloseWay {
    std::string name;
    void (*close)(FormAbout& about);
};

const CloseWay closeWays[] = {
    {"OkButton", [](FormAbout& about) {
         SendMessageW(about.okButton->hwnd, BM_CLICK, 0, 0);
         PumpPending();
     }},
    {"EnterOnTheOkButton", [](FormAbout& about) { TypeKey(about.okButton->hwnd, VK_RETURN); }},
    {"EscapeOnTheOkButton", [](FormAbout& about) { TypeKey(about.okButton->hwnd, VK_ESCAPE); }},
    {"EscapeOnTheNotice", [](FormAbout& about) {
         about.noticeBox->Focus();
         TypeKey(about.noticeBox->hwnd, VK_ESCAPE);
     }},
    {"EnterOnTheNotice", [](FormAbout& about) {
         about.noticeBox->Focus();
         TypeKey(about.noticeBox->hwnd, VK_RETURN);
     }},
    {"CloseBox", [](FormAbout& about) { PressCloseBox(about.hwnd); }},
    {"SystemMenu", [](FormAbout& about) {
         SendMessageW(about.hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
         PumpPending();
     }},
};

// One open after the other, each closed another way.
TEST_F(AboutWindow, EachOpenDisablesOnceAndEachCloseEnablesOnce)
{
    std::vector<WPARAM> expected;
    for (const CloseWay& way : closeWays) {
        Open();
        way.close(*about);
        expected.insert(expected.end(), {FALSE, TRUE});
        EXPECT_EQ(enableMessages, expected) << way.name;
    }
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd));
}

class AboutWindowClosing : public AboutWindow, public testing::WithParamInterface<CloseWay> {};

TEST_P(AboutWindowClosing, ClosesAndEnablesTheOwnerOnce)
{
    Open();
    const HWND window = about->hwnd;
    const std::wstring noticeBefore = WindowText(about->noticeBox->hwnd);
    GetParam().close(*about);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd));
    EXPECT_TRUE(owner.enabled);
    EXPECT_EQ(enableMessages, (std::vector<WPARAM>{FALSE, TRUE}));
    EXPECT_EQ(noticeBefore, noticeUnits);
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutWindowClosing, testing::ValuesIn(closeWays),
    [](const testing::TestParamInfo<CloseWay>& info) { return info.param.name; });

TEST_F(AboutWindow, MarksAnOwnerWithoutWindowDisabled)
{
    Form later(GetModuleHandleW(nullptr));
    FormAbout early(&later);
    EXPECT_FALSE(later.enabled);
    later.Create();
    EXPECT_FALSE(IsWindowEnabled(later.hwnd));
    DestroyWindow(later.hwnd);
}

TEST_F(AboutWindow, OpeningAndClosingLeavesNoWindowsElementsOrGdiObjects)
{
    const auto openAndClose = [this] {
        Open();
        SendMessageW(about->hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        PumpPending();
        Discard();
    };
    openAndClose();
    const int32_t windows = ThreadWindowCount();
    const size_t elements = elementRegistry.size();
    const int32_t gdiObjects = GdiObjectCount();

    for (int round = 0; round < 100; ++round) {
        openAndClose();
    }
    EXPECT_EQ(ThreadWindowCount(), windows);
    EXPECT_EQ(elementRegistry.size(), elements);
    EXPECT_EQ(GdiObjectCount(), gdiObjects);
}

} // namespace
