// Selects a GDI object into a context and selects the previous one back on
// scope exit. Declare it after the owner of the object, so that the object is
// deselected before it is deleted.
#pragma once

#include <windows.h>

namespace KavoUtility {

class SelectedObject {
public:
    // A missing object or context selects nothing and restores nothing.
    SelectedObject(HDC dc, HGDIOBJ object) : dc(dc), previous(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject()
    {
        if (previous) {
            SelectObject(dc, previous);
        }
    }

    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

    // The object that was selected before, none when the selection failed.
    HGDIOBJ Previous() const { return previous; }

private:
    HDC dc;
    HGDIOBJ previous;
};

} // namespace KavoUtility
