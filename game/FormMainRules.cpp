// FormMain's rules of play: Start and Abandon, turning cards two at a time,
// the level's end, the count-down clock and the question before closing.
#include "game/FormMain.h"

#include "game/ClockText.h"
#include "game/Layout.h"
#include "game/LevelRules.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/MessageBoxes.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/core/Wait.h"
#include "toolkit/drawing/CellControl.h"
#include "toolkit/drawing/ImageFrame.h"
#include "toolkit/text/Text.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace Game {

using namespace KavoUtility;

namespace {

void PutInPlay(ImageFrame* card, int32_t position)
{
    card->SetHandCursor(true);
    card->tag = DecimalText(position);
    card->SetTile(kCardBack.column, kCardBack.row);
}

void TakeOutOfPlay(ImageFrame* card)
{
    card->SetHandCursor(false);
    card->tag = "";
    card->SetTile(kBlankTile.column, kBlankTile.row);
}

void TurnFaceDown(ImageFrame* card)
{
    card->SetTile(kCardBack.column, kCardBack.row);
}

} // namespace

void FormMain::Start()
{
    level = 1;
    timeLimit = kStartTimeLimit;
    timer->Start();
    gameRunning = true;
    startButton->SetText(kAbandonText);
    NewDeal();
}

void FormMain::Abandon()
{
    timer->Stop();
    clock->SetText(kIdleClockText);
    gameRunning = false;
    startButton->SetText(kStartText);
    RevealCards();
}

void FormMain::NewDeal()
{
    startTime = DateTime::Now();
    const int32_t columns = LevelColumns(level);
    timeLimit = LevelTimeLimit(level);
    firstFace = Tile{-1, -1};
    firstCardTurned = false;
    Deal(columns);
    ++dealCount;
    int32_t position = 0;
    for (int32_t k = 0; k < kBoardCards; ++k) {
        if (BoardColumn(k) < columns) {
            PutInPlay(cards[k], position++);
        } else {
            TakeOutOfPlay(cards[k]);
        }
    }
}

void FormMain::RevealCards()
{
    for (ImageFrame* card : cards) {
        if (!card->tag.empty()) {
            const Tile face = FaceOf(*card);
            card->SetTile(face.column, face.row);
            card->SetHandCursor(false);
        }
    }
}

void FormMain::OnCardClick(ImageFrame* card)
{
    if (!gameRunning || clickBusy) {
        return;
    }
    clickBusy = true;
    if (card->tag.empty()) {
        clickBusy = false;
        return;
    }
    const Tile face = FaceOf(*card);
    card->SetTile(face.column, face.row);
    if (!firstCardTurned) {
        firstCardTurned = true;
        firstFace = face;
    } else if (card->id != lastCard->id) {
        firstCardTurned = false;
        FinishTurn(card, face);
    }
    lastCard = card;
    // A game abandoned or timed out during the pause, or a window on its way
    // out, has no level left to complete.
    if (AnyCardInPlay() || !gameRunning || destroyed) {
        clickBusy = false;
        return;
    }
    CompleteLevel();
}

// Both cards stay visible for the pause, during which buttons, menus and
// ticks are still served.
void FormMain::FinishTurn(ImageFrame* card, Tile face)
{
    const int32_t dealBeforePause = dealCount;
    Wait();
    if (dealCount != dealBeforePause) {
        // Abandoned and started again meanwhile: the two cards held here
        // belong to a deal that is gone, and the new one is not ours to touch.
        return;
    }
    if (face == firstFace) {
        TakeOutOfPlay(card);
        TakeOutOfPlay(lastCard);
    } else {
        TurnFaceDown(card);
        TurnFaceDown(lastCard);
    }
}

// The next level's clock starts only once the message is dismissed.
void FormMain::CompleteLevel()
{
    timer->Stop();
    ShowMessage(kLevelCompletedText, kLevelCompletedCaption);
    level = level + 1;
    timer->Start();
    gameRunning = true;
    NewDeal();
    clickBusy = false;
}

bool FormMain::AnyCardInPlay() const
{
    return std::any_of(std::begin(cards), std::end(cards), [](const ImageFrame* card) { return !card->tag.empty(); });
}

Tile FormMain::FaceOf(const ImageFrame& card) const
{
    return faceTable[deckOrder[std::atoi(card.tag.c_str())]];
}

void FormMain::OnTimerTick()
{
    // KillTimer leaves a tick that was already posted in the queue: one that
    // arrives after Abandon must not bring the clock back.
    if (!timer->running) {
        return;
    }
    const int64_t elapsed = startTime.SecondsUntil(DateTime::Now());
    const int64_t remaining = timeLimit - elapsed;
    if (remaining < 1) {
        OnButtonCommand(startButton);
        ShowInformation(kTimeUpText, kTimeUpCaption);
        return;
    }
    clock->SetText(ClockText(static_cast<int32_t>(std::min<int64_t>(remaining, std::numeric_limits<int32_t>::max()))));
}

bool FormMain::ConfirmClose()
{
    UnregisterHotKeys();
    if (!AskYesNo(kQuitQuestionText, kQuitQuestionCaption)) {
        RegisterHotKeys();
        return false;
    }
    timer->Stop();
    return true;
}

} // namespace Game
