#include "toolkit/controls/PanelChildren.h"

#include "tests/support/MessagePump.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/ScrollRequest.h"
#include "toolkit/core/Form.h"
#include "toolkit/core/WindowProc.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace KavoUtility;

namespace {

SCROLLINFO ScrollInfo(UINT mask)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = mask;
    return info;
}

struct RequestCase {
    const char* name;
    int code;
    int32_t expected;
};

class ScrollRequestTest : public ::testing::TestWithParam<RequestCase> {};

TEST_P(ScrollRequestTest, AsksForThePositionOfTheRequestCode)
{
    SCROLLINFO info = ScrollInfo(SIF_ALL);
    info.nMin = 5;
    info.nMax = 95;
    info.nPage = 10;
    info.nPos = 40;
    info.nTrackPos = 73;
    EXPECT_EQ(RequestedScrollPosition(GetParam().code, info), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Codes, ScrollRequestTest,
    ::testing::Values(RequestCase{"LineUp", SB_LINEUP, 39}, RequestCase{"LineDown", SB_LINEDOWN, 41},
        RequestCase{"PageUp", SB_PAGEUP, 30}, RequestCase{"PageDown", SB_PAGEDOWN, 50},
        RequestCase{"ThumbPosition", SB_THUMBPOSITION, 40}, RequestCase{"ThumbTrack", SB_THUMBTRACK, 73},
        RequestCase{"Top", SB_TOP, 5}, RequestCase{"Bottom", SB_BOTTOM, 95},
        RequestCase{"EndScroll", SB_ENDSCROLL, 40}, RequestCase{"Unknown", 42, 40}),
    [](const ::testing::TestParamInfo<RequestCase>& info) { return std::string(info.param.name); });

struct RangeCase {
    const char* name;
    int32_t minimum, maximum;
    UINT page;
};

class PanelRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(PanelRangeTest, BothBarsGetTheRangeAndATenthAsPage)
{
    const RangeCase& c = GetParam();
    Form form(GetModuleHandleW(nullptr));
    form.Create();
    PanelChildren panel(&form);
    panel.verticalScrollBar = true;
    panel.horizontalScrollBar = true;
    panel.scrollMinimum = c.minimum;
    panel.scrollMaximum = c.maximum;
    panel.Create();
    for (int bar : {SB_VERT, SB_HORZ}) {
        SCROLLINFO info = ScrollInfo(SIF_ALL);
        ASSERT_TRUE(GetScrollInfo(panel.hwnd, bar, &info));
        EXPECT_EQ(info.nMin, c.minimum) << "bar " << bar;
        EXPECT_EQ(info.nMax, c.maximum) << "bar " << bar;
        EXPECT_EQ(info.nPage, c.page) << "bar " << bar;
    }
    DestroyWindow(form.hwnd);
}

INSTANTIATE_TEST_SUITE_P(Ranges, PanelRangeTest,
    ::testing::Values(RangeCase{"Default", 0, 100, 10}, RangeCase{"Narrow", 5, 14, 0}, RangeCase{"Wide", -50, 250, 30}),
    [](const ::testing::TestParamInfo<RangeCase>& info) { return std::string(info.param.name); });

std::vector<std::pair<PanelChildren*, int32_t>> verticalCalls;
std::vector<std::pair<PanelChildren*, int32_t>> horizontalCalls;

void RecordVertical(PanelChildren* sender, int32_t delta)
{
    verticalCalls.emplace_back(sender, delta);
}

void RecordHorizontal(PanelChildren* sender, int32_t delta)
{
    horizontalCalls.emplace_back(sender, delta);
}

constexpr int32_t kStart = 50;

// A form with a scrollable panel (range 0 to 100, page 10, both bars at 50)
// holding one static control at (10, 60).
struct ScrollHost {
    Form form{GetModuleHandleW(nullptr)};
    PanelChildren panel{&form};
    HWND content = nullptr;

    explicit ScrollHost(bool bars = true)
    {
        form.SetSize(500, 400);
        form.Create();
        panel.SetPosition(0, 0);
        panel.SetSize(200, 150);
        panel.verticalScrollBar = bars;
        panel.horizontalScrollBar = bars;
        panel.verticalScrollHandler = RecordVertical;
        panel.horizontalScrollHandler = RecordHorizontal;
        panel.Create();
        content = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 60, 20, 20, panel.hwnd, nullptr,
            nullptr, nullptr);
        SetPosition(SB_VERT, kStart);
        SetPosition(SB_HORZ, kStart);
        PumpPending();
        verticalCalls.clear();
        horizontalCalls.clear();
    }
    ~ScrollHost() { DestroyWindow(form.hwnd); }

    void SetPosition(int bar, int32_t position)
    {
        SCROLLINFO info = ScrollInfo(SIF_POS);
        info.nPos = position;
        SetScrollInfo(panel.hwnd, bar, &info, TRUE);
    }

    int32_t Position(int bar) const
    {
        SCROLLINFO info = ScrollInfo(SIF_POS);
        GetScrollInfo(panel.hwnd, bar, &info);
        return info.nPos;
    }

    POINT ContentPosition() const
    {
        RECT r{};
        GetWindowRect(content, &r);
        POINT p{r.left, r.top};
        ScreenToClient(panel.hwnd, &p);
        return p;
    }
};

