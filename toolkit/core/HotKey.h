// One system-wide hot key of a form.
#pragma once

#include <cstdint>

namespace KavoUtility {

class Form;

using HotKeyHandler = void (*)(Form* sender, uint32_t modifiers, uint32_t key);

// Entry i of a form's list is registered as hot-key identifier i + 1.
struct HotKey {
    uint32_t modifiers;
    uint32_t key;
    HotKeyHandler handler;
};

} // namespace KavoUtility
