#!/usr/bin/env bash
# The emulator that runs the cross-built programs: wine-run.sh BUILD_DIR PROGRAM [ARGS...]
# Starts the build tree's Wine session on first use, so each program starts in
# a fraction of a second instead of paying for a fresh wineserver.
set -euo pipefail
RUNEPAIRS_BUILD=$(cd "$1" && pwd)
shift
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$here/wine-session.sh" start "$RUNEPAIRS_BUILD" >/dev/null
. "$here/wine-env.sh"
exec wine "$@"
