#include "toolkit/controls/Label.h"
#include "toolkit/controls/Menu.h"
#include "toolkit/controls/MenuBar.h"
#include "toolkit/controls/SubMenu.h"

#include "tests/toolkit/controls/ControlTestSupport.h"
#include "toolkit/core/Registry.h"

#include <string>
#include <vector>

using namespace KavoUtility;

namespace {

struct Command {
    GUIElement* sender;
    bool checked;
};

std::vector<Command> commands;

void RecordCommand(GUIElement* sender)
{
    commands.push_back({sender, static_cast<SubMenu*>(sender)->checked});
}

std::wstring MenuText(HMENU menu, UINT position)
{
    wchar_t buffer[256] = L"";
    GetMenuStringW(menu, position, buffer, 256, MF_BYPOSITION);
    return buffer;
}

UINT ItemState(HMENU menu, int32_t id)
{
    return GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND);
}

// What the system sends the form when a menu item is chosen.
void ChooseItem(const Form& form, const SubMenu& item)
{
    SendMessageW(form.hwnd, WM_COMMAND, MAKEWPARAM(item.id, 0), 0);
}

// The program's own menu tree.
class MenusTest : public FormTest {
protected:
    MenuBar bar{&form};
    Menu file{&bar, "&File"};
    SubMenu exit{&file, "&Esci"};
    Menu help{&bar, "&?"};
    SubMenu guide{&help, "&Guida"};
    SubMenu home{&help, "&Home"};
};

} // namespace

TEST_F(MenusTest, ItemsTakeConsecutiveIdsAtConstructionAndMenusNone)
{
    EXPECT_EQ(guide.id, exit.id + 1);
    EXPECT_EQ(home.id, exit.id + 2);
    SubMenu late(&file, "&Nuovo");
    EXPECT_EQ(late.id, nextControlId);
    EXPECT_EQ(bar.id, 0);
    EXPECT_EQ(file.id, 0);
    EXPECT_EQ(help.id, 0);
    EXPECT_EQ(bar.typeName, "menubar");
    EXPECT_EQ(file.typeName, "menu");
    EXPECT_EQ(exit.typeName, "submenu");
    EXPECT_EQ(bar.items, (std::vector<GUIElement*>{&file, &help}));
    EXPECT_EQ(help.items, (std::vector<GUIElement*>{&guide, &home}));
}

TEST_F(MenusTest, OneCreateOfTheBarBuildsTheWholeTree)
{
    EXPECT_FALSE(file.created);
    EXPECT_FALSE(exit.created);
    bar.Create();
    ASSERT_NE(bar.menuHandle, nullptr);
    EXPECT_EQ(GetMenu(form.hwnd), bar.menuHandle);
    EXPECT_EQ(bar.hwnd, reinterpret_cast<HWND>(bar.menuHandle));
    ASSERT_EQ(GetMenuItemCount(bar.menuHandle), 2);
    EXPECT_EQ(MenuText(bar.menuHandle, 0), L"&File");
    EXPECT_EQ(MenuText(bar.menuHandle, 1), L"&?");
    EXPECT_EQ(GetSubMenu(bar.menuHandle, 0), file.menuHandle);
    EXPECT_EQ(GetSubMenu(bar.menuHandle, 1), help.menuHandle);
    EXPECT_EQ(file.hwnd, reinterpret_cast<HWND>(file.menuHandle));

    ASSERT_EQ(GetMenuItemCount(file.menuHandle), 1);
    EXPECT_EQ(GetMenuItemID(file.menuHandle, 0), static_cast<UINT>(exit.id));
    EXPECT_EQ(MenuText(file.menuHandle, 0), L"&Esci");
    ASSERT_EQ(GetMenuItemCount(help.menuHandle), 2);
    EXPECT_EQ(GetMenuItemID(help.menuHandle, 0), static_cast<UINT>(guide.id));
    EXPECT_EQ(GetMenuItemID(help.menuHandle, 1), static_cast<UINT>(home.id));
    EXPECT_EQ(MenuText(help.menuHandle, 1), L"&Home");
    EXPECT_TRUE(exit.created);
    EXPECT_EQ(exit.hwnd, nullptr);
}

TEST_F(MenusTest, AMenuCommandReachesTheItemsHandler)
{
    guide.commandHandler = RecordCommand;
    home.commandHandler = RecordCommand;
    bar.Create();
    ChooseItem(form, home);
    ChooseItem(form, guide);
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].sender, &home);
    EXPECT_EQ(commands[1].sender, &guide);
}

TEST_F(MenusTest, AnAcceleratorCommandIsIgnored)
{
    guide.commandHandler = RecordCommand;
    bar.Create();
    SendMessageW(form.hwnd, WM_COMMAND, MAKEWPARAM(guide.id, 1), 0);
    EXPECT_TRUE(commands.empty());
}

TEST_F(MenusTest, ACheckableItemFlipsItsMarkBeforeTheHandlerSeesIt)
{
    guide.checkable = true;
    guide.checked = true;
    guide.commandHandler = RecordCommand;
    bar.Create();
    EXPECT_EQ(ItemState(help.menuHandle, guide.id), static_cast<UINT>(MF_CHECKED));
    ChooseItem(form, guide);
    EXPECT_EQ(ItemState(help.menuHandle, guide.id), static_cast<UINT>(MF_UNCHECKED));
    ChooseItem(form, guide);
    EXPECT_EQ(ItemState(help.menuHandle, guide.id), static_cast<UINT>(MF_CHECKED));
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_FALSE(commands[0].checked);
    EXPECT_TRUE(commands[1].checked);
    EXPECT_TRUE(guide.IsChecked());
}

