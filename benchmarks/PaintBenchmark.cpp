// How long the board's cards and the clock take to repaint, and whether
// repainting changes the number of GDI objects.
#include "resources/ResourceIds.h"
#include "tests/support/GdiObjectCount.h"
#include "tests/support/MessagePump.h"
#include "toolkit/controls/PanelChildren.h"
#include "toolkit/core/Form.h"
#include "toolkit/drawing/CellControl.h"
#include "toolkit/drawing/Drawing.h"
#include "toolkit/drawing/GdiObject.h"
#include "toolkit/drawing/ImageFrame.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

using namespace KavoUtility;

namespace {

constexpr int kColumns = 8;
constexpr int kRows = 5;
constexpr int kTileWidth = 54;
constexpr int kTileHeight = 90;

template <typename Work>
double MicrosecondsPerRun(int runs, Work work)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) {
        work(i);
    }
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / runs;
}

void Report(const char* what, int runs, double microseconds, int32_t objectsBefore)
{
    std::printf("%-44s %6d runs %10.1f us each   GDI objects %+d\n", what, runs, microseconds,
        static_cast<int>(GdiObjectCount() - objectsBefore));
}

// One card tile drawn on a memory context, the way a card paints it.
void MeasureBlitMasked(HBITMAP sheet)
{
    HDC screen = GetDC(nullptr);
    HDC target = CreateCompatibleDC(screen);
    GdiObject<HBITMAP> surface(CreateCompatibleBitmap(screen, kTileWidth, kTileHeight));
    HGDIOBJ previous = SelectObject(target, surface.Get());
    Drawing drawing(nullptr);
    drawing.AttachDC(target);
    const int32_t before = GdiObjectCount();
    const int runs = 5000;
    const double each = MicrosecondsPerRun(runs, [&](int i) {
        drawing.BlitMasked(0, 0, kTileWidth, kTileHeight, sheet, (i % kColumns) * kTileWidth, (i % kRows) * kTileHeight);
    });
    Report("BlitMasked, one 54 x 90 tile", runs, each, before);
    drawing.EndDraw();
    SelectObject(target, previous);
    DeleteDC(target);
    ReleaseDC(nullptr, screen);
}

void MeasureBoard(Form& form, HBITMAP sheet)
{
    PanelChildren board(&form);
    board.border = true;
    board.SetBackColor(RGB(0, 0, 0));
    board.SetPosition(10, 10);
    board.Create();
    board.SetClientSize(kColumns * kTileWidth, kRows * kTileHeight);
    std::vector<std::unique_ptr<ImageFrame>> cards;
    for (int i = 0; i < kColumns * kRows; ++i) {
        cards.push_back(std::make_unique<ImageFrame>(&board, sheet, i % kColumns, i / kColumns));
        cards.back()->SetPosition((i % kColumns) * kTileWidth, (i / kColumns) * kTileHeight);
        cards.back()->SetSize(kTileWidth, kTileHeight);
        cards.back()->Create();
    }
    PumpPending();
    const int32_t before = GdiObjectCount();
    const int runs = 200;
    const double each = MicrosecondsPerRun(runs, [&](int) {
        RedrawWindow(board.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    });
    Report("Board of 40 cards, whole repaint", runs, each, before);
}

void MeasureClock(Form& form)
{
    CellControl clock(&form);
    clock.border = true;
    clock.SetBackColor(RGB(0, 0, 0));
    clock.SetColor(RGB(0, 255, 0));
    clock.SetText(std::string("00:00:00"));
    clock.SetPosition(460, 10);
    clock.SetSize(110, 40);
    clock.Create();
    PumpPending();
    const int32_t before = GdiObjectCount();
    const int runs = 2000;
    const double each = MicrosecondsPerRun(runs, [&](int i) {
        clock.SetText(std::string(i % 2 ? "00:04:59" : "00:04:58"));
        UpdateWindow(clock.hwnd);
    });
    Report("Clock cell, new text and repaint", runs, each, before);
}

} // namespace

int main()
{
    GdiObject<HBITMAP> sheet(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_CARDS)));
    Form form(GetModuleHandleW(nullptr));
    form.SetSize(640, 520);
    form.Create();
    PumpPending();
    MeasureBlitMasked(sheet.Get());
    MeasureBoard(form, sheet.Get());
    MeasureClock(form);
    DestroyWindow(form.hwnd);
    return 0;
}
