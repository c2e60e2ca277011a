#include "tests/game/MainWindowFixture.h"

#include "game/GameConstants.h"
#include "tests/support/GdiObjectCount.h"
#include "tests/support/MessageBoxAnswerer.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ThreadWindowCount.h"
#include "toolkit/about/FormAbout.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/controls/TextBox.h"
#include "toolkit/core/Registry.h"
#include "toolkit/drawing/CellControl.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

using KavoUtility::FormAbout;

namespace {

// Byte b of a narrow text is the code unit b of what the window shows.
std::wstring CodeUnits(const std::string& narrow)
{
    std::wstring units;
    for (unsigned char byte : narrow) {
        units += static_cast<wchar_t>(byte);
    }
    return units;
}

std::wstring WideText(HWND window)
{
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return buffer;
}

using Texts = std::vector<std::pair<std::string, std::wstring>>;

Texts TextsOf(const FormAbout& about)
{
    return {
        {"form", WideText(about.hwnd)},
        {"titleLabel", WideText(about.titleLabel->hwnd)},
        {"subtitleLabel", WideText(about.subtitleLabel->hwnd)},
        {"webLink", WideText(about.webLink->hwnd)},
        {"mailLink", WideText(about.mailLink->hwnd)},
        {"noticeBox", WideText(about.noticeBox->hwnd)},
        {"okButton", WideText(about.okButton->hwnd)},
    };
}

class AboutCommandTest : public MainWindowTest {
protected:
    FormAbout* PressInfo()
    {
        ClickButton(form->infoButton);
        PumpPending();
        return form->about;
    }

    void PressEscape()
    {
        PostMessageW(form->about->okButton->hwnd, WM_KEYDOWN, VK_ESCAPE, 1);
        PumpPending();
    }
};

TEST_F(AboutCommandTest, InfoShowsTheGamesTextsLogoAndIcon)
{
    FormAbout* about = PressInfo();
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(IsWindowVisible(about->hwnd));
    const Texts expected = {
        {"form", L"Info..."},
        {"titleLabel", L"Runepairs 1.0.0.0"},
        {"subtitleLabel", CodeUnits(Game::kNoticeLine)},
        {"webLink", L"http://www.runepairs.example"},
        {"mailLink", L"info@runepairs.example"},
        {"noticeBox", CodeUnits(Game::kFreewareNotice)},
        {"okButton", L"OK"},
    };
    EXPECT_EQ(TextsOf(*about), expected);
    EXPECT_EQ(about->owner, form);
    EXPECT_EQ(about->logo->resourceId, Game::kLogoBitmapId);
    EXPECT_NE(about->logo->bitmap, nullptr);
    EXPECT_EQ((std::pair<int32_t, int32_t>{about->logoWidth, about->logoHeight}), (std::pair<int32_t, int32_t>{164, 50}));
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(about->hwnd, GCLP_HICON)),
        LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(Game::kIconId)));
}

TEST_F(AboutCommandTest, TheMainWindowTakesNoInputWhileItIsOpenAndItsClockRuns)
{
    ClickButton(form->startButton);
    PressInfo();
    EXPECT_FALSE(IsWindowEnabled(form->hwnd));
    SetElapsedSeconds(10);
    EXPECT_TRUE(PumpUntil([this] { return ClockText() == "00:04:50"; }, 3000)) << ClockText();
}

TEST_F(AboutCommandTest, ClosingEnablesTheMainWindowAndInfoOpensANewOneWithTheSameContent)
{
    FormAbout* first = PressInfo();
    const Texts shown = TextsOf(*first);
    const HWND firstWindow = first->hwnd;
    PressEscape();
    EXPECT_FALSE(IsWindow(firstWindow));
    EXPECT_TRUE(IsWindowEnabled(form->hwnd));

    FormAbout* second = PressInfo();
    EXPECT_TRUE(IsWindow(second->hwnd));
    EXPECT_NE(second->hwnd, firstWindow);
    EXPECT_EQ(TextsOf(*second), shown);
    EXPECT_FALSE(IsWindowEnabled(form->hwnd));
    EXPECT_EQ(form->earlierAbouts.Count(), 0u) << "the first one, closed, is released";
}

// A declined exit leaves the form marked as not created: an About window then
// no longer disables it, and Info can open a second one beside the first.
TEST_F(AboutCommandTest, AfterADeclinedExitASecondWindowOpensBesideTheFirst)
{
    {
        MessageBoxAnswerer answerer({IDNO});
        ChooseMenuItem(form->exitItem);
    }
    const HWND first = PressInfo()->hwnd;
    EXPECT_TRUE(IsWindowEnabled(form->hwnd));
    const HWND second = PressInfo()->hwnd;
    EXPECT_TRUE(IsWindow(first));
    EXPECT_TRUE(IsWindow(second));
    EXPECT_EQ(form->earlierAbouts.Count(), 1u);
}

TEST_F(AboutCommandTest, OpeningAndClosingAFewHundredTimesLeavesNoWindowsElementsOrGdiObjects)
{
    const auto openAndClose = [this] {
        PressInfo();
        PressEscape();
    };
    openAndClose();
    const int32_t windows = ThreadWindowCount();
    const size_t elements = KavoUtility::elementRegistry.size();
    const int32_t gdiObjects = GdiObjectCount();

    for (int round = 0; round < 300; ++round) {
        openAndClose();
    }
    EXPECT_EQ(ThreadWindowCount(), windows);
    EXPECT_EQ(KavoUtility::elementRegistry.size(), elements);
    EXPECT_EQ(GdiObjectCount(), gdiObjects);
    EXPECT_EQ(form->earlierAbouts.Count(), 0u);
    EXPECT_TRUE(IsWindowEnabled(form->hwnd));
}

} // namespace
