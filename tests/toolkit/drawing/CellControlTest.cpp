#include "toolkit/drawing/CellControl.h"

#include "tests/support/GdiObjectCount.h"
#include "tests/support/MessagePump.h"
#include "tests/support/PixelCanvas.h"
#include "toolkit/core/Form.h"
#include "toolkit/drawing/FontRecord.h"

#include <gtest/gtest.h>

using namespace KavoUtility;

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

int paints = 0;

void CountPaint(GUIElement*)
{
    ++paints;
}

// The clock of the game: green on black, 110 x 40, text "00:00:00".
struct CellHost {
    Form form{GetModuleHandleW(nullptr)};
    CellControl cell{&form};

    CellHost()
    {
        form.SetSize(300, 200);
        form.Create();
        cell.SetPosition(10, 10);
        cell.SetSize(110, 40);
        cell.SetBackColor(kBlack);
        cell.SetColor(kGreen);
        cell.SetText(std::string("00:00:00"));
        cell.paintHandler = CountPaint;
    }
    ~CellHost() { DestroyWindow(form.hwnd); }

    SIZE Client() const
    {
        RECT client{};
        GetClientRect(cell.hwnd, &client);
        return SIZE{client.right, client.bottom};
    }

    void Capture(PixelCanvas& canvas)
    {
        PumpPending();
        canvas.CaptureClient(cell.hwnd);
    }
};

int32_t CellHeight(FontRecord& font)
{
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font.GetFontHandle());
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight;
}

// What the cell should show: `text` drawn with DrawTextW from the offset
// that `measured` gives, across the whole client width.
void DrawExpected(PixelCanvas& canvas, const wchar_t* text, FontRecord& drawing, int32_t measured, UINT format,
    bool marker = false)
{
    HDC dc = canvas.Context();
    HGDIOBJ previous = SelectObject(dc, drawing.GetFontHandle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kGreen);
    const int32_t top = (canvas.Height() - measured) / 2;
    RECT box{0, top, canvas.Width(), canvas.Height()};
    DrawTextW(dc, text, -1, &box, format);
    if (marker) {
        RECT square{canvas.Width() - measured, canvas.Height() - measured, canvas.Width(), canvas.Height()};
        DrawTextW(dc, L"*", 1, &square, DT_CENTER);
    }
    SelectObject(dc, previous);
}

TEST(CellControl, StartsWithTheClockDefaults)
{
    Form form(GetModuleHandleW(nullptr));
    CellControl cell(&form);
    EXPECT_FALSE(cell.marker || cell.bold || cell.underline || cell.italic || cell.tabStop);
    EXPECT_EQ(cell.faceName, "Tahoma");
    EXPECT_EQ(cell.fontHeight, 14);
    EXPECT_EQ(cell.align, AlignCenter);
    EXPECT_EQ(cell.textColor, 0u);
    EXPECT_EQ(cell.typeName, "panel");
}

struct AlignCase {
    const char* name;
    int32_t code;
    UINT format;
    bool border;
};

class CellAlignTest : public ::testing::TestWithParam<AlignCase> {};

TEST_P(CellAlignTest, CentresTheTextVerticallyAndAlignsItAcrossTheClientArea)
{
    const AlignCase& c = GetParam();
    CellHost host;
    host.cell.border = c.border;
    host.cell.SetAlign(static_cast<TextAlign>(c.code));
    host.cell.Create();
    const SIZE client = host.Client();
    // The border is a line and the sunken edge: 3 pixels a side.
    EXPECT_EQ(client.cx, c.border ? 104 : 110);

    PixelCanvas shown(client.cx, client.cy, RGB(1, 2, 3));
    host.Capture(shown);
    PixelCanvas expected(client.cx, client.cy, kBlack);
    FontRecord own("Tahoma", 14);
    DrawExpected(expected, L"00:00:00", own, CellHeight(own), c.format);
    EXPECT_GT(expected.CountOtherThan(kBlack, RECT{0, 0, client.cx, client.cy}), 0);
    EXPECT_TRUE(shown.SameAs(expected)) << "alignment code " << c.code;
}

INSTANTIATE_TEST_SUITE_P(Codes, CellAlignTest,
    ::testing::Values(AlignCase{"Left", 0, DT_LEFT, false}, AlignCase{"Right", 1, DT_RIGHT, false},
        AlignCase{"Centre", 2, DT_CENTER, false}, AlignCase{"OutOfRange", 7, DT_LEFT, false},
        AlignCase{"CentreInsideABorder", 2, DT_CENTER, true}),
    [](const ::testing::TestParamInfo<AlignCase>& info) { return std::string(info.param.name); });

