#include "tests/soak/SoakPlayer.h"

#include "game/FormMain.h"
#include "game/GameConstants.h"
#include "tests/support/RuleInvariants.h"
#include "toolkit/about/FormAbout.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/drawing/ImageFrame.h"

#include <gtest/gtest.h>

#include <cstdlib>

using Game::FormMain;
using Game::Tile;

namespace {

constexpr LPARAM cardMiddle = MAKELPARAM(27, 45);

// Everything a click that must do nothing could change.
struct BoardState {
    std::vector<std::string> tags;
    std::vector<int32_t> tiles;
    bool firstCardTurned;
    const void* lastCard;
    int32_t level;
    bool gameRunning;

    static BoardState Of(const FormMain& form)
    {
        BoardState state{{}, {}, form.firstCardTurned, form.lastCard, form.level, form.gameRunning};
        for (const KavoUtility::ImageFrame* card : form.cards) {
            state.tags.push_back(card->tag);
            state.tiles.push_back(card->column * 100 + card->row);
        }
        return state;
    }

    bool operator==(const BoardState& other) const
    {
        return tags == other.tags && tiles == other.tiles && firstCardTurned == other.firstCardTurned
            && lastCard == other.lastCard && level == other.level && gameRunning == other.gameRunning;
    }
};

// Moves the level's start back so that `seconds` have passed by now.
KavoUtility::DateTime SecondsAgo(int64_t seconds)
{
    KavoUtility::DateTime start = KavoUtility::DateTime::Now();
    FILETIME file;
    SystemTimeToFileTime(&start.time, &file);
    ULARGE_INTEGER units;
    units.LowPart = file.dwLowDateTime;
    units.HighPart = file.dwHighDateTime;
    units.QuadPart -= static_cast<ULONGLONG>(seconds) * 10000000;
    file.dwLowDateTime = units.LowPart;
    file.dwHighDateTime = units.HighPart;
    FileTimeToSystemTime(&file, &start.time);
    return start;
}

} // namespace

SoakPlayer::SoakPlayer(FormMain& form, uint32_t seed) : form(form), random(seed) {}

int32_t SoakPlayer::Chance(int32_t percent)
{
    return static_cast<int32_t>(random() % 100) < percent;
}

void SoakPlayer::Step(const std::string& what, const std::function<void()>& action)
{
    action();
    const std::string broken = BrokenRule(form);
    if (!broken.empty()) {
        ADD_FAILURE() << "at level " << form.level << ", after " << what << ": " << broken;
    }
}

void SoakPlayer::Press(int32_t card)
{
    HWND window = form.cards[card]->hwnd;
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, cardMiddle);
    SendMessageW(window, WM_LBUTTONUP, 0, cardMiddle);
}

void SoakPlayer::DoubleClick(int32_t card)
{
    SendMessageW(form.cards[card]->hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, cardMiddle);
}

void SoakPlayer::ClickStart()
{
    SendMessageW(form.startButton->hwnd, BM_CLICK, 0, 0);
}

void SoakPlayer::Tick()
{
    SendMessageW(form.hwnd, WM_TIMER, static_cast<WPARAM>(form.timer->id), 0);
}

std::vector<int32_t> SoakPlayer::CardsInPlay() const
{
    std::vector<int32_t> cards;
    for (int32_t k = 0; k < Game::kBoardCards; ++k) {
        if (!form.cards[k]->tag.empty()) {
            cards.push_back(k);
        }
    }
    return cards;
}

std::vector<int32_t> SoakPlayer::CardsOutOfPlay() const
{
    std::vector<int32_t> cards;
    for (int32_t k = 0; k < Game::kBoardCards; ++k) {
        if (form.cards[k]->tag.empty()) {
            cards.push_back(k);
        }
    }
    return cards;
}

int32_t SoakPlayer::FaceCode(int32_t card) const
{
    const Tile face = form.faceTable[form.deckOrder[std::atoi(form.cards[card]->tag.c_str())]];
    return face.column * 100 + face.row;
}

SoakPlayer::CardPair SoakPlayer::AnyPair()
{
    std::vector<int32_t> inPlay = CardsInPlay();
    const int32_t first = inPlay[random() % inPlay.size()];
    for (int32_t other : inPlay) {
        if (other != first && FaceCode(other) == FaceCode(first)) {
            return {first, other};
        }
    }
    ADD_FAILURE() << "card " << first << " has no partner in play";
    return {first, first};
}

// The same card twice when only one face is left.
SoakPlayer::CardPair SoakPlayer::AnyNonPair()
{
    const int32_t first = AnyPair().first;
    for (int32_t other : CardsInPlay()) {
        if (FaceCode(other) != FaceCode(first)) {
            return {first, other};
        }
    }
    return {first, first};
}

bool SoakPlayer::LevelEnded(int32_t levelBefore) const
{
    return !form.gameRunning || form.level != levelBefore;
}

void SoakPlayer::MatchPair()
{
    const CardPair pair = AnyPair();
    Step("turning card " + std::to_string(pair.first), [&] { Press(pair.first); });
    if (Chance(10)) {
        Step("turning the same card again", [&] { Press(pair.first); });
    }
    const int32_t levelBefore = form.level;
    Step("turning its partner, card " + std::to_string(pair.second), [&] { Press(pair.second); });
    if (form.level != levelBefore) {
        ++completed;
        return;
    }
    for (int32_t card : {pair.first, pair.second}) {
        EXPECT_TRUE(form.cards[card]->tag.empty()) << "matched card " << card << " is still in play";
    }
}

