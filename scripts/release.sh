#!/usr/bin/env bash
# Builds the game, packs the zip a player downloads and refreshes the
# README's screenshot from the virtual display.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${RUNEPAIRS_BUILD_DIR:-"$root/build"}
"$root/scripts/build.sh" "$build"
zip=$("$root/scripts/package.sh" "$build")
trap '"$root/scripts/wine-session.sh" stop "$build"' EXIT
"$root/scripts/screenshot.sh" "$build" "$root/docs/screenshot.png"
echo "Release: $zip"
echo "SHA-256: $(cut -d' ' -f1 "$zip.sha256")"
echo "Screenshot: $root/docs/screenshot.png"
