#!/usr/bin/env python3
"""Waits until the Runepairs window on the build tree's virtual display shows
its 40 painted cards, polling the screen. Exits 1 if it does not within the
time-out.

usage: wait-for-game.py BUILD_DIR [TIMEOUT_SECONDS]"""

import os
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from game_window import TileIndex, find_window_showing_faces, load_sheet  # noqa: E402
from screen import Display, session_environment  # noqa: E402


def main():
    build = os.path.abspath(sys.argv[1])
    timeout = float(sys.argv[2]) if len(sys.argv) > 2 else 30
    display = Display(session_environment(build)['DISPLAY'])
    tiles = TileIndex(load_sheet(os.path.join(os.path.dirname(HERE), 'resources', 'cards.bmp')))
    deadline = time.monotonic() + timeout
    try:
        while find_window_showing_faces(display.grab(), tiles) is None:
            if time.monotonic() > deadline:
                print(f'the game window did not show its cards within {timeout:g} s', file=sys.stderr)
                return 1
            time.sleep(0.02)
    finally:
        display.close()
    return 0


if __name__ == '__main__':
    sys.exit(main())
