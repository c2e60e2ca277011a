#!/usr/bin/env bash
# Builds the game and starts it. With a display the game opens there; without
# one it runs on a virtual display, and a screenshot shows what it looks like.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${RUNEPAIRS_BUILD_DIR:-"$root/build"}
"$root/scripts/build.sh" "$build"
game="$build/bin/runepairs.exe"

if [ -n "${DISPLAY:-}" ]; then
    export WINEPREFIX="$build/wine/user-prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    exec wine "$game"
fi

trap '"$root/scripts/wine-session.sh" stop "$build"' EXIT
shot="$build/screenshots/runepairs.png"
"$root/scripts/screenshot.sh" "$build" "$shot"
echo "No display: the game ran on a virtual display. Screenshot: $shot"
