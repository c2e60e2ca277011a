#include "toolkit/core/DateTime.h"
#include "toolkit/core/Form.h"
#include "toolkit/core/MessageLoop.h"
#include "toolkit/core/Wait.h"

#include "tests/toolkit/core/TestElements.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace KavoUtility;
using namespace CoreTest;

namespace {

DateTime At(WORD hour, WORD minute, WORD second, WORD milliseconds)
{
    DateTime moment;
    moment.time = SYSTEMTIME{2026, 12, 5, 11, hour, minute, second, milliseconds};
    moment.empty = false;
    return moment;
}

int64_t Milliseconds(const SYSTEMTIME& time)
{
    FILETIME file{};
    SystemTimeToFileTime(&time, &file);
    return static_cast<int64_t>((static_cast<uint64_t>(file.dwHighDateTime) << 32) | file.dwLowDateTime) / 10000;
}

struct SecondsCase {
    DateTime from;
    DateTime to;
    int64_t seconds;
};

std::vector<std::string> events;

} // namespace

TEST(DateTime, SecondsUntilTruncatesTowardZero)
{
    const SecondsCase cases[] = {
        {At(10, 0, 0, 900), At(10, 0, 1, 100), 0},
        {At(10, 0, 1, 100), At(10, 0, 0, 900), 0},
        {At(10, 0, 0, 0), At(10, 1, 1, 500), 61},
        {At(10, 1, 1, 500), At(10, 0, 0, 0), -61},
        {At(10, 0, 0, 0), At(11, 0, 0, 0), 3600},
    };
    for (const SecondsCase& c : cases) {
        EXPECT_EQ(c.from.SecondsUntil(c.to), c.seconds)
            << c.from.time.wMinute << ":" << c.from.time.wSecond << " -> " << c.to.time.wMinute << ":"
            << c.to.time.wSecond;
    }
}

TEST(DateTime, CompareOrdersMoments)
{
    EXPECT_EQ(At(10, 0, 0, 0).Compare(At(10, 0, 0, 1)), -1);
    EXPECT_EQ(At(10, 0, 0, 1).Compare(At(10, 0, 0, 1)), 0);
    EXPECT_EQ(At(10, 0, 0, 2).Compare(At(10, 0, 0, 1)), 1);
}

TEST(DateTime, AnEmptyOrUnconvertibleValueAnswersZero)
{
    DateTime empty;
    EXPECT_TRUE(empty.empty);
    EXPECT_EQ(empty.Compare(At(10, 0, 0, 0)), 0);
    EXPECT_EQ(empty.SecondsUntil(At(10, 0, 0, 0)), 0);
    DateTime invalid = At(10, 0, 0, 0);
    invalid.time.wMonth = 13;
    EXPECT_EQ(At(10, 0, 0, 0).Compare(invalid), 0);
    EXPECT_EQ(At(10, 0, 0, 0).SecondsUntil(invalid), 0);
}

TEST(DateTime, NowIsTheLocalTime)
{
    SYSTEMTIME before;
    GetLocalTime(&before);
    const DateTime now = DateTime::Now();
    SYSTEMTIME after;
    GetLocalTime(&after);
    EXPECT_FALSE(now.empty);
    EXPECT_LE(Milliseconds(before), Milliseconds(now.time));
    EXPECT_LE(Milliseconds(now.time), Milliseconds(after));
}

TEST(Wait, LastsHalfASecondAndDispatchesWhatArrivesMeanwhile)
{
    Form form(GetModuleHandleW(nullptr));
    form.rButtonDownHandler = [](GUIElement*, HWND, int32_t, int32_t) {
        events.push_back("click");
        return 0;
    };
    form.Create();
    PumpPending();
    PostMessageW(form.hwnd, WM_RBUTTONDOWN, 0, 0);
    SYSTEMTIME start;
    GetLocalTime(&start);
    Wait();
    events.push_back("returned");
    SYSTEMTIME end;
    GetLocalTime(&end);
    EXPECT_GE(Milliseconds(end) - Milliseconds(start), 500);
    EXPECT_EQ(events, (std::vector<std::string>{"click", "returned"}));
    DestroyWindow(form.hwnd);
}

TEST(Wait, AQuitRequestFetchedDuringThePauseReachesTheMainLoop)
{
    PostQuitMessage(7);
    Wait();
    MSG msg;
    ASSERT_EQ(GetMessageW(&msg, nullptr, 0, 0), 0);
    EXPECT_EQ(msg.wParam, 7u);
}

namespace {

class LoopTest : public testing::Test {
protected:
    Form form{GetModuleHandleW(nullptr)};
    TestEdit first{&form};
    TestEdit second{&form};

    void SetUp() override
    {
        events.clear();
        form.closeHandler = [](GUIElement*) { return true; };
    }

    // Posts a tab key to the first field, then closes the form so that the
    // loop ends; answers where the focus went.
    void RunWithTab(Form* loopForm)
    {
        form.Create();
        for (TestEdit* edit : {&first, &second}) {
            edit->keyDownHandler = [](GUIElement*, int32_t key) {
                events.push_back("keydown " + std::to_string(key));
                return 0;
            };
            edit->Create();
        }
        SetForegroundWindow(form.hwnd);
        first.Focus();
        PostMessageW(first.hwnd, WM_KEYDOWN, VK_TAB, 0);
        PostMessageW(form.hwnd, WM_CLOSE, 0, 0);
        RunMessageLoop(loopForm);
    }
};

} // namespace

TEST_F(LoopTest, ADialogFormGetsTheSystemsKeyboardNavigation)
{
    form.dialogMode = true;
    RunWithTab(&form);
    EXPECT_EQ(events, std::vector<std::string>{});
}

TEST_F(LoopTest, AnOrdinaryFormDispatchesEveryKey)
{
    RunWithTab(&form);
    EXPECT_EQ(events, std::vector<std::string>{"keydown 9"});
}

TEST_F(LoopTest, WithoutAFormEveryKeyIsDispatched)
{
    form.dialogMode = true;
    RunWithTab(nullptr);
    EXPECT_EQ(events, std::vector<std::string>{"keydown 9"});
}
