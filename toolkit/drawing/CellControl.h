// CellControl: a self-painting element that shows one line of coloured text,
// centred vertically, with an optional "*" marker in its bottom-right corner.
#pragma once

#include "toolkit/controls/PanelChildren.h"
#include "toolkit/drawing/TextAlign.h"

#include <cstdint>
#include <string>

namespace KavoUtility {

class CellControl : public PanelChildren {
public:
    bool marker = false;
    // The cell's own font description, made into a font at every paint. Its
    // height always centres the text; it draws unless `font` is set.
    bool bold = false;
    bool underline = false;
    bool italic = false;
    std::string faceName = "Tahoma";
    int32_t fontHeight = 14;
    TextAlign align = AlignCenter;
    // Colour of the text and the marker.
    COLORREF textColor = 0;

    explicit CellControl(GUIElement* parent);

    void SetText(const std::wstring& value) override;
    void SetText(const std::string& value) override;
    void OnPaint() override;

    void SetColor(COLORREF color);
    // Codes other than 0, 1 and 2 draw as AlignLeft.
    void SetAlign(TextAlign code);

private:
    void Invalidate();
    void DrawCell(const RECT& client);
};

} // namespace KavoUtility
