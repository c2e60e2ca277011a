// A half-second pause that keeps the user interface alive.
#pragma once

namespace KavoUtility {

// Returns once 500 ms of local time have passed, dispatching every message
// that arrives meanwhile. A quit request fetched here is posted again for
// the main loop.
void Wait();

} // namespace KavoUtility
