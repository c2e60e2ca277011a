"""One card of the sheet: a grey-green stone tile with a raised pale rune.

A card fills its 54 x 90 tile. Only the pixels outside its rounded corners
are pure black, which the game draws as transparent; everything else keeps
clear of black, the edge included.
"""

from math import sqrt

from .colour import coverage, hex_colour, mix
from .geometry import rounded_box_distance
from .runes import RUNE_COLUMNS, RUNE_ROWS
from .strokes import StrokeFigure, placed

WIDTH, HEIGHT = 54, 90
CORNER_RADIUS = 5.5

BODY_TOP = hex_colour('#8fa593')
BODY_BOTTOM = hex_colour('#71877a')
RIM = hex_colour('#2e3d33')
HIGHLIGHT = hex_colour('#c3d3c4')
SHADE = hex_colour('#4a5e51')
GROOVE_DARK = hex_colour('#53685a')
GROOVE_LIGHT = hex_colour('#a9bcaa')
GLYPH_TOP = hex_colour('#f4f6e8')
GLYPH_BOTTOM = hex_colour('#dfe7d2')
GLYPH_SHADOW = hex_colour('#33443a')

GLYPH_SCALE = 5.5            # pixels per unit of the rune grid
GLYPH_HALF_WIDTH = 2.0
DOT_RADIUS = 2.6
SHADOW_OFFSET = (1.2, 1.6)
SHADOW_OPACITY = 0.7
GROOVE_INSET = 4.5
GROOVE_HALF_WIDTH = 0.45
LIGHT = (-sqrt(0.5), -sqrt(0.5))  # light falls from the top left


def _edge_normal(px, py):
    """Outward direction of the card's edge near a point."""
    def d(x, y):
        return rounded_box_distance(x, y, 0, 0, WIDTH, HEIGHT, CORNER_RADIUS)
    nx = d(px + 0.5, py) - d(px - 0.5, py)
    ny = d(px, py + 0.5) - d(px, py - 0.5)
    length = sqrt(nx * nx + ny * ny) or 1.0
    return nx / length, ny / length


def _vignette(px, py):
    """Darkens the stone a little towards its edges, so the middle glows."""
    u = (px - WIDTH / 2.0) / (WIDTH / 2.0)
    v = (py - HEIGHT / 2.0) / (HEIGHT / 2.0)
    return 0.22 * min(1.0, (u * u + v * v) / 2.0)


def _body(px, py, depth):
    """The stone with its bevelled, lit edge and dark rim."""
    colour = mix(BODY_TOP, BODY_BOTTOM, py / HEIGHT)
    colour = mix(colour, SHADE, _vignette(px, py))
    bevel = min(1.0, max(0.0, 3.0 - depth) / 2.0)
    if bevel > 0.0:
        nx, ny = _edge_normal(px, py)
        lit = nx * LIGHT[0] + ny * LIGHT[1]
        tone = HIGHLIGHT if lit > 0 else SHADE
        colour = mix(colour, tone, bevel * abs(lit) * 0.8)
    return mix(colour, RIM, min(1.0, max(0.0, 1.6 - depth)))


def engrave(colour, distance, px, py, light=GROOVE_LIGHT, dark=GROOVE_DARK,
            strength=1.0):
    """A thin line cut into the stone where distance(x, y) is 0: the dark
    groove on the line, its lit lower wall one pixel down and right."""
    lit = coverage(distance(px - 1.0, py - 1.0), GROOVE_HALF_WIDTH)
    colour = mix(colour, light, 0.7 * strength * lit)
    return mix(colour, dark,
               0.9 * strength * coverage(distance(px, py), GROOVE_HALF_WIDTH))


def _border_groove(x, y):
    return abs(rounded_box_distance(
        x, y, GROOVE_INSET, GROOVE_INSET, WIDTH - GROOVE_INSET,
        HEIGHT - GROOVE_INSET, CORNER_RADIUS - 2.0))


def rune_figure(rune):
    """A rune placed in the middle of the card."""
    left = (WIDTH - RUNE_COLUMNS * GLYPH_SCALE) / 2.0
    top = (HEIGHT - RUNE_ROWS * GLYPH_SCALE) / 2.0
    dots = placed([rune.dots], GLYPH_SCALE, left, top)[0]
    return StrokeFigure(placed(rune.strokes, GLYPH_SCALE, left, top),
                        GLYPH_HALF_WIDTH, dots, DOT_RADIUS)


def _raised_glyph(colour, glyph, px, py):
    shadow = glyph.coverage(px - SHADOW_OFFSET[0], py - SHADOW_OFFSET[1])
    colour = mix(colour, GLYPH_SHADOW, SHADOW_OPACITY * shadow)
    face = mix(GLYPH_TOP, GLYPH_BOTTOM, py / HEIGHT)
    return mix(colour, face, glyph.coverage(px, py))


def card_pixel(x, y, glyph=None, pattern=None):
    """The colour of pixel (x, y) of a card; pure black outside it."""
    px, py = x + 0.5, y + 0.5
    d = rounded_box_distance(px, py, 0, 0, WIDTH, HEIGHT, CORNER_RADIUS)
    inside = coverage(d, 0.0)
    if inside < 0.5:
        return (0.0, 0.0, 0.0)
    colour = engrave(_body(px, py, -d), _border_groove, px, py)
    if pattern is not None:
        colour = pattern(colour, px, py)
    if glyph is not None:
        colour = _raised_glyph(colour, glyph, px, py)
    return tuple(c * inside for c in colour)


def paint_card(glyph=None, pattern=None):
    """All pixels of a card, row by row."""
    return [card_pixel(x, y, glyph, pattern)
            for y in range(HEIGHT) for x in range(WIDTH)]
