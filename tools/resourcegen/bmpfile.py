"""Windows bitmap and icon files, written byte by byte."""

import struct

_INFO_HEADER_SIZE = 40
_PIXELS_PER_METRE = 2835  # 72 dots per inch


def _row_stride(width, bits):
    return (width * bits + 31) // 32 * 4


def _info_header(width, height, bits, image_size, colours):
    return struct.pack('<IiiHHIIiiII', _INFO_HEADER_SIZE, width, height, 1,
                       bits, 0, image_size, _PIXELS_PER_METRE,
                       _PIXELS_PER_METRE, colours, colours)


def _palette_bytes(colours):
    return b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in colours)


def _pack_rows(indices, width, height, bits):
    """Rows bottom-up, each padded to four bytes."""
    per_byte = 8 // bits
    stride = _row_stride(width, bits)
    out = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray(stride)
        for x in range(width):
            shift = 8 - bits * (x % per_byte + 1)
            row[x // per_byte] |= indices[y * width + x] << shift
        out += row
    return bytes(out)


def bitmap_8bit(width, height, colours, indices):
    """A complete .bmp file: 8 bits per pixel, palette, bottom-up rows."""
    pixels = _pack_rows(indices, width, height, 8)
    header = (_info_header(width, height, 8, len(pixels), len(colours))
              + _palette_bytes(colours))
    offset = 14 + len(header)
    return (struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
            + header + pixels)


def _icon_image(size, colours, indices, opaque):
    """One icon image: 4-bit colour rows, then the 1-bit AND mask (set
    where the picture is transparent)."""
    colour_rows = _pack_rows(indices, size, size, 4)
    mask_rows = _pack_rows([0 if o else 1 for o in opaque], size, size, 1)
    palette = list(colours) + [(0, 0, 0)] * (16 - len(colours))
    return (_info_header(size, size * 2, 4,
                         len(colour_rows) + len(mask_rows), 16)
            + _palette_bytes(palette) + colour_rows + mask_rows)


def icon_16_colours(images):
    """A complete .ico file from (size, colours, indices, opaque) images."""
    blobs = [_icon_image(*image) for image in images]
    offset = 6 + 16 * len(blobs)
    directory = struct.pack('<HHH', 0, 1, len(blobs))
    for (size, _, _, _), blob in zip(images, blobs):
        directory += struct.pack('<BBBBHHII', size % 256, size % 256, 16, 0,
                                 1, 4, len(blob), offset)
        offset += len(blob)
    return directory + b''.join(blobs)
