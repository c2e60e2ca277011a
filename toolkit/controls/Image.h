// Image: a bitmap from the program's resources or from a file, shown by a
// system static control.
#pragma once

#include "toolkit/core/Child.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace KavoUtility {

class Image : public Child {
public:
    // The bitmap shown; owned by the image.
    HBITMAP bitmap = nullptr;
    // Read when resourceId is -1.
    std::string imagePath;
    // A bitmap resource of the program, or -1 for imagePath.
    int32_t resourceId;
    // With the sunken client edge.
    bool border = false;

    Image(GUIElement* parent, int32_t resourceId);
    ~Image() override;

    // Unlike the other controls, an image whose window cannot be made stays
    // not created, so a later Create tries again with a new id.
    void Create() override;

    // Both record the choice; on a created image they load the picture at
    // once. A picture that does not load leaves the image empty.
    void SetImageResource(int32_t newResourceId);
    void SetImageFile(std::string path);

private:
    void ShowBitmap(HBITMAP replacement);
    void UncoverParent();
};

} // namespace KavoUtility
