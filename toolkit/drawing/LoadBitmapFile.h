// Loads a .bmp file as a DIB section.
#pragma once

#include <windows.h>

#include <string>

namespace KavoUtility {

// The bitmap keeps the file's own size; none when the file is missing or
// unreadable. The caller owns the bitmap and deletes it with DeleteObject.
HBITMAP LoadBitmapFile(std::string path);

} // namespace KavoUtility
