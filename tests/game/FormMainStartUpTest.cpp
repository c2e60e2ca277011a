// The main window as it stands when its constructor returns: layout read back
// from the windows, the menus, the inert display of 40 faces, and its
// resources released once.
#include "tests/game/MainWindowFixture.h"

#include "game/Application.h"
#include "game/Layout.h"
#include "tests/support/GdiObjectCount.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/PanelChildren.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/core/Registry.h"
#include "toolkit/drawing/CellControl.h"
#include "toolkit/drawing/ImageFrame.h"
#include "toolkit/text/Text.h"

#include <map>

using namespace Game;

namespace {

// A child's window rectangle in its parent's client coordinates.
RECT RectInParent(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string MenuText(HMENU menu, UINT position)
{
    wchar_t buffer[64] = L"";
    GetMenuStringW(menu, position, buffer, 64, MF_BYPOSITION);
    return KavoUtility::ToNarrow(buffer);
}

} // namespace

TEST_F(MainWindowTest, FormHasItsTitleSizeAndFrame)
{
    EXPECT_EQ(WindowText(form->hwnd), "Runepairs test");
    RECT client;
    GetClientRect(form->hwnd, &client);
    EXPECT_EQ(client.right, kClientWidth);
    EXPECT_EQ(client.bottom, kClientHeight);
    RECT frame;
    GetWindowRect(form->hwnd, &frame);
    EXPECT_EQ(frame.left, 100);
    EXPECT_EQ(frame.top, 100);
    const LONG style = GetWindowLongW(form->hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX) << std::hex << style;
    EXPECT_FALSE(style & WS_MAXIMIZEBOX) << std::hex << style;
    EXPECT_FALSE(style & WS_THICKFRAME) << std::hex << style;
    EXPECT_TRUE(style & WS_CAPTION) << std::hex << style;
}

TEST_F(MainWindowTest, BoardInsideIsTheCardSheetAndTheCardsTileIt)
{
    const RECT board = RectInParent(form->board->hwnd);
    EXPECT_EQ(board.left, kBoardX);
    EXPECT_EQ(board.top, kBoardY);
    RECT inside;
    GetClientRect(form->board->hwnd, &inside);
    EXPECT_EQ(inside.right, 432);
    EXPECT_EQ(inside.bottom, 450);
    EXPECT_TRUE(GetWindowLongW(form->board->hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    for (int32_t k = 0; k < kBoardCards; ++k) {
        const RECT card = RectInParent(form->cards[k]->hwnd);
        EXPECT_EQ(GetParent(form->cards[k]->hwnd), form->board->hwnd) << "card " << k;
        EXPECT_EQ(card.left, 54 * (k % 8)) << "card " << k;
        EXPECT_EQ(card.top, 90 * (k / 8)) << "card " << k;
        EXPECT_EQ(card.right - card.left, 54) << "card " << k;
        EXPECT_EQ(card.bottom - card.top, 90) << "card " << k;
    }
}

TEST_F(MainWindowTest, RightHandColumnFollowsTheSizesTheWindowsReport)
{
    const RECT board = RectInParent(form->board->hwnd);
    const RECT logo = RectInParent(form->logo->hwnd);
    EXPECT_EQ(logo.left, board.right + 10);
    EXPECT_EQ(logo.top, board.top);
    // The picture control takes the logo bitmap's own size.
    EXPECT_EQ(logo.right - logo.left, 163);
    EXPECT_EQ(logo.bottom - logo.top, 50);

    const LONG logoHeight = logo.bottom - logo.top;
    struct Expected {
        KavoUtility::Button* button;
        const char* text;
        LONG top;
    };
    const Expected buttons[] = {
        {form->infoButton, "Info", board.top + logoHeight + 10},
        {form->startButton, "Inizia", board.top + logoHeight + 60},
        {form->closeButton, "Chiudi", board.top + logoHeight + 110},
    };
    for (const Expected& expected : buttons) {
        const RECT button = RectInParent(expected.button->hwnd);
        EXPECT_EQ(WindowText(expected.button->hwnd), expected.text);
        EXPECT_EQ(button.left, logo.left) << expected.text;
        EXPECT_EQ(button.top, expected.top) << expected.text;
        EXPECT_EQ(button.right - button.left, 110) << expected.text;
        EXPECT_EQ(button.bottom - button.top, 40) << expected.text;
    }

    const RECT close = RectInParent(form->closeButton->hwnd);
    const RECT clock = RectInParent(form->clock->hwnd);
    EXPECT_EQ(clock.left, close.left);
    EXPECT_EQ(clock.top, close.top + 50);
    EXPECT_EQ(clock.right - clock.left, 110);
    EXPECT_EQ(clock.bottom - clock.top, 40);
    EXPECT_EQ(form->clock->font, form->font) << "the clock draws with the form's font record";
    EXPECT_EQ(form->clock->textColor, 0x00FF00);
    EXPECT_EQ(form->clock->backColor, 0);
    EXPECT_FALSE(IsWindowVisible(form->timer->hwnd));
}

TEST_F(MainWindowTest, MenusOfferExitGuideAndHomeWithConsecutiveIds)
{
    const HMENU bar = GetMenu(form->hwnd);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(MenuText(bar, 0), "&File");
    EXPECT_EQ(MenuText(bar, 1), "&?");
    const HMENU file = GetSubMenu(bar, 0);
    const HMENU help = GetSubMenu(bar, 1);
    ASSERT_EQ(GetMenuItemCount(file), 1);
    ASSERT_EQ(GetMenuItemCount(help), 2);
    EXPECT_EQ(MenuText(file, 0), "&Esci");
    EXPECT_EQ(MenuText(help, 0), "&Guida");
    EXPECT_EQ(MenuText(help, 1), "&Home");
    EXPECT_EQ(static_cast<int32_t>(GetMenuItemID(file, 0)), form->exitItem->id);
    EXPECT_EQ(static_cast<int32_t>(GetMenuItemID(help, 0)), form->guideItem->id);
    EXPECT_EQ(static_cast<int32_t>(GetMenuItemID(help, 1)), form->homeItem->id);
    EXPECT_EQ(form->guideItem->id, form->exitItem->id + 1);
    EXPECT_EQ(form->homeItem->id, form->exitItem->id + 2);
}

TEST_F(MainWindowTest, StartsShowingFortyFacesInPairsThatDoNothing)
{
    std::map<std::pair<int32_t, int32_t>, int> faceCounts;
    for (int32_t k = 0; k < kBoardCards; ++k) {
        const Tile face = ShownTile(k);
        EXPECT_TRUE(IsFace(face)) << "card " << k << " shows (" << face.column << ", " << face.row << ")";
        EXPECT_EQ(form->cards[k]->tag, "") << "card " << k;
        EXPECT_FALSE(form->cards[k]->GetHandCursor()) << "card " << k;
        ++faceCounts[{face.column, face.row}];
    }
    EXPECT_EQ(faceCounts.size(), 20u);
    for (const auto& [face, count] : faceCounts) {
        EXPECT_EQ(count, 2) << "face (" << face.first << ", " << face.second << ")";
    }
    EXPECT_EQ(ClockText(), "00:00:00");
    EXPECT_EQ(StartButtonText(), "Inizia");
    EXPECT_FALSE(form->gameRunning);
    EXPECT_FALSE(form->timer->running);

    const Tile before = ShownTile(5);
    PressCard(5);
    EXPECT_EQ(ShownTile(5), before);
    EXPECT_FALSE(clickBusy);
}

TEST_F(MainWindowTest, PressOnTheFormItselfDoesNothing)
{
    SendMessageW(form->hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(600, 470));
    SendMessageW(form->hwnd, WM_LBUTTONUP, 0, MAKELPARAM(600, 470));
    EXPECT_FALSE(form->gameRunning);
    EXPECT_TRUE(IsWindow(form->hwnd));
    for (int32_t k = 0; k < kBoardCards; ++k) {
        EXPECT_TRUE(IsFace(ShownTile(k))) << "card " << k;
    }
}

TEST(FormMainResources, MakingAndDeletingTheWindowLeavesNothingBehind)
{
    const auto makeAndDelete = [] {
        FormMain* form = new FormMain(GetModuleHandleW(nullptr), MainWindowTitle());
        DestroyWindow(form->hwnd);
        delete form;
    };
    makeAndDelete();
    const int32_t baseline = GdiObjectCount();
    const size_t elements = KavoUtility::elementRegistry.size();
    for (int round = 0; round < 5; ++round) {
        makeAndDelete();
    }
    EXPECT_EQ(GdiObjectCount(), baseline);
    EXPECT_EQ(KavoUtility::elementRegistry.size(), elements);
}
