// PanelChildren: the toolkit's container, a child window of a class of its
// own that paints its background, colours the controls inside it and can
// scroll its contents.
#pragma once

#include "toolkit/core/Child.h"

#include <cstdint>
#include <string>

namespace KavoUtility {

class Drawing;

class PanelChildren : public Child {
public:
    // Free text for the application; the toolkit never reads it.
    std::string tag;
    ScrollHandler verticalScrollHandler = nullptr;
    ScrollHandler horizontalScrollHandler = nullptr;
    bool border = false;
    // With `border`: a plain line instead of the sunken client edge.
    bool flatBorder = false;
    bool verticalScrollBar = false;
    bool horizontalScrollBar = false;
    // The range of both bars, read by Create.
    int32_t scrollMinimum = 0;
    int32_t scrollMaximum = 100;
    bool tabStop = true;
    // The brush last handed to a child control; the panel owns it.
    HBRUSH childBrush = nullptr;
    // -1: leave the control's text colour as it is.
    int32_t childTextColor = -1;
    // -1: use the panel's own backColor.
    int32_t childBackColor = -1;

    explicit PanelChildren(GUIElement* parent);
    // Deletes the brushes the panel made; the window goes with its form.
    ~PanelChildren() override;

    // The brush and colours for a control inside the panel that asks with
    // WM_CTLCOLOREDIT, WM_CTLCOLORBTN or WM_CTLCOLORSTATIC; never none.
    HBRUSH OnCtlColor(HDC controlContext) override;
    // Registers the class "PanelChildren" + (id - 1) and creates the window.
    void Create() override;

    // Re-applies border, scroll bars, tab stop and enabled state to the live
    // window. The extended style stays: a border added now is a plain line.
    void ApplyStyle();
    // Sizes the live window so that its client area is clientWidth x clientHeight.
    void SetClientSize(int32_t clientWidth, int32_t clientHeight);

    // Whether the panel has the bar SB_HORZ or SB_VERT names; a panel without
    // it leaves that bar's requests to default processing.
    bool HasScrollBar(int bar) const;
    // Moves bar SB_HORZ or SB_VERT of `window` as the request code of a
    // WM_HSCROLL or WM_VSCROLL asks, scrolls the contents by the distance the
    // bar moved and tells the bar's handler the requested step.
    void Scroll(HWND window, int bar, int requestCode);
    // One page up for a positive wheel delta, one page down otherwise.
    void ScrollWheel(int32_t wheelDelta);

protected:
    // For the elements that paint themselves: once SetBackColor has painted
    // the colour, each paint fills the whole client area with it again.
    void FillBackColor(Drawing& drawing, const RECT& client);
    // GUIElement's OnPaint without its background fill, for the elements
    // that paint themselves: only the paint handler runs.
    void CallPaintHandler();

private:
    DWORD Style() const;
    DWORD ExtendedStyle() const;
    void SetScrollRange();
    void ReleaseChildBrush();

    // Registered by Create; unregistered, with its brush, by the destructor
    // once the window is gone.
    std::wstring className;
};

} // namespace KavoUtility
