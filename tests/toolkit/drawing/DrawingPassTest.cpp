#include "toolkit/drawing/Drawing.h"

#include "tests/support/GdiObjectCount.h"
#include "tests/support/MessagePump.h"
#include "tests/support/PixelCanvas.h"
#include "toolkit/controls/PanelChildren.h"
#include "toolkit/core/Form.h"

#include <gtest/gtest.h>

using namespace KavoUtility;

namespace {

constexpr COLORREF kRed = RGB(220, 0, 0);

// What the paint handler saw of its drawing pass.
struct PassRecord {
    int passes = 0;
    HDC dc = nullptr;
    bool attached = true;
    RECT painted{};
    bool closedByEndDraw = false;
};

PassRecord record;

// Paints the whole client area red and leaves the pass to the destructor.
void PaintRed(GUIElement* sender)
{
    Drawing drawing(sender);
    drawing.BeginDraw();
    ++record.passes;
    record.dc = drawing.dc;
    record.attached = drawing.attached;
    record.painted = drawing.paintInfo.rcPaint;
    drawing.FillArea(0, 0, 61, 41, kRed);
}

void PaintAndEndTwice(GUIElement* sender)
{
    Drawing drawing(sender);
    drawing.BeginDraw();
    drawing.EndDraw();
    drawing.EndDraw();
    record.closedByEndDraw = drawing.dc == nullptr && !drawing.attached;
}

struct PaintHost {
    Form form{GetModuleHandleW(nullptr)};
    PanelChildren panel{&form};

    explicit PaintHost(PaintHandler paint)
    {
        record = PassRecord{};
        form.SetSize(200, 200);
        form.Create();
        panel.SetPosition(10, 10);
        panel.SetSize(60, 40);
        panel.paintHandler = paint;
        panel.Create();
        PumpPending();
    }
    ~PaintHost() { DestroyWindow(form.hwnd); }

    void Repaint()
    {
        InvalidateRect(panel.hwnd, nullptr, TRUE);
        UpdateWindow(panel.hwnd);
    }
};

TEST(DrawingPass, BeginDrawPaintsTheOwnersWindowAndTheDestructorEndsThePass)
{
    PaintHost host(PaintRed);
    host.Repaint();
    EXPECT_GE(record.passes, 1);
    EXPECT_NE(record.dc, nullptr);
    EXPECT_FALSE(record.attached);
    EXPECT_EQ(record.painted.right - record.painted.left, 60);
    EXPECT_EQ(record.painted.bottom - record.painted.top, 40);
    EXPECT_FALSE(GetUpdateRect(host.panel.hwnd, nullptr, FALSE)) << "the paint left the window invalid";
    PixelCanvas canvas(60, 40, 0);
    canvas.CaptureClient(host.panel.hwnd);
    EXPECT_EQ(canvas.FirstDifference([](int32_t, int32_t) { return kRed; }), "");
}

TEST(DrawingPass, PassesEndedByTheDestructorReleaseTheirContexts)
{
    PaintHost host(PaintRed);
    host.Repaint();
    const int32_t before = GdiObjectCount();
    for (int i = 0; i < 500; ++i) {
        host.Repaint();
    }
    EXPECT_EQ(record.passes, 501 + 1);
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST(DrawingPass, EndDrawCanBeRepeated)
{
    PaintHost host(PaintAndEndTwice);
    host.Repaint();
    EXPECT_TRUE(record.closedByEndDraw);
    EXPECT_FALSE(GetUpdateRect(host.panel.hwnd, nullptr, FALSE));
}

} // namespace
