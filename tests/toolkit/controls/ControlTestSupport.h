// A shown form for the controls under test to live in, and what the tests
// read back from windows.
#pragma once

#include "toolkit/core/Form.h"
#include "toolkit/drawing/FontRecord.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

class FormTest : public ::testing::Test {
protected:
    KavoUtility::Form form{GetModuleHandleW(nullptr)};

    void SetUp() override
    {
        form.width = 500;
        form.height = 400;
        form.Create();
    }
};

inline DWORD StyleOf(HWND window)
{
    return static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
}

inline DWORD ExtendedStyleOf(HWND window)
{
    return static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
}

inline std::wstring ClassNameOf(HWND window)
{
    wchar_t name[256] = L"";
    GetClassNameW(window, name, 256);
    return name;
}

inline std::wstring WindowTextOf(HWND window)
{
    wchar_t buffer[1024] = L"";
    GetWindowTextW(window, buffer, 1024);
    return buffer;
}

inline SIZE OuterSizeOf(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

// The created control's window against its element: class, text, parent,
// control id, position, outer size and font.
inline void ExpectWindowBuiltFrom(const KavoUtility::GUIElement& element, const wchar_t* className,
    KavoUtility::FontRecord& font)
{
    EXPECT_EQ(ClassNameOf(element.hwnd), className);
    EXPECT_EQ(WindowTextOf(element.hwnd), element.text);
    EXPECT_EQ(GetParent(element.hwnd), element.parent->hwnd);
    EXPECT_EQ(GetDlgCtrlID(element.hwnd), element.id);
    RECT r{};
    GetWindowRect(element.hwnd, &r);
    MapWindowPoints(nullptr, element.parent->hwnd, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, element.x);
    EXPECT_EQ(r.top, element.y);
    EXPECT_EQ(r.right - r.left, element.width);
    EXPECT_EQ(r.bottom - r.top, element.height);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(element.hwnd, WM_GETFONT, 0, 0)), font.GetFontHandle());
}
