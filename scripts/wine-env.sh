# Sourced by the Wine scripts: the environment of the private Wine prefix of
# one build tree. Expects RUNEPAIRS_BUILD to name that build tree.
export WINEARCH=win64
export WINEPREFIX="$RUNEPAIRS_BUILD/wine/prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
RUNEPAIRS_SESSION_FILE="$RUNEPAIRS_BUILD/wine/session.env"
if [ -f "$RUNEPAIRS_SESSION_FILE" ]; then
    # shellcheck disable=SC1090
    . "$RUNEPAIRS_SESSION_FILE"
    export DISPLAY
fi

# The explorer processes of this prefix, one PID a line.
prefix_explorers() {
    local pid
    for pid in $(pgrep -f 'explorer\.exe' || true); do
        if tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
            echo "$pid"
        fi
    done
}
