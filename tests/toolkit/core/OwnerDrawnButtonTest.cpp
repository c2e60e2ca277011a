#include "tests/toolkit/core/TestElements.h"
#include "toolkit/controls/Button.h"
#include "toolkit/core/Form.h"

#include <gtest/gtest.h>

using namespace KavoUtility;

namespace {

constexpr int buttonWidth = 80;
constexpr int buttonHeight = 30;
constexpr COLORREF contextText = 0x102030;
constexpr COLORREF contextBack = 0xE0E0E0;

// A memory context standing in for the one the system hands to WM_DRAWITEM.
class ItemCanvas {
public:
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    HGDIOBJ previous;

    ItemCanvas()
    {
        HDC screen = GetDC(nullptr);
        bitmap = CreateCompatibleBitmap(screen, buttonWidth, buttonHeight);
        ReleaseDC(nullptr, screen);
        previous = SelectObject(dc, bitmap);
        SetTextColor(dc, contextText);
        SetBkColor(dc, contextBack);
    }

    ~ItemCanvas()
    {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }

    int CountInside(COLORREF color) const
    {
        int count = 0;
        for (int y = 1; y < buttonHeight - 1; ++y) {
            for (int x = 1; x < buttonWidth - 1; ++x) {
                count += GetPixel(dc, x, y) == color ? 1 : 0;
            }
        }
        return count;
    }
};

struct DrawCase {
    const char* name;
    UINT state;
    COLORREF frame;
    COLORREF text;
};

const DrawCase drawCases[] = {
    {"Normal", 0, contextText, contextText},
    {"Pressed", ODS_SELECTED, 0xFFFFFF - contextText, contextText},
    {"Disabled", ODS_DISABLED, 0x696969, 0x969696},
    {"DisabledWinsOverPressed", ODS_DISABLED | ODS_SELECTED, 0x696969, 0x969696},
};

class OwnerDrawnButton : public testing::TestWithParam<DrawCase> {
protected:
    Form form{GetModuleHandleW(nullptr)};

    void SetUp() override { form.Create(); }
    void TearDown() override { DestroyWindow(form.hwnd); }

    LRESULT SendDrawItem(const Button& button, HDC dc, UINT type, UINT state)
    {
        DRAWITEMSTRUCT item{};
        item.CtlType = type;
        item.CtlID = static_cast<UINT>(button.id);
        item.itemState = state;
        item.hwndItem = button.hwnd;
        item.hDC = dc;
        item.rcItem = RECT{0, 0, buttonWidth, buttonHeight};
        return SendMessageW(form.hwnd, WM_DRAWITEM, static_cast<WPARAM>(button.id), reinterpret_cast<LPARAM>(&item));
    }
};

} // namespace

TEST_P(OwnerDrawnButton, DrawsFrameFillAndText)
{
    const DrawCase& c = GetParam();
    Button button(&form, "Inizia");
    button.ownerDraw = true;
    button.Create();
    ItemCanvas canvas;
    EXPECT_EQ(SendDrawItem(button, canvas.dc, ODT_BUTTON, c.state), 1);
    EXPECT_EQ(GetPixel(canvas.dc, 0, 0), c.frame);
    EXPECT_EQ(GetPixel(canvas.dc, buttonWidth - 1, buttonHeight - 1), c.frame);
    EXPECT_EQ(GetPixel(canvas.dc, 2, 2), contextBack);
    EXPECT_GT(canvas.CountInside(c.text), 10);
}

INSTANTIATE_TEST_SUITE_P(Cases, OwnerDrawnButton, testing::ValuesIn(drawCases),
    [](const testing::TestParamInfo<DrawCase>& info) { return std::string(info.param.name); });

TEST_F(OwnerDrawnButton, OtherItemsAreLeftToDefaultProcessing)
{
    Button button(&form, "Inizia");
    button.Create();
    ItemCanvas canvas;
    PatBlt(canvas.dc, 0, 0, buttonWidth, buttonHeight, WHITENESS);
    EXPECT_EQ(SendDrawItem(button, canvas.dc, ODT_STATIC, 0), 0);
    EXPECT_EQ(GetPixel(canvas.dc, 0, 0), COLORREF(0xFFFFFF));
}
