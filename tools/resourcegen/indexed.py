"""Turns painted pictures into palette images."""

from .colour import to_bytes
from .quantize import build_palette

BLACK = (0, 0, 0)


def to_indexed(pixels, size, reserved=(BLACK,)):
    """(colours, indices) for float pixels, with at most size colours."""
    rounded = [to_bytes(c) for c in pixels]
    palette = build_palette(rounded, size, list(reserved))
    return palette.colours, [palette.index(c) for c in rounded]
