#include "toolkit/drawing/LoadBitmapFile.h"

#include "toolkit/text/Text.h"

namespace KavoUtility {

HBITMAP LoadBitmapFile(std::string path)
{
    std::wstring file = ToWide(path);
    return static_cast<HBITMAP>(
        LoadImageW(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

} // namespace KavoUtility
