// The program's resources loaded back the way the system loads them: from the
// test's own module, linked with the same resource script, and from the game.
#include "game/DealDeck.h"
#include "resources/ResourceIds.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

using namespace Game;

namespace {

// CMake puts the game beside the test executable.
std::wstring GamePath()
{
    wchar_t buffer[MAX_PATH];
    const std::wstring self(buffer, GetModuleFileNameW(nullptr, buffer, MAX_PATH));
    return self.substr(0, self.find_last_of(L"\\/") + 1) + L"runepairs.exe";
}

struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using Icon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

struct ModuleDeleter {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using Module = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleDeleter>;

Module LoadGameAsData()
{
    return Module(LoadLibraryExW(GamePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
}

const BYTE* ResourceBytes(HMODULE module, int id, LPCWSTR type, DWORD* size = nullptr)
{
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (found == nullptr) {
        return nullptr;
    }
    if (size != nullptr) {
        *size = SizeofResource(module, found);
    }
    return static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
}

// The layout of an icon group resource.
#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIconHeader {
    WORD reserved;
    WORD type;
    WORD count;
    GroupIconEntry entries[1];
};
#pragma pack(pop)

// 0x00RRGGBB for every pixel, rows from the top.
std::vector<uint32_t> ReadPixels(HBITMAP bitmap, int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return pixels;
}

constexpr uint32_t kBlack = 0;
// Black may show only this close to two edges of a card: its rounded corners.
constexpr int kCornerReach = 6;

bool InCorner(int x, int y)
{
    const bool nearSide = x < kCornerReach || x >= kTileWidth - kCornerReach;
    const bool nearEnd = y < kCornerReach || y >= kTileHeight - kCornerReach;
    return nearSide && nearEnd;
}

class Sheet {
public:
    explicit Sheet(HBITMAP bitmap)
        : pixels(ReadPixels(bitmap, kSheetColumns * kTileWidth, kSheetRows * kTileHeight))
    {
    }

    uint32_t At(Tile tile, int x, int y) const
    {
        const size_t row = static_cast<size_t>(tile.row) * kTileHeight + y;
        return pixels[row * kSheetColumns * kTileWidth + tile.column * kTileWidth + x] & 0xFFFFFF;
    }

    // The pixels of a tile that are black, as (x, y) within the tile.
    std::vector<std::pair<int, int>> BlackPixels(Tile tile) const
    {
        std::vector<std::pair<int, int>> black;
        for (int y = 0; y < kTileHeight; ++y) {
            for (int x = 0; x < kTileWidth; ++x) {
                if (At(tile, x, y) == kBlack) {
                    black.emplace_back(x, y);
                }
            }
        }
        return black;
    }

private:
    std::vector<uint32_t> pixels;
};

enum class Carrier { TestProgram, Game };

std::string CarrierName(const testing::TestParamInfo<Carrier>& info)
{
    return info.param == Carrier::Game ? "Game" : "TestProgram";
}

class Resources : public testing::TestWithParam<Carrier> {
protected:
    void SetUp() override
    {
        if (GetParam() == Carrier::Game) {
            game = LoadGameAsData();
            ASSERT_NE(nullptr, game.get()) << "error " << GetLastError();
        }
        module = game ? game.get() : GetModuleHandleW(nullptr);
    }

    Bitmap LoadDib(int id) const
    {
        return Bitmap(static_cast<HBITMAP>(
            LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    }

    Module game;
    HMODULE module = nullptr;
};

// The version block as the system reads it from the game's file.
class GameVersion : public testing::Test {
protected:
    void SetUp() override
    {
        const std::wstring path = GamePath();
        DWORD ignored = 0;
        block.resize(GetFileVersionInfoSizeW(path.c_str(), &ignored));
        ASSERT_FALSE(block.empty()) << "error " << GetLastError();
        ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    }

    const void* Query(const std::wstring& item, UINT* length)
    {
        void* value = nullptr;
        if (!VerQueryValueW(block.data(), item.c_str(), &value, length)) {
            return nullptr;
        }
        return value;
    }

    std::wstring Text(const std::wstring& name)
    {
        UINT length = 0;
        const auto* text = static_cast<const wchar_t*>(Query(L"\\StringFileInfo\\041004E4\\" + name, &length));
        return text == nullptr ? L"(missing)" : std::wstring(text);
    }

    std::vector<BYTE> block;
};

struct BitmapCase {
    int id;
    LONG width;
    LONG height;
};

} // namespace

TEST_P(Resources, BitmapsAreEightBitPicturesOfTheirSize)
{
    const BitmapCase cases[] = {{IDB_LOGO, 163, 50}, {IDB_CARDS, 432, 450}};
    for (const BitmapCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "bitmap " << c.id);
        Bitmap bitmap = LoadDib(c.id);
        ASSERT_NE(nullptr, bitmap.get());
        DIBSECTION dib{};
        ASSERT_EQ(static_cast<int>(sizeof dib), GetObjectW(bitmap.get(), sizeof dib, &dib));
        EXPECT_EQ(c.width, dib.dsBm.bmWidth);
        EXPECT_EQ(c.height, dib.dsBm.bmHeight);
        EXPECT_EQ(8, dib.dsBm.bmBitsPixel);
        EXPECT_LE(dib.dsBmih.biClrUsed, 256u);
    }
}

TEST_P(Resources, IconGroupHoldsSixteenColourImagesOf16And32And48Pixels)
{
    const auto* group = reinterpret_cast<const GroupIconHeader*>(
        ResourceBytes(module, IDI_RUNEPAIRS, RT_GROUP_ICON));
    ASSERT_NE(nullptr, group);
    ASSERT_EQ(3, group->count);
    const int sizes[] = {16, 32, 48};
    for (int i = 0; i < 3; ++i) {
        const GroupIconEntry& entry = group->entries[i];
        SCOPED_TRACE(testing::Message() << "image of " << sizes[i] << " pixels");
        EXPECT_EQ(sizes[i], entry.width);
        EXPECT_EQ(sizes[i], entry.height);
        EXPECT_EQ(16, entry.colourCount);
        EXPECT_EQ(4, entry.bitCount);
        const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(
            ResourceBytes(module, entry.id, RT_ICON));
        ASSERT_NE(nullptr, header);
        EXPECT_EQ(sizes[i], header->biWidth);
        EXPECT_EQ(2 * sizes[i], header->biHeight) << "colour rows and mask rows";
        EXPECT_EQ(4, header->biBitCount);
    }
}

TEST_P(Resources, IconLoadsAtEachSize)
{
    for (int size : {16, 32, 48}) {
        SCOPED_TRACE(testing::Message() << size << " pixels");
        Icon icon(static_cast<HICON>(
            LoadImageW(module, MAKEINTRESOURCEW(IDI_RUNEPAIRS), IMAGE_ICON, size, size, 0)));
        ASSERT_NE(nullptr, icon.get());
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon.get(), &info));
        Bitmap colour(info.hbmColor);
        Bitmap mask(info.hbmMask);
        BITMAP picture{};
        ASSERT_EQ(static_cast<int>(sizeof picture), GetObjectW(colour.get(), sizeof picture, &picture));
        EXPECT_EQ(size, picture.bmWidth);
        EXPECT_EQ(size, picture.bmHeight);
    }
}

TEST_P(Resources, BlankTilesAreBlackThroughout)
{
    Bitmap bitmap = LoadDib(IDB_CARDS);
    ASSERT_NE(nullptr, bitmap.get());
    const Sheet sheet(bitmap.get());
    for (int row = 1; row < kSheetRows; ++row) {
        const Tile blank{kSheetColumns - 1, row};
        EXPECT_EQ(static_cast<size_t>(kTileWidth * kTileHeight), sheet.BlackPixels(blank).size())
            << "tile (" << blank.column << ", " << blank.row << ")";
    }
}

TEST_P(Resources, CardsAreBlackOnlyInTheirRoundedCorners)
{
    Bitmap bitmap = LoadDib(IDB_CARDS);
    ASSERT_NE(nullptr, bitmap.get());
    const Sheet sheet(bitmap.get());
    int cards = 0;
    for (int row = 0; row < kSheetRows; ++row) {
        for (int column = 0; column < kSheetColumns; ++column) {
            const Tile tile{column, row};
            if (!IsFace(tile) && tile != kCardBack) {
                continue;
            }
            ++cards;
            SCOPED_TRACE(testing::Message() << "tile (" << column << ", " << row << ")");
            for (const auto& [x, y] : sheet.BlackPixels(tile)) {
                EXPECT_TRUE(InCorner(x, y)) << "black pixel at (" << x << ", " << y << ")";
            }
            EXPECT_EQ(kBlack, sheet.At(tile, 0, 0));
            EXPECT_EQ(kBlack, sheet.At(tile, kTileWidth - 1, 0));
            EXPECT_EQ(kBlack, sheet.At(tile, 0, kTileHeight - 1));
            EXPECT_EQ(kBlack, sheet.At(tile, kTileWidth - 1, kTileHeight - 1));
        }
    }
    EXPECT_EQ(36, cards) << "35 faces and the back";
}

INSTANTIATE_TEST_SUITE_P(Carriers, Resources, testing::Values(Carrier::TestProgram, Carrier::Game),
                         CarrierName);

TEST_F(GameVersion, FileAndProductVersionsAre1000)
{
    UINT length = 0;
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(Query(L"\\", &length));
    ASSERT_NE(nullptr, fixed);
    EXPECT_EQ(VS_FFI_SIGNATURE, fixed->dwSignature);
    EXPECT_EQ(0x00010000u, fixed->dwFileVersionMS);
    EXPECT_EQ(0u, fixed->dwFileVersionLS);
    EXPECT_EQ(0x00010000u, fixed->dwProductVersionMS);
    EXPECT_EQ(0u, fixed->dwProductVersionLS);
    EXPECT_EQ(static_cast<DWORD>(VFT_APP), fixed->dwFileType);
}

TEST_F(GameVersion, StringsNameTheProductItsMakerAndItsFile)
{
    const std::pair<const wchar_t*, const wchar_t*> strings[] = {
        {L"FileVersion", L"1.0.0.0"},
        {L"ProductVersion", L"1.0.0.0"},
        {L"ProductName", L"Runepairs"},
        {L"CompanyName", L"Runepairs"},
        {L"FileDescription", L"Runepairs - gioco di memoria"},
        {L"LegalCopyright", L"Copyright (C) Runepairs. Freeware."},
        {L"InternalName", L"runepairs"},
        {L"OriginalFilename", L"runepairs.exe"},
    };
    for (const auto& [name, expected] : strings) {
        EXPECT_EQ(std::wstring(expected), Text(name)) << std::wstring(name);
    }
}

TEST_F(GameVersion, TranslationIsItalianInWindows1252)
{
    UINT length = 0;
    const auto* translation = static_cast<const WORD*>(Query(L"\\VarFileInfo\\Translation", &length));
    ASSERT_NE(nullptr, translation);
    ASSERT_EQ(4u, length);
    EXPECT_EQ(0x0410, translation[0]);
    EXPECT_EQ(1252, translation[1]);
}

TEST(GameManifest, RunsAsInvokerWithoutUiAccessOnClassicControls)
{
    Module game = LoadGameAsData();
    ASSERT_NE(nullptr, game.get());
    DWORD size = 0;
    const BYTE* bytes = ResourceBytes(game.get(), 1, RT_MANIFEST, &size);
    ASSERT_NE(nullptr, bytes);
    const std::string manifest(reinterpret_cast<const char*>(bytes), size);
    EXPECT_NE(std::string::npos, manifest.find("level=\"asInvoker\"")) << manifest;
    EXPECT_NE(std::string::npos, manifest.find("uiAccess=\"false\"")) << manifest;
    EXPECT_EQ(std::string::npos, manifest.find("Microsoft.Windows.Common-Controls")) << manifest;
}
