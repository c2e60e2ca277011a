// A memory bitmap to draw on and read back pixel by pixel: a 32-bit top-down
// DIB section selected into a memory context of its own.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

class PixelCanvas {
public:
    PixelCanvas(int32_t width, int32_t height, COLORREF fill);
    ~PixelCanvas();
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    HDC Context() const { return context; }
    int32_t Width() const { return width; }
    int32_t Height() const { return height; }

    COLORREF Pixel(int32_t x, int32_t y) const;
    void SetPixelColor(int32_t x, int32_t y, COLORREF color);
    void Fill(COLORREF color);

    // Copies what a window shows in its client area, from its top-left corner.
    void CaptureClient(HWND window);

    // Pixels of the rectangle whose colour differs from `background`.
    int32_t CountOtherThan(COLORREF background, RECT area) const;
    // The leftmost and rightmost columns holding such a pixel; (-1, -1) for none.
    POINT InkColumns(COLORREF background) const;

    bool SameAs(const PixelCanvas& other) const;

    // "" when every pixel of `area` has the colour expectedAt(x, y) gives,
    // else a description of the first pixel that does not.
    std::string FirstDifference(RECT area, const std::function<COLORREF(int32_t x, int32_t y)>& expectedAt) const;
    std::string FirstDifference(const std::function<COLORREF(int32_t x, int32_t y)>& expectedAt) const;

private:
    int32_t width;
    int32_t height;
    HDC context;
    HBITMAP bitmap;
    HGDIOBJ previousBitmap;
    uint32_t* bits;
};

// A 32-bit DIB section whose pixel (x, y) is colorAt(x, y); the caller owns it.
HBITMAP CreatePatternBitmap(int32_t width, int32_t height, COLORREF (*colorAt)(int32_t x, int32_t y));
