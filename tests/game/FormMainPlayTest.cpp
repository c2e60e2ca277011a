// The rules of play through the real window: Start and Abandon, turning two
// cards, pairs and non-pairs, the level's end and the level table.
#include "tests/game/MainWindowFixture.h"

#include "tests/support/MessageBoxAnswerer.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/drawing/ImageFrame.h"

#include <set>

using namespace Game;
using KavoUtility::ImageFrame;

TEST_F(MainWindowTest, StartDealsLevelOneFaceDownInTheFirstFourColumns)
{
    ClickButton(form->startButton);

    EXPECT_TRUE(form->gameRunning);
    EXPECT_TRUE(form->timer->running);
    EXPECT_EQ(StartButtonText(), "Abbandona");
    EXPECT_EQ(ClockText(), "00:00:00") << "the clock keeps its text until the first tick";
    EXPECT_EQ(form->level, 1);
    EXPECT_EQ(form->timeLimit, 300);
    EXPECT_FALSE(form->firstCardTurned);
    EXPECT_EQ(form->firstFace, (Tile{-1, -1}));
    int32_t position = 0;
    for (int32_t k = 0; k < kBoardCards; ++k) {
        const ImageFrame* card = form->cards[k];
        if (k % 8 < 4) {
            EXPECT_EQ(card->tag, std::to_string(position++)) << "card " << k;
            EXPECT_EQ(ShownTile(k), kCardBack) << "card " << k;
            EXPECT_TRUE(card->handCursor) << "card " << k;
        } else {
            EXPECT_EQ(card->tag, "") << "card " << k;
            EXPECT_EQ(ShownTile(k), kBlankTile) << "card " << k;
            EXPECT_FALSE(card->handCursor) << "card " << k;
        }
    }
}

TEST_F(MainWindowTest, FirstCardShowsItsFaceAndPressingItAgainChangesNothing)
{
    ClickButton(form->startButton);
    const CardPair cards = FindNonPair();

    PressCard(cards.first);
    EXPECT_EQ(ShownTile(cards.first), DealtFace(cards.first));
    EXPECT_TRUE(form->firstCardTurned);
    EXPECT_EQ(form->lastCard, form->cards[cards.first]);

    PressCard(cards.first);
    EXPECT_EQ(ShownTile(cards.first), DealtFace(cards.first));
    EXPECT_TRUE(form->firstCardTurned) << "the same card again does not end the turn";
    EXPECT_EQ(form->lastCard, form->cards[cards.first]);
    EXPECT_FALSE(clickBusy);

    PressCard(cards.second);
    EXPECT_FALSE(form->firstCardTurned);
}

TEST_F(MainWindowTest, DoubleClickIsNotACardClick)
{
    ClickButton(form->startButton);
    const CardPair cards = FindNonPair();
    PressCard(cards.first);

    Send(CardDoubleClick(cards.second));

    EXPECT_EQ(ShownTile(cards.second), kCardBack);
    EXPECT_TRUE(form->firstCardTurned);
    EXPECT_EQ(form->lastCard, form->cards[cards.first]);
}

TEST_F(MainWindowTest, PairLeavesPlayAndCannotBeTurnedAgain)
{
    ClickButton(form->startButton);
    const CardPair pair = FindPair();

    PressCard(pair.first);
    PressCard(pair.second);

    for (int32_t k : {pair.first, pair.second}) {
        EXPECT_EQ(ShownTile(k), kBlankTile) << "card " << k;
        EXPECT_EQ(form->cards[k]->tag, "") << "card " << k;
        EXPECT_FALSE(form->cards[k]->handCursor) << "card " << k;
    }
    EXPECT_FALSE(form->firstCardTurned);
    EXPECT_EQ(CardsInPlay().size(), 18u);

    PressCard(pair.first);
    EXPECT_EQ(ShownTile(pair.first), kBlankTile);
    EXPECT_FALSE(form->firstCardTurned);
}

TEST_F(MainWindowTest, NonPairStaysUpThroughThePauseThenTurnsBack)
{
    ClickButton(form->startButton);
    const CardPair cards = FindNonPair();
    Tile shownDuringPause[2] = {};
    bool busyDuringPause = false;
    DuringNextPump observe([&] {
        shownDuringPause[0] = ShownTile(cards.first);
        shownDuringPause[1] = ShownTile(cards.second);
        busyDuringPause = clickBusy;
    });

    PressCard(cards.first);
    PressCard(cards.second);

    EXPECT_EQ(shownDuringPause[0], DealtFace(cards.first));
    EXPECT_EQ(shownDuringPause[1], DealtFace(cards.second));
    EXPECT_TRUE(busyDuringPause);
    for (int32_t k : {cards.first, cards.second}) {
        EXPECT_EQ(ShownTile(k), kCardBack) << "card " << k;
        EXPECT_FALSE(form->cards[k]->tag.empty()) << "card " << k << " stays in play";
        EXPECT_TRUE(form->cards[k]->handCursor) << "card " << k;
    }
    EXPECT_FALSE(clickBusy);

    PressCard(cards.second);
    EXPECT_EQ(ShownTile(cards.second), DealtFace(cards.second)) << "a turned-back card can be turned again";
}

