// A shown form for the controls under test to live in, and what the tests
// read back from windows.
#pragma once

#include "toolkit/core/Form.h"

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
