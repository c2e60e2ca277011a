// A font description that creates its GDI font on first use and owns it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace KavoUtility {

class FontRecord {
public:
    HFONT fontHandle = nullptr;
    std::wstring faceName = L"System";
    int32_t fontHeight = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool fixedPitch = false;

    FontRecord() = default;
    FontRecord(std::string face, int32_t height);
    ~FontRecord();

    // The record owns its font: copies would delete it twice.
    FontRecord(const FontRecord&) = delete;
    FontRecord& operator=(const FontRecord&) = delete;

    // Creates the font on the first call and caches it; style flags changed
    // after that have no effect. A failed creation is retried on the next call.
    HFONT GetFontHandle();
};

} // namespace KavoUtility
