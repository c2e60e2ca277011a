// ImageFrame: a self-painting element that shows one tile of a bitmap sheet.
#pragma once

#include "toolkit/controls/PanelChildren.h"

#include <cstdint>

namespace KavoUtility {

// Tiles have the element's own size: tile (column, row) is the rectangle at
// (column x width, row x height) of the sheet. Black pixels of the tile are
// transparent.
class ImageFrame : public PanelChildren {
public:
    // Not owned: whoever loaded the sheet deletes it.
    HBITMAP sheet;
    int32_t column;
    int32_t row;

    ImageFrame(GUIElement* parent, HBITMAP sheet, int32_t column, int32_t row);

    void OnPaint() override;

    // Stores the tile and, on a live window, repaints it. No range check: the
    // caller keeps the tile inside the sheet.
    void SetTile(int32_t newColumn, int32_t newRow);

private:
    void DrawTile(const RECT& client);
};

} // namespace KavoUtility
