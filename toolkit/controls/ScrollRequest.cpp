#include "toolkit/controls/ScrollRequest.h"

namespace KavoUtility {

int32_t RequestedScrollPosition(int requestCode, const SCROLLINFO& info)
{
    const int32_t page = static_cast<int32_t>(info.nPage);
    switch (requestCode) {
    case SB_LINEUP:
        return info.nPos - 1;
    case SB_LINEDOWN:
        return info.nPos + 1;
    case SB_PAGEUP:
        return info.nPos - page;
    case SB_PAGEDOWN:
        return info.nPos + page;
    case SB_THUMBTRACK:
        return info.nTrackPos;
    case SB_TOP:
        return info.nMin;
    case SB_BOTTOM:
        return info.nMax;
    default:
        return info.nPos;
    }
}

} // namespace KavoUtility
