#!/usr/bin/env python3
"""Start-up benchmark: the time from launching runepairs.exe until its window
shows the 40 painted cards, beside the time a minimal Win32 program takes to
show its window, both under Wine on the build tree's virtual display with the
session kept warm. Prints every run, the medians and their ratio.

usage: benchmark-startup.py [BUILD_DIR] [RUNS]"""

import os
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, HERE)

from game_window import TileIndex, find_window_showing_faces, load_sheet  # noqa: E402
from screen import Display, session_environment  # noqa: E402

MINIMAL_FILL = b'\xff\x00\xff' * 600
TIMEOUT = 30


def game_painted(tiles):
    return lambda frame: find_window_showing_faces(frame, tiles) is not None


def minimal_painted(frame):
    return any(MINIMAL_FILL in frame.row(y) for y in range(0, frame.height, 8))


def time_start(display, env, exe, painted):
    """Seconds from launch until painted(frame) holds for a grab of the screen."""
    while painted(display.grab()):
        time.sleep(0.05)
    started = time.monotonic()
    process = subprocess.Popen(['wine', exe], env=env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while not painted(display.grab()):
            if time.monotonic() - started > TIMEOUT:
                raise RuntimeError(f'{exe} showed nothing within {TIMEOUT} s')
            # Leaves the processor to the program being timed.
            time.sleep(0.005)
        return time.monotonic() - started
    finally:
        process.kill()
        process.wait()


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, 'build'))
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    subprocess.run([os.path.join(HERE, 'wine-session.sh'), 'start', build], check=True)
    env = session_environment(build)
    display = Display(env['DISPLAY'])
    tiles = TileIndex(load_sheet(os.path.join(ROOT, 'resources', 'cards.bmp')))
    programs = [
        ('runepairs.exe, 40 painted cards', os.path.join(build, 'bin', 'runepairs.exe'), game_painted(tiles)),
        ('minimal Win32 window', os.path.join(build, 'bin', 'minimal-window.exe'), minimal_painted),
    ]
    # One run each to warm the session and the file cache; not counted.
    for _, exe, painted in programs:
        time_start(display, env, exe, painted)
    times = {name: [] for name, _, _ in programs}
    for _ in range(runs):
        for name, exe, painted in programs:
            times[name].append(time_start(display, env, exe, painted))
    display.close()

    medians = {}
    for name, samples in times.items():
        medians[name] = statistics.median(samples)
        print(f'{name}: median {medians[name]:.3f} s  (runs: {", ".join(f"{s:.3f}" for s in samples)})')
    game, minimal = (medians[name] for name, _, _ in programs)
    print(f'ratio game / minimal window: {game / minimal:.2f}')


if __name__ == '__main__':
    main()
