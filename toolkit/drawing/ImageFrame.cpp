#include "toolkit/drawing/ImageFrame.h"

#include "toolkit/drawing/Drawing.h"

namespace KavoUtility {

ImageFrame::ImageFrame(GUIElement* parent, HBITMAP sheet, int32_t column, int32_t row)
    : PanelChildren(parent), sheet(sheet), column(column), row(row)
{
    tabStop = false;
}

void ImageFrame::OnPaint()
{
    // The window is asked for its client area rather than `created` tested:
    // the first paint comes from Create's UpdateWindow, before the element
    // counts as created.
    RECT client{};
    if (sheet && hwnd && GetClientRect(hwnd, &client)) {
        DrawTile(client);
    }
    CallPaintHandler();
}

void ImageFrame::SetTile(int32_t newColumn, int32_t newRow)
{
    column = newColumn;
    row = newRow;
    if (created) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

void ImageFrame::DrawTile(const RECT& client)
{
    Drawing drawing(this);
    drawing.BeginDraw();
    FillBackColor(drawing, client);
    const SIZE tile = ReadSize();
    drawing.BlitMasked(0, 0, tile.cx, tile.cy, sheet, column * tile.cx, row * tile.cy);
    drawing.EndDraw();
}

} // namespace KavoUtility
