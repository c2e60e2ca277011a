#include "toolkit/controls/PanelChildren.h"

#include "tests/support/MessagePump.h"
#include "tests/support/PixelCanvas.h"
#include "toolkit/core/Form.h"
#include "toolkit/core/Registry.h"
#include "toolkit/core/WindowProc.h"
#include "toolkit/drawing/FontRecord.h"

#include <gtest/gtest.h>

#include <vector>

using namespace KavoUtility;

namespace {

std::wstring ClassNameOf(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

COLORREF BrushColor(HBRUSH brush)
{
    LOGBRUSH description{};
    GetObjectW(brush, sizeof description, &description);
    return description.lbColor;
}

// A form to hold the panels under test.
struct Host {
    Form form{GetModuleHandleW(nullptr)};
    Host()
    {
        form.SetSize(500, 400);
        form.Create();
    }
    ~Host() { DestroyWindow(form.hwnd); }
};

TEST(PanelChildren, StartsAsAPanelWithoutAWindow)
{
    Host host;
    PanelChildren panel(&host.form);
    EXPECT_EQ(panel.typeName, "panel");
    EXPECT_EQ(panel.parent, &host.form);
    EXPECT_EQ(panel.instance, nullptr);
    EXPECT_TRUE(panel.tabStop);
    EXPECT_EQ(panel.scrollMinimum, 0);
    EXPECT_EQ(panel.scrollMaximum, 100);
    EXPECT_EQ(panel.childTextColor, -1);
    EXPECT_EQ(panel.childBackColor, -1);
    EXPECT_EQ(panel.childBrush, nullptr);
    EXPECT_FALSE(panel.created);
}

TEST(PanelChildren, EachPanelRegistersAClassNumberedOneBelowItsId)
{
    Host host;
    PanelChildren first(&host.form);
    PanelChildren second(&host.form);
    first.Create();
    second.Create();
    EXPECT_EQ(second.id, first.id + 1);
    EXPECT_EQ(ClassNameOf(first.hwnd), L"PanelChildren" + std::to_wstring(first.id - 1));
    EXPECT_EQ(ClassNameOf(second.hwnd), L"PanelChildren" + std::to_wstring(second.id - 1));
    EXPECT_EQ(GetDlgCtrlID(first.hwnd), first.id);
    EXPECT_EQ(GetParent(first.hwnd), host.form.hwnd);
    EXPECT_EQ(nextControlId, second.id);
}

TEST(PanelChildren, CreateRunsOnceAndCallsTheCreatedHandler)
{
    static std::vector<std::pair<GUIElement*, HWND>> calls;
    Host host;
    PanelChildren panel(&host.form);
    panel.createdHandler = [](GUIElement* sender, HWND window) { calls.emplace_back(sender, window); };
    panel.Create();
    HWND window = panel.hwnd;
    int32_t id = panel.id;
    panel.Create();
    EXPECT_EQ(panel.hwnd, window);
    EXPECT_EQ(panel.id, id);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].first, &panel);
    EXPECT_EQ(calls[0].second, window);
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST(PanelChildren, BuildsItsWindowFromTheStoredProperties)
{
    Host host;
    FontRecord font("Tahoma", 14);
    PanelChildren panel(&host.form);
    panel.SetPosition(12, 34);
    panel.SetSize(120, 80);
    panel.SetText(std::string("riquadro"));
    panel.font = &font;
    panel.Create();
    RECT outer{};
    GetWindowRect(panel.hwnd, &outer);
    MapWindowPoints(nullptr, host.form.hwnd, reinterpret_cast<POINT*>(&outer), 2);
    EXPECT_EQ(outer.left, 12);
    EXPECT_EQ(outer.top, 34);
    EXPECT_EQ(outer.right - outer.left, 120);
    EXPECT_EQ(outer.bottom - outer.top, 80);
    wchar_t title[32] = {};
    GetWindowTextW(panel.hwnd, title, 32);
    EXPECT_STREQ(title, L"riquadro");
    EXPECT_NE(font.fontHandle, nullptr) << "the font was not sent";
    EXPECT_EQ(GetClassLongW(panel.hwnd, GCL_STYLE), static_cast<DWORD>(CS_DBLCLKS));
}

bool ClassExists(const std::wstring& name, HINSTANCE instance)
{
    WNDCLASSW info{};
    return GetClassInfoW(instance, name.c_str(), &info) != 0;
}

// A panel inside a form and a card-like panel inside it, whose class is
// registered without a module instance.
TEST(PanelChildren, ReleasesItsClassAndBrushOnceItsWindowIsGone)
{
    Host host;
    auto* outer = new PanelChildren(&host.form);
    outer->SetBackColor(RGB(0, 0, 128));
    outer->Create();
    auto* inner = new PanelChildren(outer);
    inner->SetBackColor(RGB(0, 128, 0));
    inner->Create();
    const std::wstring outerName = ClassNameOf(outer->hwnd);
    const std::wstring innerName = ClassNameOf(inner->hwnd);
    HINSTANCE outerInstance = outer->windowClass.hInstance;
    HINSTANCE innerInstance = inner->windowClass.hInstance;
    HBRUSH outerBrush = outer->windowClass.hbrBackground;
    HBRUSH innerBrush = inner->windowClass.hbrBackground;

    DestroyWindow(outer->hwnd);
    delete inner;
    delete outer;

    EXPECT_FALSE(ClassExists(outerName, outerInstance));
    EXPECT_FALSE(ClassExists(innerName, innerInstance));
    EXPECT_EQ(GetObjectType(outerBrush), 0u);
    EXPECT_EQ(GetObjectType(innerBrush), 0u);
}

TEST(PanelChildren, KeepsItsClassWhileItsWindowLives)
{
    Host host;
    auto* panel = new PanelChildren(&host.form);
    panel->SetBackColor(RGB(0, 0, 128));
    panel->Create();
    HWND window = panel->hwnd;
    const std::wstring name = ClassNameOf(window);
    HBRUSH brush = panel->windowClass.hbrBackground;
    delete panel;
    EXPECT_TRUE(ClassExists(name, GetModuleHandleW(nullptr)));
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(GetClassLongPtrW(window, GCLP_HBRBACKGROUND)), brush);
}

