#include "toolkit/core/Registry.h"

#include "tests/toolkit/core/TestElements.h"
#include "toolkit/controls/Menu.h"
#include "toolkit/controls/MenuBar.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/core/Form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace KavoUtility;
using namespace CoreTest;

namespace {

HWND FakeHandle(uintptr_t value)
{
    return reinterpret_cast<HWND>(value);
}

bool Registered(const GUIElement* element)
{
    return std::find(elementRegistry.begin(), elementRegistry.end(), element) != elementRegistry.end();
}

} // namespace

TEST(Registry, ElementsAreListedInConstructionOrder)
{
    TestEdit first(nullptr);
    TestEdit second(nullptr);
    ASSERT_EQ(elementRegistry.size(), 2u);
    EXPECT_EQ(elementRegistry[0], &first);
    EXPECT_EQ(elementRegistry[1], &second);
}

TEST(Registry, FindByHandleFallsBackOnlyToALastElementWithoutWindow)
{
    TestEdit owner(nullptr);
    owner.hwnd = FakeHandle(0x10);
    EXPECT_EQ(FindByHandle(FakeHandle(0x10)), &owner);
    EXPECT_EQ(FindByHandle(FakeHandle(0x20)), nullptr);
    TestEdit newest(nullptr);
    EXPECT_EQ(FindByHandle(FakeHandle(0x20)), &newest);
    EXPECT_EQ(FindByHandle(FakeHandle(0x10)), &owner);
    newest.hwnd = FakeHandle(0x30);
    EXPECT_EQ(FindByHandle(FakeHandle(0x20)), nullptr);
}

TEST(Registry, FindByHandleReturnsTheLaterOfTwoElementsWithTheSameHandle)
{
    TestEdit earlier(nullptr);
    TestEdit later(nullptr);
    earlier.hwnd = FakeHandle(0x40);
    later.hwnd = FakeHandle(0x40);
    EXPECT_EQ(FindByHandle(FakeHandle(0x40)), &later);
}

TEST(Registry, FindByIdReturnsTheFirstMatchAndFindMenuItemByIdOnlyMenuItems)
{
    Form form(GetModuleHandleW(nullptr));
    form.Create();
    MenuBar bar(&form);
    Menu menu(&bar, "&File");
    SubMenu item(&menu, "&Esci");
    TestEdit first(&form);
    TestEdit second(&form);
    first.id = 77;
    second.id = 77;
    EXPECT_EQ(FindById(77), &first);
    EXPECT_EQ(FindById(form.id), &form);
    EXPECT_EQ(FindById(999), nullptr);
    EXPECT_EQ(FindMenuItemById(item.id), &item);
    EXPECT_EQ(FindMenuItemById(77), nullptr);
    EXPECT_EQ(FindMenuItemById(form.id), nullptr);
    DestroyWindow(form.hwnd);
}

TEST(Registry, ADeletedElementIsNeverReturned)
{
    Form form(GetModuleHandleW(nullptr));
    form.Create();
    auto edit = std::make_unique<TestEdit>(&form);
    edit->Create();
    const HWND window = edit->hwnd;
    const int32_t id = edit->id;
    GUIElement* gone = edit.get();
    ASSERT_EQ(FindByHandle(window), gone);
    edit.reset();
    EXPECT_FALSE(Registered(gone));
    EXPECT_NE(FindByHandle(window), gone);
    EXPECT_EQ(FindById(id), nullptr);
    // Its window still lives; its messages now get plain default processing.
    SendMessageW(window, WM_CHAR, 'a', 0);
    SendMessageW(window, WM_PAINT, 0, 0);
    DestroyWindow(form.hwnd);
}
