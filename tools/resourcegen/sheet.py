"""The card sheet: 8 x 5 tiles of cards, in the roles the game expects."""

from .card import HEIGHT, WIDTH, paint_card, rune_figure
from .back import back_pattern
from .runes import RUNES

COLUMNS, ROWS = 8, 5
BACK_TILE = (0, 1)


def is_blank(column, row):
    """The black tiles that are never dealt."""
    return column == COLUMNS - 1 and row >= 1


def face_tiles():
    """The tiles that carry a face, in reading order."""
    return [(c, r) for r in range(ROWS) for c in range(COLUMNS)
            if (c, r) != BACK_TILE and not is_blank(c, r)]


def _tile_pixels(column, row, faces):
    if is_blank(column, row):
        return [(0.0, 0.0, 0.0)] * (WIDTH * HEIGHT)
    if (column, row) == BACK_TILE:
        return paint_card(pattern=back_pattern)
    return paint_card(glyph=rune_figure(faces[(column, row)]))


def paint_sheet():
    """(width, height, pixels) of the whole sheet."""
    faces = dict(zip(face_tiles(), RUNES))
    width, height = COLUMNS * WIDTH, ROWS * HEIGHT
    pixels = [None] * (width * height)
    for row in range(ROWS):
        for column in range(COLUMNS):
            tile = _tile_pixels(column, row, faces)
            for y in range(HEIGHT):
                start = (row * HEIGHT + y) * width + column * WIDTH
                pixels[start:start + WIDTH] = tile[y * WIDTH:(y + 1) * WIDTH]
    return width, height, pixels
