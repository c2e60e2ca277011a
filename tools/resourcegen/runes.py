"""The 35 rune glyphs of the card faces, as strokes on a 6 x 10 grid.

x runs from 0 (left) to 6, y from 0 (top) to 10. Each stroke is a polyline;
a closed figure repeats its first point. Most glyphs follow the old runic
rows; the others are drawn in their spirit. They are chosen so that no two
share most of their strokes: a player must tell them apart at a glance.
"""

from collections import namedtuple

from .geometry import cubic, ellipse

Rune = namedtuple('Rune', 'name strokes dots')
RUNE_COLUMNS, RUNE_ROWS = 6, 10


def rune(name, *strokes, dots=()):
    return Rune(name, [list(s) for s in strokes], list(dots))


STAVE_LEFT = [(1, 0), (1, 10)]
STAVE_MIDDLE = [(3, 0), (3, 10)]


def ring(cx, cy, r):
    return ellipse(cx, cy, r, r)


RUNES = [
    rune('fehu', STAVE_LEFT, [(1, 3.4), (5, 0.6)], [(1, 6.6), (5, 3.8)]),
    rune('uruz', [(1, 10), (1, 0), (5, 3), (5, 10)]),
    rune('thurisaz', [(1.5, 0), (1.5, 10)], [(1.5, 2.8), (5, 5), (1.5, 7.2)]),
    rune('ansuz', STAVE_LEFT, [(1, 0.2), (5, 3)], [(1, 3.6), (5, 6.4)]),
    rune('raido', [(1, 10), (1, 0), (4.8, 2.6), (1, 5.2), (5, 10)]),
    rune('kaunan', [(5, 1.5), (1, 5), (5, 8.5)]),
    rune('gebo', [(0.5, 0.8), (5.5, 9.2)], [(5.5, 0.8), (0.5, 9.2)]),
    rune('wunjo', [(1.5, 10), (1.5, 0), (5, 2), (1.5, 4)]),
    rune('hagalaz', [(0.8, 0), (0.8, 10)], [(5.2, 0), (5.2, 10)],
         [(0.8, 3.5), (5.2, 6.5)]),
    rune('naudiz', STAVE_MIDDLE, [(0.6, 3.4), (5.4, 6.6)]),
    rune('jera', [(2.8, 1), (0.6, 3.6), (2.8, 6.2)],
         [(3.2, 3.8), (5.4, 6.4), (3.2, 9)]),
    rune('eihwaz', STAVE_MIDDLE, [(3, 0), (5.4, 1.9)], [(3, 10), (0.6, 8.1)]),
    rune('perthro', STAVE_LEFT, [(1, 0), (3.5, 2.5), (5, 1)],
         [(1, 10), (3.5, 7.5), (5, 9)]),
    rune('algiz', STAVE_MIDDLE, [(0.6, 1.2), (3, 4.5), (5.4, 1.2)]),
    rune('sowilo', [(4.8, 0.3), (1.2, 4), (4.8, 6), (1.2, 9.7)]),
    rune('tiwaz', STAVE_MIDDLE, [(0.8, 3.6), (3, 0), (5.2, 3.6)]),
    rune('berkanan', STAVE_LEFT,
         [(1, 0), (4.6, 2.5), (1, 5), (4.6, 7.5), (1, 10)]),
    rune('ehwaz', [(0.8, 10), (0.8, 0), (3, 4.2), (5.2, 0), (5.2, 10)]),
    rune('mannaz', [(0.8, 0), (0.8, 10)], [(5.2, 0), (5.2, 10)],
         [(0.8, 0.4), (5.2, 3.6)], [(5.2, 0.4), (0.8, 3.6)]),
    rune('delta', [(3, 0.8), (5.6, 9.2), (0.4, 9.2), (3, 0.8)]),
    rune('ingwaz', [(3, 2.2), (5.6, 5), (3, 7.8), (0.4, 5), (3, 2.2)]),
    rune('dagaz', [(0.8, 0), (5.2, 10), (5.2, 0), (0.8, 10), (0.8, 0)]),
    rune('othala', [(0.6, 10), (5.2, 3.6), (3, 0.6), (0.8, 3.6), (5.4, 10)]),
    rune('ing_legs', [(0.6, 0.5), (5.4, 5), (0.6, 9.5)],
         [(5.4, 0.5), (0.6, 5), (5.4, 9.5)]),
    rune('hagal_star', STAVE_MIDDLE, [(0.6, 2.6), (5.4, 7.4)],
         [(5.4, 2.6), (0.6, 7.4)]),
    rune('wheel', ring(3, 5, 2.8), [(1.3, 3.3), (4.7, 6.7)], [(4.7, 3.3), (1.3, 6.7)]),
    rune('calc', STAVE_MIDDLE, [(0.6, 8.8), (3, 5.5), (5.4, 8.8)]),
    rune('ior', STAVE_MIDDLE, [(0.6, 0.8), (3, 3.6), (5.4, 0.8)],
         [(0.6, 9.2), (3, 6.4), (5.4, 9.2)]),
    rune('ring_stave', STAVE_MIDDLE, ring(3, 5, 2.6)),
    rune('eye', ring(3, 5, 2.7), dots=[(3, 5)]),
    rune('hourglass', [(0.6, 1.6), (5.4, 1.6), (0.6, 8.4), (5.4, 8.4), (0.6, 1.6)]),
    rune('moon', cubic((1.2, 1.2), (6.2, 0.4), (6.2, 9.6), (1.2, 8.8), 16),
         cubic((1.2, 1.2), (4.2, 2.6), (4.2, 7.4), (1.2, 8.8), 16)),
    rune('double_kaun', [(2.8, 2), (0.4, 5), (2.8, 8)],
         [(5.6, 2), (3.2, 5), (5.6, 8)]),
    rune('twin_diamond', [(3, 0.2), (5, 2.6), (3, 5), (1, 2.6), (3, 0.2)],
         [(3, 5), (5, 7.4), (3, 9.8), (1, 7.4), (3, 5)]),
    rune('spear', [(3, 6), (3, 10)], [(3, 1), (5.6, 6), (0.4, 6), (3, 1)]),
]
