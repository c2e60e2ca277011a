// Where the main window's elements go: pure arithmetic on the positions and
// sizes that the windows already placed report back.
#pragma once

#include <windows.h>

#include <cstdint>

namespace Game {

// Card k of the board sits in column k mod 8 and row k div 8, both from 0.
int32_t BoardColumn(int32_t card);
int32_t BoardRow(int32_t card);

// A card's top-left corner in the board's client area: the cards tile it
// without gaps.
POINT CardPosition(int32_t card);

// The right-hand column starts one gap right of the board's outer edge; its
// logo is level with the board's top.
POINT LogoPosition(POINT board, int32_t boardOuterWidth);

// Top of the button at `index` (0 Info, 1 Inizia, 2 Chiudi): one gap below
// the logo's real height, then one pitch per button.
int32_t ButtonTop(POINT board, int32_t logoHeight, int32_t index);

// The clock sits one pitch below the close button, on its left edge.
POINT ClockPosition(POINT closeButton);

} // namespace Game
