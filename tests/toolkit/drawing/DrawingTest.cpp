#include "toolkit/drawing/Drawing.h"

#include "tests/support/GdiObjectCount.h"
#include "tests/support/PixelCanvas.h"
#include "toolkit/drawing/FontRecord.h"
#include "toolkit/drawing/GdiObject.h"

#include <gtest/gtest.h>

using namespace KavoUtility;

namespace {

constexpr COLORREF kBackground = RGB(30, 60, 90);
constexpr COLORREF kInk = RGB(200, 10, 120);
constexpr COLORREF kBlack = RGB(0, 0, 0);

bool Inside(int32_t x, int32_t y, RECT box)
{
    return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
}

struct Box {
    int32_t x, y, width, height;
};

// Drawing on a memory canvas: the pass is the caller's context.
struct CanvasDrawing {
    PixelCanvas canvas{40, 30, kBackground};
    Drawing drawing{nullptr};
    CanvasDrawing() { drawing.AttachDC(canvas.Context()); }
};

class FillAreaTest : public ::testing::TestWithParam<Box> {};

TEST_P(FillAreaTest, FillsAllButTheRightColumnAndBottomRow)
{
    Box b = GetParam();
    CanvasDrawing target;
    target.drawing.FillArea(b.x, b.y, b.width, b.height, kInk);
    RECT filled{b.x, b.y, b.x + b.width - 1, b.y + b.height - 1};
    EXPECT_EQ(target.canvas.FirstDifference([&](int32_t x, int32_t y) {
        return Inside(x, y, filled) ? kInk : kBackground;
    }), "");
}

INSTANTIATE_TEST_SUITE_P(Boxes, FillAreaTest,
    ::testing::Values(Box{0, 0, 10, 10}, Box{3, 4, 10, 6}, Box{7, 2, 2, 20}, Box{5, 5, 1, 1}),
    [](const ::testing::TestParamInfo<Box>& info) { return "Box" + std::to_string(info.index); });

class DrawOutlineTest : public ::testing::TestWithParam<Box> {};

TEST_P(DrawOutlineTest, DrawsAOnePixelFrameAndLeavesTheInteriorAlone)
{
    Box b = GetParam();
    CanvasDrawing target;
    target.drawing.DrawOutline(b.x, b.y, b.width, b.height, kInk);
    RECT outer{b.x, b.y, b.x + b.width, b.y + b.height};
    RECT inner{b.x + 1, b.y + 1, b.x + b.width - 1, b.y + b.height - 1};
    EXPECT_EQ(target.canvas.FirstDifference([&](int32_t x, int32_t y) {
        return Inside(x, y, outer) && !Inside(x, y, inner) ? kInk : kBackground;
    }), "");
}

INSTANTIATE_TEST_SUITE_P(Boxes, DrawOutlineTest,
    ::testing::Values(Box{0, 0, 10, 10}, Box{3, 4, 20, 7}, Box{6, 6, 2, 2}),
    [](const ::testing::TestParamInfo<Box>& info) { return "Box" + std::to_string(info.index); });

TEST(Drawing, ShapesLeaveTheContextsPenAndBrushSelected)
{
    CanvasDrawing target;
    HGDIOBJ pen = GetCurrentObject(target.canvas.Context(), OBJ_PEN);
    HGDIOBJ brush = GetCurrentObject(target.canvas.Context(), OBJ_BRUSH);
    target.drawing.FillArea(1, 1, 5, 5, kInk);
    target.drawing.DrawOutline(1, 1, 5, 5, kInk);
    EXPECT_EQ(GetCurrentObject(target.canvas.Context(), OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(target.canvas.Context(), OBJ_BRUSH), brush);
}

// Black pixels on a diagonal grid, near-black reds on the first row, and
// colours that vary with both coordinates elsewhere.
COLORREF Pattern(int32_t x, int32_t y)
{
    if ((x + y) % 3 == 0) {
        return kBlack;
    }
    if (y == 0) {
        return RGB(x, 0, 0);
    }
    return RGB(x * 12 + 1, y * 20, 200 - x * y);
}

COLORREF AllBlack(int32_t, int32_t)
{
    return kBlack;
}

struct BlitCase {
    const char* name;
    Box target;
    POINT source;
    COLORREF textColor;
    COLORREF backColor;
};

class BlitMaskedTest : public ::testing::TestWithParam<BlitCase> {};

TEST_P(BlitMaskedTest, KeepsTheBackgroundUnderBlackAndCopiesEveryOtherPixel)
{
    const BlitCase& c = GetParam();
    GdiObject<HBITMAP> sheet(CreatePatternBitmap(20, 12, Pattern));
    CanvasDrawing target;
    SetTextColor(target.canvas.Context(), c.textColor);
    SetBkColor(target.canvas.Context(), c.backColor);
    const Box& b = c.target;
    target.drawing.BlitMasked(b.x, b.y, b.width, b.height, sheet.Get(), c.source.x, c.source.y);
    RECT box{b.x, b.y, b.x + b.width, b.y + b.height};
    EXPECT_EQ(target.canvas.FirstDifference([&](int32_t x, int32_t y) {
        if (!Inside(x, y, box)) {
            return kBackground;
        }
        COLORREF source = Pattern(x - b.x + c.source.x, y - b.y + c.source.y);
        return source == kBlack ? kBackground : source;
    }), "");
    EXPECT_EQ(GetTextColor(target.canvas.Context()), c.textColor);
    EXPECT_EQ(GetBkColor(target.canvas.Context()), c.backColor);
}

INSTANTIATE_TEST_SUITE_P(Cases, BlitMaskedTest,
    ::testing::Values(BlitCase{"WholeSheet", {0, 0, 20, 12}, {0, 0}, kBlack, RGB(255, 255, 255)},
        BlitCase{"PartAtAnOffset", {5, 6, 8, 7}, {4, 3}, kBlack, RGB(255, 255, 255)},
        BlitCase{"ContextWithOtherColours", {5, 6, 8, 7}, {4, 3}, RGB(255, 0, 0), RGB(0, 255, 0)}),
    [](const ::testing::TestParamInfo<BlitCase>& info) { return std::string(info.param.name); });

TEST(Drawing, AnAllBlackTileDrawsNothing)
{
    GdiObject<HBITMAP> sheet(CreatePatternBitmap(16, 16, AllBlack));
    CanvasDrawing target;
    target.drawing.BlitMasked(2, 3, 8, 8, sheet.Get(), 8, 0);
    EXPECT_EQ(target.canvas.CountOtherThan(kBackground, RECT{0, 0, 40, 30}), 0);
}

TEST(Drawing, BlitMaskedLeavesTheCallersBitmapUsable)
{
    GdiObject<HBITMAP> sheet(CreatePatternBitmap(20, 12, Pattern));
    CanvasDrawing target;
    target.drawing.BlitMasked(0, 0, 20, 12, sheet.Get(), 0, 0);
    PixelCanvas copy(20, 12, kBackground);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(source, sheet.Get());
    EXPECT_NE(previous, nullptr) << "the bitmap is still selected somewhere";
    BitBlt(copy.Context(), 0, 0, 20, 12, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    EXPECT_EQ(copy.FirstDifference(Pattern), "");
}

class CountingDrawing : public Drawing {
public:
    using Drawing::Drawing;
    int errors = 0;
    void OnDrawingError() override { ++errors; }
};

TEST(Drawing, BlitMaskedReportsEachFailedStepAndGoesOn)
{
    GdiObject<HBITMAP> sheet(CreatePatternBitmap(20, 12, Pattern));
    CountingDrawing drawing(nullptr);
    drawing.AttachDC(reinterpret_cast<HDC>(static_cast<intptr_t>(0x7FF0)));
    drawing.BlitMasked(0, 0, 20, 12, sheet.Get(), 0, 0);
    // Both memory contexts and all three copies fail; the mask is still made.
    EXPECT_EQ(drawing.errors, 5);
}

TEST(Drawing, OperationsWithoutAPassDoNothing)
{
    GdiObject<HBITMAP> sheet(CreatePatternBitmap(20, 12, Pattern));
    CountingDrawing drawing(nullptr);
    drawing.FillArea(0, 0, 10, 10, kInk);
    drawing.DrawOutline(0, 0, 10, 10, kInk);
    drawing.BlitMasked(0, 0, 20, 12, sheet.Get(), 0, 0);
    drawing.WriteText("text", 0, 0, 0, 0, kInk, nullptr, AlignLeft);
    EXPECT_EQ(drawing.errors, 0);
    EXPECT_EQ(drawing.dc, nullptr);
}

TEST(Drawing, EndDrawForgetsAnAttachedContextWithoutReleasingIt)
{
    PixelCanvas canvas(4, 4, kBackground);
    Drawing drawing(nullptr);
    drawing.EndDraw();
    drawing.AttachDC(canvas.Context());
    EXPECT_EQ(drawing.dc, canvas.Context());
    EXPECT_TRUE(drawing.attached);
    drawing.EndDraw();
    drawing.EndDraw();
    EXPECT_EQ(drawing.dc, nullptr);
    EXPECT_FALSE(drawing.attached);
    EXPECT_EQ(GetObjectType(canvas.Context()), static_cast<DWORD>(OBJ_MEMDC));
}

void DrawEverything(Drawing& drawing, HBITMAP sheet, FontRecord& font)
{
    drawing.FillArea(1, 1, 20, 20, kInk);
    drawing.DrawOutline(1, 1, 20, 20, kInk);
    drawing.BlitMasked(2, 2, 10, 10, sheet, 3, 1);
    drawing.WriteText("Ab", 0, 0, 30, 20, kInk, &font, AlignCenter);
    drawing.WriteText(L"Ab", 0, 0, 0, 0, kInk, &font, AlignLeft);
    drawing.MeasureTextHeight(&font);
}

TEST(Drawing, LeavesNoGdiObjectBehindWhenRepeated)
{
    GdiObject<HBITMAP> sheet(CreatePatternBitmap(20, 12, Pattern));
    FontRecord font("Tahoma", 14);
    CanvasDrawing target;
    DrawEverything(target.drawing, sheet.Get(), font);
    int32_t before = GdiObjectCount();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 2000; ++i) {
        DrawEverything(target.drawing, sheet.Get(), font);
    }
    EXPECT_EQ(GdiObjectCount(), before);
}

} // namespace
