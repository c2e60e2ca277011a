// The count-down clock and the time-out, reached by moving the level's start
// time back rather than by waiting.
#include "tests/game/MainWindowFixture.h"

#include "tests/support/MessageBoxAnswerer.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/drawing/ImageFrame.h"

using namespace Game;

TEST_F(MainWindowTest, ClockShowsTheTimeLeftAtEveryTick)
{
    struct Case {
        int64_t elapsed;
        const char* clock;
    };
    const Case cases[] = {
        {0, "00:05:00"},
        {1, "00:04:59"},
        {239, "00:01:01"},
        {299, "00:00:01"},
        // The local clock was set back an hour during the level.
        {-3600, "00:65:00"},
    };
    ClickButton(form->startButton);
    for (const Case& c : cases) {
        SetElapsedSeconds(c.elapsed);
        Tick();
        EXPECT_EQ(ClockText(), c.clock) << c.elapsed << " seconds gone";
        EXPECT_TRUE(form->gameRunning) << c.elapsed << " seconds gone";
    }
}

TEST_F(MainWindowTest, TimeOutAbandonsFirstAndThenTellsThePlayer)
{
    MessageBoxAnswerer answerer;
    ClickButton(form->startButton);
    const CardPair pair = FindPair();
    PressCard(pair.first);
    PressCard(pair.second);

    std::string buttonDuringBox;
    std::string clockDuringBox;
    bool timerRunningDuringBox = true;
    int facesShownDuringBox = 0;
    WhileBoxIsUp observe([&] {
        buttonDuringBox = StartButtonText();
        clockDuringBox = ClockText();
        timerRunningDuringBox = form->timer->running;
        for (int32_t k : CardsInPlay()) {
            facesShownDuringBox += ShownTile(k) == DealtFace(k) ? 1 : 0;
        }
    });
    SetElapsedSeconds(300);
    Tick();

    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].text, L"Tempo scaduto");
    EXPECT_EQ(answerer.Boxes()[0].caption, L"Tempo");
    EXPECT_EQ(answerer.Boxes()[0].type & (MB_TYPEMASK | MB_ICONMASK | MB_MODEMASK),
        static_cast<UINT>(MB_OK | MB_ICONINFORMATION | MB_TASKMODAL));
    EXPECT_EQ(buttonDuringBox, "Inizia");
    EXPECT_EQ(clockDuringBox, "00:00:00");
    EXPECT_FALSE(timerRunningDuringBox);
    EXPECT_EQ(facesShownDuringBox, 18) << "every card still in play shows its face";
    EXPECT_EQ(ShownTile(pair.first), kBlankTile);
    EXPECT_FALSE(form->gameRunning);
}

TEST_F(MainWindowTest, LaterLevelsTimeOutAtTheirOwnLimit)
{
    MessageBoxAnswerer answerer;
    ClickButton(form->startButton);
    for (int level = 1; level <= 3; ++level) {
        CompleteLevel();
    }
    ASSERT_EQ(form->level, 4);

    SetElapsedSeconds(239);
    Tick();
    EXPECT_EQ(ClockText(), "00:00:01");
    SetElapsedSeconds(240);
    Tick();
    EXPECT_FALSE(form->gameRunning);
    ASSERT_EQ(answerer.Boxes().size(), 4u);
    EXPECT_EQ(answerer.Boxes()[3].text, L"Tempo scaduto");
}

// KillTimer leaves a tick that was already posted in the queue. Arriving
// after Abandon, it must neither show a time nor, with the time up, start a
// game and announce a time-out.
TEST_F(MainWindowTest, TickLeftOverAfterAbandonChangesNothing)
{
    MessageBoxAnswerer answerer;
    ClickButton(form->startButton);
    ClickButton(form->startButton);

    Tick();
    EXPECT_EQ(ClockText(), "00:00:00");
    SetElapsedSeconds(1000);
    Tick();

    EXPECT_EQ(ClockText(), "00:00:00");
    EXPECT_FALSE(form->gameRunning);
    EXPECT_EQ(StartButtonText(), "Inizia");
    EXPECT_TRUE(answerer.Boxes().empty());
}
