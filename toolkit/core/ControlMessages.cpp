#include "toolkit/core/ControlMessages.h"

#include "toolkit/controls/Button.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/core/Registry.h"
#include "toolkit/drawing/Drawing.h"
#include "toolkit/drawing/FontRecord.h"

namespace KavoUtility {

namespace {

constexpr WORD menuNotification = 0;
constexpr COLORREF disabledText = 0x969696;
constexpr COLORREF disabledFrame = 0x696969;
constexpr int focusInset = 3;

// A checkable item toggles its mark before its handler runs.
void RunMenuItem(WORD itemId)
{
    SubMenu* item = FindMenuItemById(itemId);
    if (!item) {
        return;
    }
    if (item->checkable) {
        item->checked = !item->IsChecked();
        if (item->created) {
            item->ApplyCheck();
        }
    }
    if (item->commandHandler) {
        item->commandHandler(item);
    }
}

// Every notification of a command control counts as a command.
void RunControlCommand(HWND control)
{
    GUIElement* target = FindByHandle(control);
    auto command = dynamic_cast<CommandElement*>(target);
    if (command && command->commandHandler) {
        command->commandHandler(target);
    }
}

// Half the height the button leaves around the font the context had before
// any was chosen for it.
int32_t TextOffset(HDC dc, int32_t buttonHeight)
{
    FontRecord probe;
    HGDIOBJ previous = SelectObject(dc, probe.GetFontHandle());
    LOGFONTW previousFont{};
    GetObjectW(previous, sizeof previousFont, &previousFont);
    SelectObject(dc, previous);
    const int32_t offset = (buttonHeight - previousFont.lfHeight) / 2;
    return offset < 0 ? 0 : offset;
}

} // namespace

void RouteCommand(WPARAM wParam, LPARAM lParam)
{
    const WORD notification = HIWORD(wParam);
    const auto control = reinterpret_cast<HWND>(lParam);
    // Accelerators and other notifications that name no control have no
    // element to run: looking up a null handle would find any element that
    // has no window yet, such as a menu item.
    if (control) {
        RunControlCommand(control);
    } else if (notification == menuNotification) {
        RunMenuItem(LOWORD(wParam));
    }
}

void RouteTimerTick(WPARAM timerId)
{
    auto timer = dynamic_cast<Timer*>(FindById(static_cast<int32_t>(timerId)));
    if (timer && timer->tickHandler) {
        timer->tickHandler(timer);
    }
}

bool DrawOwnerDrawnButton(WPARAM controlId, const DRAWITEMSTRUCT& item)
{
    auto button = dynamic_cast<Button*>(FindById(static_cast<int32_t>(controlId)));
    if (item.CtlType != ODT_BUTTON || !button) {
        return false;
    }
    Drawing drawing(button);
    drawing.AttachDC(item.hDC);
    const RECT& r = item.rcItem;
    const int32_t width = r.right - r.left;
    const int32_t height = r.bottom - r.top;
    COLORREF textColor = GetTextColor(item.hDC);
    const int32_t offset = TextOffset(item.hDC, height);
    drawing.FillArea(r.left, r.top, width, height, GetBkColor(item.hDC));
    COLORREF frameColor = textColor;
    if (item.itemState & ODS_DISABLED) {
        textColor = disabledText;
        frameColor = disabledFrame;
    } else if (item.itemState & ODS_SELECTED) {
        frameColor = 0xFFFFFF - textColor;
    }
    drawing.DrawOutline(r.left, r.top, width, height, frameColor);
    drawing.WriteText(button->GetNarrowText(), r.left, r.top + offset, width, height, textColor, nullptr, AlignCenter);
    if (item.itemState & ODS_FOCUS) {
        RECT focus{r.left + focusInset, r.top + focusInset, r.right - focusInset, r.bottom - focusInset};
        DrawFocusRect(item.hDC, &focus);
    }
    drawing.EndDraw();
    return true;
}

} // namespace KavoUtility