TEST_F(MenusTest, ACheckableItemThatStartsAColumnStillFlipsBothWays)
{
    home.checkable = true;
    home.itemFlags = MF_MENUBARBREAK;
    bar.Create();
    ChooseItem(form, home);
    EXPECT_TRUE(home.checked);
    ChooseItem(form, home);
    EXPECT_FALSE(home.checked);
    EXPECT_EQ(ItemState(help.menuHandle, home.id) & MF_CHECKED, 0u);
}

TEST_F(MenusTest, AnItemThatIsNotCheckableShowsNoMark)
{
    guide.checked = true;
    bar.Create();
    EXPECT_EQ(ItemState(help.menuHandle, guide.id), static_cast<UINT>(MF_UNCHECKED));
    guide.ApplyCheck();
    EXPECT_EQ(ItemState(help.menuHandle, guide.id), static_cast<UINT>(MF_UNCHECKED));
    guide.checkable = true;
    guide.ApplyCheck();
    EXPECT_EQ(ItemState(help.menuHandle, guide.id), static_cast<UINT>(MF_CHECKED));
}

TEST_F(MenusTest, IsCheckedOnAnItemNotCreatedAnswersTheStoredState)
{
    guide.checked = true;
    EXPECT_TRUE(guide.IsChecked());
    guide.checked = false;
    EXPECT_FALSE(guide.IsChecked());
}

TEST_F(MenusTest, ItemFlagsAndEmptyTextsReachTheSystemMenu)
{
    SubMenu separator(&help, "");
    separator.itemFlags = MF_SEPARATOR;
    SubMenu grayed(&help, "&Stampa");
    grayed.itemFlags = MF_GRAYED;
    bar.Create();
    ASSERT_EQ(GetMenuItemCount(help.menuHandle), 4);
    EXPECT_EQ(ItemState(help.menuHandle, separator.id) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(ItemState(help.menuHandle, grayed.id), static_cast<UINT>(MF_GRAYED));
}

TEST_F(MenusTest, ACascadeHoldsItsItemsInAPopupMenu)
{
    SubMenu more(&help, "&Altro");
    SubMenu first(&more, "&Uno");
    SubMenu second(&more, "&Due");
    first.commandHandler = RecordCommand;
    bar.Create();
    ASSERT_NE(more.popupHandle, nullptr);
    EXPECT_EQ(more.hwnd, reinterpret_cast<HWND>(more.popupHandle));
    EXPECT_EQ(GetSubMenu(help.menuHandle, 2), more.popupHandle);
    EXPECT_EQ(MenuText(help.menuHandle, 2), L"&Altro");
    ASSERT_EQ(GetMenuItemCount(more.popupHandle), 2);
    EXPECT_EQ(GetMenuItemID(more.popupHandle, 0), static_cast<UINT>(first.id));
    EXPECT_EQ(GetMenuItemID(more.popupHandle, 1), static_cast<UINT>(second.id));
    ChooseItem(form, first);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].sender, &first);
}

TEST_F(MenusTest, EntriesAddedLaterAreCreatedAtOnceAtTheEnd)
{
    bar.Create();
    Menu extra(&bar, "&Extra");
    SubMenu added(&file, "&Nuovo");
    added.commandHandler = RecordCommand;
    EXPECT_TRUE(extra.created);
    EXPECT_TRUE(added.created);
    ASSERT_EQ(GetMenuItemCount(bar.menuHandle), 3);
    EXPECT_EQ(GetSubMenu(bar.menuHandle, 2), extra.menuHandle);
    ASSERT_EQ(GetMenuItemCount(file.menuHandle), 2);
    EXPECT_EQ(GetMenuItemID(file.menuHandle, 1), static_cast<UINT>(added.id));
    ChooseItem(form, added);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].sender, &added);
}

TEST(Menus, ABarWhoseFormHasNoWindowCreatesNothing)
{
    Form form(GetModuleHandleW(nullptr));
    MenuBar bar(&form);
    Menu file(&bar, "&File");
    SubMenu exit(&file, "&Esci");
    bar.Create();
    EXPECT_FALSE(bar.created);
    EXPECT_EQ(bar.menuHandle, nullptr);
    EXPECT_FALSE(file.created);
    EXPECT_FALSE(exit.created);
    file.Create();
    exit.Create();
    EXPECT_FALSE(file.created);
    EXPECT_FALSE(exit.created);
}

TEST_F(MenusTest, AnItemUnderACreatedCommandItemIsNeverShown)
{
    bar.Create();
    SubMenu orphan(&guide, "&Orfano");
    EXPECT_EQ(guide.items, std::vector<GUIElement*>{&orphan});
    EXPECT_FALSE(orphan.created);
    EXPECT_GT(orphan.id, home.id);
    EXPECT_EQ(GetMenuItemCount(help.menuHandle), 2);
}

TEST_F(MenusTest, AnItemUnderAnElementOfAnotherKindIsLinkedNowhere)
{
    Label label(&form, "Runepairs");
    bar.Create();
    SubMenu stray(&label, "&Perso");
    SubMenu underBar(&bar, "&Perso");
    EXPECT_FALSE(stray.created);
    EXPECT_FALSE(underBar.created);
    EXPECT_EQ(bar.items, (std::vector<GUIElement*>{&file, &help}));
    EXPECT_EQ(FindMenuItemById(stray.id), &stray);
}
