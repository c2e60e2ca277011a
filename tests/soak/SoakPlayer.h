// Plays the real main window with the messages a player causes, mixing
// perfect play, wrong guesses, clicks that must do nothing, abandons,
// time-outs, About windows and declined close questions.
#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace Game {
class FormMain;
}

class SoakPlayer {
public:
    SoakPlayer(Game::FormMain& form, uint32_t seed);

    // Plays from the current deal until it ends: completed, abandoned or
    // timed out. Starts a game first when none runs. After every step the
    // rules' invariants are checked; a broken one fails the test, naming the
    // step.
    void PlayLevel();

    int32_t LevelsCompleted() const { return completed; }
    int32_t LevelsAbandoned() const { return abandoned; }
    int32_t TimeOuts() const { return timeOuts; }
    int32_t AboutWindows() const { return aboutWindows; }
    int32_t DeclinedCloses() const { return declinedCloses; }

private:
    using CardPair = std::pair<int32_t, int32_t>;

    void Step(const std::string& what, const std::function<void()>& action);

    void Press(int32_t card);
    void DoubleClick(int32_t card);
    void ClickStart();
    void Tick();

    std::vector<int32_t> CardsInPlay() const;
    std::vector<int32_t> CardsOutOfPlay() const;
    int32_t FaceCode(int32_t card) const;
    CardPair AnyPair();
    CardPair AnyNonPair();

    bool LevelEnded(int32_t levelBefore) const;
    void MatchPair();
    void GuessWrong();
    void ClickWhatMustDoNothing();
    void OpenAndCloseAbout();
    void DeclineClose();
    void AbandonHalfway();
    void RunOutOfTime();

    int32_t Chance(int32_t percent);

    Game::FormMain& form;
    std::mt19937 random;
    int32_t completed = 0;
    int32_t abandoned = 0;
    int32_t timeOuts = 0;
    int32_t aboutWindows = 0;
    int32_t declinedCloses = 0;
};
