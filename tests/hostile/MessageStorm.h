// A bounded storm of window messages with random parameters, sent straight
// to a program's windows as a hostile or buggy sender would.
#pragma once

#include "tests/hostile/StormMessages.h"

#include <windows.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

class MessageStorm {
public:
    struct Targets {
        // Windows the messages go to; pointer-carrying messages are always sent.
        std::vector<HWND> windows;
        // Forms receive WM_CLOSE too: their close question must be refused.
        std::vector<HWND> forms;
        // Identifiers that WM_COMMAND, WM_TIMER and the owner-draw messages
        // carry besides random ones: live and stale controls, menu items, timers.
        std::vector<int32_t> ids;
        // Handles for the menu messages.
        std::vector<HMENU> menus;
    };

    MessageStorm(uint32_t seed, Targets targets);
    ~MessageStorm();
    MessageStorm(const MessageStorm&) = delete;
    MessageStorm& operator=(const MessageStorm&) = delete;

    // Sends `count` messages; some pointer-free ones are posted instead, so
    // that they arrive inside whatever loop the receiver runs (a pause, a
    // message box). Everything posted is dispatched before this returns.
    void Run(int32_t count);

    // The message being sent, for a report when the storm does not come back.
    std::string Describe(const StormMessage& message, HWND window) const;

private:
    struct Payload;

    uint32_t Number();
    int32_t Between(int32_t low, int32_t high);
    HWND AnyWindow();
    std::vector<HWND> Audience(::Audience audience) const;
    WPARAM Generate(ParamKind kind, HWND window, Payload& payload);
    void SendOne();

    std::mt19937 random;
    Targets targets;
    // Device contexts handed out with messages belong to this memory canvas,
    // so drawing into them never touches the screen of another program.
    HDC canvas;
    HBITMAP canvasBitmap;
    HGDIOBJ canvasPrevious;
};
