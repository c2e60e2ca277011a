"""The program icon: rune cards at 48, 32 and 16 pixels, 16 colours each.

The two larger sizes show a pair, a card face with its rune in front of a
second card seen from behind; at 16 pixels one card with a bold rune stays
recognisable.
"""

from collections import namedtuple

from .card import BODY_BOTTOM, BODY_TOP, GLYPH_BOTTOM, GLYPH_SHADOW, GLYPH_TOP
from .card import HIGHLIGHT, RIM
from .colour import coverage, mix
from .geometry import rounded_box_distance
from .runes import RUNE_COLUMNS, RUNE_ROWS, RUNES
from .strokes import StrokeFigure, placed

# A card: its box, corner radius, rim width and the rune's scale (pixels
# per unit of the rune grid); a scale of 0 shows the card's back.
IconCard = namedtuple('IconCard', 'left top right bottom radius rim scale')

LAYOUTS = {
    16: [IconCard(2, 0, 15, 16, 2.0, 1.0, 1.1)],
    32: [IconCard(12, 1, 31, 27, 3.0, 1.2, 0.0),
         IconCard(2, 5, 21, 31, 3.0, 1.2, 2.0)],
    48: [IconCard(17, 1, 46, 41, 4.0, 1.5, 0.0),
         IconCard(3, 7, 32, 47, 4.0, 1.5, 3.0)],
}
ICON_RUNE = next(r for r in RUNES if r.name == 'algiz')
# Below this scale a blurred one-pixel stroke no longer reads as a rune:
# the smallest card draws whole pixels only.
CRISP_BELOW = 1.5


def _rune_figure(card):
    left = (card.left + card.right - RUNE_COLUMNS * card.scale) / 2.0
    top = (card.top + card.bottom - RUNE_ROWS * card.scale) / 2.0
    return StrokeFigure(placed(ICON_RUNE.strokes, card.scale, left, top),
                        max(0.5, card.scale * 0.42))


def _ink(figure, card, px, py):
    amount = figure.coverage(px, py)
    if card.scale < CRISP_BELOW:
        return 1.0 if amount >= 0.5 else 0.0
    return amount


def _back(px, py, card):
    """The back: darker stone with a groove inside its rim."""
    groove = rounded_box_distance(px, py, card.left + 3.5, card.top + 3.5,
                                  card.right - 3.5, card.bottom - 3.5, 1.5)
    return mix(mix(BODY_BOTTOM, RIM, 0.2), RIM, 0.5 * coverage(abs(groove), 0.4))


def _face(px, py, card):
    """The face: light stone, lit along its top and left, with the rune."""
    colour = BODY_TOP
    if px - card.left < card.rim + 1.0 or py - card.top < card.rim + 1.0:
        colour = mix(colour, HIGHLIGHT, 0.6)
    figure = _rune_figure(card)
    colour = mix(colour, GLYPH_SHADOW, 0.6 * _ink(figure, card, px - 1.0, py - 1.0))
    t = (py - card.top) / (card.bottom - card.top)
    return mix(colour, mix(GLYPH_TOP, GLYPH_BOTTOM, t), _ink(figure, card, px, py))


def _card_colour(card, px, py):
    """The colour of a card at a point, or None outside it. The edge is
    not smoothed: the icon may lie on any background."""
    d = rounded_box_distance(px, py, card.left, card.top, card.right,
                             card.bottom, card.radius)
    if d > 0.0:
        return None
    colour = _face(px, py, card) if card.scale > 0.0 else _back(px, py, card)
    return mix(colour, RIM, min(1.0, max(0.0, card.rim + 0.5 + d)))


def paint_icon(size):
    """(pixels, opaque) of one icon image; later cards lie on top."""
    pixels, opaque = [], []
    for y in range(size):
        for x in range(size):
            colour = None
            for card in LAYOUTS[size]:
                colour = _card_colour(card, x + 0.5, y + 0.5) or colour
            pixels.append(colour or (0.0, 0.0, 0.0))
            opaque.append(colour is not None)
    return pixels, opaque
