#include "toolkit/drawing/ImageFrame.h"

#include "tests/support/GdiObjectCount.h"
#include "tests/support/MessagePump.h"
#include "tests/support/PixelCanvas.h"
#include "resources/ResourceIds.h"
#include "toolkit/core/Form.h"
#include "toolkit/drawing/GdiObject.h"

#include <gtest/gtest.h>

using namespace KavoUtility;

namespace {

constexpr int32_t kTileWidth = 54;
constexpr int32_t kTileHeight = 90;
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A sheet of 8 x 5 tiles like the card sheet. Every pixel tells its own
// position (never pure black), except for scattered black pixels and the
// all-black tile (7, 1).
COLORREF SheetColor(int32_t x, int32_t y)
{
    const bool blankTile = x >= 7 * kTileWidth && y >= kTileHeight && y < 2 * kTileHeight;
    if (blankTile || (x * 7 + y * 3) % 11 == 0) {
        return kBlack;
    }
    return RGB(x & 0xFF, y & 0xFF, 0x80 | ((x >> 8) << 4) | (y >> 8));
}

int paints = 0;

void CountPaint(GUIElement*)
{
    ++paints;
}

struct CardHost {
    Form form{GetModuleHandleW(nullptr)};
    GdiObject<HBITMAP> sheet{CreatePatternBitmap(8 * kTileWidth, 5 * kTileHeight, SheetColor)};
    ImageFrame card{&form, sheet.Get(), 3, 0};

    CardHost()
    {
        form.SetSize(300, 300);
        form.Create();
        card.SetPosition(10, 10);
        card.SetSize(kTileWidth, kTileHeight);
        card.paintHandler = CountPaint;
    }
    ~CardHost() { DestroyWindow(form.hwnd); }

    // What the card shows: tile (column, row) with `background` under black.
    std::string Shows(int32_t column, int32_t row, COLORREF background)
    {
        PumpPending();
        PixelCanvas canvas(kTileWidth, kTileHeight, RGB(1, 2, 3));
        canvas.CaptureClient(card.hwnd);
        return canvas.FirstDifference([&](int32_t x, int32_t y) {
            COLORREF source = SheetColor(column * kTileWidth + x, row * kTileHeight + y);
            return source == kBlack ? background : source;
        });
    }
};

TEST(ImageFrame, IsAPanelThatTakesNoTabStop)
{
    CardHost host;
    EXPECT_EQ(host.card.sheet, host.sheet.Get());
    EXPECT_EQ(host.card.column, 3);
    EXPECT_EQ(host.card.row, 0);
    EXPECT_FALSE(host.card.tabStop);
    EXPECT_EQ(host.card.typeName, "panel");
    host.card.Create();
    EXPECT_EQ(GetWindowLongW(host.card.hwnd, GWL_STYLE) & WS_TABSTOP, 0);
}

struct BackgroundCase {
    const char* name;
    int32_t backColor;
};

class ImageFrameTileTest : public ::testing::TestWithParam<BackgroundCase> {};

TEST_P(ImageFrameTileTest, CopiesItsTileWithBlackShowingTheBackground)
{
    const int32_t backColor = GetParam().backColor;
    CardHost host;
    host.card.SetBackColor(backColor);
    host.card.Create();
    const COLORREF background = backColor == -1 ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(backColor);
    // Tile (3, 0) of a 54 x 90 frame is the sheet rectangle (162, 0)-(216, 90).
    EXPECT_EQ(host.Shows(3, 0, background), "");
    EXPECT_GE(paints, 1);
}

INSTANTIATE_TEST_SUITE_P(Backgrounds, ImageFrameTileTest,
    ::testing::Values(BackgroundCase{"SystemFace", -1}, BackgroundCase{"Black", 0},
        BackgroundCase{"Navy", RGB(0, 0, 128)}),
    [](const ::testing::TestParamInfo<BackgroundCase>& info) { return std::string(info.param.name); });

// The game's own sheet: an 8-bit picture loaded as a device bitmap.
TEST(ImageFrame, ShowsTilesOfTheCardSheetResource)
{
    constexpr COLORREF kBoard = RGB(0, 0, 128);
    GdiObject<HBITMAP> cards(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_CARDS)));
    ASSERT_TRUE(cards);
    PixelCanvas sheet(8 * kTileWidth, 5 * kTileHeight, 0);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(source, cards.Get());
    BitBlt(sheet.Context(), 0, 0, sheet.Width(), sheet.Height(), source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);

    Form form(GetModuleHandleW(nullptr));
    form.SetSize(300, 300);
    form.Create();
    ImageFrame card(&form, cards.Get(), 3, 0);
    card.SetSize(kTileWidth, kTileHeight);
    card.SetBackColor(kBoard);
    card.Create();
    for (POINT tile : {POINT{3, 0}, POINT{0, 1}, POINT{7, 1}}) {
        card.SetTile(tile.x, tile.y);
        PumpPending();
        PixelCanvas shown(kTileWidth, kTileHeight, RGB(1, 2, 3));
        shown.CaptureClient(card.hwnd);
        EXPECT_EQ(shown.FirstDifference([&](int32_t x, int32_t y) {
            COLORREF source = sheet.Pixel(tile.x * kTileWidth + x, tile.y * kTileHeight + y);
            return source == kBlack ? kBoard : source;
        }), "") << "tile (" << tile.x << ", " << tile.y << ")";
        const bool blank = tile.x == 7 && tile.y == 1;
        EXPECT_EQ(shown.CountOtherThan(kBoard, RECT{0, 0, kTileWidth, kTileHeight}) > 0, !blank)
            << "tile (" << tile.x << ", " << tile.y << ")";
    }
    DestroyWindow(form.hwnd);
}

