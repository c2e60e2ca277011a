// The question before closing, from the close box, File > Esci and "Chiudi";
// the help and home pages; and the whole run from the entry point's view.
#include "tests/game/MainWindowFixture.h"

#include "game/Application.h"
#include "game/GameConstants.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/ShellLog.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/core/Form.h"

using namespace Game;

// The three ways a player asks to close the window.
enum class CloseWay { CloseBox, ExitItem, CloseButton };

namespace {

bool QuitRequested()
{
    MSG message;
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != 0;
}

} // namespace

class CloseQuestionTest : public MainWindowTest, public testing::WithParamInterface<CloseWay> {
protected:
    void AskToClose()
    {
        switch (GetParam()) {
        case CloseWay::CloseBox:
            SendMessageW(form->hwnd, WM_CLOSE, 0, 0);
            break;
        case CloseWay::ExitItem:
            ChooseMenuItem(form->exitItem);
            break;
        case CloseWay::CloseButton:
            ClickButton(form->closeButton);
            break;
        }
    }
};

TEST_P(CloseQuestionTest, NoKeepsTheGameAndItsTimerRunning)
{
    MessageBoxAnswerer answerer({IDNO});
    ClickButton(form->startButton);

    AskToClose();

    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].text, L"Vuoi realmente uscire?");
    EXPECT_EQ(answerer.Boxes()[0].caption, L"Uscita");
    EXPECT_EQ(answerer.Boxes()[0].type & (MB_TYPEMASK | MB_ICONMASK | MB_MODEMASK),
        static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL));
    EXPECT_TRUE(IsWindow(form->hwnd));
    EXPECT_TRUE(form->gameRunning);
    EXPECT_TRUE(form->timer->running);
    EXPECT_FALSE(QuitRequested());
    // The system timer is still set: only a live timer can be killed.
    EXPECT_TRUE(KillTimer(form->hwnd, form->timer->id));
}

TEST_P(CloseQuestionTest, YesStopsTheTimerAndEndsTheLoop)
{
    MessageBoxAnswerer answerer({IDYES});
    ClickButton(form->startButton);
    const HWND window = form->hwnd;

    AskToClose();

    EXPECT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(form->timer->running);
    EXPECT_TRUE(QuitRequested());
}

INSTANTIATE_TEST_SUITE_P(Ways, CloseQuestionTest,
    testing::Values(CloseWay::CloseBox, CloseWay::ExitItem, CloseWay::CloseButton),
    [](const testing::TestParamInfo<CloseWay>& info) {
        switch (info.param) {
        case CloseWay::CloseBox:
            return std::string("CloseBox");
        case CloseWay::ExitItem:
            return std::string("ExitItem");
        case CloseWay::CloseButton:
            return std::string("CloseButton");
        }
        return std::string();
    });

TEST_F(MainWindowTest, GuideAndHomeOpenTheirPagesThroughTheShell)
{
    ShellLog log;

    ChooseMenuItem(form->guideItem);
    EXPECT_EQ(log.WaitForLines(1), std::vector<std::string>{"http://www.runepairs.example/Runepairs.asp"});
    ChooseMenuItem(form->homeItem);
    EXPECT_EQ(log.WaitForLines(2),
        (std::vector<std::string>{"http://www.runepairs.example/Runepairs.asp", "http://www.runepairs.example"}));
    EXPECT_TRUE(IsWindow(form->hwnd));
}

namespace {

// Stands in for the player while RunApplication's loop runs: asks to close
// whenever no question is open, and notes the main window's title.
struct ClosingPlayer {
    static std::string title;
    static int requests;

    static void CALLBACK AskToClose(HWND, UINT, UINT_PTR, DWORD)
    {
        if (KavoUtility::mainWindow == nullptr || FindWindowW(L"#32770", nullptr) != nullptr) {
            return;
        }
        title = WindowText(KavoUtility::mainWindow);
        ++requests;
        PostMessageW(KavoUtility::mainWindow, WM_CLOSE, 0, 0);
    }
};

std::string ClosingPlayer::title;
int ClosingPlayer::requests = 0;

} // namespace

TEST(Application, TitleIsTheProductNameABlankAndTheNoticeLine)
{
    EXPECT_EQ(MainWindowTitle(), std::string("Runepairs ") + kNoticeLine);
}

TEST(Application, RunsUntilTheCloseQuestionIsAnsweredYesAndAnswersZero)
{
    MessageBoxAnswerer answerer({IDNO, IDYES});
    const UINT_PTR player = SetTimer(nullptr, 0, 50, ClosingPlayer::AskToClose);

    const int exitCode = RunApplication(GetModuleHandleW(nullptr));

    KillTimer(nullptr, player);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(ClosingPlayer::title, MainWindowTitle());
    EXPECT_EQ(ClosingPlayer::requests, 2) << "No kept the loop running until the second question";
    ASSERT_EQ(answerer.Boxes().size(), 2u);
    EXPECT_EQ(answerer.Boxes()[1].text, L"Vuoi realmente uscire?");
    EXPECT_FALSE(IsWindow(KavoUtility::mainWindow));
}
