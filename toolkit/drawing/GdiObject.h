// Owns one GDI object (pen, brush, bitmap, font) and deletes it on scope exit.
#pragma once

#include <windows.h>

namespace KavoUtility {

template <typename Handle>
class GdiObject {
public:
    explicit GdiObject(Handle handle) : handle(handle) {}
    ~GdiObject()
    {
        if (handle) {
            DeleteObject(handle);
        }
    }

    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }

private:
    Handle handle;
};

} // namespace KavoUtility
