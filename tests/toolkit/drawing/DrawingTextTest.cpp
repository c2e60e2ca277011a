#include "toolkit/drawing/Drawing.h"

#include "tests/support/PixelCanvas.h"
#include "toolkit/drawing/FontRecord.h"

#include <gtest/gtest.h>

using namespace KavoUtility;

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(0, 0, 160);
constexpr int32_t kCanvasWidth = 240;
constexpr int32_t kCanvasHeight = 60;

// What WriteText should match: the same text drawn by the call named in
// `draw`, with the same font, colour and transparent background.
template <typename Draw>
void DrawReference(PixelCanvas& canvas, FontRecord& font, Draw draw)
{
    HDC dc = canvas.Context();
    HGDIOBJ previous = SelectObject(dc, font.GetFontHandle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kInk);
    draw(dc);
    SelectObject(dc, previous);
}

struct TextCanvas {
    FontRecord font{"Arial", 20};
    PixelCanvas canvas{kCanvasWidth, kCanvasHeight, kPaper};
    PixelCanvas reference{kCanvasWidth, kCanvasHeight, kPaper};
    Drawing drawing{nullptr};
    TextCanvas() { drawing.AttachDC(canvas.Context()); }

    int32_t Ink() const { return canvas.CountOtherThan(kPaper, RECT{0, 0, kCanvasWidth, kCanvasHeight}); }
};

struct PointCase {
    const char* name;
    int32_t width;
    int32_t height;
};

class WriteTextFromAPointTest : public ::testing::TestWithParam<PointCase> {};

TEST_P(WriteTextFromAPointTest, DrawsWithTextOutWhenASideIsZero)
{
    const PointCase& c = GetParam();
    TextCanvas t;
    t.drawing.WriteText("Wg&&x", 50, 30, c.width, c.height, kInk, &t.font, AlignRight);
    DrawReference(t.reference, t.font, [](HDC dc) { TextOutW(dc, 50, 30, L"Wg&&x", 5); });
    EXPECT_GT(t.Ink(), 0);
    EXPECT_TRUE(t.canvas.SameAs(t.reference)) << "not what TextOutW draws at (50, 30)";
}

INSTANTIATE_TEST_SUITE_P(Sides, WriteTextFromAPointTest,
    ::testing::Values(PointCase{"ZeroWidth", 0, 40}, PointCase{"ZeroHeight", 200, 0}, PointCase{"BothZero", 0, 0}),
    [](const ::testing::TestParamInfo<PointCase>& info) { return std::string(info.param.name); });

struct AlignCase {
    const char* name;
    int32_t code;
    UINT format;
};

class WriteTextAlignTest : public ::testing::TestWithParam<AlignCase> {};

TEST_P(WriteTextAlignTest, MapsTheCodeToTheDrawTextFormat)
{
    const AlignCase& c = GetParam();
    TextCanvas t;
    t.drawing.WriteText(L"Ab\ncdef", 20, 5, 200, 50, kInk, &t.font, static_cast<TextAlign>(c.code));
    DrawReference(t.reference, t.font, [&](HDC dc) {
        RECT box{20, 5, 220, 55};
        DrawTextW(dc, L"Ab\ncdef", 7, &box, c.format);
    });
    EXPECT_GT(t.Ink(), 0);
    EXPECT_TRUE(t.canvas.SameAs(t.reference)) << "alignment code " << c.code << " is not format " << c.format;
}

INSTANTIATE_TEST_SUITE_P(Codes, WriteTextAlignTest,
    ::testing::Values(AlignCase{"Left", 0, DT_LEFT}, AlignCase{"Right", 1, DT_RIGHT},
        AlignCase{"Center", 2, DT_CENTER}, AlignCase{"OutOfRange", 7, DT_LEFT},
        AlignCase{"Negative", -1, DT_LEFT}),
    [](const ::testing::TestParamInfo<AlignCase>& info) { return std::string(info.param.name); });

TEST(WriteText, AlignsRightAndCentreWithinTheBox)
{
    TextCanvas right;
    right.drawing.WriteText("Ab", 20, 5, 200, 50, kInk, &right.font, AlignRight);
    POINT ink = right.canvas.InkColumns(kPaper);
    EXPECT_GE(ink.y, 210);
    EXPECT_LT(ink.y, 220);

    TextCanvas centre;
    centre.drawing.WriteText("Ab", 20, 5, 200, 50, kInk, &centre.font, AlignCenter);
    ink = centre.canvas.InkColumns(kPaper);
    EXPECT_NEAR(ink.x - 20, 220 - 1 - ink.y, 4);
}

TEST(WriteText, ADoubleAmpersandInABoxDrawsOneAmpersand)
{
    TextCanvas t;
    t.drawing.WriteText("A&&B", 10, 10, 200, 40, kInk, &t.font, AlignLeft);
    DrawReference(t.reference, t.font, [](HDC dc) { TextOutW(dc, 10, 10, L"A&B", 3); });
    EXPECT_GT(t.Ink(), 0);
    EXPECT_TRUE(t.canvas.SameAs(t.reference)) << "not the text A&B";
}

