// Timer: a system timer on the parent form's window, as an element.
#include "toolkit/controls/Timer.h"

#include "toolkit/core/ControlWindow.h"

namespace KavoUtility {

namespace {

HWND ParentWindow(const GUIElement* parent)
{
    return parent ? parent->hwnd : nullptr;
}

} // namespace

Timer::Timer(GUIElement* parent)
{
    this->parent = parent;
    width = 50;
    height = 22;
    text = L"timer";
    typeName = "timer";
}

Timer::~Timer()
{
    Stop();
}

// The hidden window only gives the timer an id and a place among the
// toolkit's windows; a timer has no tooltip and no font.
void Timer::Create()
{
    if (created) {
        return;
    }
    CreateControlWindow(*this, L"static", WS_CHILD, 0);
    created = true;
}

void Timer::Start()
{
    if (running) {
        return;
    }
    Create();
    SetTimer(ParentWindow(parent), static_cast<UINT_PTR>(id), interval, nullptr);
    running = true;
}

void Timer::Stop()
{
    if (!running) {
        return;
    }
    KillTimer(ParentWindow(parent), static_cast<UINT_PTR>(id));
    running = false;
}

} // namespace KavoUtility
