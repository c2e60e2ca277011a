#!/usr/bin/env bash
# wine-session-test.sh BUILD_DIR: the session's virtual desktop belongs to
# the explorer it started and outlives the programs that use it. A desktop
# that Wine opens for a program closes soon after that program leaves, and
# the next program's explorer would hold that program's output open.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
RUNEPAIRS_BUILD=$(cd "$1" && pwd)
"$root/scripts/wine-session.sh" start "$RUNEPAIRS_BUILD"
. "$root/scripts/wine-env.sh"

fail() {
    echo "FAIL: $*"
    exit 1
}

# The explorer that holds this build tree's desktop, if one does.
session_desktop() {
    local pid
    for pid in $(prefix_explorers); do
        if tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline" | grep -qF '/desktop=Default,1024x768'; then
            echo "$pid"
            return
        fi
    done
}

desktop=$(session_desktop)
[ -n "$desktop" ] || fail "no explorer holds the session's desktop"
# A program that uses the desktop and ends at once: no window of that title.
"$root/scripts/wine-run.sh" "$RUNEPAIRS_BUILD" "$RUNEPAIRS_BUILD/bin/window-probe.exe" "no such window" >/dev/null || true
# Longer than Wine waits before it closes a desktop that no program uses.
sleep 3
kill -0 "$desktop" 2>/dev/null || fail "the session's desktop closed after its last program"
echo "explorer $desktop keeps the session's desktop after its programs end"
