// Hundreds of levels played through the real main window: the rules hold
// after every step, and nothing the process owns grows with the levels.
#include "game/FormMain.h"
#include "game/GameConstants.h"
#include "tests/soak/AcceleratedClock.h"
#include "tests/soak/ProcessFootprint.h"
#include "tests/soak/SoakPlayer.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "toolkit/text/Text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <vector>

namespace {

constexpr uint32_t seed = 1211;
constexpr int32_t defaultLevels = 300;
constexpr int32_t sampleEvery = 25;
// Each reading of the clock moves it on by this much: a half-second pause
// takes a hundred readings.
constexpr int64_t clockStepMilliseconds = 5;
// The system keeps a cache of window device contexts that grows with the
// deepest nesting of painting it has met: one more context with its region
// and surface.
constexpr int32_t systemCacheSlack = 3;
// Blocks that come and go with the moment of measurement: the last About
// object, kept until the next Info.
constexpr int64_t heapSlack = 16 * 1024;
// The system commits its own memory (message queues, glyph caches) in pages.
constexpr int64_t privateSlack = 256 * 1024;

// RUNEPAIRS_SOAK_LEVELS shortens the run where every heap operation is
// checked and slow.
int32_t LevelsToPlay()
{
    const char* levels = std::getenv("RUNEPAIRS_SOAK_LEVELS");
    return levels ? std::atoi(levels) : defaultLevels;
}

// The message boxes of the whole run, by text. Each level has an answerer
// of its own, so that the record of the boxes does not grow with the run.
struct BoxTally {
    int32_t levelsCompleted = 0;
    int32_t timeOuts = 0;
    int32_t questions = 0;

    void Add(const MessageBoxAnswerer& answerer)
    {
        for (const MessageBoxAnswerer::Box& box : answerer.Boxes()) {
            levelsCompleted += box.text == KavoUtility::ToWide(Game::kLevelCompletedText);
            timeOuts += box.text == KavoUtility::ToWide(Game::kTimeUpText);
            questions += box.text == KavoUtility::ToWide(Game::kQuitQuestionText);
        }
    }
};

// No declines the close question, and the boxes with only OK end on any
// button.
void PlayAnsweringBoxes(SoakPlayer& player, BoxTally& tally)
{
    MessageBoxAnswerer answerer({IDNO});
    player.PlayLevel();
    tally.Add(answerer);
}

struct Sample {
    int32_t levels;
    ProcessFootprint footprint;
};

void PrintSamples(const std::vector<Sample>& samples)
{
    for (const Sample& sample : samples) {
        std::cout << "after " << sample.levels << " levels: " << sample.footprint << "\n";
    }
}

} // namespace

TEST(Soak, HundredsOfLevelsKeepTheRulesAndLeaveNothingBehind)
{
    AcceleratedClock clock(clockStepMilliseconds);
    auto form = std::make_unique<Game::FormMain>(GetModuleHandleW(nullptr), "Runepairs");
    SoakPlayer player(*form, seed);

    BoxTally boxes;
    std::vector<Sample> samples;
    const int32_t levels = LevelsToPlay();
    samples.reserve(static_cast<size_t>(levels / sampleEvery));
    for (int32_t played = 1; played <= levels && !HasFailure(); ++played) {
        PlayAnsweringBoxes(player, boxes);
        if (played % sampleEvery == 0) {
            samples.push_back({played, ProcessFootprint::Measure()});
        }
    }
    PrintSamples(samples);
    std::cout << player.LevelsCompleted() << " levels completed, " << player.LevelsAbandoned() << " abandoned, "
              << player.TimeOuts() << " timed out; " << player.AboutWindows() << " About windows, "
              << player.DeclinedCloses() << " declined closes\n";

    EXPECT_EQ(boxes.levelsCompleted, player.LevelsCompleted());
    EXPECT_EQ(boxes.timeOuts, player.TimeOuts());
    EXPECT_EQ(boxes.questions, player.DeclinedCloses());
    ASSERT_GE(samples.size(), 2u);
    // The first interval warms up: fonts, caches, the first About window.
    const ProcessFootprint& first = samples[0].footprint;
    const ProcessFootprint& last = samples.back().footprint;
    EXPECT_EQ(last.windows, first.windows);
    EXPECT_EQ(last.registeredElements, first.registeredElements);
    EXPECT_LE(last.gdiObjects, first.gdiObjects + systemCacheSlack);
    EXPECT_LE(last.heapBytes, first.heapBytes + heapSlack);
    EXPECT_LE(last.privateBytes, first.privateBytes + privateSlack);

    DestroyWindow(form->hwnd);
}
