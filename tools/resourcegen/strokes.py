"""A figure of even-width strokes and round dots, in pixel coordinates."""

from math import sqrt

from .colour import coverage
from .geometry import nearest_distance, polyline_segments


class StrokeFigure:
    """Polylines drawn with one pen, plus dots of one radius."""

    def __init__(self, polylines, half_width, dots=(), dot_radius=0.0):
        self.segments = []
        for points in polylines:
            self.segments += polyline_segments(points)
        self.half_width = half_width
        self.dots = list(dots)
        self.dot_radius = dot_radius

    def coverage(self, px, py):
        """How much of the pixel centred on (px, py) the figure covers."""
        amount = 0.0
        if self.segments:
            amount = coverage(nearest_distance(px, py, self.segments),
                              self.half_width)
        for dx, dy in self.dots:
            d = sqrt((px - dx) * (px - dx) + (py - dy) * (py - dy))
            amount = max(amount, coverage(d, self.dot_radius))
        return amount


def placed(polylines, scale, left, top):
    """Polylines scaled, then moved so that their origin is (left, top)."""
    return [[(left + x * scale, top + y * scale) for x, y in points]
            for points in polylines]
