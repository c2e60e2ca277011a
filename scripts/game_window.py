"""Finds the Runepairs main window in a frame of the virtual display and reads
what its cards show, by comparing them with the tiles of the card sheet."""

import struct

from screen import Frame

CLIENT_WIDTH = 640
CLIENT_HEIGHT = 480
FORM_BACKGROUND = (0x33, 0x99, 0xFF)
BOARD_OFFSET = 10
TILE_WIDTH = 54
TILE_HEIGHT = 90
SHEET_COLUMNS = 8
SHEET_ROWS = 5
CARD_BACK = (0, 1)
BLANK = (7, 1)
BUTTON_WIDTH = 110
BUTTON_HEIGHT = 40


def load_sheet(path):
    """The card sheet, an 8-bit bottom-up .bmp with its palette, as a Frame."""
    with open(path, 'rb') as bmp:
        data = bmp.read()
    pixels_at = struct.unpack_from('<I', data, 10)[0]
    header_size, width, height, _, bits = struct.unpack_from('<IiiHH', data, 14)
    if bits != 8:
        raise ValueError(f'{path}: {bits} bits a pixel, 8 expected')
    colours = struct.unpack_from('<I', data, 46)[0] or 256
    palette = [data[14 + header_size + 4 * i:14 + header_size + 4 * i + 3][::-1] for i in range(colours)]
    stride = (width + 3) // 4 * 4
    rows = []
    for y in range(abs(height)):
        source_row = y if height < 0 else abs(height) - 1 - y
        start = pixels_at + source_row * stride
        rows.append(b''.join(palette[index] for index in data[start:start + width]))
    return Frame(width, abs(height), b''.join(rows))


class TileIndex:
    """What a 54 x 90 card shows: the sheet tile whose pixels it repeats.
    Black tile pixels are transparent: a card's rounded corners show the
    card window's own background, and an all-black tile (a removed card, a
    position out of play) shows nothing but that background, one plain
    colour, which reads as BLANK."""

    def __init__(self, sheet):
        pictures = {}
        for row in range(SHEET_ROWS):
            for column in range(SHEET_COLUMNS):
                pixels = sheet.crop(column * TILE_WIDTH, row * TILE_HEIGHT, TILE_WIDTH, TILE_HEIGHT).rgb
                if pixels.strip(b'\0'):
                    pictures.setdefault(pixels, (column, row))
        # Every picture tile has the same black corners.
        self._transparent = [i for i in range(TILE_WIDTH * TILE_HEIGHT)
                             if all(pixels[3 * i:3 * i + 3] == b'\0\0\0' for pixels in pictures)]
        self._tiles = pictures

    def identify(self, card_pixels):
        pixels = bytearray(card_pixels.rgb)
        if pixels == pixels[:3] * (len(pixels) // 3):
            return BLANK
        for i in self._transparent:
            pixels[3 * i:3 * i + 3] = b'\0\0\0'
        return self._tiles.get(bytes(pixels))


def is_face(tile):
    return tile is not None and tile != CARD_BACK and tile != BLANK


def find_client(frame):
    """The top-left corner of the client area: its first rows, above the
    board and the logo, are one run of the form's light blue, 640 wide."""
    run = bytes(FORM_BACKGROUND) * CLIENT_WIDTH
    for y in range(frame.height):
        row = frame.row(y)
        at = row.find(run)
        while at >= 0 and at % 3:
            at = row.find(run, at + 1)
        if at >= 0 and row[at + len(run):at + len(run) + 3] != bytes(FORM_BACKGROUND):
            return at // 3, y
    return None


class GameWindow:
    """Where the cards, the buttons and the clock of a window found at
    `client` lie on the screen. Sizes the system decides (the board's
    border, the logo's height) are measured from the frame."""

    def __init__(self, frame, client):
        self.client_x, self.client_y = client
        # Right of the board's outer edge: a gap of the form's colour, then the logo.
        board_inside_right = self.client_x + BOARD_OFFSET + SHEET_COLUMNS * TILE_WIDTH
        logo_row = self.client_y + BOARD_OFFSET + 20
        gap_x = next(x for x in range(board_inside_right, self.client_x + CLIENT_WIDTH)
                     if frame.pixel(x, logo_row) == FORM_BACKGROUND)
        self.logo_x = next(x for x in range(gap_x, self.client_x + CLIENT_WIDTH)
                           if frame.pixel(x, logo_row) != FORM_BACKGROUND)
        board_border = (gap_x - board_inside_right) // 2
        self.board_x = self.client_x + BOARD_OFFSET + board_border
        self.board_y = self.client_y + BOARD_OFFSET + board_border
        logo_column = self.logo_x + 80
        logo_bottom = next(y for y in range(self.client_y + BOARD_OFFSET, self.client_y + CLIENT_HEIGHT)
                           if frame.pixel(logo_column, y) == FORM_BACKGROUND)
        self.buttons_top = logo_bottom + BOARD_OFFSET

    def card_rect(self, card):
        return (self.board_x + TILE_WIDTH * (card % 8), self.board_y + TILE_HEIGHT * (card // 8),
                TILE_WIDTH, TILE_HEIGHT)

    def card_centre(self, card):
        x, y, width, height = self.card_rect(card)
        return x + width // 2, y + height // 2

    def button_centre(self, index):
        """0 Info, 1 Inizia, 2 Chiudi."""
        return self.logo_x + BUTTON_WIDTH // 2, self.buttons_top + 50 * index + BUTTON_HEIGHT // 2

    def clock_rect(self):
        return self.logo_x, self.buttons_top + 150, BUTTON_WIDTH, BUTTON_HEIGHT

    def card_tiles(self, frame, tiles):
        return [tiles.identify(frame.crop(*self.card_rect(card))) for card in range(40)]


def find_window_showing_faces(frame, tiles):
    """The game window if the frame shows it with all 40 cards face up and
    painted, as it stands before the first Start; otherwise None."""
    client = find_client(frame)
    if client is None:
        return None
    try:
        window = GameWindow(frame, client)
    except StopIteration:
        return None
    if all(is_face(tile) for tile in window.card_tiles(frame, tiles)):
        return window
    return None
