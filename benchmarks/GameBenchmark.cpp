// The game's main window in figures: a full repaint of the 40-card board
// against two floors timed in the same run (one copy of the whole sheet, and
// the 40 whole-sheet masks that 40 card paints build), and a card click's
// handling up to its repaint. Medians; nothing is asserted.
#include "game/FormMain.h"
#include "game/GameConstants.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/PanelChildren.h"
#include "toolkit/drawing/ImageFrame.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kSheetWidth = 432;
constexpr int kSheetHeight = 450;

double MedianMicroseconds(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Print(const char* what, int runs, double microseconds)
{
    std::printf("%-58s median of %4d: %9.1f us\n", what, runs, microseconds);
}

void DispatchPending()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// A memory context with a bitmap of its own, compatible with the screen.
struct Surface {
    HDC context;
    HBITMAP bitmap;
    HGDIOBJ previous;

    Surface(int width, int height, bool monochrome)
    {
        HDC screen = GetDC(nullptr);
        context = CreateCompatibleDC(screen);
        bitmap = monochrome ? CreateBitmap(width, height, 1, 1, nullptr) : CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        previous = SelectObject(context, bitmap);
    }

    ~Surface()
    {
        SelectObject(context, previous);
        DeleteObject(bitmap);
        DeleteDC(context);
    }
};

void MeasureBoardRepaint(const Game::FormMain& form)
{
    HWND board = form.board->hwnd;
    Print("full repaint of the 40-card board (RedrawWindow, update)", 200, MedianMicroseconds(200, [board] {
        RedrawWindow(board, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }));
}

void MeasureFloors(HBITMAP sheet)
{
    Surface source(kSheetWidth, kSheetHeight, false);
    SelectObject(source.context, sheet);
    Surface target(kSheetWidth, kSheetHeight, false);
    Print("floor: one BitBlt of the whole sheet", 200, MedianMicroseconds(200, [&] {
        BitBlt(target.context, 0, 0, kSheetWidth, kSheetHeight, source.context, 0, 0, SRCCOPY);
        GdiFlush();
    }));
    Print("floor: 40 whole-sheet monochrome masks", 50, MedianMicroseconds(50, [&] {
        for (int card = 0; card < Game::kBoardCards; ++card) {
            Surface mask(kSheetWidth, kSheetHeight, true);
            SetBkColor(source.context, RGB(0, 0, 0));
            BitBlt(mask.context, 0, 0, kSheetWidth, kSheetHeight, source.context, 0, 0, SRCCOPY);
        }
        GdiFlush();
    }));
    SelectObject(source.context, source.bitmap);
}

// The first card of a turn: no pause, so the time is the handling and the
// repaint alone. An Abandon and a new Start, not timed, begin each turn.
void MeasureCardClick(Game::FormMain& form)
{
    HWND start = form.startButton->hwnd;
    HWND card = form.cards[0]->hwnd;
    std::vector<double> times;
    for (int i = 0; i < 200; ++i) {
        if (form.gameRunning) {
            SendMessageW(start, BM_CLICK, 0, 0);
        }
        SendMessageW(start, BM_CLICK, 0, 0);
        DispatchPending();
        times.push_back(MedianMicroseconds(1, [card] {
            SendMessageW(card, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(27, 45));
            UpdateWindow(card);
        }));
    }
    std::sort(times.begin(), times.end());
    Print("card click, first of a turn, up to its repaint", 200, times[times.size() / 2]);
}

} // namespace

int main()
{
    auto form = std::make_unique<Game::FormMain>(GetModuleHandleW(nullptr), "Runepairs benchmark");
    DispatchPending();
    MeasureBoardRepaint(*form);
    MeasureFloors(form->sheetBitmap);
    MeasureCardClick(*form);
    DestroyWindow(form->hwnd);
    return 0;
}
