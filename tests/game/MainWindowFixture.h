// The real main window in the test's own process, driven by the messages a
// player causes, with the few readings the tests compare.
#pragma once

#include "game/FormMain.h"
#include "tests/game/TilePrinter.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace KavoUtility {
class Button;
class SubMenu;
} // namespace KavoUtility

using CardPair = std::pair<int32_t, int32_t>;

class MainWindowTest : public testing::Test {
protected:
    Game::FormMain* form = nullptr;

    void SetUp() override;
    // Destroys the window first, so that deleting the form asks nothing.
    void TearDown() override;

    // A message as the system would deliver it.
    struct Message {
        HWND window;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    Message CardPress(int32_t card) const;
    Message CardDoubleClick(int32_t card) const;
    Message ButtonClick(KavoUtility::Button* button) const;
    Message MenuCommand(KavoUtility::SubMenu* item) const;
    Message TimerTick() const;

    // Sent: handled before the call returns.
    static void Send(const Message& message);
    // Posted: handled by the next message pump, such as a click's pause.
    static void Post(const Message& message);

    void PressCard(int32_t card);
    void ClickButton(KavoUtility::Button* button);
    void ChooseMenuItem(KavoUtility::SubMenu* item);
    void Tick();

    // Moves the level's start back so that `seconds` have passed by now.
    void SetElapsedSeconds(int64_t seconds);

    Game::Tile ShownTile(int32_t card) const;
    // The face the deal put at the card's play position.
    Game::Tile DealtFace(int32_t card) const;
    std::vector<int32_t> CardsInPlay() const;
    CardPair FindPair() const;
    CardPair FindNonPair() const;
    // Takes every other card out of play, so that matching the pair ends
    // the level.
    void LeaveOnlyPair(CardPair pair);
    // Plays the level to its last pair and matches it.
    void CompleteLevel();

    std::string ClockText() const;
    std::string StartButtonText() const;
};

// The text of a window, narrowed byte for byte.
std::string WindowText(HWND window);

// Runs an action once from inside the next message box's modal loop, when
// the box is up and before it is answered: the state the player sees.
class WhileBoxIsUp {
public:
    explicit WhileBoxIsUp(std::function<void()> action);
    ~WhileBoxIsUp();
    WhileBoxIsUp(const WhileBoxIsUp&) = delete;
    WhileBoxIsUp& operator=(const WhileBoxIsUp&) = delete;

private:
    static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam);
    std::function<void()> action;
    HHOOK hook;
};

// Runs an action once from the next message pump, by a thread timer: inside
// a card click's half-second pause, while the two cards are still up.
class DuringNextPump {
public:
    explicit DuringNextPump(std::function<void()> action);
    ~DuringNextPump();
    DuringNextPump(const DuringNextPump&) = delete;
    DuringNextPump& operator=(const DuringNextPump&) = delete;

private:
    static void CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD);
    std::function<void()> action;
    UINT_PTR timer;
};
