"""Colour arithmetic on (red, green, blue) triples of floats from 0 to 255."""


def mix(base, top, amount):
    """base covered by top with opacity amount (0 to 1)."""
    return tuple(b + (t - b) * amount for b, t in zip(base, top))


def coverage(distance, half_width):
    """How much of a pixel a stroke covers, from the distance of the
    pixel's centre to the stroke's middle line: one pixel of soft edge."""
    return min(1.0, max(0.0, half_width + 0.5 - distance))


def to_bytes(colour):
    """Rounds a colour to whole channel values."""
    return tuple(min(255, max(0, int(c + 0.5))) for c in colour)


def hex_colour(text):
    """'#rrggbb' as a colour."""
    return tuple(float(int(text[i:i + 2], 16)) for i in (1, 3, 5))
