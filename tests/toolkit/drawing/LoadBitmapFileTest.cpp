#include "toolkit/drawing/LoadBitmapFile.h"

#include "tests/support/PixelCanvas.h"
#include "toolkit/drawing/Drawing.h"
#include "toolkit/drawing/GdiObject.h"
#include "toolkit/text/Text.h"

#include <gtest/gtest.h>

#include <vector>

using namespace KavoUtility;

namespace {

constexpr int32_t kWidth = 6;
constexpr int32_t kHeight = 4;
constexpr COLORREF kPalette[] = {RGB(0, 0, 0), RGB(250, 20, 10), RGB(1, 1, 1), RGB(10, 200, 90)};
constexpr COLORREF kBackground = RGB(30, 60, 90);

int PaletteIndex(int32_t x, int32_t y)
{
    return (x + 2 * y) % 4;
}

// An 8-bit palette BMP like the game's pictures: rows bottom-up, each padded
// to a multiple of four bytes.
std::vector<char> BitmapFile()
{
    const int32_t stride = (kWidth + 3) & ~3;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = kWidth;
    info.biHeight = kHeight;
    info.biPlanes = 1;
    info.biBitCount = 8;
    info.biCompression = BI_RGB;
    info.biClrUsed = 4;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info + sizeof kPalette;
    file.bfSize = file.bfOffBits + stride * kHeight;

    std::vector<char> bytes(file.bfSize, 0);
    char* out = bytes.data();
    memcpy(out, &file, sizeof file);
    memcpy(out + sizeof file, &info, sizeof info);
    RGBQUAD* palette = reinterpret_cast<RGBQUAD*>(out + sizeof file + sizeof info);
    for (int i = 0; i < 4; ++i) {
        palette[i] = RGBQUAD{GetBValue(kPalette[i]), GetGValue(kPalette[i]), GetRValue(kPalette[i]), 0};
    }
    for (int32_t y = 0; y < kHeight; ++y) {
        for (int32_t x = 0; x < kWidth; ++x) {
            out[file.bfOffBits + (kHeight - 1 - y) * stride + x] = static_cast<char>(PaletteIndex(x, y));
        }
    }
    return bytes;
}

std::string TemporaryPath(const std::string& name)
{
    wchar_t directory[MAX_PATH];
    GetTempPathW(MAX_PATH, directory);
    return ToNarrow(directory) + name;
}

void WriteFile(const std::string& path, const std::vector<char>& bytes)
{
    HANDLE file = CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(written, bytes.size());
}

TEST(LoadBitmapFile, LoadsTheFileAsADibSectionOfItsOwnSize)
{
    std::string path = TemporaryPath("immagine-\xE8.bmp");
    WriteFile(path, BitmapFile());
    GdiObject<HBITMAP> bitmap(LoadBitmapFile(path));
    DeleteFileW(ToWide(path).c_str());
    ASSERT_TRUE(bitmap);

    DIBSECTION section{};
    ASSERT_EQ(GetObjectW(bitmap.Get(), sizeof section, &section), static_cast<int>(sizeof section));
    EXPECT_EQ(section.dsBm.bmWidth, kWidth);
    EXPECT_EQ(section.dsBm.bmHeight, kHeight);
    EXPECT_EQ(section.dsBmih.biBitCount, 8);

    PixelCanvas canvas(kWidth, kHeight, kBackground);
    Drawing drawing(nullptr);
    drawing.AttachDC(canvas.Context());
    drawing.BlitMasked(0, 0, kWidth, kHeight, bitmap.Get(), 0, 0);
    EXPECT_EQ(canvas.FirstDifference([](int32_t x, int32_t y) {
        int index = PaletteIndex(x, y);
        return index == 0 ? kBackground : kPalette[index];
    }), "");
}

TEST(LoadBitmapFile, AnswersNoneForAMissingOrUnreadableFile)
{
    EXPECT_EQ(LoadBitmapFile(TemporaryPath("no-such-picture.bmp")), nullptr);
    std::string path = TemporaryPath("not-a-picture.bmp");
    WriteFile(path, std::vector<char>(64, 'x'));
    EXPECT_EQ(LoadBitmapFile(path), nullptr);
    DeleteFileW(ToWide(path).c_str());
}

} // namespace
