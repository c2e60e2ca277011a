#include "toolkit/core/GUIElement.h"

#include "tests/toolkit/core/TestElements.h"
#include "toolkit/core/Form.h"
#include "toolkit/core/WindowProc.h"
#include "toolkit/drawing/FontRecord.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace KavoUtility;
using namespace CoreTest;

namespace {

std::vector<std::string> events;

class ElementTest : public testing::Test {
protected:
    Form form{GetModuleHandleW(nullptr)};

    void SetUp() override
    {
        events.clear();
        form.SetSize(400, 300);
        form.Create();
    }

    void TearDown() override
    {
        DestroyWindow(form.hwnd);
    }
};

COLORREF PixelOf(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}

// TTM_GETTEXTW stops at 1,024 units; the tool record brings the whole text.
std::wstring TooltipText(HWND tooltipWindow, HWND tool)
{
    std::wstring buffer(4096, L'\0');
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V1_SIZE;
    info.hwnd = tool;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = buffer.data();
    SendMessageW(tooltipWindow, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info));
    return buffer.c_str();
}

} // namespace

TEST(GUIElementDefaults, AreTheDocumentedOnes)
{
    TestEdit edit(nullptr);
    EXPECT_FALSE(edit.destroyed);
    EXPECT_FALSE(edit.waitCursor);
    EXPECT_FALSE(edit.handCursor);
    EXPECT_EQ(edit.tooltipWindow, nullptr);
    EXPECT_EQ(edit.hwnd, nullptr);
    EXPECT_EQ(edit.instance, nullptr);
    EXPECT_EQ(edit.windowClass.lpfnWndProc, nullptr);
    EXPECT_EQ(edit.font, nullptr);
    EXPECT_EQ(edit.width, 100);
    EXPECT_EQ(edit.height, 50);
    EXPECT_EQ(edit.x, 100);
    EXPECT_EQ(edit.y, 100);
    EXPECT_FALSE(edit.created);
    EXPECT_EQ(edit.backColor, -1);
    EXPECT_EQ(edit.text, L"");
    EXPECT_FALSE(edit.backColorApplied);
    EXPECT_TRUE(edit.enabled);
    EXPECT_EQ(edit.id, 0);
    EXPECT_EQ(edit.previousWndProc, nullptr);
    EXPECT_EQ(edit.createdHandler, nullptr);
    EXPECT_FALSE(edit.createdNotified);
    EXPECT_EQ(edit.mouseLeaveHandler, nullptr);
    EXPECT_TRUE(edit.OnChar(L'a'));
    EXPECT_TRUE(edit.OnClose());
    EXPECT_EQ(edit.OnCtlColor(nullptr), nullptr);
}

TEST_F(ElementTest, AChildIsMadeFromItsStoredPropertiesAndSubclassed)
{
    FontRecord font("Arial", 14);
    TestEdit edit(&form);
    edit.SetText("uno");
    edit.SetPosition(20, 30);
    edit.SetSize(120, 24);
    edit.SetEnabled(false);
    edit.font = &font;
    edit.Create();
    EXPECT_EQ(edit.id, form.id + 1);
    EXPECT_EQ(GetDlgCtrlID(edit.hwnd), edit.id);
    EXPECT_EQ(GetParent(edit.hwnd), form.hwnd);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(edit.hwnd, GWLP_WNDPROC)), &WindowProc);
    EXPECT_NE(edit.previousWndProc, nullptr);
    EXPECT_TRUE(GetWindowLongW(edit.hwnd, GWL_STYLE) & WS_DISABLED);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(edit.hwnd, WM_GETFONT, 0, 0)), font.fontHandle);
    EXPECT_EQ(edit.GetText(), L"uno");
    POINT position = edit.ReadPosition();
    SIZE size = edit.ReadSize();
    EXPECT_EQ(position.x, 20);
    EXPECT_EQ(position.y, 30);
    EXPECT_EQ(size.cx, 120);
    EXPECT_EQ(size.cy, 24);

    edit.SetText("due");
    edit.SetPosition(25, 35);
    edit.SetSize(90, 20);
    edit.SetEnabled(true);
    wchar_t shown[16] = {};
    GetWindowTextW(edit.hwnd, shown, 16);
    EXPECT_EQ(std::wstring(shown), L"due");
    RECT outer{};
    GetWindowRect(edit.hwnd, &outer);
    MapWindowPoints(nullptr, form.hwnd, reinterpret_cast<POINT*>(&outer), 2);
    EXPECT_EQ(outer.left, 25);
    EXPECT_EQ(outer.top, 35);
    EXPECT_EQ(outer.right - outer.left, 90);
    EXPECT_EQ(outer.bottom - outer.top, 20);
    EXPECT_TRUE(IsWindowEnabled(edit.hwnd));
}

