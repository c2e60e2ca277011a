"""The title logo: "Runepairs" in red letters on a white ground."""

from math import sqrt

from .colour import coverage, hex_colour, mix
from .lettering import LETTERS
from .strokes import StrokeFigure, placed

WIDTH, HEIGHT = 163, 50
TITLE = 'Runepairs'
BASELINE = 34.0
SPACING = 3.0           # white between two letters
HALF_WEIGHT = 2.2
DIAMOND_RADIUS = 3.4    # the dot of the i is a small rune diamond

WHITE = (255.0, 255.0, 255.0)
RED_TOP = hex_colour('#e0242c')
RED_BOTTOM = hex_colour('#a8121c')
SHADOW = hex_colour('#e4d9d9')
SHADOW_OFFSET = (1.2, 1.4)


class Lettering:
    """The title set in one line, centred on the logo."""

    def __init__(self):
        strokes, dots, x = [], [], 0.0
        for char in TITLE:
            letter = LETTERS[char]
            strokes += placed(letter.strokes, 1.0, x, 0.0)
            dots += placed([letter.dots], 1.0, x, 0.0)[0]
            x += letter.width + SPACING + 2 * HALF_WEIGHT
        left = (WIDTH - (x - SPACING)) / 2.0 + HALF_WEIGHT
        self.strokes = StrokeFigure(placed(strokes, 1.0, left, BASELINE),
                                    HALF_WEIGHT)
        self.diamonds = placed([dots], 1.0, left, BASELINE)[0]

    def coverage(self, px, py):
        amount = self.strokes.coverage(px, py)
        for dx, dy in self.diamonds:
            d = (abs(px - dx) + abs(py - dy) - DIAMOND_RADIUS) * sqrt(0.5)
            amount = max(amount, coverage(d, 0.0))
        return amount


def paint_logo():
    """(width, height, pixels) of the logo."""
    lettering = Lettering()
    pixels = []
    for y in range(HEIGHT):
        for x in range(WIDTH):
            px, py = x + 0.5, y + 0.5
            shadow = lettering.coverage(px - SHADOW_OFFSET[0],
                                        py - SHADOW_OFFSET[1])
            colour = mix(WHITE, SHADOW, shadow)
            red = mix(RED_TOP, RED_BOTTOM, (py - 8.0) / 36.0)
            pixels.append(mix(colour, red, lettering.coverage(px, py)))
    return WIDTH, HEIGHT, pixels