struct StyleCase {
    const char* name;
    bool tabStop, enabled, border, flatBorder, horizontal, vertical;
    DWORD style;
    DWORD extendedStyle;
};

class PanelStyleTest : public ::testing::TestWithParam<StyleCase> {};

constexpr DWORD kStyleMask = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_DISABLED | WS_BORDER | WS_HSCROLL | WS_VSCROLL;

TEST_P(PanelStyleTest, IsReadBackFromTheWindow)
{
    const StyleCase& c = GetParam();
    Host host;
    PanelChildren panel(&host.form);
    panel.tabStop = c.tabStop;
    panel.enabled = c.enabled;
    panel.border = c.border;
    panel.flatBorder = c.flatBorder;
    panel.horizontalScrollBar = c.horizontal;
    panel.verticalScrollBar = c.vertical;
    panel.Create();
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(panel.hwnd, GWL_STYLE)) & kStyleMask, c.style);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(panel.hwnd, GWL_EXSTYLE)) & WS_EX_CLIENTEDGE, c.extendedStyle);
}

INSTANTIATE_TEST_SUITE_P(Flags, PanelStyleTest,
    ::testing::Values(StyleCase{"Defaults", true, true, false, false, false, false, 0x50010000, 0},
        StyleCase{"Sunken", true, true, true, false, false, false, 0x50810000, 0x200},
        StyleCase{"Flat", true, true, true, true, false, false, 0x50810000, 0},
        StyleCase{"FlatAloneDoesNothing", true, true, false, true, false, false, 0x50010000, 0},
        StyleCase{"NoTabStopDisabled", false, false, false, false, false, false, 0x58000000, 0},
        StyleCase{"BothBars", false, true, false, false, true, true, 0x50300000, 0},
        StyleCase{"Horizontal", true, true, false, false, true, false, 0x50110000, 0}),
    [](const ::testing::TestParamInfo<StyleCase>& info) { return std::string(info.param.name); });

