#!/usr/bin/env bash
# Builds everything and runs every test under Wine on a virtual display.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${RUNEPAIRS_BUILD_DIR:-"$root/build"}
"$root/scripts/build.sh" "$build"
trap '"$root/scripts/wine-session.sh" stop "$build"' EXIT
cd "$build"
ctest -j "$(nproc)" --output-on-failure --timeout 600
