// Small elements and helpers for the core tests: a concrete child (an edit
// control, which takes the focus and keeps characters) and a message pump.
#pragma once

#include "toolkit/core/Child.h"
#include "toolkit/core/ControlWindow.h"

#include <windows.h>

namespace CoreTest {

class TestEdit : public KavoUtility::Child {
public:
    explicit TestEdit(KavoUtility::GUIElement* owner)
    {
        parent = owner;
        typeName = "testedit";
    }

    void Create() override
    {
        if (created) {
            return;
        }
        KavoUtility::CreateControlWindow(*this, L"edit", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0);
        KavoUtility::FinishCreate(*this);
    }
};

// Dispatches every message already queued for this thread.
inline void PumpPending()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

inline std::wstring ClassNameOf(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

} // namespace CoreTest