TEST(PanelChildren, ApplyStyleAddsAPlainBorderToALivePanel)
{
    Host host;
    PanelChildren panel(&host.form);
    panel.ApplyStyle();
    panel.Create();
    RECT before{};
    GetClientRect(panel.hwnd, &before);
    panel.border = true;
    panel.tabStop = false;
    panel.verticalScrollBar = true;
    panel.ApplyStyle();
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(panel.hwnd, GWL_STYLE)) & kStyleMask, 0x50A00000u);
    EXPECT_EQ(GetWindowLongW(panel.hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    RECT after{};
    GetClientRect(panel.hwnd, &after);
    EXPECT_EQ(after.bottom, before.bottom - 2) << "the frame was not refreshed";
}

TEST(PanelChildren, SetClientSizeGivesTheInsideTheExactSize)
{
    Host host;
    PanelChildren board(&host.form);
    board.border = true;
    board.SetClientSize(10, 10);
    EXPECT_EQ(board.width, 100);
    board.SetPosition(7, 9);
    board.Create();
    board.SetClientSize(432, 450);
    RECT client{};
    GetClientRect(board.hwnd, &client);
    EXPECT_EQ(client.right, 432);
    EXPECT_EQ(client.bottom, 450);
    RECT outer{};
    GetWindowRect(board.hwnd, &outer);
    EXPECT_EQ(board.width, outer.right - outer.left);
    EXPECT_EQ(board.height, outer.bottom - outer.top);
    EXPECT_GT(board.width, 432);
    EXPECT_EQ(board.x, 7);
    EXPECT_EQ(board.y, 9);
}

TEST(PanelChildren, PaintsItsBackgroundWithItsClassBrush)
{
    Host host;
    PanelChildren coloured(&host.form);
    coloured.SetBackColor(RGB(0, 0, 128));
    coloured.SetPosition(0, 0);
    coloured.Create();
    PanelChildren plain(&host.form);
    plain.SetPosition(200, 0);
    plain.Create();
    EXPECT_FALSE(coloured.backColorApplied);
    EXPECT_EQ(BrushColor(reinterpret_cast<HBRUSH>(GetClassLongPtrW(coloured.hwnd, GCLP_HBRBACKGROUND))), RGB(0, 0, 128));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(GetClassLongPtrW(plain.hwnd, GCLP_HBRBACKGROUND)), GetSysColorBrush(COLOR_BTNFACE));
    PumpPending();
    PixelCanvas canvas(100, 50, RGB(1, 2, 3));
    canvas.CaptureClient(coloured.hwnd);
    EXPECT_EQ(canvas.FirstDifference([](int32_t, int32_t) { return RGB(0, 0, 128); }), "");
    canvas.CaptureClient(plain.hwnd);
    EXPECT_EQ(canvas.FirstDifference([](int32_t, int32_t) { return GetSysColor(COLOR_BTNFACE); }), "");
}

struct ColorCase {
    const char* name;
    int32_t backColor, childBackColor, childTextColor;
};

class PanelCtlColorTest : public ::testing::TestWithParam<ColorCase> {};

constexpr COLORREF kUntouchedBack = RGB(11, 22, 33);
constexpr COLORREF kUntouchedText = RGB(44, 55, 66);

