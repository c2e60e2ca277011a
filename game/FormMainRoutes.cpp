// The plain functions FormMain stores in its elements: each finds the form
// from the sender and calls one of its operations.
#include "game/FormMain.h"

#include "toolkit/drawing/ImageFrame.h"

namespace Game {

using namespace KavoUtility;

void FormMain::RouteCreated(GUIElement* sender, HWND)
{
    static_cast<FormMain*>(sender)->BuildElements();
}

bool FormMain::RouteClose(GUIElement* sender)
{
    return static_cast<FormMain*>(sender)->ConfirmClose();
}

bool FormMain::PassCharacter(GUIElement*, wchar_t)
{
    return true;
}

int32_t FormMain::IgnoreEvent(GUIElement*)
{
    return 0;
}

int32_t FormMain::IgnoreKey(GUIElement*, int32_t)
{
    return 0;
}

int32_t FormMain::IgnoreButton(GUIElement*, HWND, int32_t, int32_t)
{
    return 0;
}

// A card's parent is the board, whose parent is the form.
int32_t FormMain::RouteCardPress(GUIElement* sender, HWND, int32_t, int32_t)
{
    ImageFrame* card = dynamic_cast<ImageFrame*>(sender);
    if (card == nullptr) {
        return 0;
    }
    if (FormMain* form = dynamic_cast<FormMain*>(card->parent->parent)) {
        form->OnCardClick(card);
    }
    return 0;
}

void FormMain::RouteButtonCommand(GUIElement* sender)
{
    if (FormMain* form = dynamic_cast<FormMain*>(sender->parent)) {
        form->OnButtonCommand(sender);
    }
}

// Items hang from a menu, which hangs from the bar, which hangs from the form.
void FormMain::RouteMenuCommand(GUIElement* sender)
{
    for (GUIElement* element = sender->parent; element != nullptr; element = element->parent) {
        if (FormMain* form = dynamic_cast<FormMain*>(element)) {
            form->OnMenuCommand(sender);
            return;
        }
    }
}

void FormMain::RouteTimerTick(GUIElement* sender)
{
    if (FormMain* form = dynamic_cast<FormMain*>(sender->parent)) {
        form->OnTimerTick();
    }
}

} // namespace Game
