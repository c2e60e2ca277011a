#include "tests/support/RuleInvariants.h"

#include "game/FormMain.h"
#include "game/GameConstants.h"
#include "game/LevelRules.h"
#include "toolkit/controls/Button.h"
#include "toolkit/drawing/CellControl.h"
#include "toolkit/drawing/ImageFrame.h"
#include "toolkit/text/Text.h"

#include <cstdlib>
#include <map>
#include <sstream>

using Game::FormMain;
using Game::Tile;
using KavoUtility::ImageFrame;

namespace {

std::string WindowText(HWND window)
{
    wchar_t buffer[64] = L"";
    GetWindowTextW(window, buffer, 64);
    return KavoUtility::ToNarrow(buffer);
}

bool TwoDigits(const std::string& text, size_t at)
{
    return std::isdigit(static_cast<unsigned char>(text[at])) && std::isdigit(static_cast<unsigned char>(text[at + 1]));
}

// The seconds a well-formed clock text shows, or -1.
int32_t ClockSeconds(const std::string& text)
{
    if (text.size() != 8 || text.compare(0, 3, "00:") != 0 || text[5] != ':' || !TwoDigits(text, 3)
        || !TwoDigits(text, 6)) {
        return -1;
    }
    return std::atoi(text.substr(3, 2).c_str()) * 60 + std::atoi(text.substr(6, 2).c_str());
}

Tile Shown(const ImageFrame& card)
{
    return Tile{card.column, card.row};
}

Tile FaceAt(const FormMain& form, const std::string& tag)
{
    return form.faceTable[form.deckOrder[std::atoi(tag.c_str())]];
}

std::string Describe(Tile tile)
{
    return "(" + std::to_string(tile.column) + ", " + std::to_string(tile.row) + ")";
}

std::string ButtonAndClock(const FormMain& form)
{
    const std::string button = WindowText(form.startButton->hwnd);
    const std::string expected = form.gameRunning ? Game::kAbandonText : Game::kStartText;
    if (button != expected) {
        return "the Start button reads \"" + button + "\" with gameRunning " + std::to_string(form.gameRunning);
    }
    const std::string clock = WindowText(form.clock->hwnd);
    const int32_t seconds = ClockSeconds(clock);
    if (seconds < 0 || (!form.gameRunning && clock != Game::kIdleClockText)
        || (form.gameRunning && seconds > Game::LevelTimeLimit(1))) {
        return "the clock reads \"" + clock + "\" with gameRunning " + std::to_string(form.gameRunning)
            + " and time limit " + std::to_string(form.timeLimit);
    }
    return "";
}

std::string Tags(const FormMain& form)
{
    const int32_t columns = Game::LevelColumns(form.level);
    std::map<std::pair<int32_t, int32_t>, int32_t> faces;
    for (int32_t k = 0; k < Game::kBoardCards; ++k) {
        const std::string& tag = form.cards[k]->tag;
        if (tag.empty()) {
            continue;
        }
        const int32_t column = k % Game::kBoardColumns;
        const int32_t position = k / Game::kBoardColumns * columns + column;
        if (column >= columns || tag != std::to_string(position)) {
            return "card " + std::to_string(k) + " has tag \"" + tag + "\" at level " + std::to_string(form.level);
        }
        const Tile face = FaceAt(form, tag);
        ++faces[{face.column, face.row}];
    }
    for (const auto& [face, count] : faces) {
        if (count != 2) {
            return "face " + Describe(Tile{face.first, face.second}) + " is on " + std::to_string(count)
                + " cards in play";
        }
    }
    return "";
}

// What a card should show and whether it takes the hand cursor.
std::pair<Tile, bool> Expected(const FormMain& form, const ImageFrame& card)
{
    if (card.tag.empty()) {
        return {Game::kBlankTile, false};
    }
    const Tile face = FaceAt(form, card.tag);
    if (!form.gameRunning) {
        return {face, false};
    }
    if (form.firstCardTurned && form.lastCard == &card) {
        return {face, true};
    }
    return {Game::kCardBack, true};
}

std::string Cards(const FormMain& form)
{
    for (int32_t k = 0; k < Game::kBoardCards; ++k) {
        const ImageFrame& card = *form.cards[k];
        const auto [tile, hand] = Expected(form, card);
        if (Shown(card) != tile || card.handCursor != hand) {
            std::ostringstream out;
            out << "card " << k << " shows " << Describe(Shown(card)) << " with hand cursor " << card.handCursor
                << " instead of " << Describe(tile) << " with " << hand;
            return out.str();
        }
    }
    return "";
}

} // namespace

std::string BrokenRule(const FormMain& form)
{
    if (Game::clickBusy) {
        return "clickBusy is still set";
    }
    for (auto check : {ButtonAndClock, Tags, Cards}) {
        std::string broken = check(form);
        if (!broken.empty()) {
            return broken;
        }
    }
    return "";
}
