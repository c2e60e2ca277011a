#!/usr/bin/env bash
# screenshot.sh BUILD_DIR OUTPUT.png
# Starts the built game on the build tree's virtual display, waits until its
# window has painted and stands still, saves the screen and ends the game.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
RUNEPAIRS_BUILD=$(cd "$1" && pwd)
output=$2
"$here/wine-session.sh" start "$RUNEPAIRS_BUILD"
. "$here/wine-env.sh"

screen_digest() {
    import -window root rgb:- 2>/dev/null | md5sum | cut -d' ' -f1
}

empty=$(screen_digest)
wine "$RUNEPAIRS_BUILD/bin/runepairs.exe" </dev/null >/dev/null 2>&1 &
game=$!

# Painted: the screen has changed since the game started and then holds still.
previous=$empty
for _ in $(seq 60); do
    sleep 0.5
    current=$(screen_digest)
    if [ "$current" != "$empty" ] && [ "$current" = "$previous" ]; then
        break
    fi
    previous=$current
done

mkdir -p "$(dirname "$output")"
# The virtual desktop covers the top-left 1024 x 768 of the display.
import -window root -crop 1024x768+0+0 +repage "$output"
kill "$game" 2>/dev/null || true
wait "$game" 2>/dev/null || true
