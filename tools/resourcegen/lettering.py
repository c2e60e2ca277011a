"""The letters of the title "Runepairs", drawn as strokes.

A letter's strokes use pixel units with the origin at its left edge on the
baseline; y grows downwards, so the tops of letters are negative. The face
is a round, even-weight sans: it stays legible at the logo's small size.
"""

from collections import namedtuple

from .geometry import QUARTER_ARC, cubic, ellipse

Letter = namedtuple('Letter', 'strokes dots width')

X_HEIGHT = 18.0
CAP_HEIGHT = 26.0
DESCENDER = 8.0
BOWL = 5.6          # half width of round letters
ROUND = 5.6         # radius where stems turn into arches
I_DOT_RISE = 7.2    # from the top of the i's stem to the middle of its dot


def _quarter(start, end, horizontal_first):
    """A quarter of an ellipse from start to end; horizontal_first says
    whether the curve leaves start horizontally."""
    (sx, sy), (ex, ey) = start, end
    k = QUARTER_ARC
    if horizontal_first:
        c1 = (sx + k * (ex - sx), sy)
        c2 = (ex, ey - k * (ey - sy))
    else:
        c1 = (sx, sy + k * (ey - sy))
        c2 = (ex - k * (ex - sx), ey)
    return cubic(start, c1, c2, end, 8)


def _join(*parts):
    """One polyline through the parts, dropping points they share."""
    points = list(parts[0])
    for part in parts[1:]:
        points.extend(part[1:] if points and part[0] == points[-1] else part)
    return points


def _capital_r():
    top, w = -CAP_HEIGHT, 2 * BOWL + 1.0
    middle = -CAP_HEIGHT / 2.0 + 1.0
    half = (middle - top) / 2.0
    bowl = _join([(0, top), (w - half, top)],
                 _quarter((w - half, top), (w, top + half), True),
                 _quarter((w, top + half), (w - half, middle), False),
                 [(w - half, middle), (0, middle)])
    leg = [(w - half - 1.0, middle), (w + 0.5, 0)]
    return Letter([[(0, 0), (0, top)], bowl, leg], [], w + 0.5)


def _u():
    w, x = 2 * BOWL, -X_HEIGHT
    cup = _join([(0, x), (0, -ROUND)],
                _quarter((0, -ROUND), (BOWL, 0), False),
                _quarter((BOWL, 0), (w, -ROUND), True),
                [(w, -ROUND), (w, x)])
    return Letter([cup, [(w, x), (w, 0)]], [], w)


def _n():
    w, x = 2 * BOWL, -X_HEIGHT
    arch = _join([(0, x + ROUND)],
                 _quarter((0, x + ROUND), (BOWL, x), False),
                 _quarter((BOWL, x), (w, x + ROUND), True),
                 [(w, x + ROUND), (w, 0)])
    return Letter([[(0, x), (0, 0)], arch], [], w)


def _e():
    w, x = 2 * BOWL + 0.5, -X_HEIGHT
    cy = x / 2.0
    ring = _join([(0.5, cy), (w, cy)],
                 _quarter((w, cy), (w / 2.0, x), False),
                 _quarter((w / 2.0, x), (0, cy), True),
                 _quarter((0, cy), (w / 2.0, 0), False),
                 cubic((w / 2.0, 0), (w / 2.0 + 3.0, 0), (w - 1.0, -1.0),
                       (w - 0.2, -3.2), 6))
    return Letter([ring], [], w)


def _bowl():
    """The round of p and a, standing on the baseline."""
    return ellipse(BOWL, -X_HEIGHT / 2.0, BOWL, X_HEIGHT / 2.0)


def _p():
    return Letter([[(0, -X_HEIGHT), (0, DESCENDER)], _bowl()], [], 2 * BOWL)


def _a():
    w = 2 * BOWL
    return Letter([_bowl(), [(w, -X_HEIGHT), (w, 0)]], [], w)


def _i():
    x = -X_HEIGHT
    return Letter([[(0, x), (0, 0)]], [(0, x - I_DOT_RISE)], 0.0)


def _r():
    x = -X_HEIGHT
    arm = _join([(0, x + ROUND + 1.0)],
                _quarter((0, x + ROUND + 1.0), (ROUND + 0.5, x), False),
                [(ROUND + 0.5, x), (ROUND + 2.5, x + 0.3)])
    return Letter([[(0, x), (0, 0)], arm], [], ROUND + 2.5)


def _s():
    w, x = 2 * BOWL - 1.0, -X_HEIGHT
    upper = -X_HEIGHT * 0.75
    s = _join(cubic((w - 0.3, x + 2.6), (w - 2.0, x - 0.2), (1.0, x - 0.6),
                    (0.3, upper), 8),
              cubic((0.3, upper), (-0.5, x / 2.0 + 1.0), (w + 0.5, x / 2.0 - 1.0),
                    (w - 0.2, -X_HEIGHT * 0.25), 10),
              cubic((w - 0.2, -X_HEIGHT * 0.25), (w - 0.8, 0.6), (1.5, 0.6),
                    (0.2, -2.6), 8))
    return Letter([s], [], w)


LETTERS = {'R': _capital_r(), 'u': _u(), 'n': _n(), 'e': _e(), 'p': _p(),
           'a': _a(), 'i': _i(), 'r': _r(), 's': _s()}