void SoakPlayer::GuessWrong()
{
    const CardPair cards = AnyNonPair();
    if (cards.first == cards.second) {
        return;
    }
    Step("turning card " + std::to_string(cards.first), [&] { Press(cards.first); });
    Step("turning a card of another face, " + std::to_string(cards.second), [&] { Press(cards.second); });
    for (int32_t card : {cards.first, cards.second}) {
        EXPECT_FALSE(form.cards[card]->tag.empty()) << "card " << card << " left play on a wrong guess";
    }
}

void SoakPlayer::ClickWhatMustDoNothing()
{
    const BoardState before = BoardState::Of(form);
    const std::vector<int32_t> outOfPlay = CardsOutOfPlay();
    if (!outOfPlay.empty()) {
        const int32_t card = outOfPlay[random() % outOfPlay.size()];
        Step("pressing card " + std::to_string(card) + ", out of play", [&] { Press(card); });
    }
    const std::vector<int32_t> inPlay = CardsInPlay();
    const int32_t card = inPlay[random() % inPlay.size()];
    Step("double-clicking card " + std::to_string(card), [&] { DoubleClick(card); });
    Step("right-clicking card " + std::to_string(card), [&] {
        SendMessageW(form.cards[card]->hwnd, WM_RBUTTONDOWN, MK_RBUTTON, cardMiddle);
        SendMessageW(form.cards[card]->hwnd, WM_RBUTTONUP, 0, cardMiddle);
    });
    Step("pressing the board between cards", [&] {
        SendMessageW(form.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(form.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    });
    EXPECT_TRUE(BoardState::Of(form) == before) << "a click that must do nothing changed the board";
}

void SoakPlayer::OpenAndCloseAbout()
{
    const BoardState before = BoardState::Of(form);
    Step("pressing Info", [&] { SendMessageW(form.infoButton->hwnd, BM_CLICK, 0, 0); });
    ++aboutWindows;
    ASSERT_NE(form.about, nullptr);
    HWND about = form.about->hwnd;
    ASSERT_TRUE(IsWindowVisible(about));
    switch (random() % 3) {
    case 0:
        Step("pressing OK in the About window", [&] { SendMessageW(form.about->okButton->hwnd, BM_CLICK, 0, 0); });
        break;
    case 1:
        Step("closing the About window", [&] { SendMessageW(about, WM_CLOSE, 0, 0); });
        break;
    default:
        Step("typing Escape in the About window", [&] { SendMessageW(about, WM_CHAR, VK_ESCAPE, 1); });
        break;
    }
    EXPECT_FALSE(IsWindow(about)) << "the About window is still open";
    EXPECT_TRUE(IsWindowEnabled(form.hwnd)) << "the main window stays disabled after the About window";
    EXPECT_TRUE(BoardState::Of(form) == before) << "the About window changed the board";
}

void SoakPlayer::DeclineClose()
{
    const BoardState before = BoardState::Of(form);
    const bool ticking = form.timer->running;
    switch (random() % 3) {
    case 0:
        Step("closing the window, answering No", [&] { SendMessageW(form.hwnd, WM_CLOSE, 0, 0); });
        break;
    case 1:
        Step("pressing Chiudi, answering No", [&] { SendMessageW(form.closeButton->hwnd, BM_CLICK, 0, 0); });
        break;
    default:
        Step("choosing File, Esci, answering No", [&] {
            SendMessageW(form.hwnd, WM_COMMAND, MAKEWPARAM(form.exitItem->id, 0), 0);
        });
        break;
    }
    ++declinedCloses;
    EXPECT_TRUE(IsWindow(form.hwnd)) << "the window closed although the question was answered No";
    EXPECT_EQ(form.timer->running, ticking);
    EXPECT_TRUE(BoardState::Of(form) == before) << "the declined close changed the board";
}

void SoakPlayer::AbandonHalfway()
{
    Step("pressing Abbandona", [&] { ClickStart(); });
    ++abandoned;
    EXPECT_FALSE(form.gameRunning);
}

void SoakPlayer::RunOutOfTime()
{
    form.startTime = SecondsAgo(form.timeLimit);
    Step("a tick with no time left", [&] { Tick(); });
    ++timeOuts;
    EXPECT_FALSE(form.gameRunning);
}

void SoakPlayer::PlayLevel()
{
    if (!form.gameRunning) {
        Step("pressing Inizia", [&] { ClickStart(); });
    }
    const int32_t level = form.level;
    // Some levels end early: abandoned or timed out once half the pairs
    // are found.
    const int32_t ending = static_cast<int32_t>(random() % 100);
    const size_t half = CardsInPlay().size() / 2;
    while (!LevelEnded(level) && !testing::Test::HasFatalFailure() && !testing::Test::HasFailure()) {
        if (ending < 5 && CardsInPlay().size() <= half) {
            AbandonHalfway();
        } else if (ending < 10 && CardsInPlay().size() <= half) {
            RunOutOfTime();
        } else {
            const int32_t action = static_cast<int32_t>(random() % 100);
            if (action < 72) {
                MatchPair();
            } else if (action < 84) {
                GuessWrong();
            } else if (action < 91) {
                ClickWhatMustDoNothing();
            } else if (action < 94) {
                OpenAndCloseAbout();
            } else if (action < 97) {
                DeclineClose();
            } else {
                Step("a clock tick", [&] { Tick(); });
            }
        }
    }
}