TEST(WriteText, ClipsToTheBox)
{
    TextCanvas t;
    t.drawing.WriteText("Wg", 10, 10, 200, 6, kInk, &t.font, AlignLeft);
    EXPECT_GT(t.Ink(), 0);
    EXPECT_EQ(t.canvas.CountOtherThan(kPaper, RECT{0, 16, kCanvasWidth, kCanvasHeight}), 0);
}

struct CutCase {
    const char* name;
    int32_t width;
};

class WriteTextCutTest : public ::testing::TestWithParam<CutCase> {};

// 1,022 dots and then Ws: the text is placed so that the 1,023rd character
// lands at x = 10. Only that W may be drawn, none of the Ws after it.
TEST_P(WriteTextCutTest, DrawsAtMostTheFirst1023Characters)
{
    TextCanvas t;
    std::wstring text = std::wstring(1022, L'.') + std::wstring(478, L'W');
    SIZE dots{}, letter{};
    HGDIOBJ previous = SelectObject(t.canvas.Context(), t.font.GetFontHandle());
    GetTextExtentPoint32W(t.canvas.Context(), text.c_str(), 1022, &dots);
    GetTextExtentPoint32W(t.canvas.Context(), L"W", 1, &letter);
    SelectObject(t.canvas.Context(), previous);
    int32_t x = 10 - dots.cx;
    int32_t width = GetParam().width == 0 ? 0 : dots.cx + 10 * letter.cx;

    t.drawing.WriteText(text, x, 10, width, 40, kInk, &t.font, AlignLeft);

    POINT ink = t.canvas.InkColumns(kPaper);
    EXPECT_GE(ink.y, 10) << "the 1,023rd character is missing";
    EXPECT_LT(ink.y, 10 + letter.cx) << "characters after the 1,023rd were drawn";
}

INSTANTIATE_TEST_SUITE_P(Paths, WriteTextCutTest,
    ::testing::Values(CutCase{"TextOut", 0}, CutCase{"DrawText", 1}),
    [](const ::testing::TestParamInfo<CutCase>& info) { return std::string(info.param.name); });

TEST(WriteText, AnEmbeddedNulEndsTheText)
{
    TextCanvas t;
    t.drawing.WriteText(std::wstring(L"Ab\0WWWW", 7), 10, 10, 0, 0, kInk, &t.font, AlignLeft);
    DrawReference(t.reference, t.font, [](HDC dc) { TextOutW(dc, 10, 10, L"Ab", 2); });
    EXPECT_TRUE(t.canvas.SameAs(t.reference));
}

TEST(WriteText, NarrowTextIsWidenedByteForByte)
{
    TextCanvas t;
    t.drawing.WriteText("cos\xEC", 10, 10, 0, 0, kInk, &t.font, AlignLeft);
    DrawReference(t.reference, t.font, [](HDC dc) { TextOutW(dc, 10, 10, L"cos\u00EC", 4); });
    EXPECT_GT(t.Ink(), 0);
    EXPECT_TRUE(t.canvas.SameAs(t.reference));
}

TEST(WriteText, RestoresColourAndFontAndLeavesTheBackgroundTransparent)
{
    TextCanvas t;
    HDC dc = t.canvas.Context();
    SetTextColor(dc, RGB(1, 2, 3));
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    t.drawing.WriteText("x", 0, 0, 50, 50, kInk, &t.font, AlignLeft);
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
}

TEST(WriteText, WithoutAFontRecordUsesTheContextsFont)
{
    TextCanvas t;
    SelectObject(t.canvas.Context(), t.font.GetFontHandle());
    t.drawing.WriteText("Wg", 10, 10, 0, 0, kInk, nullptr, AlignLeft);
    DrawReference(t.reference, t.font, [](HDC dc) { TextOutW(dc, 10, 10, L"Wg", 2); });
    EXPECT_TRUE(t.canvas.SameAs(t.reference));
    SelectObject(t.canvas.Context(), GetStockObject(SYSTEM_FONT));
}

TEST(MeasureTextHeight, AnswersTheFontsCellHeight)
{
    TextCanvas t;
    TEXTMETRICW metrics{};
    HGDIOBJ previous = SelectObject(t.canvas.Context(), t.font.GetFontHandle());
    GetTextMetricsW(t.canvas.Context(), &metrics);
    SelectObject(t.canvas.Context(), previous);
    EXPECT_EQ(t.drawing.MeasureTextHeight(&t.font), metrics.tmHeight);
    EXPECT_EQ(GetCurrentObject(t.canvas.Context(), OBJ_FONT), previous);
}

TEST(MeasureTextHeight, AnswersMinusOneWithoutAPassOrAFont)
{
    FontRecord font("Tahoma", 14);
    Drawing closed(nullptr);
    EXPECT_EQ(closed.MeasureTextHeight(&font), -1);
    TextCanvas t;
    EXPECT_EQ(t.drawing.MeasureTextHeight(nullptr), -1);
}

} // namespace