struct ScrollCase {
    const char* name;
    int code;
    int32_t accepted;
    bool reported;
    int32_t delta;
};

// From position 50 of 0 to 100 with a page of 10: the bar stops at 91, the
// last position at which a whole page still fits.
const ScrollCase kScrollCases[] = {
    {"LineUp", SB_LINEUP, 49, true, 1},
    {"LineDown", SB_LINEDOWN, 51, true, -1},
    {"PageUp", SB_PAGEUP, 40, true, 10},
    {"PageDown", SB_PAGEDOWN, 60, true, -10},
    {"ThumbPosition", SB_THUMBPOSITION, 50, false, 0},
    {"ThumbTrackWithoutTracking", SB_THUMBTRACK, 50, false, 0},
    {"TopOrLeft", SB_TOP, 0, true, 50},
    {"BottomOrRight", SB_BOTTOM, 91, true, -50},
    {"EndScroll", SB_ENDSCROLL, 50, false, 0},
};

struct BarCase {
    const char* name;
    UINT message;
    int bar;
};

const BarCase kBars[] = {{"Vertical", WM_VSCROLL, SB_VERT}, {"Horizontal", WM_HSCROLL, SB_HORZ}};

class PanelScrollTest : public ::testing::TestWithParam<std::tuple<BarCase, ScrollCase>> {};

TEST_P(PanelScrollTest, MovesTheBarAndTheContentsAndReportsTheRequestedStep)
{
    const BarCase& b = std::get<0>(GetParam());
    const ScrollCase& c = std::get<1>(GetParam());
    ScrollHost host;
    const int other = b.bar == SB_VERT ? SB_HORZ : SB_VERT;

    EXPECT_EQ(SendMessageW(host.panel.hwnd, b.message, MAKEWPARAM(c.code, 0), 0), 0);

    EXPECT_EQ(host.Position(b.bar), c.accepted);
    EXPECT_EQ(host.Position(other), kStart);
    const int32_t moved = kStart - c.accepted;
    POINT content = host.ContentPosition();
    EXPECT_EQ(content.x, b.bar == SB_HORZ ? 10 + moved : 10);
    EXPECT_EQ(content.y, b.bar == SB_VERT ? 60 + moved : 60);
    auto& calls = b.bar == SB_VERT ? verticalCalls : horizontalCalls;
    auto& otherCalls = b.bar == SB_VERT ? horizontalCalls : verticalCalls;
    EXPECT_TRUE(otherCalls.empty());
    if (c.reported) {
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].first, &host.panel);
        EXPECT_EQ(calls[0].second, c.delta);
    } else {
        EXPECT_TRUE(calls.empty()) << "reported " << (calls.empty() ? 0 : calls[0].second);
    }
    EXPECT_EQ(lastPanel, b.bar == SB_VERT ? &host.panel : nullptr);
}