TEST_F(ElementTest, GetTextReadsWhatTheUserTyped)
{
    TestEdit edit(&form);
    edit.Create();
    SetWindowTextW(edit.hwnd, L"perch\u00E9");
    EXPECT_EQ(edit.GetText(), L"perch\u00E9");
    EXPECT_EQ(edit.GetNarrowText(), "perch\xE9");
    EXPECT_EQ(edit.text, L"perch\u00E9");
    SetWindowTextW(edit.hwnd, L"");
    EXPECT_EQ(edit.GetText(), L"");
}

TEST_F(ElementTest, KillFocusReportsAChangedTextAfterItsOwnHandler)
{
    TestEdit edit(&form);
    edit.killFocusHandler = [](GUIElement*) { events.push_back("killfocus"); };
    edit.textChangedHandler = [](GUIElement*) { events.push_back("changed"); };
    edit.setFocusHandler = [](GUIElement*) {
        events.push_back("setfocus");
        return 0;
    };
    edit.Create();
    edit.SetText("abc");
    SendMessageW(edit.hwnd, WM_SETFOCUS, 0, 0);
    SendMessageW(edit.hwnd, WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"setfocus", "killfocus"}));
    SendMessageW(edit.hwnd, WM_SETFOCUS, 0, 0);
    SetWindowTextW(edit.hwnd, L"abd");
    SendMessageW(edit.hwnd, WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"setfocus", "killfocus", "setfocus", "killfocus", "changed"}));
}

TEST_F(ElementTest, BackColorSetBeforeCreateIsOnlyStored)
{
    TestEdit edit(&form);
    edit.SetBackColor(0x0000FF);
    edit.Create();
    EXPECT_EQ(edit.backColor, 0x0000FF);
    EXPECT_FALSE(edit.backColorApplied);
}

TEST_F(ElementTest, BackColorSetOnALiveWindowPaintsItAndEveryPaintAgain)
{
    static int paints = 0;
    form.paintHandler = [](GUIElement*) { ++paints; };
    form.SetBackColor(0x3366CC);
    EXPECT_TRUE(form.backColorApplied);
    EXPECT_EQ(PixelOf(form.hwnd, 10, 10), COLORREF(0x3366CC));
    InvalidateRect(form.hwnd, nullptr, TRUE);
    UpdateWindow(form.hwnd);
    EXPECT_EQ(PixelOf(form.hwnd, 200, 100), COLORREF(0x3366CC));
    EXPECT_GE(paints, 1);
}

TEST_F(ElementTest, AnEmptyTooltipMakesNoTooltipWindow)
{
    TestEdit edit(&form);
    edit.Create();
    EXPECT_EQ(edit.tooltipWindow, nullptr);
}

TEST_F(ElementTest, ATooltipCoversTheClientAreaAndLongTextIsCut)
{
    TestEdit edit(&form);
    edit.tooltip = "Suggerimento";
    edit.Create();
    ASSERT_NE(edit.tooltipWindow, nullptr);
    EXPECT_EQ(ClassNameOf(edit.tooltipWindow), L"tooltips_class32");
    EXPECT_EQ(SendMessageW(edit.tooltipWindow, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(TooltipText(edit.tooltipWindow, edit.hwnd), L"Suggerimento");

    edit.tooltip = std::string(3000, 'a');
    edit.SetSize(150, 30);
    EXPECT_EQ(TooltipText(edit.tooltipWindow, edit.hwnd).size(), 2023u);
}

TEST_F(ElementTest, ReadPositionOfAFormIsInScreenCoordinates)
{
    form.SetPosition(210, 160);
    POINT position = form.ReadPosition();
    EXPECT_EQ(position.x, 210);
    EXPECT_EQ(position.y, 160);
}
