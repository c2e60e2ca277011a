// Hostile messages against the game's main window and every window in it:
// the question is declined, the process lives, and the game plays
// correctly afterwards.
#include "game/FormMain.h"
#include "game/GameConstants.h"
#include "tests/hostile/MessageStorm.h"
#include "tests/hostile/StormWatchdog.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/RuleInvariants.h"
#include "toolkit/about/FormAbout.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/MenuBar.h"
#include "toolkit/core/Registry.h"
#include "toolkit/drawing/ImageFrame.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

using Game::FormMain;

namespace {

constexpr uint32_t seed = 1211;
constexpr int32_t stormSize = 4000;
constexpr std::chrono::seconds patience{20};

std::vector<HWND> WindowTree(HWND top)
{
    std::vector<HWND> windows{top};
    EnumChildWindows(top, [](HWND child, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

MessageStorm::Targets TargetsFor(const FormMain& form)
{
    MessageStorm::Targets targets{WindowTree(form.hwnd), {form.hwnd}, {}, {form.menuBar->menuHandle}};
    for (const KavoUtility::GUIElement* element : KavoUtility::elementRegistry) {
        targets.ids.push_back(element->id);
    }
    return targets;
}

class GameUnderStorm : public testing::Test {
protected:
    void SetUp() override { form = std::make_unique<FormMain>(GetModuleHandleW(nullptr), "Runepairs"); }
    void TearDown() override { DestroyWindow(form->hwnd); }

    void Press(int32_t card)
    {
        SendMessageW(form->cards[card]->hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(27, 45));
        SendMessageW(form->cards[card]->hwnd, WM_LBUTTONUP, 0, MAKELPARAM(27, 45));
    }

    void ClickStart() { SendMessageW(form->startButton->hwnd, BM_CLICK, 0, 0); }

    int32_t FaceCode(int32_t card) const
    {
        const Game::Tile face = form->faceTable[form->deckOrder[std::atoi(form->cards[card]->tag.c_str())]];
        return face.column * 100 + face.row;
    }

    // Two cards in play with the same face (pair) or with different ones.
    std::pair<int32_t, int32_t> Cards(bool pair) const
    {
        for (int32_t a = 0; a < Game::kBoardCards; ++a) {
            for (int32_t b = a + 1; b < Game::kBoardCards; ++b) {
                if (!form->cards[a]->tag.empty() && !form->cards[b]->tag.empty()
                    && (FaceCode(a) == FaceCode(b)) == pair) {
                    return {a, b};
                }
            }
        }
        ADD_FAILURE() << "no two cards in play that are " << (pair ? "a pair" : "different");
        return {0, 1};
    }

    // Closes what the storm opened and left open: About windows, the
    // minimized or maximized state, the mouse capture.
    void SettleAfterStorm()
    {
        for (HWND about = FindWindowW(nullptr, nullptr); about;) {
            HWND next = GetWindow(about, GW_HWNDNEXT);
            DWORD process = 0;
            GetWindowThreadProcessId(about, &process);
            if (about != form->hwnd && process == GetCurrentProcessId() && IsWindowVisible(about)) {
                SendMessageW(about, WM_CLOSE, 0, 0);
            }
            about = next;
        }
        ShowWindow(form->hwnd, SW_RESTORE);
        ReleaseCapture();
    }

    std::unique_ptr<FormMain> form;
};

} // namespace

TEST_F(GameUnderStorm, DeclinesTheCloseLivesAndPlaysCorrectlyAfterwards)
{
    MessageBoxAnswerer answerer({IDNO});
    StormWatchdog watchdog(patience);
    const std::vector<HWND> windows = WindowTree(form->hwnd);
    std::vector<std::wstring> classes;
    for (HWND window : windows) {
        wchar_t name[64] = L"";
        GetClassNameW(window, name, 64);
        classes.push_back(name);
    }

    MessageStorm(seed, TargetsFor(*form)).Run(stormSize);
    SettleAfterStorm();

    for (size_t i = 0; i < windows.size(); ++i) {
        EXPECT_TRUE(IsWindow(windows[i])) << "a window of class " << testing::PrintToString(classes[i])
                                          << " was destroyed by the storm";
    }
    EXPECT_TRUE(IsWindowEnabled(form->hwnd));
    if (form->gameRunning) {
        ClickStart();
    }
    ClickStart();
    EXPECT_EQ(form->level, 1);
    EXPECT_EQ(BrokenRule(*form), "") << "after Inizia";
    const auto pair = Cards(true);
    Press(pair.first);
    Press(pair.second);
    EXPECT_EQ(BrokenRule(*form), "") << "after a pair";
    EXPECT_TRUE(form->cards[pair.first]->tag.empty() && form->cards[pair.second]->tag.empty());
    const auto wrong = Cards(false);
    Press(wrong.first);
    Press(wrong.second);
    EXPECT_EQ(BrokenRule(*form), "") << "after a wrong guess";
    EXPECT_FALSE(form->cards[wrong.first]->tag.empty() || form->cards[wrong.second]->tag.empty());
    ClickStart();
    EXPECT_FALSE(form->gameRunning);
    EXPECT_EQ(BrokenRule(*form), "") << "after Abbandona";
}