TEST_P(PanelCtlColorTest, HandsOutTheBrushAndColoursForItsControls)
{
    const ColorCase& c = GetParam();
    Host host;
    PanelChildren panel(&host.form);
    panel.backColor = c.backColor;
    panel.childBackColor = c.childBackColor;
    panel.childTextColor = c.childTextColor;
    PixelCanvas control(4, 4, 0);
    SetBkColor(control.Context(), kUntouchedBack);
    SetTextColor(control.Context(), kUntouchedText);

    HBRUSH brush = panel.OnCtlColor(control.Context());

    int32_t expected = c.childBackColor != -1 ? c.childBackColor : c.backColor;
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(panel.childBrush, brush);
    if (expected == -1) {
        EXPECT_EQ(brush, GetSysColorBrush(COLOR_BTNFACE));
        EXPECT_EQ(GetBkColor(control.Context()), kUntouchedBack);
    } else {
        EXPECT_EQ(BrushColor(brush), static_cast<COLORREF>(expected));
        EXPECT_EQ(GetBkColor(control.Context()), static_cast<COLORREF>(expected));
    }
    EXPECT_EQ(GetTextColor(control.Context()),
        c.childTextColor == -1 ? kUntouchedText : static_cast<COLORREF>(c.childTextColor));
}

INSTANTIATE_TEST_SUITE_P(Colours, PanelCtlColorTest,
    ::testing::Values(ColorCase{"NoneSet", -1, -1, -1}, ColorCase{"PanelColour", RGB(0, 128, 0), -1, -1},
        ColorCase{"ChildColourWins", RGB(0, 128, 0), RGB(200, 0, 0), RGB(255, 255, 0)},
        ColorCase{"ChildColourAlone", -1, RGB(200, 0, 0), -1}),
    [](const ::testing::TestParamInfo<ColorCase>& info) { return std::string(info.param.name); });

TEST(PanelChildren, EachColourQueryReplacesTheBrushItHandedOutBefore)
{
    Host host;
    PixelCanvas control(4, 4, 0);
    HBRUSH first;
    HBRUSH second;
    {
        PanelChildren panel(&host.form);
        panel.backColor = RGB(0, 128, 0);
        first = panel.OnCtlColor(control.Context());
        second = panel.OnCtlColor(control.Context());
        EXPECT_EQ(GetObjectType(first), 0u) << "the first brush is still alive";
        EXPECT_EQ(GetObjectType(second), static_cast<DWORD>(OBJ_BRUSH));
        panel.backColor = -1;
        EXPECT_EQ(panel.OnCtlColor(control.Context()), GetSysColorBrush(COLOR_BTNFACE));
        EXPECT_EQ(GetObjectType(second), 0u);
        panel.backColor = RGB(0, 0, 64);
        second = panel.OnCtlColor(control.Context());
    }
    EXPECT_EQ(GetObjectType(second), 0u) << "the panel did not delete its brush";
    EXPECT_EQ(GetObjectType(GetSysColorBrush(COLOR_BTNFACE)), static_cast<DWORD>(OBJ_BRUSH));
}

TEST(PanelChildren, SelectsItsFontIntoTheControlsContext)
{
    Host host;
    FontRecord font("Tahoma", 14);
    PanelChildren panel(&host.form);
    panel.font = &font;
    PixelCanvas control(4, 4, 0);
    panel.OnCtlColor(control.Context());
    EXPECT_EQ(GetCurrentObject(control.Context(), OBJ_FONT), font.fontHandle);
    SelectObject(control.Context(), GetStockObject(SYSTEM_FONT));
}

// A static control inside the panel asks its parent for colours while it
// paints: its background shows the panel's colour for the children.
TEST(PanelChildren, AStaticControlInsideTakesTheChildColours)
{
    Host host;
    PanelChildren panel(&host.form);
    panel.SetBackColor(RGB(0, 0, 128));
    panel.childBackColor = RGB(200, 180, 0);
    panel.Create();
    HWND label = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 5, 5, 40, 20, panel.hwnd, nullptr,
        nullptr, nullptr);
    UpdateWindow(label);
    PumpPending();
    PixelCanvas canvas(40, 20, 0);
    canvas.CaptureClient(label);
    EXPECT_EQ(canvas.FirstDifference([](int32_t, int32_t) { return RGB(200, 180, 0); }), "");
    EXPECT_EQ(BrushColor(panel.childBrush), RGB(200, 180, 0));
}

} // namespace
