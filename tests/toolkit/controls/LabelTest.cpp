#include "toolkit/controls/Label.h"

#include "tests/toolkit/controls/ControlTestSupport.h"
#include "toolkit/drawing/FontRecord.h"

using namespace KavoUtility;

struct LabelStyleCase {
    const char* name;
    bool enabled;
    bool border;
    bool alignRight;
    bool alignCenter;
    DWORD style;
    DWORD extendedStyle;
};

class LabelStyle : public FormTest, public ::testing::WithParamInterface<LabelStyleCase> {};

TEST_P(LabelStyle, ReadsBackFromTheWindow)
{
    const LabelStyleCase& c = GetParam();
    Label label(&form, "Runepairs");
    label.enabled = c.enabled;
    label.border = c.border;
    label.alignRight = c.alignRight;
    label.alignCenter = c.alignCenter;
    label.Create();
    ASSERT_NE(label.hwnd, nullptr);
    EXPECT_EQ(StyleOf(label.hwnd), c.style);
    EXPECT_EQ(ExtendedStyleOf(label.hwnd), c.extendedStyle);
}

INSTANTIATE_TEST_SUITE_P(Cases, LabelStyle,
    ::testing::Values(LabelStyleCase{"Plain", true, false, false, false, 0x50000100, 0},
        LabelStyleCase{"DisabledBordered", false, true, false, false, 0x58800100, 0x200},
        LabelStyleCase{"Centred", true, false, false, true, 0x50000101, 0},
        LabelStyleCase{"Right", true, false, true, false, 0x50000102, 0},
        LabelStyleCase{"RightWinsOverCentre", true, false, true, true, 0x50000102, 0}),
    [](const ::testing::TestParamInfo<LabelStyleCase>& info) { return std::string(info.param.name); });

using LabelTest = FormTest;

TEST_F(LabelTest, IsAStaticControlBuiltFromItsStoredProperties)
{
    FontRecord font("Tahoma", 20);
    Label label(&form, "Gioco di memoria \xE8 bello");
    EXPECT_EQ(label.typeName, "label");
    EXPECT_EQ(label.width, 80);
    EXPECT_EQ(label.height, 30);
    label.font = &font;
    label.SetPosition(10, 15);
    label.SetSize(200, 24);
    label.Create();
    ExpectWindowBuiltFrom(label, L"Static", font);
    EXPECT_EQ(WindowTextOf(label.hwnd), L"Gioco di memoria \u00E8 bello");
    label.SetText("Versione 1.0");
    EXPECT_EQ(WindowTextOf(label.hwnd), L"Versione 1.0");
}

TEST_F(LabelTest, ItsClicksReachItsMouseHandlerAndIssueNoCommand)
{
    static GUIElement* clicked = nullptr;
    Label label(&form, "Runepairs");
    label.lButtonUpHandler = [](GUIElement* sender, HWND, int32_t, int32_t) -> int32_t {
        clicked = sender;
        return 0;
    };
    label.Create();
    SendMessageW(label.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(clicked, &label);
    SendMessageW(form.hwnd, WM_COMMAND, MAKEWPARAM(label.id, STN_CLICKED), reinterpret_cast<LPARAM>(label.hwnd));
    EXPECT_TRUE(IsWindow(label.hwnd));
}

TEST_F(LabelTest, ALabelWhoseWindowCannotBeMadeStillCountsAsCreated)
{
    Form windowless(GetModuleHandleW(nullptr));
    Label label(&windowless, "Runepairs");
    label.Create();
    EXPECT_TRUE(label.created);
    EXPECT_EQ(label.hwnd, nullptr);
}
