#include "toolkit/controls/MessageBoxes.h"

#include "tests/support/MessageBoxAnswerer.h"

#include <windows.h>

#include <gtest/gtest.h>

using namespace KavoUtility;

TEST(MessageBoxes, ShowMessageIsAPlainTaskModalBox)
{
    MessageBoxAnswerer answerer;
    ShowMessage("Livello completato.", "Game");
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].type, 0x2000u);
    EXPECT_EQ(answerer.Boxes()[0].text, L"Livello completato.");
    EXPECT_EQ(answerer.Boxes()[0].caption, L"Game");
}

TEST(MessageBoxes, ShowInformationCarriesTheInformationIcon)
{
    MessageBoxAnswerer answerer;
    ShowInformation("Tempo scaduto", "Tempo");
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].type, 0x2040u);
    EXPECT_EQ(answerer.Boxes()[0].text, L"Tempo scaduto");
    EXPECT_EQ(answerer.Boxes()[0].caption, L"Tempo");
}

TEST(MessageBoxes, AskYesNoIsTrueOnlyForYes)
{
    MessageBoxAnswerer answerer({IDYES, IDNO});
    EXPECT_TRUE(AskYesNo("Vuoi realmente uscire?", "Uscita"));
    EXPECT_FALSE(AskYesNo("Vuoi realmente uscire?", "Uscita"));
    ASSERT_EQ(answerer.Boxes().size(), 2u);
    for (const MessageBoxAnswerer::Box& box : answerer.Boxes()) {
        EXPECT_EQ(box.type, 0x2024u);
        EXPECT_EQ(box.text, L"Vuoi realmente uscire?");
        EXPECT_EQ(box.caption, L"Uscita");
    }
}

namespace {

LRESULT CALLBACK RefuseDialogs(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const CBT_CREATEWNDW* creation = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        if (creation->lpcs->lpszClass == WC_DIALOG) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

TEST(MessageBoxes, AskYesNoIsFalseWhenTheBoxCannotBeShown)
{
    HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseDialogs, nullptr, GetCurrentThreadId());
    EXPECT_FALSE(AskYesNo("Vuoi realmente uscire?", "Uscita"));
    UnhookWindowsHookEx(hook);
}

TEST(MessageBoxes, TextsPassAsTheyAreInTheNarrowCodePage)
{
    MessageBoxAnswerer answerer;
    ShowMessage("", "");
    ShowMessage("Perch\xE8 cos\xEC?", "Citt\xE0");
    ASSERT_EQ(answerer.Boxes().size(), 2u);
    EXPECT_EQ(answerer.Boxes()[0].text, L"");
    EXPECT_EQ(answerer.Boxes()[0].caption, L"");
    EXPECT_EQ(answerer.Boxes()[1].text, L"Perch\u00E8 cos\u00EC?");
    EXPECT_EQ(answerer.Boxes()[1].caption, L"Citt\u00E0");
}
