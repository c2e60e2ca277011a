#include "game/Layout.h"

#include "game/GameConstants.h"
#include "game/Tile.h"

namespace Game {

int32_t BoardColumn(int32_t card)
{
    return card % kBoardColumns;
}

int32_t BoardRow(int32_t card)
{
    return card / kBoardColumns;
}

POINT CardPosition(int32_t card)
{
    return POINT{kTileWidth * BoardColumn(card), kTileHeight * BoardRow(card)};
}

POINT LogoPosition(POINT board, int32_t boardOuterWidth)
{
    return POINT{board.x + boardOuterWidth + kColumnGap, board.y};
}

int32_t ButtonTop(POINT board, int32_t logoHeight, int32_t index)
{
    return board.y + logoHeight + kColumnGap + kButtonPitch * index;
}

POINT ClockPosition(POINT closeButton)
{
    return POINT{closeButton.x, closeButton.y + kButtonPitch};
}

} // namespace Game
