#include "game/EarlierAbouts.h"

#include "tests/support/MessagePump.h"
#include "toolkit/about/FormAbout.h"
#include "toolkit/core/Registry.h"

#include <windows.h>

#include <gtest/gtest.h>

using Game::EarlierAbouts;
using KavoUtility::Form;
using KavoUtility::FormAbout;

namespace {

class EarlierAboutsTest : public testing::Test {
protected:
    Form owner{GetModuleHandleW(nullptr)};
    size_t elementsBefore = 0;

    void SetUp() override
    {
        owner.Create();
        elementsBefore = KavoUtility::elementRegistry.size();
    }

    void TearDown() override
    {
        DestroyWindow(owner.hwnd);
        PumpPending();
    }

    FormAbout* OpenAbout()
    {
        FormAbout* about = new FormAbout(&owner);
        about->webAddress = "http://www.runepairs.example";
        about->Create();
        ShowWindow(about->hwnd, SW_SHOWNA);
        PumpPending();
        return about;
    }
};

TEST_F(EarlierAboutsTest, KeepsAnOpenWindowsObjectUntilTheWindowIsGone)
{
    EarlierAbouts earlier;
    FormAbout* first = OpenAbout();
    earlier.Keep(first);
    EXPECT_EQ(earlier.Count(), 1u);

    FormAbout* second = OpenAbout();
    SendMessageW(first->hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpPending();
    earlier.Keep(second);
    EXPECT_EQ(earlier.Count(), 1u) << "the first one, closed, is released; the second, open, is kept";

    SendMessageW(second->hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpPending();
    earlier.Keep(nullptr);
    EXPECT_EQ(earlier.Count(), 0u);
    EXPECT_EQ(KavoUtility::elementRegistry.size(), elementsBefore);
}

TEST_F(EarlierAboutsTest, DestroysWindowsStillOpenBeforeReleasingThem)
{
    HWND window = nullptr;
    {
        EarlierAbouts earlier;
        FormAbout* about = OpenAbout();
        window = about->hwnd;
        earlier.Keep(about);
    }
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(KavoUtility::elementRegistry.size(), elementsBefore);
}

} // namespace
