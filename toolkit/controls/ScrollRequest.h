// Where a scroll request asks a scroll bar to go.
#pragma once

#include <windows.h>

#include <cstdint>

namespace KavoUtility {

// The position that request code `requestCode` (the low word of a
// WM_HSCROLL or WM_VSCROLL) asks for, from the bar's range, page, position
// and track position. Both bars read the codes alike: SB_LEFT and SB_RIGHT
// go to the ends of the range as SB_TOP and SB_BOTTOM do. Codes that ask for
// no movement (SB_THUMBPOSITION, SB_ENDSCROLL, unknown ones) keep nPos.
int32_t RequestedScrollPosition(int requestCode, const SCROLLINFO& info);

} // namespace KavoUtility
