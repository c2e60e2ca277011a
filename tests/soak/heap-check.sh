#!/usr/bin/env bash
# heap-check.sh BUILD_DIR
# Plays the soak with Wine checking every heap operation and fails on any
# heap warning or error, printing them.
set -euo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
log="$build/test-artifacts/soak-heap.log"
mkdir -p "$(dirname "$log")"
status=0
RUNEPAIRS_SOAK_LEVELS=${RUNEPAIRS_SOAK_LEVELS:-50} WINEDEBUG=warn+heap \
    "$root/scripts/wine-run.sh" "$build" "$build/bin/SoakTest.exe" 2>"$log" || status=$?
if grep -E ':(warn|err):heap:' "$log"; then
    echo "heap warnings: see $log" >&2
    exit 1
fi
exit "$status"
