#include "toolkit/controls/Timer.h"

#include "tests/support/MessagePump.h"
#include "tests/toolkit/controls/ControlTestSupport.h"

#include <map>
#include <memory>

using namespace KavoUtility;

namespace {

std::map<GUIElement*, int> ticks;

void CountTick(GUIElement* sender)
{
    ++ticks[sender];
}

using TimerTest = FormTest;

// Polls the queue for a timer message of `id` for up to timeoutMs, without
// dispatching anything.
bool TakeTimerMessage(HWND window, int32_t id, MSG& found, DWORD timeoutMs)
{
    for (DWORD waited = 0; waited < timeoutMs; waited += 10) {
        while (PeekMessageW(&found, window, WM_TIMER, WM_TIMER, PM_REMOVE)) {
            if (found.wParam == static_cast<WPARAM>(id)) {
                return true;
            }
        }
        Sleep(10);
    }
    return false;
}

} // namespace

TEST_F(TimerTest, StartCreatesAHiddenStaticWindowFirst)
{
    Timer timer(&form);
    EXPECT_EQ(timer.typeName, "timer");
    EXPECT_EQ(timer.text, L"timer");
    EXPECT_EQ(timer.interval, 1000u);
    timer.Start();
    EXPECT_TRUE(timer.created);
    EXPECT_TRUE(timer.running);
    EXPECT_GT(timer.id, 0);
    ASSERT_NE(timer.hwnd, nullptr);
    EXPECT_EQ(ClassNameOf(timer.hwnd), L"Static");
    EXPECT_EQ(StyleOf(timer.hwnd), static_cast<DWORD>(WS_CHILD));
    EXPECT_EQ(GetParent(timer.hwnd), form.hwnd);
    EXPECT_EQ(timer.tooltipWindow, nullptr);
    SIZE size = OuterSizeOf(timer.hwnd);
    EXPECT_EQ(size.cx, 50);
    EXPECT_EQ(size.cy, 22);
}

TEST_F(TimerTest, TicksReachTheTickHandlerWithTheTimer)
{
    Timer timer(&form);
    timer.interval = 10;
    timer.tickHandler = CountTick;
    timer.Start();
    EXPECT_TRUE(PumpUntil([&] { return ticks[&timer] >= 3; }));
    EXPECT_EQ(ticks.size(), 1u);
}

TEST_F(TimerTest, TwoTimersTickIndependently)
{
    Timer first(&form);
    Timer second(&form);
    first.interval = 10;
    second.interval = 10;
    first.tickHandler = CountTick;
    second.tickHandler = CountTick;
    first.Start();
    second.Start();
    EXPECT_NE(first.id, second.id);
    ASSERT_TRUE(PumpUntil([&] { return ticks[&first] >= 2 && ticks[&second] >= 2; }));
    first.Stop();
    PumpPending();
    const int stoppedAt = ticks[&first];
    const int secondAt = ticks[&second];
    EXPECT_TRUE(PumpUntil([&] { return ticks[&second] >= secondAt + 3; }));
    EXPECT_EQ(ticks[&first], stoppedAt);
}

TEST_F(TimerTest, StartOnARunningTimerSetsNoNewSystemTimer)
{
    Timer timer(&form);
    timer.interval = 10;
    timer.tickHandler = CountTick;
    timer.Start();
    const int32_t id = timer.id;
    // Setting the system timer again would make it wait ten minutes.
    timer.interval = 600000;
    timer.Start();
    EXPECT_EQ(timer.id, id);
    EXPECT_TRUE(PumpUntil([&] { return ticks[&timer] >= 3; }));

    timer.Stop();
    timer.Start();
    PumpPending();
    const int restartedAt = ticks[&timer];
    PumpFor(200);
    EXPECT_EQ(ticks[&timer], restartedAt);
}

TEST_F(TimerTest, StopOnAStoppedTimerCallsNothing)
{
    Timer timer(&form);
    timer.tickHandler = CountTick;
    timer.Create();
    // A system timer with the same id, set behind the element's back: only
    // a KillTimer from Stop could end it.
    SetTimer(form.hwnd, static_cast<UINT_PTR>(timer.id), 10, nullptr);
    timer.Stop();
    EXPECT_FALSE(timer.running);
    EXPECT_TRUE(PumpUntil([&] { return ticks[&timer] >= 2; }));
    KillTimer(form.hwnd, static_cast<UINT_PTR>(timer.id));
}

TEST_F(TimerTest, ATimerWithoutHandlerStillRuns)
{
    Timer timer(&form);
    timer.interval = 10;
    timer.Start();
    MSG tick{};
    ASSERT_TRUE(TakeTimerMessage(form.hwnd, timer.id, tick, 2000));
    DispatchMessageW(&tick);
    EXPECT_TRUE(timer.running);
    EXPECT_TRUE(ticks.empty());
}

TEST_F(TimerTest, TheDestructorStopsTheSystemTimer)
{
    auto timer = std::make_unique<Timer>(&form);
    timer->interval = 10;
    timer->Start();
    const int32_t id = timer->id;
    timer.reset();
    MSG tick{};
    EXPECT_FALSE(TakeTimerMessage(form.hwnd, id, tick, 200));
}
