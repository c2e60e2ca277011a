#include "toolkit/text/Text.h"

#include <gtest/gtest.h>

using namespace KavoUtility;

TEST(ToWide, MapsEachByteToTheCodeUnitOfTheSameValue)
{
    EXPECT_EQ(ToWide(""), L"");
    EXPECT_EQ(ToWide("cos\xEC"), std::wstring(L"cos\u00EC"));
    EXPECT_EQ(ToWide("\x80"), std::wstring(1, wchar_t(0x0080)));
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    std::wstring wide = ToWide(all);
    ASSERT_EQ(wide.size(), 255u);
    for (int b = 1; b < 256; ++b) {
        EXPECT_EQ(static_cast<int>(wide[b - 1]), b);
    }
}

TEST(ToWide, StopsAtTheFirstNulByte)
{
    EXPECT_EQ(ToWide(std::string("ab\0cd", 5)), L"ab");
}

TEST(ToNarrow, KeepsTheLowByteOfEachCodeUnit)
{
    EXPECT_EQ(ToNarrow(L""), "");
    EXPECT_EQ(ToNarrow(L"\u20AC"), "\xAC");
    EXPECT_EQ(ToNarrow(L"perch\u00E9"), "perch\xE9");
    EXPECT_EQ(ToNarrow(std::wstring(L"ab\0cd", 5)), std::string("ab\0cd", 5));
}

TEST(ToNarrow, UndoesToWideForTextWithoutNul)
{
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(ToNarrow(ToWide(all)), all);
}

struct ReplaceCase {
    const char* source;
    const char* what;
    const char* with;
    const char* expected;
};

TEST(ReplaceAll, ReplacesEveryOccurrence)
{
    const ReplaceCase cases[] = {
        {"a-b-c", "-", "+", "a+b+c"},
        {"a-b-c", "*", "+", "a-b-c"},
        {"", "-", "+", ""},
        {"aaaa", "aa", "a", "a"},                           // replacements cascade
        {"http://www.site.example", "http://www.", "info@", "info@site.example"},
        {"abc", "", "x", "abc"},                            // nothing to look for
        {"a-b", "-", "--", "a--b"},                         // with holds what: one pass
        {"xx", "x", "yxy", "yxyyxy"},
    };
    for (const ReplaceCase& c : cases) {
        EXPECT_EQ(ReplaceAll(c.source, c.what, c.with), c.expected)
            << "source \"" << c.source << "\", what \"" << c.what << "\", with \"" << c.with << "\"";
    }
}

TEST(TwoDigits, FillsToTwoCharactersAndNeverCuts)
{
    const std::pair<int32_t, const char*> cases[] = {
        {0, "00"}, {7, "07"}, {59, "59"}, {100, "100"}, {-3, "-3"}, {-42, "-42"},
        {INT32_MAX, "2147483647"}, {INT32_MIN, "-2147483648"},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(TwoDigits(value), expected) << value;
    }
}

TEST(DecimalText, HasNoFillAndNoGrouping)
{
    EXPECT_EQ(DecimalText(0), "0");
    EXPECT_EQ(DecimalText(39), "39");
    EXPECT_EQ(DecimalText(-12345678901LL), "-12345678901");
}
