#include "toolkit/drawing/FontRecord.h"

#include <gtest/gtest.h>

using namespace KavoUtility;

namespace {

LOGFONTW Describe(HFONT font)
{
    LOGFONTW description{};
    EXPECT_EQ(GetObjectW(font, sizeof description, &description), static_cast<int>(sizeof description));
    return description;
}

TEST(FontRecord, DefaultsToTheSystemFaceWithoutAHandle)
{
    FontRecord record;
    EXPECT_EQ(record.faceName, L"System");
    EXPECT_EQ(record.fontHeight, 0);
    EXPECT_FALSE(record.bold || record.italic || record.underline || record.fixedPitch);
    EXPECT_EQ(record.fontHandle, nullptr);
}

TEST(FontRecord, TakesANarrowFaceAndAHeight)
{
    FontRecord record("Lucida Console \xE8", -12);
    EXPECT_EQ(record.faceName, L"Lucida Console \u00E8");
    EXPECT_EQ(record.fontHeight, -12);
    EXPECT_EQ(record.fontHandle, nullptr);
}

struct StyleCase {
    const char* name;
    bool bold, italic, underline, fixedPitch;
};

class FontRecordStyleTest : public ::testing::TestWithParam<StyleCase> {};

TEST_P(FontRecordStyleTest, CreatesTheFontItDescribes)
{
    const StyleCase& c = GetParam();
    FontRecord record("Tahoma", 14);
    record.bold = c.bold;
    record.italic = c.italic;
    record.underline = c.underline;
    record.fixedPitch = c.fixedPitch;
    LOGFONTW font = Describe(record.GetFontHandle());
    EXPECT_EQ(font.lfHeight, 14);
    EXPECT_EQ(font.lfWidth, 0);
    EXPECT_EQ(font.lfEscapement, 0);
    EXPECT_EQ(font.lfOrientation, 0);
    EXPECT_EQ(font.lfWeight, c.bold ? 700 : 400);
    EXPECT_EQ(font.lfItalic, c.italic ? 1 : 0);
    EXPECT_EQ(font.lfUnderline, c.underline ? 1 : 0);
    EXPECT_EQ(font.lfStrikeOut, 0);
    EXPECT_EQ(font.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(font.lfOutPrecision, OUT_OUTLINE_PRECIS);
    EXPECT_EQ(font.lfClipPrecision, CLIP_DEFAULT_PRECIS);
    EXPECT_EQ(font.lfQuality, CLEARTYPE_QUALITY);
    EXPECT_EQ(font.lfPitchAndFamily, c.fixedPitch ? FIXED_PITCH : 0);
    EXPECT_STREQ(font.lfFaceName, L"Tahoma");
}

INSTANTIATE_TEST_SUITE_P(Styles, FontRecordStyleTest,
    ::testing::Values(StyleCase{"Regular", false, false, false, false}, StyleCase{"Bold", true, false, false, false},
        StyleCase{"ItalicUnderlined", false, true, true, false}, StyleCase{"FixedPitch", false, false, false, true},
        StyleCase{"Everything", true, true, true, true}),
    [](const ::testing::TestParamInfo<StyleCase>& info) { return std::string(info.param.name); });

TEST(FontRecord, KeepsItsFirstHandleWhateverChangesLater)
{
    FontRecord record("Tahoma", 14);
    HFONT first = record.GetFontHandle();
    record.bold = true;
    EXPECT_EQ(record.GetFontHandle(), first);
    EXPECT_EQ(record.fontHandle, first);
    EXPECT_EQ(Describe(first).lfWeight, 400);
}

TEST(FontRecord, DeletesItsFontWhenDestroyed)
{
    HFONT handle;
    {
        FontRecord record("Tahoma", 14);
        handle = record.GetFontHandle();
        EXPECT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_FONT));
    }
    EXPECT_EQ(GetObjectType(handle), 0u);
}

} // namespace