INSTANTIATE_TEST_SUITE_P(Requests, PanelScrollTest,
    ::testing::Combine(::testing::ValuesIn(kBars), ::testing::ValuesIn(kScrollCases)),
    [](const ::testing::TestParamInfo<std::tuple<BarCase, ScrollCase>>& info) {
        return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name;
    });

TEST(PanelScrolling, ALineDownAtTheEndStillReportsTheStep)
{
    ScrollHost host;
    host.SetPosition(SB_VERT, 91);
    SendMessageW(host.panel.hwnd, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(host.Position(SB_VERT), 91);
    EXPECT_EQ(host.ContentPosition().y, 60);
    ASSERT_EQ(verticalCalls.size(), 1u);
    EXPECT_EQ(verticalCalls[0].second, -1);
}

TEST(PanelScrolling, APanelWithoutBarsLeavesTheRequestsAlone)
{
    ScrollHost host(false);
    SendMessageW(host.panel.hwnd, WM_VSCROLL, SB_PAGEDOWN, 0);
    SendMessageW(host.panel.hwnd, WM_HSCROLL, SB_PAGEDOWN, 0);
    SendMessageW(host.panel.hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_TRUE(verticalCalls.empty());
    EXPECT_TRUE(horizontalCalls.empty());
    EXPECT_EQ(host.ContentPosition().y, 60);
    EXPECT_EQ(lastPanel, nullptr);
}

struct WheelCase {
    const char* name;
    int16_t delta;
    int32_t accepted;
};

class PanelWheelTest : public ::testing::TestWithParam<WheelCase> {};

TEST_P(PanelWheelTest, ScrollsOnePagePerMessage)
{
    const WheelCase& c = GetParam();
    ScrollHost host;
    EXPECT_EQ(SendMessageW(host.panel.hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(c.delta)), 0), 0);
    EXPECT_EQ(host.Position(SB_VERT), c.accepted);
    EXPECT_EQ(host.Position(SB_HORZ), kStart);
    EXPECT_EQ(host.ContentPosition().y, 60 + kStart - c.accepted);
    ASSERT_EQ(verticalCalls.size(), 1u);
    EXPECT_EQ(verticalCalls[0].second, kStart - c.accepted);
}

INSTANTIATE_TEST_SUITE_P(Deltas, PanelWheelTest,
    ::testing::Values(WheelCase{"OneNotchUp", 120, 40}, WheelCase{"ThreeNotchesUp", 360, 40},
        WheelCase{"OneNotchDown", -120, 60}, WheelCase{"Zero", 0, 60}),
    [](const ::testing::TestParamInfo<WheelCase>& info) { return std::string(info.param.name); });

TEST(PanelScrolling, TheWheelOverAnotherElementScrollsThePanelLastClicked)
{
    ScrollHost host;
    SendMessageW(host.form.hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(host.Position(SB_VERT), kStart) << "no panel was clicked yet";

    SendMessageW(host.panel.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(lastPanel, &host.panel);
    SendMessageW(host.form.hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(host.Position(SB_VERT), 60);

    Button button(&host.form, "Inizia");
    button.SetPosition(300, 300);
    button.Create();
    SendMessageW(button.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(button.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(lastPanel, nullptr) << "a click on a button leaves the panel in charge of the wheel";
    SendMessageW(host.form.hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(host.Position(SB_VERT), 60);

    SendMessageW(host.panel.hwnd, WM_VSCROLL, SB_ENDSCROLL, 0);
    EXPECT_EQ(lastPanel, &host.panel);
}

} // namespace
