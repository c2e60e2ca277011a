// Horizontal alignment codes taken by Drawing::WriteText and kept by cells.
#pragma once

#include <cstdint>

namespace KavoUtility {

// The codes run left, right, centre, which is not the order of the DT_ flags;
// any other value draws as AlignLeft.
enum TextAlign : int32_t {
    AlignLeft = 0,
    AlignRight = 1,
    AlignCenter = 2,
};

} // namespace KavoUtility
