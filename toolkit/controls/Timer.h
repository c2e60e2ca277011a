// Timer: a system timer on the parent form's window, as an element.
#pragma once

#include "toolkit/core/Child.h"
#include "toolkit/core/Handlers.h"

#include <cstdint>

namespace KavoUtility {

// The system timer is set on the parent's window and identified there by the
// timer's id; WindowProc finds the timer by that id at each WM_TIMER. The
// timer's own window is a hidden static that plays no part in the ticks.
class Timer : public Child {
public:
    bool running = false;
    // Milliseconds; read by the next Start.
    uint32_t interval = 1000;
    TickHandler tickHandler = nullptr;

    explicit Timer(GUIElement* parent);
    ~Timer() override;

    void Create() override;

    // Creates the timer first when needed; does nothing while running.
    void Start();
    // Does nothing while stopped.
    void Stop();
};

} // namespace KavoUtility
