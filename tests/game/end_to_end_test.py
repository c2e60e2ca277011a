"""Plays the built game from outside, as a player does: starts runepairs.exe on
the build tree's virtual display, clicks with xdotool and checks what the
screen shows. The screenshots of a failing run stay in
BUILD/test-artifacts/end-to-end for inspection.

usage: end_to_end_test.py BUILD_DIR"""

import os
import shutil
import subprocess
import sys
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
sys.path.insert(0, os.path.join(ROOT, 'scripts'))

from game_window import (BLANK, CARD_BACK, TileIndex, find_window_showing_faces, is_face,  # noqa: E402
                         load_sheet)
from screen import Display, screenshot, session_environment  # noqa: E402


class Failure(Exception):
    pass


class Player:
    def __init__(self, build):
        self.build = build
        self.env = session_environment(build)
        os.environ['DISPLAY'] = self.env['DISPLAY']
        self.display = Display(self.env['DISPLAY'])
        self.tiles = TileIndex(load_sheet(os.path.join(ROOT, 'resources', 'cards.bmp')))
        self.shots = []
        self.game = None
        self.window = None

    # Enough to show how a failing run got where it failed.
    KEPT_SHOTS = 24

    def shoot(self, name):
        return self.keep(name, screenshot())

    def keep(self, name, frame):
        self.shots = self.shots[-(self.KEPT_SHOTS - 1):] + [(name, frame)]
        return frame

    def click(self, point):
        subprocess.run(['xdotool', 'mousemove', str(point[0]), str(point[1]), 'click', '1'],
                       env=self.env, check=True)

    def wait_for(self, what, condition, timeout, name):
        """Grabs the screen until condition(frame) holds; the last frame is kept."""
        deadline = time.monotonic() + timeout
        while True:
            frame = self.display.grab()
            result = condition(frame)
            if result:
                self.keep(name, frame)
                return frame
            if time.monotonic() > deadline:
                self.keep(name, frame)
                raise Failure(f'{what}: not within {timeout} s')
            time.sleep(0.01)

    def tiles_shown(self, frame):
        return self.window.card_tiles(frame, self.tiles)

    def start_game_process(self):
        exe = os.path.join(self.build, 'bin', 'runepairs.exe')
        self.game = subprocess.Popen(['wine', exe], env=self.env, stdin=subprocess.DEVNULL,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def window_painted(self, frame):
        self.window = find_window_showing_faces(frame, self.tiles)
        return self.window is not None

    def stop(self):
        if self.game and self.game.poll() is None:
            self.game.kill()
            self.game.wait()
        self.display.close()


def check_faces_before_start(player):
    frame = player.wait_for('the window with 40 painted faces', player.window_painted, 30, 'start-up')
    tiles = player.tiles_shown(frame)
    counts = {}
    for tile in tiles:
        counts[tile] = counts.get(tile, 0) + 1
    if len(counts) != 20 or any(count != 2 for count in counts.values()):
        raise Failure(f'the 40 faces before Start are not 20 pairs: {counts}')
    print('before Start: 40 faces in 20 distinct pairs')


def start(player):
    player.click(player.window.button_centre(1))

    def dealt(frame):
        tiles = player.tiles_shown(frame)
        return all(tile == (CARD_BACK if card % 8 < 4 else BLANK) for card, tile in enumerate(tiles))

    player.wait_for('after Inizia, four columns of card backs and the rest blank', dealt, 5, 'after-start')
    print('after Inizia: the first four columns show the card back, the rest blank')


# The About window's links: blue text on a blue underline, which the game's
# own window never shows.
LINK_BLUE = b'\x00\x00\xff'


def link_blue_pixels(frame):
    return sum(1 for at in range(0, len(frame.rgb), 3) if frame.rgb[at:at + 3] == LINK_BLUE)


def check_about_window(player):
    """Info opens the About window over the running game, which takes no
    input meanwhile; Escape closes it."""
    before = link_blue_pixels(player.display.grab())
    player.click(player.window.button_centre(0))
    player.wait_for('the About window with its two links after Info',
                    lambda f: link_blue_pixels(f) > before + 100, 5, 'about-open')
    player.shoot('about')
    player.click(player.window.card_centre(0))
    time.sleep(0.7)
    shown = player.tiles_shown(player.shoot('card-pressed-under-about'))[0]
    if shown != CARD_BACK:
        raise Failure(f'a card pressed while the About window was open showed {shown}')
    subprocess.run(['xdotool', 'key', 'Escape'], env=player.env, check=True)
    player.wait_for('the About window gone after Escape', lambda f: link_blue_pixels(f) <= before, 5,
                    'about-closed')
    print('Info: the About window opened over the game, which took no card press; Escape closed it')


def check_clock_ticks(player):
    x, y, width, height = player.window.clock_rect()
    times = []
    last = player.display.grab(x, y, width, height).rgb
    deadline = time.monotonic() + 4
    while len(times) < 3 and time.monotonic() < deadline:
        now = player.display.grab(x, y, width, height).rgb
        if now != last:
            times.append(time.monotonic())
            last = now
        time.sleep(0.01)
    player.shoot('clock')
    if len(times) < 3:
        raise Failure(f'the clock changed {len(times)} times in 4 s')
    gaps = [later - earlier for earlier, later in zip(times, times[1:])]
    if any(not 0.7 < gap < 1.3 for gap in gaps):
        raise Failure(f'the clock changed at intervals of {gaps} s, not once a second')
    print(f'the clock changes once a second: {", ".join(f"{gap:.2f} s" for gap in gaps)}')


def turn(player, first, second):
    """Turns two cards; answers the faces seen and how the turn ended."""
    player.click(player.window.card_centre(first))
    frame = player.wait_for(f'card {first} turned up', lambda f: is_face(player.tiles_shown(f)[first]), 3,
                            f'card-{first}-up')
    first_face = player.tiles_shown(frame)[first]
    player.click(player.window.card_centre(second))
    # Both stay up for half a second: grab them while they are.
    both = player.wait_for(f'cards {first} and {second} up together',
                           lambda f: is_face(player.tiles_shown(f)[second]), 0.45, f'cards-{first}-{second}-up')
    shown = player.tiles_shown(both)
    if shown[first] != first_face:
        raise Failure(f'card {first} showed {shown[first]} beside card {second}, not its face {first_face}')
    second_face = shown[second]
    pair = first_face == second_face
    after = BLANK if pair else CARD_BACK
    player.wait_for(f'cards {first} and {second} {"gone" if pair else "turned back"}',
                    lambda f: player.tiles_shown(f)[first] == after and player.tiles_shown(f)[second] == after,
                    3, f'cards-{first}-{second}-after')
    return first_face, second_face, pair


def play_until_a_pair_disappears(player):
    in_play = [card for card in range(40) if card % 8 < 4]
    seen = {}
    for first, second in zip(in_play[0::2], in_play[1::2]):
        first_face, second_face, pair = turn(player, first, second)
        if pair:
            print(f'cards {first} and {second} showed the same face and disappeared')
            return
        print(f'cards {first} and {second} showed two faces and turned back')
        for card, face in ((first, first_face), (second, second_face)):
            if face in seen:
                _, _, pair = turn(player, seen[face], card)
                if not pair:
                    raise Failure(f'cards {seen[face]} and {card} both showed {face} but stayed')
                print(f'cards {seen[face]} and {card} showed the same face and disappeared')
                return
            seen[face] = card
    raise Failure('twenty cards and no pair')


def close_with_yes(player):
    player.click(player.window.button_centre(2))
    time.sleep(0.5)
    player.shoot('close-question')
    # The question's default button is Yes.
    subprocess.run(['xdotool', 'key', 'Return'], env=player.env, check=True)
    try:
        code = player.game.wait(timeout=10)
    except subprocess.TimeoutExpired:
        player.shoot('still-running')
        raise Failure('the game did not end after Yes to the close question')
    if code != 0:
        raise Failure(f'the game ended with exit code {code}')
    print('Chiudi, then Yes: the game ended with exit code 0')


def play(build, name, script):
    """Runs script(player) against a fresh game on the build tree's display;
    a failure keeps its screenshots in BUILD/test-artifacts/NAME. Answers the
    process's exit status."""
    build = os.path.abspath(build)
    artefacts = os.path.join(build, 'test-artifacts', name)
    shutil.rmtree(artefacts, ignore_errors=True)
    subprocess.run([os.path.join(ROOT, 'scripts', 'wine-session.sh'), 'start', build], check=True)
    player = Player(build)
    try:
        player.start_game_process()
        script(player)
    except Failure as failure:
        os.makedirs(artefacts, exist_ok=True)
        for number, (shot, frame) in enumerate(player.shots):
            frame.save_png(os.path.join(artefacts, f'{number:02d}-{shot}.png'))
        print(f'FAIL: {failure}\nscreenshots: {artefacts}')
        return 1
    finally:
        player.stop()
    return 0


def play_a_game(player):
    check_faces_before_start(player)
    start(player)
    check_about_window(player)
    check_clock_ticks(player)
    play_until_a_pair_disappears(player)
    close_with_yes(player)


if __name__ == '__main__':
    sys.exit(play(sys.argv[1], 'end-to-end', play_a_game))
