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
