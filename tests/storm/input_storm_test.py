"""A bounded storm of real X input on the built game: random clicks over its
menu bar and client area, double clicks and key presses, Enter and Escape
among them, with a fixed seed. A helper in the same Wine session answers
every message box the game shows, declining the close question. Afterwards
the game must be alive with one main window, and a scripted game must still
start, match a pair found through screenshots, and be abandoned.

usage: input_storm_test.py BUILD_DIR"""

import os
import random
import subprocess
import sys
import threading
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
sys.path.insert(0, os.path.join(ROOT, 'scripts'))
sys.path.insert(0, os.path.join(ROOT, 'tests', 'game'))

import end_to_end_test as e2e  # noqa: E402
from end_to_end_test import Failure  # noqa: E402
from game_window import BLANK, CARD_BACK, GameWindow, find_client, is_face  # noqa: E402

SEED = 1211
EVENTS = 300
# However slow the machine, the storm stops after this many seconds.
STORM_SECONDS = 120
PAUSE = 0.04
TITLE = 'Runepairs '
KEYS = list('abcdefghijklmnopqrstuvwxyz0123456789') + ['Tab', 'shift+Tab', 'space', 'Return', 'Escape',
                                                       'alt+F4']


def probe(player):
    """The game's windows: a list of dicts, one a top-level window, with its
    client, menu bar and children."""
    exe = os.path.join(player.build, 'bin', 'window-probe.exe')
    out = subprocess.run(['wine', exe, TITLE], env=player.env, capture_output=True, text=True).stdout
    tops = []
    for line in out.splitlines():
        fields = line.split('\t')
        if fields[0] == 'top':
            tops.append({'caption': fields[3], 'rect': list(map(int, fields[4:8])), 'enabled': fields[8] == '1',
                         'children': []})
        elif fields[0] in ('client', 'menu'):
            tops[-1][fields[0]] = list(map(int, fields[2:6]))
        elif fields[0] == 'child':
            tops[-1]['children'].append({'text': fields[3], 'rect': list(map(int, fields[4:8]))})
    return tops


def main_windows(tops):
    return [top for top in tops if 'menu' in top]


def the_main_window(player):
    mains = main_windows(probe(player))
    if len(mains) != 1:
        raise Failure(f'{len(mains)} main windows, not one')
    return mains[0]


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


def xdotool(player, *arguments):
    subprocess.run(['xdotool', *arguments], env=player.env, check=True)


class Guard:
    """box-guard.exe, with the boxes it answered."""

    def __init__(self, player):
        exe = os.path.join(player.build, 'bin', 'box-guard.exe')
        self.process = subprocess.Popen(['wine', exe, TITLE], env=player.env, stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL, text=True)
        self.answered = []
        self.reader = threading.Thread(target=self.read, daemon=True)
        self.reader.start()

    def read(self):
        for line in self.process.stdout:
            self.answered.append(line.rstrip('\n').split('\t'))

    def stop(self):
        self.process.kill()
        self.process.wait()


def storm(player, area):
    rng = random.Random(SEED)
    menu, client = area
    deadline = time.monotonic() + STORM_SECONDS
    for event in range(EVENTS):
        if time.monotonic() > deadline:
            print(f'the storm stopped at its time limit, after {event} events')
            return event
        if player.game.poll() is not None:
            raise Failure(f'the game ended during the storm, at event {event}')
        rect = menu if rng.random() < 0.1 else client
        x, y = rng.randrange(rect[0], rect[2]), rng.randrange(rect[1], rect[3])
        kind = rng.random()
        if kind < 0.6:
            player.click((x, y))
        elif kind < 0.7:
            xdotool(player, 'mousemove', str(x), str(y), 'click', '--repeat', '2', '--delay', '60', '1')
        else:
            xdotool(player, 'key', rng.choice(KEYS))
        time.sleep(PAUSE)
    return EVENTS


def uncovered_caption_point(top, mains):
    """A point on the caption of top that no main window covers, if any."""
    left, upper, right, _ = top['rect']
    y = upper + 10
    for x in range(right - 30, left, -10):
        if not any(main['rect'][0] <= x < main['rect'][2] and main['rect'][1] <= y < main['rect'][3]
                   for main in mains):
            return x, y
    return None


def close_other_windows(player):
    """Closes the About windows the storm left open, as a player would: the
    main window may have come in front of them (Info can still be pressed
    after a declined close question), so each is first brought forward by its
    caption, then closed with OK."""
    for _ in range(10):
        tops = probe(player)
        others = [top for top in tops if 'menu' not in top]
        if not others:
            return
        point = uncovered_caption_point(others[0], main_windows(tops))
        if point:
            player.click(point)
            time.sleep(0.3)
        ok = button(others[0], 'OK')
        if ok:
            player.click(centre(ok['rect']))
        time.sleep(0.5)
    raise Failure(f'windows beside the main one stay open: {[top["caption"] for top in others]}')


def button(top, text):
    return next((child for child in top['children'] if child['text'] == text), None)


def abandon_if_running(player):
    running = button(the_main_window(player), 'Abbandona')
    if running:
        player.click(centre(running['rect']))
        time.sleep(0.5)


def abandon(player):
    player.click(player.window.button_centre(1))

    def revealed(frame):
        tiles = player.tiles_shown(frame)
        return all(is_face(tile) or tile == BLANK for tile in tiles) and CARD_BACK not in tiles

    player.wait_for('after Abbandona, the faces of the cards in play', revealed, 5, 'after-abandon')
    if not button(the_main_window(player), 'Inizia'):
        raise Failure('after Abbandona the button does not read Inizia')
    print('after Abbandona: the cards in play show their faces, the button reads Inizia')


def run(player):
    player.wait_for('the window with 40 painted faces', player.window_painted, 30, 'start-up')
    guard = Guard(player)
    try:
        main = the_main_window(player)
        events = storm(player, (main['menu'], main['client']))
        time.sleep(1)
        close_other_windows(player)
        if player.game.poll() is not None:
            raise Failure('the game ended during the storm')
        if not the_main_window(player)['enabled']:
            raise Failure('with every About window closed, the main window stays disabled')
        print(f'after {events} events: the game lives with one enabled main window; boxes answered: '
              f'{[box[1] for box in guard.answered]}')
        abandon_if_running(player)
    finally:
        guard.stop()
    frame = player.display.grab()
    player.window = GameWindow(frame, find_client(frame))
    e2e.start(player)
    e2e.play_until_a_pair_disappears(player)
    abandon(player)
    e2e.close_with_yes(player)


if __name__ == '__main__':
    sys.exit(e2e.play(sys.argv[1], 'input-storm', run))
