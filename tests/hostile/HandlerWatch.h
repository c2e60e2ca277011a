// Puts a recording function into every handler pointer of watched elements,
// so a test can tell whether a handler ever ran for an element that was gone.
#pragma once

#include "toolkit/core/GUIElement.h"

#include <cstdint>

namespace HandlerWatch {

// Fills every handler of the element, its command and tick handlers
// included, and counts it among the living. Close handlers refuse.
void Watch(KavoUtility::GUIElement& element);
// To be called before the element is deleted.
void Forget(KavoUtility::GUIElement& element);

// Handler calls that named a watched, living element.
int32_t Calls();
// Handler calls that named an element not (or no longer) watched.
int32_t StrayCalls();
// Command and tick handler calls for one element.
int32_t CommandsFor(const KavoUtility::GUIElement& element);
int32_t TicksFor(const KavoUtility::GUIElement& element);

} // namespace HandlerWatch
