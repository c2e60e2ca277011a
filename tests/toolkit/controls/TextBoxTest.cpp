#include "toolkit/controls/TextBox.h"

#include "tests/toolkit/controls/ControlTestSupport.h"
#include "toolkit/drawing/FontRecord.h"

#include <string>

using namespace KavoUtility;

namespace {

// The flags a case turns on, over the defaults.
struct Flags {
    bool disabled = false;
    bool multiline = false;
    bool horizontalScrollBar = false;
    bool verticalScrollBar = false;
    bool readOnly = false;
    bool numbersOnly = false;
    bool lowerCase = false;
    bool upperCase = false;
    bool alignRight = false;
    bool alignCenter = false;
    bool noBorder = false;
};

void Apply(TextBox& box, const Flags& flags)
{
    box.enabled = !flags.disabled;
    box.multiline = flags.multiline;
    box.horizontalScrollBar = flags.horizontalScrollBar;
    box.verticalScrollBar = flags.verticalScrollBar;
    box.readOnly = flags.readOnly;
    box.numbersOnly = flags.numbersOnly;
    box.lowerCase = flags.lowerCase;
    box.upperCase = flags.upperCase;
    box.alignRight = flags.alignRight;
    box.alignCenter = flags.alignCenter;
    box.border = !flags.noBorder;
}

void Type(const TextBox& box, const std::wstring& characters)
{
    for (wchar_t character : characters) {
        SendMessageW(box.hwnd, WM_CHAR, character, 1);
    }
}

} // namespace

struct TextBoxStyleCase {
    const char* name;
    Flags flags;
    DWORD style;
    DWORD extendedStyle;
};

Flags With(void (*set)(Flags&))
{
    Flags flags;
    set(flags);
    return flags;
}

class TextBoxStyle : public FormTest, public ::testing::WithParamInterface<TextBoxStyleCase> {};

TEST_P(TextBoxStyle, ReadsBackFromTheWindow)
{
    const TextBoxStyleCase& c = GetParam();
    TextBox box(&form, "");
    Apply(box, c.flags);
    EXPECT_EQ(box.ComputeStyle(), c.style);
    box.Create();
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_EQ(StyleOf(box.hwnd), c.style);
    EXPECT_EQ(ExtendedStyleOf(box.hwnd), c.extendedStyle);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextBoxStyle,
    ::testing::Values(TextBoxStyleCase{"Defaults", {}, 0x50810080, 0x200},
        TextBoxStyleCase{"Disabled", With([](Flags& f) { f.disabled = true; }), 0x58810080, 0x200},
        TextBoxStyleCase{"AboutNotice", With([](Flags& f) {
            f.multiline = true;
            f.readOnly = true;
            f.verticalScrollBar = true;
        }),
            0x50A118C4, 0x200},
        TextBoxStyleCase{"Multiline", With([](Flags& f) { f.multiline = true; }), 0x508110C4, 0x200},
        TextBoxStyleCase{"HorizontalScrollBar", With([](Flags& f) { f.horizontalScrollBar = true; }), 0x50910080,
            0x200},
        TextBoxStyleCase{"NumbersOnly", With([](Flags& f) { f.numbersOnly = true; }), 0x50812080, 0x200},
        TextBoxStyleCase{"LowerCase", With([](Flags& f) { f.lowerCase = true; }), 0x50810090, 0x200},
        TextBoxStyleCase{"UpperCaseWinsOverLowerCase", With([](Flags& f) {
            f.upperCase = true;
            f.lowerCase = true;
        }),
            0x50810088, 0x200},
        TextBoxStyleCase{"Centred", With([](Flags& f) { f.alignCenter = true; }), 0x50810081, 0x200},
        TextBoxStyleCase{"RightWinsOverCentre", With([](Flags& f) {
            f.alignRight = true;
            f.alignCenter = true;
        }),
            0x50810082, 0x200},
        TextBoxStyleCase{"NoBorder", With([](Flags& f) { f.noBorder = true; }), 0x50010080, 0}),
    [](const ::testing::TestParamInfo<TextBoxStyleCase>& info) { return std::string(info.param.name); });

using TextBoxTest = FormTest;

