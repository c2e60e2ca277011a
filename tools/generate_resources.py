#!/usr/bin/env python3
"""Draws the card sheet, the title logo and the icon into resources/.

Usage: generate_resources.py [OUTPUT_DIR]

Everything is painted from the stroke definitions in resourcegen/, with
no fonts, files or randomness: every run writes the same bytes.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from resourcegen.bmpfile import bitmap_8bit, icon_16_colours  # noqa: E402
from resourcegen.icon import LAYOUTS, paint_icon  # noqa: E402
from resourcegen.indexed import BLACK, to_indexed  # noqa: E402
from resourcegen.logo import WHITE, paint_logo  # noqa: E402
from resourcegen.sheet import paint_sheet  # noqa: E402

RESOURCES = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..',
                         'resources')


def cards_bmp():
    width, height, pixels = paint_sheet()
    return bitmap_8bit(width, height, *to_indexed(pixels, 256))


def logo_bmp():
    width, height, pixels = paint_logo()
    white = tuple(int(c) for c in WHITE)
    return bitmap_8bit(width, height,
                       *to_indexed(pixels, 256, reserved=(BLACK, white)))


def runepairs_ico():
    images = []
    for size in sorted(LAYOUTS):
        pixels, opaque = paint_icon(size)
        colours, indices = to_indexed(pixels, 16)
        images.append((size, colours, indices, opaque))
    return icon_16_colours(images)


FILES = {'cards.bmp': cards_bmp, 'logo.bmp': logo_bmp,
         'runepairs.ico': runepairs_ico}


def main(argv):
    output = argv[1] if len(argv) > 1 else RESOURCES
    os.makedirs(output, exist_ok=True)
    for name, make in FILES.items():
        with open(os.path.join(output, name), 'wb') as f:
            f.write(make())
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
