"""Reduces a picture's colours to a palette by median cut."""


def _widest_channel(box):
    spans = [max(c[channel] for c, _ in box) - min(c[channel] for c, _ in box)
             for channel in range(3)]
    widest = max(spans)
    return spans.index(widest), widest


def _split(box, channel):
    """Halves a box at the pixel-weighted median of one channel."""
    box = sorted(box, key=lambda entry: (entry[0][channel], entry[0]))
    half = sum(n for _, n in box) / 2.0
    seen = 0
    for i, (_, n) in enumerate(box[:-1]):
        seen += n
        if seen >= half:
            return box[:i + 1], box[i + 1:]
    return box[:-1], box[-1:]


def _mean(box):
    total = sum(n for _, n in box)
    return tuple((sum(c[k] * n for c, n in box) + total // 2) // total
                 for k in range(3))


def median_cut(histogram, count):
    """At most count colours standing for the histogram {colour: pixels}."""
    boxes = [sorted(histogram.items())]
    while len(boxes) < count:
        candidates = [(_widest_channel(box), i) for i, box in enumerate(boxes)
                      if len(box) > 1]
        if not candidates:
            break
        (channel, _), index = max(candidates, key=lambda c: (c[0][1], -c[1]))
        low, high = _split(boxes.pop(index), channel)
        boxes[index:index] = [low, high]
    return sorted((_mean(box) for box in boxes if box),
                  key=lambda c: (c[0] * 299 + c[1] * 587 + c[2] * 114, c))


class Palette:
    """An indexed palette whose reserved colours are matched only exactly
    (black stays transparent black, nothing else turns into it)."""

    def __init__(self, reserved, colours):
        self.colours = list(reserved) + [c for c in colours
                                         if c not in reserved]
        self.reserved = {c: i for i, c in enumerate(reserved)}
        self._cache = {}

    def index(self, colour):
        if colour in self.reserved:
            return self.reserved[colour]
        if colour not in self._cache:
            self._cache[colour] = self._nearest(colour)
        return self._cache[colour]

    def _nearest(self, colour):
        best, best_distance = None, None
        for i in range(len(self.reserved), len(self.colours)):
            d = sum((a - b) * (a - b) for a, b in zip(colour, self.colours[i]))
            if best_distance is None or d < best_distance:
                best, best_distance = i, d
        return best


def build_palette(pixels, size, reserved):
    """A palette of at most size entries for the picture's byte colours."""
    histogram = {}
    for colour in pixels:
        if colour not in reserved:
            histogram[colour] = histogram.get(colour, 0) + 1
    return Palette(reserved, median_cut(histogram, size - len(reserved)))
