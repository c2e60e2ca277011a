// One drawing pass on an element's window, with the few GDI operations the
// toolkit's own elements paint with.
#pragma once

#include "toolkit/drawing/TextAlign.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace KavoUtility {

class GUIElement;
class FontRecord;

// Lives for one paint or owner-draw handler: the destructor ends the pass, so
// a context from BeginPaint is always handed back. Every drawing operation
// does nothing while no pass is open.
class Drawing {
public:
    GUIElement* owner;
    HDC dc = nullptr;
    bool attached = false;
    PAINTSTRUCT paintInfo{};

    explicit Drawing(GUIElement* owner);
    ~Drawing();

    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    void BeginDraw();
    // The context stays the caller's: EndDraw forgets it without releasing it.
    void AttachDC(HDC context);
    // Safe to repeat.
    void EndDraw();

    // Transparent text in the box (x, y, width, height), or from the point
    // (x, y) unclipped when width or height is 0. At most 1,023 characters
    // are drawn. `font` may be none: the context's current font draws.
    void WriteText(const std::string& text, int32_t x, int32_t y, int32_t width, int32_t height,
        COLORREF color, FontRecord* font, TextAlign align);
    void WriteText(const std::wstring& text, int32_t x, int32_t y, int32_t width, int32_t height,
        COLORREF color, FontRecord* font, TextAlign align);

    // tmHeight of the font on this context; -1 without a pass or a font.
    int32_t MeasureTextHeight(FontRecord* font);

    // A 1-pixel frame whose right and bottom lines lie at x + width - 1 and
    // y + height - 1; the interior is left alone.
    void DrawOutline(int32_t x, int32_t y, int32_t width, int32_t height, COLORREF color);

    // GDI's null-pen rectangle: fills width - 1 by height - 1 pixels at (x, y).
    void FillArea(int32_t x, int32_t y, int32_t width, int32_t height, COLORREF color);

    // Copies the part of `bitmap` at (sourceX, sourceY) to (x, y); pure black
    // source pixels are transparent. Whatever text and background colours the
    // context holds, the copy uses black and white and gives them back after.
    void BlitMasked(int32_t x, int32_t y, int32_t width, int32_t height, HBITMAP bitmap,
        int32_t sourceX, int32_t sourceY);

    // Called after a failed GDI call of BlitMasked; drawing goes on after it.
    virtual void OnDrawingError();

private:
    // BitBlt that reports a failure through OnDrawingError.
    void Copy(HDC target, int32_t x, int32_t y, int32_t width, int32_t height, HDC from, int32_t fromX,
        int32_t fromY, DWORD rasterOperation);
};

} // namespace KavoUtility
