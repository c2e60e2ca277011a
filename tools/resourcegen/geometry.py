"""Plane geometry for drawing strokes: segments, distances and curves.

Only +, -, *, / and sqrt are used: IEEE arithmetic rounds them exactly, so
every machine computes the same pixels.
"""

from math import sqrt


def segment_distance(px, py, segment):
    """Distance from the point (px, py) to a segment ((ax, ay), (bx, by))."""
    (ax, ay), (bx, by) = segment
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0
    if length2 > 0.0:
        t = ((px - ax) * dx + (py - ay) * dy) / length2
        t = min(1.0, max(0.0, t))
    ex, ey = ax + t * dx - px, ay + t * dy - py
    return sqrt(ex * ex + ey * ey)


def nearest_distance(px, py, segments):
    """Distance from the point to the nearest of the segments."""
    return min(segment_distance(px, py, s) for s in segments)


def polyline_segments(points):
    """The segments joining consecutive points."""
    return [(points[i], points[i + 1]) for i in range(len(points) - 1)]


def cubic(p0, p1, p2, p3, steps):
    """Points of a cubic Bezier curve, both ends included."""
    points = []
    for i in range(steps + 1):
        t = i / steps
        u = 1.0 - t
        a, b, c, d = u * u * u, 3.0 * u * u * t, 3.0 * u * t * t, t * t * t
        points.append((a * p0[0] + b * p1[0] + c * p2[0] + d * p3[0],
                       a * p0[1] + b * p1[1] + c * p2[1] + d * p3[1]))
    return points


# A quarter circle of radius 1 as a cubic Bezier: control arm length.
QUARTER_ARC = 0.5522847498307936


def ellipse(cx, cy, rx, ry, steps_per_quarter=8):
    """A closed polyline around an ellipse, starting at its top."""
    k = QUARTER_ARC
    top, right = (cx, cy - ry), (cx + rx, cy)
    bottom, left = (cx, cy + ry), (cx - rx, cy)
    quarters = [
        (top, (cx + k * rx, cy - ry), (cx + rx, cy - k * ry), right),
        (right, (cx + rx, cy + k * ry), (cx + k * rx, cy + ry), bottom),
        (bottom, (cx - k * rx, cy + ry), (cx - rx, cy + k * ry), left),
        (left, (cx - rx, cy - k * ry), (cx - k * rx, cy - ry), top),
    ]
    points = [top]
    for q in quarters:
        points.extend(cubic(*q, steps_per_quarter)[1:])
    return points


def rounded_box_distance(px, py, left, top, right, bottom, radius):
    """Signed distance to a rounded rectangle: negative inside."""
    cx, cy = (left + right) / 2.0, (top + bottom) / 2.0
    qx = abs(px - cx) - ((right - left) / 2.0 - radius)
    qy = abs(py - cy) - ((bottom - top) / 2.0 - radius)
    ox, oy = max(qx, 0.0), max(qy, 0.0)
    return sqrt(ox * ox + oy * oy) + min(max(qx, qy), 0.0) - radius
