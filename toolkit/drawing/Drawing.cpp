#include "toolkit/drawing/Drawing.h"

#include "toolkit/core/GUIElement.h"
#include "toolkit/drawing/ContextColor.h"
#include "toolkit/drawing/FontRecord.h"
#include "toolkit/drawing/GdiObject.h"
#include "toolkit/drawing/MemoryDC.h"
#include "toolkit/drawing/SelectedObject.h"
#include "toolkit/text/Text.h"

#include <algorithm>

namespace KavoUtility {

namespace {

constexpr std::wstring::size_type kMaxTextLength = 1023;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

UINT DrawTextFormat(TextAlign align)
{
    switch (align) {
    case AlignRight:
        return DT_RIGHT;
    case AlignCenter:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

// Text up to an embedded NUL, cut to what the drawing buffer holds.
std::wstring DrawableText(const std::wstring& text)
{
    return text.substr(0, std::min(text.find(L'\0'), kMaxTextLength));
}

void DrawRectangle(HDC dc, HGDIOBJ pen, HGDIOBJ brush, int32_t x, int32_t y, int32_t width, int32_t height)
{
    SelectedObject selectedPen(dc, pen);
    SelectedObject selectedBrush(dc, brush);
    Rectangle(dc, x, y, x + width, y + height);
}

} // namespace

Drawing::Drawing(GUIElement* owner) : owner(owner) {}

Drawing::~Drawing()
{
    EndDraw();
}

void Drawing::BeginDraw()
{
    EndDraw();
    dc = BeginPaint(owner->hwnd, &paintInfo);
    attached = false;
}

void Drawing::AttachDC(HDC context)
{
    EndDraw();
    dc = context;
    attached = true;
}

void Drawing::EndDraw()
{
    if (attached) {
        attached = false;
    } else if (dc) {
        EndPaint(owner->hwnd, &paintInfo);
    }
    dc = nullptr;
}

void Drawing::WriteText(const std::string& text, int32_t x, int32_t y, int32_t width, int32_t height,
    COLORREF color, FontRecord* font, TextAlign align)
{
    WriteText(ToWide(text), x, y, width, height, color, font, align);
}

void Drawing::WriteText(const std::wstring& text, int32_t x, int32_t y, int32_t width, int32_t height,
    COLORREF color, FontRecord* font, TextAlign align)
{
    if (!dc) {
        return;
    }
    SetBkMode(dc, TRANSPARENT);
    std::wstring shown = DrawableText(text);
    SelectedObject selectedFont(dc, font ? font->GetFontHandle() : nullptr);
    ContextColor textColor(dc, SetTextColor, color);
    // A box with a zero side would clip everything away: draw from the point
    // instead, unclipped and without DrawTextW's mnemonic handling.
    if (width != 0 && height != 0) {
        RECT box{x, y, x + width, y + height};
        DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &box, DrawTextFormat(align));
    } else {
        TextOutW(dc, x, y, shown.c_str(), static_cast<int>(shown.size()));
    }
}

int32_t Drawing::MeasureTextHeight(FontRecord* font)
{
    if (!dc || !font) {
        return -1;
    }
    SelectedObject selectedFont(dc, font->GetFontHandle());
    TEXTMETRICW metrics{};
    return GetTextMetricsW(dc, &metrics) ? metrics.tmHeight : -1;
}

void Drawing::DrawOutline(int32_t x, int32_t y, int32_t width, int32_t height, COLORREF color)
{
    if (!dc) {
        return;
    }
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, color));
    DrawRectangle(dc, pen.Get(), GetStockObject(NULL_BRUSH), x, y, width, height);
}

void Drawing::FillArea(int32_t x, int32_t y, int32_t width, int32_t height, COLORREF color)
{
    if (!dc) {
        return;
    }
    GdiObject<HPEN> pen(CreatePen(PS_NULL, 1, kBlack));
    GdiObject<HBRUSH> brush(CreateSolidBrush(color));
    DrawRectangle(dc, pen.Get(), brush.Get(), x, y, width, height);
}

void Drawing::BlitMasked(int32_t x, int32_t y, int32_t width, int32_t height, HBITMAP bitmap,
    int32_t sourceX, int32_t sourceY)
{
    if (!dc) {
        return;
    }
    MemoryDC source(dc);
    if (!source) {
        OnDrawingError();
    }
    MemoryDC maskContext(dc);
    if (!maskContext) {
        OnDrawingError();
    }
    BITMAP size{};
    GetObjectW(bitmap, sizeof size, &size);
    GdiObject<HBITMAP> mask(CreateBitmap(size.bmWidth, size.bmHeight, 1, 1, nullptr));
    if (!mask) {
        OnDrawingError();
    }
    SelectedObject selectedMask(maskContext.Get(), mask.Get());
    SelectedObject selectedSource(source.Get(), bitmap);
    // Colour to monochrome: pixels equal to the source's background colour
    // become 1, so black marks the transparent pixels.
    SetBkColor(source.Get(), kBlack);
    Copy(maskContext.Get(), 0, 0, size.bmWidth, size.bmHeight, source.Get(), 0, 0, SRCCOPY);
    // Monochrome to colour maps 1 to the background colour and 0 to the text
    // colour; white and black make the mask keep the destination under the
    // transparent pixels and clear it everywhere else, whatever colours the
    // caller left in the context.
    ContextColor white(dc, SetBkColor, kWhite);
    ContextColor black(dc, SetTextColor, kBlack);
    Copy(dc, x, y, width, height, maskContext.Get(), sourceX, sourceY, SRCAND);
    Copy(dc, x, y, width, height, source.Get(), sourceX, sourceY, SRCPAINT);
}

void Drawing::Copy(HDC target, int32_t x, int32_t y, int32_t width, int32_t height, HDC from,
    int32_t fromX, int32_t fromY, DWORD rasterOperation)
{
    if (!BitBlt(target, x, y, width, height, from, fromX, fromY, rasterOperation)) {
        OnDrawingError();
    }
}

void Drawing::OnDrawingError() {}

} // namespace KavoUtility
