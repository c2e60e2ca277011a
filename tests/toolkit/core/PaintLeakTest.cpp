#include "tests/support/GdiObjectCount.h"
#include "tests/toolkit/core/TestElements.h"
#include "toolkit/core/Form.h"
#include "toolkit/drawing/Drawing.h"
#include "toolkit/drawing/FontRecord.h"

#include <gtest/gtest.h>

using namespace KavoUtility;

namespace {

FontRecord* paintFont = nullptr;
int paints = 0;

// Paints the way the toolkit's self-drawn elements do: a fill, a frame and
// a line of text in a font of its own, inside one drawing pass.
void PaintCustom(GUIElement* sender)
{
    ++paints;
    Drawing drawing(sender);
    drawing.BeginDraw();
    drawing.FillArea(10, 10, 100, 40, 0x00FF00);
    drawing.DrawOutline(5, 5, 110, 50, 0x0000FF);
    drawing.WriteText("05:00", 10, 10, 100, 40, 0xFFFFFF, paintFont, AlignCenter);
}

void Repaint(const Form& form, int times)
{
    for (int i = 0; i < times; ++i) {
        RedrawWindow(form.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

} // namespace

TEST(PaintLeak, RepaintingACustomDrawnWindowCreatesNoLastingGdiObjects)
{
    FontRecord font("Lucida Console", 20);
    paintFont = &font;
    Form form(GetModuleHandleW(nullptr));
    form.backColor = 0x202020;
    form.SetSize(300, 200);
    form.paintHandler = &PaintCustom;
    form.Create();
    form.SetBackColor(0x202020);
    Repaint(form, 20);
    const int32_t before = GdiObjectCount();
    paints = 0;
    Repaint(form, 3000);
    EXPECT_EQ(paints, 3000);
    EXPECT_EQ(GdiObjectCount(), before);
    DestroyWindow(form.hwnd);
}