TEST_F(MainWindowTest, CardPressedDuringThePauseIsIgnored)
{
    ClickButton(form->startButton);
    const CardPair cards = FindNonPair();
    int32_t third = -1;
    for (int32_t k : CardsInPlay()) {
        if (k != cards.first && k != cards.second) {
            third = k;
            break;
        }
    }

    PressCard(cards.first);
    Post(CardPress(third));
    PressCard(cards.second);

    EXPECT_EQ(ShownTile(third), kCardBack);
    EXPECT_FALSE(form->firstCardTurned) << "the press during the pause did not start a turn";
    EXPECT_EQ(form->lastCard, form->cards[cards.second]);
}

TEST_F(MainWindowTest, CardsAreInertBeforeStartAndAfterAbandon)
{
    ClickButton(form->startButton);
    ClickButton(form->startButton);
    ASSERT_FALSE(form->gameRunning);

    for (int32_t k : {0, 3, 4, 39}) {
        const Tile before = ShownTile(k);
        PressCard(k);
        EXPECT_EQ(ShownTile(k), before) << "card " << k;
    }
    EXPECT_FALSE(form->firstCardTurned);
    EXPECT_FALSE(clickBusy);
}

TEST_F(MainWindowTest, AbandonRevealsOnlyTheCardsStillInPlay)
{
    ClickButton(form->startButton);
    const CardPair pair = FindPair();
    PressCard(pair.first);
    PressCard(pair.second);

    ClickButton(form->startButton);

    EXPECT_FALSE(form->gameRunning);
    EXPECT_FALSE(form->timer->running);
    EXPECT_EQ(StartButtonText(), "Inizia");
    EXPECT_EQ(ClockText(), "00:00:00");
    for (int32_t k = 0; k < kBoardCards; ++k) {
        if (form->cards[k]->tag.empty()) {
            EXPECT_EQ(ShownTile(k), kBlankTile) << "card " << k;
        } else {
            EXPECT_EQ(ShownTile(k), DealtFace(k)) << "card " << k;
        }
        EXPECT_FALSE(form->cards[k]->handCursor) << "card " << k;
    }
    EXPECT_EQ(CardsInPlay().size(), 18u) << "the tags stay";
}

TEST_F(MainWindowTest, LastPairEndsTheLevelAndDealsTheNextAtOnce)
{
    MessageBoxAnswerer answerer;
    ClickButton(form->startButton);
    bool timerRunningDuringBox = true;
    KavoUtility::DateTime shownAt;
    WhileBoxIsUp observe([&] {
        timerRunningDuringBox = form->timer->running;
        shownAt = KavoUtility::DateTime::Now();
    });

    CompleteLevel();

    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].text, L"Livello completato.");
    EXPECT_EQ(answerer.Boxes()[0].caption, L"Game");
    EXPECT_EQ(answerer.Boxes()[0].type & (MB_TYPEMASK | MB_ICONMASK | MB_MODEMASK), static_cast<UINT>(MB_OK | MB_TASKMODAL));
    EXPECT_FALSE(timerRunningDuringBox) << "no tick while the message is up";
    EXPECT_EQ(form->level, 2);
    EXPECT_TRUE(form->gameRunning);
    EXPECT_TRUE(form->timer->running);
    EXPECT_EQ(CardsInPlay().size(), 30u);
    EXPECT_NE(form->startTime.Compare(shownAt), -1) << "the next level's time starts after the message";
    EXPECT_FALSE(clickBusy);
}

TEST_F(MainWindowTest, LevelsCycleColumnsAndShortenTheTime)
{
    struct Level {
        int32_t columns;
        int32_t timeLimit;
    };
    const Level levels[] = {
        {4, 300}, {6, 300}, {8, 300}, {4, 240}, {6, 240}, {8, 240}, {4, 180}, {6, 180},
        {8, 180}, {4, 120}, {6, 120}, {8, 120}, {4, 60}, {6, 60}, {8, 60}, {4, 60},
    };
    MessageBoxAnswerer answerer;
    ClickButton(form->startButton);
    for (int32_t level = 1; level <= 16; ++level) {
        const Level& expected = levels[level - 1];
        ASSERT_EQ(form->level, level);
        const std::vector<int32_t> inPlay = CardsInPlay();
        std::set<std::pair<int32_t, int32_t>> faces;
        for (int32_t k : inPlay) {
            EXPECT_LT(k % 8, expected.columns) << "level " << level << ", card " << k;
            faces.insert({DealtFace(k).column, DealtFace(k).row});
        }
        EXPECT_EQ(static_cast<int32_t>(inPlay.size()), 5 * expected.columns) << "level " << level;
        EXPECT_EQ(static_cast<int32_t>(faces.size()), 5 * expected.columns / 2) << "pairs of level " << level;
        EXPECT_EQ(form->timeLimit, expected.timeLimit) << "level " << level;
        CompleteLevel();
    }
    EXPECT_EQ(answerer.Boxes().size(), 16u);
}
