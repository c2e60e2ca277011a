// Image: a bitmap from the program's resources or from a file, shown by a
// system static control.
#include "toolkit/controls/Image.h"

#include "toolkit/core/ControlWindow.h"
#include "toolkit/drawing/LoadBitmapFile.h"

namespace KavoUtility {

Image::Image(GUIElement* parent, int32_t resourceId)
    : resourceId(resourceId)
{
    this->parent = parent;
    typeName = "image";
}

Image::~Image()
{
    if (bitmap) {
        DeleteObject(bitmap);
    }
}

void Image::Create()
{
    if (created) {
        return;
    }
    DWORD style = WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_BITMAP | (border ? WS_BORDER : 0);
    if (!MakeControlWindow(*this, L"static", style, border ? WS_EX_CLIENTEDGE : 0)) {
        return;
    }
    created = true;
    // The picture goes in before the window is sub-classed: the control
    // sizes itself to its picture, and that is part of making it, not a
    // resize for the element's handlers.
    if (resourceId == -1) {
        SetImageFile(imagePath);
    } else {
        SetImageResource(resourceId);
    }
    SubclassControlWindow(*this);
    FinishCreate(*this);
}

void Image::SetImageResource(int32_t newResourceId)
{
    imagePath.clear();
    resourceId = newResourceId;
    if (created && resourceId > 0) {
        ShowBitmap(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
            MAKEINTRESOURCEW(resourceId & 0xFFFF), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    }
}

void Image::SetImageFile(std::string path)
{
    imagePath = path;
    resourceId = -1;
    if (created && !imagePath.empty()) {
        ShowBitmap(LoadBitmapFile(imagePath));
    }
}

// The control is handed the replacement, or none after a failed load, before
// the old bitmap is deleted: it must never be left drawing a deleted bitmap.
void Image::ShowBitmap(HBITMAP replacement)
{
    HBITMAP shown = reinterpret_cast<HBITMAP>(
        SendMessageW(hwnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(replacement)));
    // Version 6 of the common controls shows a copy of a bitmap with an alpha
    // channel; the copy is then ours to delete.
    if (shown && shown != bitmap) {
        DeleteObject(shown);
    }
    if (bitmap) {
        DeleteObject(bitmap);
    }
    bitmap = replacement;
    if (!bitmap) {
        UncoverParent();
    }
}

// A static control without a picture paints nothing at all, not even its
// background: the parent, which does not clip its children, repaints its own
// background where the old picture was.
void Image::UncoverParent()
{
    RECT area{};
    GetWindowRect(hwnd, &area);
    MapWindowPoints(nullptr, parent->hwnd, reinterpret_cast<POINT*>(&area), 2);
    InvalidateRect(parent->hwnd, &area, TRUE);
}

} // namespace KavoUtility