TEST(ImageFrame, TheBlankTileShowsOnlyTheBackground)
{
    CardHost host;
    host.card.SetBackColor(RGB(0, 0, 128));
    host.card.Create();
    host.card.SetTile(7, 1);
    PumpPending();
    PixelCanvas canvas(kTileWidth, kTileHeight, RGB(1, 2, 3));
    canvas.CaptureClient(host.card.hwnd);
    EXPECT_EQ(canvas.FirstDifference([](int32_t, int32_t) { return RGB(0, 0, 128); }), "");
}

TEST(ImageFrame, SetTileBeforeCreateOnlyStoresTheTile)
{
    CardHost host;
    PumpPending();
    host.card.SetTile(5, 2);
    EXPECT_EQ(host.card.column, 5);
    EXPECT_EQ(host.card.row, 2);
    EXPECT_FALSE(GetUpdateRect(host.form.hwnd, nullptr, FALSE)) << "something was invalidated";
    host.card.Create();
    EXPECT_EQ(host.Shows(5, 2, GetSysColor(COLOR_BTNFACE)), "");
}

TEST(ImageFrame, SetTileOnALiveCardInvalidatesItAndShowsTheNewTile)
{
    CardHost host;
    host.card.Create();
    PumpPending();
    host.card.SetTile(6, 4);
    RECT dirty{};
    EXPECT_TRUE(GetUpdateRect(host.card.hwnd, &dirty, FALSE));
    EXPECT_EQ(dirty.right - dirty.left, kTileWidth);
    EXPECT_EQ(dirty.bottom - dirty.top, kTileHeight);
    EXPECT_EQ(host.Shows(6, 4, GetSysColor(COLOR_BTNFACE)), "");
}

TEST(ImageFrame, RepaintsTheColourOfSetBackColorUnderEveryBlackPixel)
{
    CardHost host;
    host.card.Create();
    PumpPending();
    host.card.SetBackColor(RGB(0, 128, 0));
    InvalidateRect(host.card.hwnd, nullptr, TRUE);
    paints = 0;
    EXPECT_EQ(host.Shows(3, 0, RGB(0, 128, 0)), "");
    EXPECT_EQ(paints, 1);
    EXPECT_TRUE(host.card.backColorApplied);
}

TEST(ImageFrame, WithoutASheetPaintsOnlyTheBackgroundAndStillCallsThePaintHandler)
{
    CardHost host;
    host.card.sheet = nullptr;
    host.card.Create();
    PumpPending();
    paints = 0;
    InvalidateRect(host.card.hwnd, nullptr, TRUE);
    PumpPending();
    EXPECT_EQ(paints, 1);
    PixelCanvas canvas(kTileWidth, kTileHeight, RGB(1, 2, 3));
    canvas.CaptureClient(host.card.hwnd);
    EXPECT_EQ(canvas.FirstDifference([](int32_t, int32_t) { return GetSysColor(COLOR_BTNFACE); }), "");
}

TEST(ImageFrame, RepaintingLeavesNoGdiObjectBehind)
{
    CardHost host;
    host.card.Create();
    PumpPending();
    const int32_t before = GdiObjectCount();
    paints = 0;
    for (int i = 0; i < 3000; ++i) {
        InvalidateRect(host.card.hwnd, nullptr, TRUE);
        UpdateWindow(host.card.hwnd);
    }
    EXPECT_EQ(paints, 3000);
    EXPECT_EQ(GdiObjectCount(), before);
}

} // namespace
