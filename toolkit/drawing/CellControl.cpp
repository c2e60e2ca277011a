#include "toolkit/drawing/CellControl.h"

#include "toolkit/drawing/Drawing.h"
#include "toolkit/drawing/FontRecord.h"
#include "toolkit/text/Text.h"

namespace KavoUtility {

CellControl::CellControl(GUIElement* parent) : PanelChildren(parent)
{
    tabStop = false;
}

void CellControl::SetText(const std::wstring& value)
{
    GUIElement::SetText(value);
    Invalidate();
}

void CellControl::SetText(const std::string& value)
{
    SetText(ToWide(value));
    Invalidate();
}

void CellControl::OnPaint()
{
    // The window is asked for its client area rather than `created` tested:
    // the first paint comes from Create's UpdateWindow, before the element
    // counts as created.
    RECT client{};
    if (!text.empty() && hwnd && GetClientRect(hwnd, &client)) {
        DrawCell(client);
    }
    CallPaintHandler();
}

void CellControl::SetColor(COLORREF color)
{
    textColor = color;
    Invalidate();
}

void CellControl::SetAlign(TextAlign code)
{
    align = code;
    Invalidate();
}

void CellControl::Invalidate()
{
    if (created) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

void CellControl::DrawCell(const RECT& client)
{
    Drawing drawing(this);
    FontRecord ownFont(faceName, fontHeight);
    ownFont.bold = bold;
    ownFont.italic = italic;
    ownFont.underline = underline;
    drawing.BeginDraw();
    FillBackColor(drawing, client);
    // The cell's own description centres the text even when another font
    // draws it.
    const int32_t textHeight = drawing.MeasureTextHeight(&ownFont);
    const int32_t top = (client.bottom - textHeight) / 2;
    FontRecord* drawingFont = font ? font : &ownFont;
    drawing.WriteText(text, 0, top, client.right, client.bottom - top, textColor, drawingFont, align);
    if (marker) {
        drawing.WriteText("*", client.right - textHeight, client.bottom - textHeight, textHeight, textHeight, textColor,
            drawingFont, AlignCenter);
    }
    drawing.EndDraw();
}

} // namespace KavoUtility
