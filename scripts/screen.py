"""The pixels of a build tree's virtual display, for checks from outside the
game: fast grabs through Xlib for polling, screenshots through ImageMagick's
import, and PNG files of either."""

import ctypes
import os
import subprocess

# Wine's virtual desktop covers the top-left corner of the display.
DESKTOP_WIDTH = 1024
DESKTOP_HEIGHT = 768


class Frame:
    """A rectangle of pixels, three bytes (red, green, blue) a pixel."""

    def __init__(self, width, height, rgb):
        self.width = width
        self.height = height
        self.rgb = rgb

    def pixel(self, x, y):
        at = 3 * (y * self.width + x)
        return tuple(self.rgb[at:at + 3])

    def row(self, y):
        return self.rgb[3 * y * self.width:3 * (y + 1) * self.width]

    def crop(self, x, y, width, height):
        rows = [self.rgb[3 * ((y + j) * self.width + x):3 * ((y + j) * self.width + x + width)]
                for j in range(height)]
        return Frame(width, height, b''.join(rows))

    def save_png(self, path):
        subprocess.run(['convert', '-size', f'{self.width}x{self.height}', '-depth', '8', 'rgb:-', path],
                       input=self.rgb, check=True)


def screenshot():
    """The virtual desktop as ImageMagick's import sees it."""
    raw = subprocess.run(['import', '-window', 'root', '-crop', f'{DESKTOP_WIDTH}x{DESKTOP_HEIGHT}+0+0',
                          '+repage', '-depth', '8', 'rgb:-'], capture_output=True, check=True).stdout
    return Frame(DESKTOP_WIDTH, DESKTOP_HEIGHT, raw)


class _XImage(ctypes.Structure):
    _fields_ = [('width', ctypes.c_int), ('height', ctypes.c_int), ('xoffset', ctypes.c_int),
                ('format', ctypes.c_int), ('data', ctypes.c_void_p), ('byte_order', ctypes.c_int),
                ('bitmap_unit', ctypes.c_int), ('bitmap_bit_order', ctypes.c_int),
                ('bitmap_pad', ctypes.c_int), ('depth', ctypes.c_int), ('bytes_per_line', ctypes.c_int),
                ('bits_per_pixel', ctypes.c_int)]


class Display:
    """Grabs the screen in a few milliseconds, where import takes a third of a
    second: fast enough to see a card during its half-second pause, and to
    time a start-up."""

    _Z_PIXMAP = 2
    _ALL_PLANES = 0xFFFFFFFF

    def __init__(self, name=None):
        x11 = ctypes.CDLL('libX11.so.6')
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XDefaultRootWindow.restype = ctypes.c_ulong
        x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x11.XGetImage.restype = ctypes.POINTER(_XImage)
        x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                  ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x11.XDestroyImage.argtypes = [ctypes.POINTER(_XImage)]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self._x11 = x11
        self._display = x11.XOpenDisplay((name or os.environ['DISPLAY']).encode())
        if not self._display:
            raise RuntimeError('cannot open display ' + (name or os.environ['DISPLAY']))
        self._root = x11.XDefaultRootWindow(self._display)

    def close(self):
        self._x11.XCloseDisplay(self._display)

    def grab(self, x=0, y=0, width=DESKTOP_WIDTH, height=DESKTOP_HEIGHT):
        image = self._x11.XGetImage(self._display, self._root, x, y, width, height, self._ALL_PLANES,
                                    self._Z_PIXMAP)
        try:
            header = image.contents
            if header.bits_per_pixel != 32:
                raise RuntimeError(f'{header.bits_per_pixel} bits a pixel: a 24-bit display is expected')
            rows = [ctypes.string_at(header.data + j * header.bytes_per_line, 4 * width) for j in range(height)]
        finally:
            self._x11.XDestroyImage(image)
        # Blue, green, red and a pad byte on a little-endian display.
        bgrx = b''.join(rows)
        rgb = bytearray(3 * width * height)
        rgb[0::3] = bgrx[2::4]
        rgb[1::3] = bgrx[1::4]
        rgb[2::3] = bgrx[0::4]
        return Frame(width, height, bytes(rgb))


def session_environment(build):
    """The environment of the build tree's Wine session, which must be
    running: its prefix and the display its session file names."""
    env = dict(os.environ)
    env.update(WINEARCH='win64', WINEPREFIX=os.path.join(build, 'wine', 'prefix'),
               WINEDEBUG=env.get('WINEDEBUG', '-all'), WINEDLLOVERRIDES='mscoree,mshtml=')
    with open(os.path.join(build, 'wine', 'session.env')) as session:
        for line in session:
            key, _, value = line.strip().partition('=')
            if key == 'DISPLAY':
                env['DISPLAY'] = value
    return env
