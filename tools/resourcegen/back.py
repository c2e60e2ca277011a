"""The back of a card: a faint lattice cut in the stone around a plain,
slightly raised diamond."""

from math import sqrt

from .card import GROOVE_INSET, HEIGHT, WIDTH, engrave
from .colour import hex_colour, mix
from .geometry import rounded_box_distance

LATTICE = hex_colour('#6a8070')
LATTICE_LIGHT = hex_colour('#9cb19f')
LATTICE_SPACING = 9.0
LATTICE_MARGIN = GROOVE_INSET + 3.0
DIAMOND_HALF_WIDTH, DIAMOND_HALF_HEIGHT = 13.0, 19.5
DIAMOND_CLEARANCE = 2.0     # plain stone between the diamond and the lattice


def _lattice_distance(px, py):
    """Distance to the nearest line of a diagonal lattice centred on the card."""
    u = (px - WIDTH / 2.0) + (py - HEIGHT / 2.0)
    v = (px - WIDTH / 2.0) - (py - HEIGHT / 2.0)

    def off(t):
        r = t % LATTICE_SPACING
        return min(r, LATTICE_SPACING - r)
    return min(off(u), off(v)) * sqrt(0.5)


def _diamond_distance(px, py):
    """Signed distance to the diamond's outline: negative inside."""
    a, b = DIAMOND_HALF_WIDTH, DIAMOND_HALF_HEIGHT
    u = abs(px - WIDTH / 2.0) / a
    v = abs(py - HEIGHT / 2.0) / b
    return (u + v - 1.0) * a * b / sqrt(a * a + b * b)


def _lattice_strength(px, py):
    """1 where the lattice shows, fading to 0 at the margin and the diamond."""
    margin = rounded_box_distance(px, py, LATTICE_MARGIN, LATTICE_MARGIN,
                                  WIDTH - LATTICE_MARGIN,
                                  HEIGHT - LATTICE_MARGIN, 2.0)
    clearance = _diamond_distance(px, py) - DIAMOND_CLEARANCE
    return min(1.0, max(0.0, min(0.5 - margin, clearance)))


def back_pattern(colour, px, py):
    """The back's pattern over the plain stone colour at (px, py)."""
    raised = min(1.0, max(0.0, 0.5 - _diamond_distance(px, py)))
    colour = mix(colour, LATTICE_LIGHT, 0.25 * raised)
    colour = engrave(colour, lambda x, y: abs(_diamond_distance(x, y)), px, py)
    strength = _lattice_strength(px, py)
    if strength == 0.0:
        return colour
    return engrave(colour, _lattice_distance, px, py, LATTICE_LIGHT, LATTICE,
                   strength)
