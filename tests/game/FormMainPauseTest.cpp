// What happens while a card click is paused for half a second: buttons, menus
// and ticks are still served, and the click comes back to whatever they left.
#include "tests/game/MainWindowFixture.h"

#include "tests/support/MessageBoxAnswerer.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/drawing/ImageFrame.h"

using namespace Game;

namespace {

bool QuitRequested()
{
    MSG message;
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != 0;
}

std::vector<std::wstring> BoxTexts(const MessageBoxAnswerer& answerer)
{
    std::vector<std::wstring> texts;
    for (const MessageBoxAnswerer::Box& box : answerer.Boxes()) {
        texts.push_back(box.text);
    }
    return texts;
}

} // namespace

TEST_F(MainWindowTest, TickDuringThePauseIsServed)
{
    ClickButton(form->startButton);
    const CardPair cards = FindNonPair();
    PressCard(cards.first);
    SetElapsedSeconds(61);

    Post(TimerTick());
    PressCard(cards.second);

    EXPECT_EQ(ClockText(), "00:03:59");
}

TEST_F(MainWindowTest, AbandonDuringThePauseStillFinishesTheTurn)
{
    struct Case {
        bool pair;
        Tile heldCardsShow;
        bool heldCardsInPlay;
    };
    const Case cases[] = {{true, kBlankTile, false}, {false, kCardBack, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pair ? "a pair" : "two different faces");
        ClickButton(form->startButton);
        const CardPair cards = c.pair ? FindPair() : FindNonPair();
        PressCard(cards.first);

        Post(ButtonClick(form->startButton));
        PressCard(cards.second);

        EXPECT_FALSE(form->gameRunning);
        EXPECT_EQ(StartButtonText(), "Inizia");
        for (int32_t k : {cards.first, cards.second}) {
            EXPECT_EQ(ShownTile(k), c.heldCardsShow) << "card " << k;
            EXPECT_EQ(!form->cards[k]->tag.empty(), c.heldCardsInPlay) << "card " << k;
        }
        for (int32_t k : CardsInPlay()) {
            if (k != cards.first && k != cards.second) {
                EXPECT_EQ(ShownTile(k), DealtFace(k)) << "card " << k << " was revealed";
            }
        }
        EXPECT_FALSE(clickBusy);
    }
}

// The two held cards belong to the deal that was abandoned; the new deal's
// cards are all face down and keep their tags.
TEST_F(MainWindowTest, NewDealDuringThePauseIsLeftUntouched)
{
    for (bool pair : {true, false}) {
        SCOPED_TRACE(pair ? "a pair" : "two different faces");
        ClickButton(form->startButton);
        const CardPair cards = pair ? FindPair() : FindNonPair();
        PressCard(cards.first);

        Post(ButtonClick(form->startButton));
        Post(ButtonClick(form->startButton));
        PressCard(cards.second);

        EXPECT_TRUE(form->gameRunning);
        EXPECT_EQ(form->level, 1);
        EXPECT_FALSE(form->firstCardTurned);
        int32_t position = 0;
        for (int32_t k = 0; k < kBoardCards; ++k) {
            if (k % 8 < 4) {
                EXPECT_EQ(form->cards[k]->tag, std::to_string(position++)) << "card " << k;
                EXPECT_EQ(ShownTile(k), kCardBack) << "card " << k;
                EXPECT_TRUE(form->cards[k]->handCursor) << "card " << k;
            }
        }
        EXPECT_FALSE(clickBusy);
        ClickButton(form->startButton);
    }
}

// Abandoned or timed out while the last pair was paused: the game is over,
// there is no level to complete and nothing to start again.
TEST_F(MainWindowTest, GameEndedDuringThePauseOfTheLastPairCompletesNoLevel)
{
    struct Case {
        const char* how;
        bool timeOut;
        std::vector<std::wstring> boxes;
    };
    const Case cases[] = {
        {"Abandon", false, {}},
        {"time-out", true, {L"Tempo scaduto"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        MessageBoxAnswerer answerer;
        ClickButton(form->startButton);
        const CardPair pair = FindPair();
        LeaveOnlyPair(pair);
        PressCard(pair.first);

        if (c.timeOut) {
            SetElapsedSeconds(300);
            Post(TimerTick());
        } else {
            Post(ButtonClick(form->startButton));
        }
        PressCard(pair.second);

        EXPECT_EQ(BoxTexts(answerer), c.boxes);
        EXPECT_FALSE(form->gameRunning);
        EXPECT_FALSE(form->timer->running);
        EXPECT_EQ(StartButtonText(), "Inizia");
        EXPECT_EQ(ClockText(), "00:00:00");
        EXPECT_EQ(form->level, 1);
        EXPECT_TRUE(CardsInPlay().empty());
        EXPECT_FALSE(clickBusy);
    }
}

TEST_F(MainWindowTest, WindowClosedDuringThePauseOfTheLastPairCompletesNoLevel)
{
    MessageBoxAnswerer answerer({IDYES});
    ClickButton(form->startButton);
    const CardPair pair = FindPair();
    LeaveOnlyPair(pair);
    PressCard(pair.first);

    Post(MenuCommand(form->exitItem));
    PressCard(pair.second);

    EXPECT_EQ(BoxTexts(answerer), std::vector<std::wstring>{L"Vuoi realmente uscire?"});
    EXPECT_FALSE(IsWindow(form->hwnd));
    EXPECT_FALSE(form->timer->running);
    EXPECT_EQ(form->level, 1);
    EXPECT_TRUE(QuitRequested()) << "the quit request waits for the main loop";
    EXPECT_FALSE(clickBusy);
}
