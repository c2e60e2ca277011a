// Sets one colour of a context (text or background, chosen by the setter
// passed in) and puts the previous one back on scope exit.
#pragma once

#include <windows.h>

namespace KavoUtility {

class ContextColor {
public:
    using Setter = COLORREF(WINAPI*)(HDC, COLORREF);

    ContextColor(HDC dc, Setter set, COLORREF color) : dc(dc), set(set), previous(set(dc, color)) {}
    ~ContextColor() { set(dc, previous); }

    ContextColor(const ContextColor&) = delete;
    ContextColor& operator=(const ContextColor&) = delete;

private:
    HDC dc;
    Setter set;
    COLORREF previous;
};

} // namespace KavoUtility
