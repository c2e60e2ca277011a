#include "toolkit/drawing/FontRecord.h"

#include "toolkit/text/Text.h"

namespace KavoUtility {

FontRecord::FontRecord(std::string face, int32_t height)
    : faceName(ToWide(face)), fontHeight(height)
{
}

FontRecord::~FontRecord()
{
    if (fontHandle) {
        DeleteObject(fontHandle);
    }
}

HFONT FontRecord::GetFontHandle()
{
    if (!fontHandle) {
        fontHandle = CreateFontW(fontHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, underline, FALSE,
            DEFAULT_CHARSET, OUT_OUTLINE_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
            fixedPitch ? FIXED_PITCH : DEFAULT_PITCH, faceName.c_str());
    }
    return fontHandle;
}

} // namespace KavoUtility
