#!/usr/bin/env bash
# screenshot.sh BUILD_DIR OUTPUT.png
# Starts the built game on the build tree's virtual display, waits until its
# window shows its 40 painted cards, saves the screen and ends the game.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
RUNEPAIRS_BUILD=$(cd "$1" && pwd)
output=$2
"$here/wine-session.sh" start "$RUNEPAIRS_BUILD"
. "$here/wine-env.sh"

wine "$RUNEPAIRS_BUILD/bin/runepairs.exe" </dev/null >/dev/null 2>&1 &
game=$!

# Painted: the window stands with all 40 cards drawn.
if ! python3 "$here/wait-for-game.py" "$RUNEPAIRS_BUILD" 60; then
    echo "screenshot.sh: taking the screenshot anyway" >&2
fi

mkdir -p "$(dirname "$output")"
# The virtual desktop covers the top-left 1024 x 768 of the display.
import -window root -crop 1024x768+0+0 +repage "$output"
kill "$game" 2>/dev/null || true
wait "$game" 2>/dev/null || true