TEST(CellControl, LeftAndRightTextTouchTheEdges)
{
    CellHost host;
    host.cell.SetAlign(AlignLeft);
    host.cell.Create();
    PixelCanvas shown(110, 40, RGB(1, 2, 3));
    host.Capture(shown);
    EXPECT_LT(shown.InkColumns(kBlack).x, 5);
    host.cell.SetAlign(AlignRight);
    host.Capture(shown);
    EXPECT_GT(shown.InkColumns(kBlack).y, 104);
}

TEST(CellControl, TheOffsetComesFromTheOwnDescriptionWhenAnotherFontDraws)
{
    FontRecord large("Arial", 28);
    CellHost host;
    host.cell.font = &large;
    host.cell.Create();
    PixelCanvas shown(110, 40, RGB(1, 2, 3));
    host.Capture(shown);
    PixelCanvas expected(110, 40, kBlack);
    FontRecord own("Tahoma", 14);
    DrawExpected(expected, L"00:00:00", large, CellHeight(own), DT_CENTER);
    EXPECT_TRUE(shown.SameAs(expected));
}

TEST(CellControl, DrawsTheMarkerCentredInTheBottomRightSquare)
{
    CellHost host;
    host.cell.marker = true;
    host.cell.Create();
    PixelCanvas shown(110, 40, RGB(1, 2, 3));
    host.Capture(shown);
    PixelCanvas expected(110, 40, kBlack);
    FontRecord own("Tahoma", 14);
    DrawExpected(expected, L"00:00:00", own, CellHeight(own), DT_CENTER, true);
    EXPECT_TRUE(shown.SameAs(expected));
}

TEST(CellControl, TheOwnDescriptionCarriesItsStyles)
{
    CellHost host;
    host.cell.bold = true;
    host.cell.italic = true;
    host.cell.underline = true;
    host.cell.faceName = "Lucida Console";
    host.cell.fontHeight = 18;
    host.cell.Create();
    PixelCanvas shown(110, 40, RGB(1, 2, 3));
    host.Capture(shown);
    PixelCanvas expected(110, 40, kBlack);
    FontRecord own("Lucida Console", 18);
    own.bold = own.italic = own.underline = true;
    DrawExpected(expected, L"00:00:00", own, CellHeight(own), DT_CENTER);
    EXPECT_TRUE(shown.SameAs(expected));
}

TEST(CellControl, AnEmptyCellShowsOnlyItsBackgroundEvenWithAMarker)
{
    CellHost host;
    host.cell.marker = true;
    host.cell.SetText(std::string());
    host.cell.Create();
    paints = 0;
    PixelCanvas shown(110, 40, RGB(1, 2, 3));
    InvalidateRect(host.cell.hwnd, nullptr, TRUE);
    host.Capture(shown);
    EXPECT_EQ(shown.FirstDifference([](int32_t, int32_t) { return kBlack; }), "");
    EXPECT_EQ(paints, 1);
}

TEST(CellControl, SettersRepaintALiveCellOnce)
{
    CellHost host;
    host.cell.Create();
    PumpPending();
    paints = 0;
    host.cell.SetText(std::string("00:04:59"));
    EXPECT_TRUE(GetUpdateRect(host.cell.hwnd, nullptr, FALSE));
    PumpPending();
    EXPECT_EQ(paints, 1);
    wchar_t text[16] = {};
    GetWindowTextW(host.cell.hwnd, text, 16);
    EXPECT_STREQ(text, L"00:04:59");
    EXPECT_EQ(host.cell.text, L"00:04:59");

    host.cell.SetColor(RGB(255, 0, 0));
    EXPECT_EQ(host.cell.textColor, RGB(255, 0, 0));
    EXPECT_TRUE(GetUpdateRect(host.cell.hwnd, nullptr, FALSE));
    PumpPending();
    host.cell.SetAlign(AlignLeft);
    EXPECT_TRUE(GetUpdateRect(host.cell.hwnd, nullptr, FALSE));
    PumpPending();
    EXPECT_EQ(paints, 3);
}

TEST(CellControl, RepaintingLeavesNoGdiObjectBehind)
{
    CellHost host;
    host.cell.marker = true;
    host.cell.Create();
    PumpPending();
    const int32_t before = GdiObjectCount();
    for (int i = 0; i < 2000; ++i) {
        InvalidateRect(host.cell.hwnd, nullptr, TRUE);
        UpdateWindow(host.cell.hwnd);
    }
    EXPECT_EQ(GdiObjectCount(), before);
}

} // namespace