TEST_F(TextBoxTest, IsAnEditControlBuiltFromItsStoredProperties)
{
    FontRecord font("Tahoma", 14);
    TextBox box(&form, "Citt\xE0");
    EXPECT_EQ(box.typeName, "textbox");
    EXPECT_EQ(box.width, 80);
    EXPECT_EQ(box.height, 30);
    box.font = &font;
    box.Create();
    ExpectWindowBuiltFrom(box, L"Edit", font);
    EXPECT_EQ(WindowTextOf(box.hwnd), L"Citt\u00E0");
}

TEST_F(TextBoxTest, MaxLengthLimitsTypingAndMinusOneLeavesTheSystemLimit)
{
    TextBox unlimited(&form, "");
    unlimited.Create();
    TextBox limited(&form, "");
    limited.maxLength = 5;
    limited.Create();
    TextBox zero(&form, "");
    zero.maxLength = 0;
    zero.Create();
    const LRESULT systemLimit = SendMessageW(unlimited.hwnd, EM_GETLIMITTEXT, 0, 0);
    EXPECT_EQ(SendMessageW(limited.hwnd, EM_GETLIMITTEXT, 0, 0), 5);
    // EM_LIMITTEXT with 0 asks for the largest limit, unlike leaving it alone.
    EXPECT_NE(SendMessageW(zero.hwnd, EM_GETLIMITTEXT, 0, 0), systemLimit);
    Type(limited, L"abcdefgh");
    EXPECT_EQ(limited.GetText(), L"abcde");
}

TEST_F(TextBoxTest, APasswordBoxShowsStarsUntilThePasswordIsCleared)
{
    TextBox box(&form, "segreto");
    box.password = true;
    box.Create();
    EXPECT_EQ(SendMessageW(box.hwnd, EM_GETPASSWORDCHAR, 0, 0), '*');
    box.password = false;
    box.ApplyStyle();
    EXPECT_EQ(SendMessageW(box.hwnd, EM_GETPASSWORDCHAR, 0, 0), 0);
    box.password = true;
    box.ApplyStyle();
    EXPECT_EQ(SendMessageW(box.hwnd, EM_GETPASSWORDCHAR, 0, 0), '*');
    EXPECT_EQ(box.GetText(), L"segreto");
}

TEST_F(TextBoxTest, ReadOnlySetOnALiveBoxRefusesTyping)
{
    TextBox box(&form, "");
    box.Create();
    Type(box, L"ab");
    box.readOnly = true;
    box.ApplyStyle();
    EXPECT_EQ(StyleOf(box.hwnd) & ES_READONLY, static_cast<DWORD>(ES_READONLY));
    Type(box, L"cd");
    EXPECT_EQ(box.GetText(), L"ab");
    box.readOnly = false;
    box.ApplyStyle();
    Type(box, L"ef");
    EXPECT_EQ(box.GetText(), L"abef");
}

TEST_F(TextBoxTest, ApplyStyleBringsTheLiveStyleInLineWithTheFlags)
{
    TextBox box(&form, "");
    box.Create();
    box.upperCase = true;
    box.alignCenter = true;
    box.verticalScrollBar = true;
    box.ApplyStyle();
    EXPECT_EQ(StyleOf(box.hwnd), 0x50A10089u);
    Type(box, L"ciao");
    EXPECT_EQ(box.GetText(), L"CIAO");
}

TEST_F(TextBoxTest, ApplyStyleBeforeCreateOnlyLeavesTheFlagsForCreate)
{
    TextBox box(&form, "");
    box.readOnly = true;
    box.ApplyStyle();
    EXPECT_FALSE(box.created);
    EXPECT_EQ(box.hwnd, nullptr);
    box.Create();
    EXPECT_EQ(StyleOf(box.hwnd) & ES_READONLY, static_cast<DWORD>(ES_READONLY));
}

TEST_F(TextBoxTest, ABoxWhoseWindowCannotBeMadeStillCountsAsCreated)
{
    Form windowless(GetModuleHandleW(nullptr));
    TextBox box(&windowless, "");
    box.maxLength = 3;
    box.password = true;
    box.Create();
    EXPECT_TRUE(box.created);
    EXPECT_EQ(box.hwnd, nullptr);
    box.ApplyStyle();
    EXPECT_EQ(box.hwnd, nullptr);
}
