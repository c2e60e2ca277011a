#include "tests/support/PixelCanvas.h"

#include <cstdio>

namespace {

BITMAPINFO TopDownInfo(int32_t width, int32_t height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// DIB pixels are 0x00RRGGBB, COLORREF values 0x00BBGGRR.
uint32_t ToDib(COLORREF color)
{
    return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

COLORREF FromDib(uint32_t pixel)
{
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

} // namespace

PixelCanvas::PixelCanvas(int32_t width, int32_t height, COLORREF fill)
    : width(width), height(height), context(CreateCompatibleDC(nullptr)), bits(nullptr)
{
    BITMAPINFO info = TopDownInfo(width, height);
    void* memory = nullptr;
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    bits = static_cast<uint32_t*>(memory);
    previousBitmap = SelectObject(context, bitmap);
    Fill(fill);
}

PixelCanvas::~PixelCanvas()
{
    SelectObject(context, previousBitmap);
    DeleteObject(bitmap);
    DeleteDC(context);
}

COLORREF PixelCanvas::Pixel(int32_t x, int32_t y) const
{
    GdiFlush();
    return FromDib(bits[y * width + x]);
}

void PixelCanvas::SetPixelColor(int32_t x, int32_t y, COLORREF color)
{
    GdiFlush();
    bits[y * width + x] = ToDib(color);
}

void PixelCanvas::Fill(COLORREF color)
{
    GdiFlush();
    for (int32_t i = 0; i < width * height; ++i) {
        bits[i] = ToDib(color);
    }
}

void PixelCanvas::CaptureClient(HWND window)
{
    HDC windowContext = GetDC(window);
    BitBlt(context, 0, 0, width, height, windowContext, 0, 0, SRCCOPY);
    ReleaseDC(window, windowContext);
}

int32_t PixelCanvas::CountOtherThan(COLORREF background, RECT area) const
{
    int32_t count = 0;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x) {
            count += Pixel(x, y) != background;
        }
    }
    return count;
}

POINT PixelCanvas::InkColumns(COLORREF background) const
{
    POINT columns{-1, -1};
    for (int32_t x = 0; x < width; ++x) {
        for (int32_t y = 0; y < height; ++y) {
            if (Pixel(x, y) != background) {
                columns.x = columns.x < 0 ? x : columns.x;
                columns.y = x;
                break;
            }
        }
    }
    return columns;
}

bool PixelCanvas::SameAs(const PixelCanvas& other) const
{
    if (width != other.width || height != other.height) {
        return false;
    }
    GdiFlush();
    for (int32_t i = 0; i < width * height; ++i) {
        if (bits[i] != other.bits[i]) {
            return false;
        }
    }
    return true;
}

std::string PixelCanvas::FirstDifference(RECT area, const std::function<COLORREF(int32_t x, int32_t y)>& expectedAt) const
{
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x) {
            COLORREF expected = expectedAt(x, y);
            COLORREF actual = Pixel(x, y);
            if (actual != expected) {
                char text[96];
                std::snprintf(text, sizeof text, "pixel (%d, %d) is 0x%06lX, expected 0x%06lX",
                    static_cast<int>(x), static_cast<int>(y), static_cast<unsigned long>(actual),
                    static_cast<unsigned long>(expected));
                return text;
            }
        }
    }
    return "";
}

std::string PixelCanvas::FirstDifference(const std::function<COLORREF(int32_t x, int32_t y)>& expectedAt) const
{
    return FirstDifference(RECT{0, 0, width, height}, expectedAt);
}

HBITMAP CreatePatternBitmap(int32_t width, int32_t height, COLORREF (*colorAt)(int32_t x, int32_t y))
{
    BITMAPINFO info = TopDownInfo(width, height);
    void* memory = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    auto* pixels = static_cast<uint32_t*>(memory);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            pixels[y * width + x] = ToDib(colorAt(x, y));
        }
    }
    return bitmap;
}
