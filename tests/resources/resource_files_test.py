#!/usr/bin/env python3
"""Checks the committed pictures in resources/: the generator reproduces
them byte for byte, and the card sheet keeps the roles the game relies on.

Run one group: resource_files_test.py GeneratorTest (or PicturesTest).
"""

import os
import struct
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                     '..', '..'))
RESOURCES = os.path.join(ROOT, 'resources')
GENERATOR = os.path.join(ROOT, 'tools', 'generate_resources.py')
GENERATED = ('cards.bmp', 'logo.bmp', 'runepairs.ico')

TILE_WIDTH, TILE_HEIGHT = 54, 90
COLUMNS, ROWS = 8, 5
BACK = (0, 1)
CORNER = 6              # black may only appear this close to two edges
BLACK = (0, 0, 0)
# Two pixels differ when their channels differ by this much in total.
DIFFERENT = 96
# Fewest different pixels between two faces, or a face and the back.
FACE_MARGIN = 200
PALE = 200              # every channel of a glyph's pale face is above it


def read_bmp(path):
    """(width, height, bits, palette, rows of (r, g, b)) of a palette BMP."""
    with open(path, 'rb') as f:
        data = f.read()
    magic, _, _, _, offset = struct.unpack_from('<2sIHHI', data, 0)
    (size, width, height, planes, bits, compression, _, _, _, used,
     _) = struct.unpack_from('<IiiHHIIiiII', data, 14)
    assert (magic, size, planes, compression) == (b'BM', 40, 1, 0)
    count = used or 1 << bits
    palette = [struct.unpack_from('<BBB', data, 54 + 4 * i)[::-1]
               for i in range(count)]
    stride = (width * bits + 31) // 32 * 4
    rows = []
    for y in range(abs(height)):
        line = height - 1 - y if height > 0 else y
        start = offset + line * stride
        rows.append([palette[data[start + x]] for x in range(width)])
    return width, height, bits, palette, rows


def tile(rows, column, row):
    return [rows[row * TILE_HEIGHT + y][column * TILE_WIDTH + x]
            for y in range(TILE_HEIGHT) for x in range(TILE_WIDTH)]


def is_blank(column, row):
    return column == COLUMNS - 1 and row >= 1


def faces():
    return [(c, r) for r in range(ROWS) for c in range(COLUMNS)
            if (c, r) != BACK and not is_blank(c, r)]


def in_corner(x, y):
    near_side = x < CORNER or x >= TILE_WIDTH - CORNER
    near_end = y < CORNER or y >= TILE_HEIGHT - CORNER
    return near_side and near_end


def different_pixels(a, b):
    return sum(1 for p, q in zip(a, b)
               if sum(abs(u - v) for u, v in zip(p, q)) > DIFFERENT)


def pale_pixels(pixels):
    return sum(1 for p in pixels if min(p) > PALE)


class GeneratorTest(unittest.TestCase):

    def test_generator_reproduces_the_committed_bytes(self):
        with tempfile.TemporaryDirectory() as out:
            subprocess.run([sys.executable, '-B', GENERATOR, out], check=True)
            for name in GENERATED:
                with open(os.path.join(out, name), 'rb') as f:
                    fresh = f.read()
                with open(os.path.join(RESOURCES, name), 'rb') as f:
                    committed = f.read()
                first = next((i for i, (a, b) in enumerate(zip(fresh, committed))
                              if a != b), min(len(fresh), len(committed)))
                self.assertTrue(fresh == committed,
                                '%s differs from byte %d on (%d bytes fresh, '
                                '%d committed): run %s'
                                % (name, first, len(fresh), len(committed),
                                   os.path.relpath(GENERATOR, ROOT)))


class PicturesTest(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.sheet = read_bmp(os.path.join(RESOURCES, 'cards.bmp'))

    def test_card_sheet_is_a_bottom_up_8_bit_palette_bitmap(self):
        width, height, bits, palette, _ = self.sheet
        self.assertEqual((432, 450, 8), (width, height, bits))
        self.assertLessEqual(len(palette), 256)

    def test_blank_tiles_are_black_throughout(self):
        for row in range(1, ROWS):
            pixels = tile(self.sheet[4], COLUMNS - 1, row)
            self.assertEqual(len(pixels), pixels.count(BLACK), (COLUMNS - 1, row))

    def test_cards_are_black_only_outside_their_rounded_corners(self):
        for column, row in faces() + [BACK]:
            pixels = tile(self.sheet[4], column, row)
            stray = [(i % TILE_WIDTH, i // TILE_WIDTH)
                     for i, p in enumerate(pixels) if p == BLACK
                     and not in_corner(i % TILE_WIDTH, i // TILE_WIDTH)]
            self.assertEqual([], stray[:5], (column, row))
            corners = [pixels[0], pixels[TILE_WIDTH - 1], pixels[-TILE_WIDTH],
                       pixels[-1]]
            self.assertEqual([BLACK] * 4, corners, (column, row))

    def test_faces_show_a_pale_glyph_and_the_back_none(self):
        for column, row in faces():
            self.assertGreater(pale_pixels(tile(self.sheet[4], column, row)),
                               100, (column, row))
        self.assertEqual(0, pale_pixels(tile(self.sheet[4], *BACK)))

    def test_every_two_faces_and_the_back_differ_clearly(self):
        cards = {t: tile(self.sheet[4], *t) for t in faces() + [BACK]}
        names = sorted(cards)
        closest = min((different_pixels(cards[a], cards[b]), a, b)
                      for i, a in enumerate(names) for b in names[i + 1:])
        self.assertGreaterEqual(closest[0], FACE_MARGIN,
                                'tiles %s and %s' % closest[1:])

    def test_logo_is_red_on_white(self):
        width, height, bits, palette, rows = read_bmp(
            os.path.join(RESOURCES, 'logo.bmp'))
        self.assertEqual((163, 50, 8), (width, height, bits))
        self.assertLessEqual(len(palette), 256)
        pixels = [p for line in rows for p in line]
        self.assertEqual((255, 255, 255), max(set(pixels), key=pixels.count))
        red = sum(1 for r, g, b in pixels if r > 150 and g < 60 and b < 60)
        self.assertGreater(red, 1000)

    def test_icon_holds_16_32_and_48_pixel_images_of_16_colours(self):
        with open(os.path.join(RESOURCES, 'runepairs.ico'), 'rb') as f:
            data = f.read()
        reserved, kind, count = struct.unpack_from('<HHH', data, 0)
        self.assertEqual((0, 1, 3), (reserved, kind, count))
        for i, size in enumerate((16, 32, 48)):
            (width, height, colours, _, planes, bits, length,
             offset) = struct.unpack_from('<BBBBHHII', data, 6 + 16 * i)
            self.assertEqual((size, size, 16, 1, 4),
                             (width, height, colours, planes, bits))
            header = struct.unpack_from('<IiiHH', data, offset)
            self.assertEqual((40, size, 2 * size, 1, 4), header)
            mask_stride = (size + 31) // 32 * 4
            self.assertEqual(40 + 64 + size * size // 2 + mask_stride * size,
                             length)


if __name__ == '__main__':
    unittest.main()
