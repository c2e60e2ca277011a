#include "toolkit/controls/Image.h"

#include "resources/ResourceIds.h"
#include "tests/support/GdiObjectCount.h"
#include "tests/support/PixelCanvas.h"
#include "tests/toolkit/controls/ControlTestSupport.h"
#include "toolkit/core/Registry.h"

#include <cstdint>
#include <fstream>
#include <memory>
#include <vector>

using namespace KavoUtility;

namespace {

constexpr COLORREF leftColour = RGB(0x80, 0x40, 0x20);
constexpr COLORREF rightColour = RGB(0x10, 0xC0, 0xF0);
constexpr int32_t fileWidth = 8;
constexpr int32_t fileHeight = 6;
const std::string missingFile = "C:\\no-such-folder\\missing.bmp";

void PutLittleEndian(std::vector<char>& bytes, uint32_t value, int count)
{
    for (int i = 0; i < count; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// An 8 x 6 picture, left half leftColour, right half rightColour, as a
// 24-bit bottom-up .bmp file (rows of 24 bytes need no padding).
std::string WriteTwoColourBitmap()
{
    const uint32_t pixelBytes = fileWidth * fileHeight * 3;
    std::vector<char> bytes{'B', 'M'};
    PutLittleEndian(bytes, 54 + pixelBytes, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, 54, 4);
    PutLittleEndian(bytes, 40, 4);
    PutLittleEndian(bytes, fileWidth, 4);
    PutLittleEndian(bytes, fileHeight, 4);
    PutLittleEndian(bytes, 1, 2);
    PutLittleEndian(bytes, 24, 2);
    for (int i = 0; i < 6; ++i) {
        PutLittleEndian(bytes, i == 1 ? pixelBytes : 0, 4);
    }
    for (int32_t row = 0; row < fileHeight; ++row) {
        for (int32_t column = 0; column < fileWidth; ++column) {
            COLORREF colour = column < fileWidth / 2 ? leftColour : rightColour;
            bytes.push_back(static_cast<char>(GetBValue(colour)));
            bytes.push_back(static_cast<char>(GetGValue(colour)));
            bytes.push_back(static_cast<char>(GetRValue(colour)));
        }
    }
    char directory[MAX_PATH];
    GetTempPathA(MAX_PATH, directory);
    std::string path = std::string(directory) + "runepairs-image-" + std::to_string(GetCurrentProcessId()) + ".bmp";
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info{};
    GetObjectW(bitmap, sizeof(info), &info);
    return {info.bmWidth, info.bmHeight};
}

HBITMAP ShownBitmap(const Image& image)
{
    return reinterpret_cast<HBITMAP>(SendMessageW(image.hwnd, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

// What the image's window shows once it and its parent have painted again.
void Capture(const Image& image, PixelCanvas& canvas)
{
    UpdateWindow(image.parent->hwnd);
    RedrawWindow(image.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    canvas.CaptureClient(image.hwnd);
}

class ImageTest : public FormTest {
protected:
    std::string file = WriteTwoColourBitmap();

    void TearDown() override
    {
        DeleteFileA(file.c_str());
    }
};

} // namespace

struct ImageStyleCase {
    const char* name;
    bool enabled;
    bool border;
    DWORD style;
    DWORD extendedStyle;
};

class ImageStyle : public FormTest, public ::testing::WithParamInterface<ImageStyleCase> {};

TEST_P(ImageStyle, ReadsBackFromTheWindow)
{
    const ImageStyleCase& c = GetParam();
    Image image(&form, IDB_LOGO);
    image.enabled = c.enabled;
    image.border = c.border;
    image.Create();
    ASSERT_NE(image.hwnd, nullptr);
    EXPECT_EQ(StyleOf(image.hwnd), c.style);
    EXPECT_EQ(ExtendedStyleOf(image.hwnd), c.extendedStyle);
}

INSTANTIATE_TEST_SUITE_P(Cases, ImageStyle,
    ::testing::Values(ImageStyleCase{"Plain", true, false, 0x5000010E, 0},
        ImageStyleCase{"Disabled", false, false, 0x5800010E, 0},
        ImageStyleCase{"Bordered", true, true, 0x5080010E, 0x200}),
    [](const ::testing::TestParamInfo<ImageStyleCase>& info) { return std::string(info.param.name); });

TEST_F(ImageTest, ShowsABitmapResourceOfTheProgram)
{
    Image image(&form, IDB_LOGO);
    EXPECT_EQ(image.typeName, "image");
    EXPECT_EQ(image.width, 100);
    EXPECT_EQ(image.height, 50);
    image.SetPosition(0, 0);
    image.Create();
    EXPECT_EQ(ClassNameOf(image.hwnd), L"Static");
    ASSERT_NE(image.bitmap, nullptr);
    EXPECT_EQ(ShownBitmap(image), image.bitmap);
    SIZE size = BitmapSize(image.bitmap);
    EXPECT_EQ(size.cx, 163);
    EXPECT_EQ(size.cy, 50);

    PixelCanvas reference(163, 50, RGB(0, 0, 0));
    HDC sheet = CreateCompatibleDC(reference.Context());
    HGDIOBJ previous = SelectObject(sheet, image.bitmap);
    BitBlt(reference.Context(), 0, 0, 163, 50, sheet, 0, 0, SRCCOPY);
    SelectObject(sheet, previous);
    DeleteDC(sheet);
    PixelCanvas shown(163, 50, RGB(1, 2, 3));
    Capture(image, shown);
    EXPECT_EQ(shown.FirstDifference([&](int32_t x, int32_t y) { return reference.Pixel(x, y); }), "");
}

TEST_F(ImageTest, TheControlSizesItselfToThePictureBeforeItsMessagesReachTheElement)
{
    static int32_t resizes = 0;
    resizes = 0;
    Image image(&form, IDB_LOGO);
    image.sizeHandler = [](GUIElement*) -> int32_t {
        ++resizes;
        return 0;
    };
    image.Create();
    RECT box{};
    GetClientRect(image.hwnd, &box);
    EXPECT_EQ(box.right, 163);
    EXPECT_EQ(resizes, 0);
    SetWindowPos(image.hwnd, nullptr, 0, 0, 40, 40, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(resizes, 1);
}

TEST_F(ImageTest, ShowsABitmapFileAndSwitchesBackToTheResource)
{
    Image image(&form, IDB_LOGO);
    image.SetPosition(0, 0);
    image.Create();
    image.SetImageFile(file);
    EXPECT_EQ(image.resourceId, -1);
    EXPECT_EQ(image.imagePath, file);
    ASSERT_NE(image.bitmap, nullptr);
    EXPECT_EQ(ShownBitmap(image), image.bitmap);
    SIZE size = BitmapSize(image.bitmap);
    EXPECT_EQ(size.cx, fileWidth);
    EXPECT_EQ(size.cy, fileHeight);
    PixelCanvas shown(fileWidth, fileHeight, RGB(1, 2, 3));
    Capture(image, shown);
    EXPECT_EQ(shown.FirstDifference(
                  [](int32_t x, int32_t) { return x < fileWidth / 2 ? leftColour : rightColour; }),
        "");

    image.SetImageResource(IDB_LOGO);
    EXPECT_EQ(image.imagePath, "");
    EXPECT_EQ(image.resourceId, IDB_LOGO);
    EXPECT_EQ(ShownBitmap(image), image.bitmap);
    EXPECT_EQ(BitmapSize(image.bitmap).cx, 163);
}

TEST_F(ImageTest, CreateLoadsWhicheverPictureWasChosenLast)
{
    Image fromResource(&form, -1);
    fromResource.SetImageFile(file);
    fromResource.SetImageResource(IDB_LOGO);
    EXPECT_EQ(fromResource.bitmap, nullptr);
    fromResource.Create();
    EXPECT_EQ(BitmapSize(fromResource.bitmap).cx, 163);

    Image fromFile(&form, IDB_LOGO);
    fromFile.SetImageFile(file);
    EXPECT_EQ(fromFile.bitmap, nullptr);
    fromFile.Create();
    EXPECT_EQ(BitmapSize(fromFile.bitmap).cx, fileWidth);
}

TEST_F(ImageTest, AnEmptyPathLoadsNothing)
{
    Image image(&form, -1);
    image.Create();
    EXPECT_TRUE(image.created);
    EXPECT_NE(image.hwnd, nullptr);
    EXPECT_EQ(image.bitmap, nullptr);
    EXPECT_EQ(ShownBitmap(image), nullptr);
}

TEST_F(ImageTest, AFailedLoadTakesTheOldPictureOutOfTheControl)
{
    Image image(&form, IDB_LOGO);
    image.SetPosition(0, 0);
    image.Create();
    image.SetImageFile(file);
    const int32_t objects = GdiObjectCount();

    image.SetImageFile(missingFile);
    EXPECT_EQ(image.bitmap, nullptr);
    EXPECT_EQ(ShownBitmap(image), nullptr);
    EXPECT_EQ(GdiObjectCount(), objects - 1);

    image.SetImageFile(file);
    image.SetImageResource(4242);
    EXPECT_EQ(image.bitmap, nullptr);
    EXPECT_EQ(ShownBitmap(image), nullptr);
    EXPECT_EQ(GdiObjectCount(), objects - 1);

    PixelCanvas shown(fileWidth, fileHeight, RGB(1, 2, 3));
    Capture(image, shown);
    EXPECT_EQ(shown.FirstDifference([](int32_t, int32_t) { return GetSysColor(COLOR_BTNFACE); }), "");
}

TEST_F(ImageTest, ResourceNumberZeroOrBelowKeepsThePicture)
{
    Image image(&form, IDB_LOGO);
    image.Create();
    const HBITMAP logo = image.bitmap;
    for (int32_t number : {0, -5}) {
        image.SetImageResource(number);
        EXPECT_EQ(image.resourceId, number);
        EXPECT_EQ(image.bitmap, logo);
        EXPECT_EQ(ShownBitmap(image), logo);
    }
}

TEST_F(ImageTest, AnImageWhoseWindowCannotBeMadeStaysNotCreatedAndRetries)
{
    Form windowless(GetModuleHandleW(nullptr));
    Image image(&windowless, IDB_LOGO);
    const int32_t counter = nextControlId;
    image.Create();
    EXPECT_FALSE(image.created);
    EXPECT_EQ(image.hwnd, nullptr);
    EXPECT_EQ(image.bitmap, nullptr);
    EXPECT_EQ(image.id, counter + 1);
    image.Create();
    EXPECT_FALSE(image.created);
    EXPECT_EQ(image.id, counter + 2);
}

TEST_F(ImageTest, SwitchingPicturesLeaksNoBitmapAndTheDestructorDeletesTheLast)
{
    auto image = std::make_unique<Image>(&form, IDB_LOGO);
    image->Create();
    image->SetImageFile(file);
    image->SetImageResource(IDB_LOGO);
    const int32_t objects = GdiObjectCount();
    for (int i = 0; i < 50; ++i) {
        image->SetImageFile(file);
        image->SetImageFile(missingFile);
        image->SetImageResource(IDB_LOGO);
    }
    EXPECT_EQ(GdiObjectCount(), objects);
    DestroyWindow(image->hwnd);
    image.reset();
    EXPECT_EQ(GdiObjectCount(), objects - 1);
}
