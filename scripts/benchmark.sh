#!/usr/bin/env bash
# Builds the benchmarks and runs each under the build tree's Wine session:
#   scripts/benchmark.sh [BUILD_DIR]
# They print their figures; nothing is asserted. Last, the start-up of the
# game from outside, timed on the virtual display.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(mkdir -p "${1:-$root/build}" && cd "${1:-$root/build}" && pwd)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null
trap '"$root/scripts/wine-session.sh" stop "$build"' EXIT
for program in "$build"/bin/*Benchmark.exe; do
    echo "== $(basename "$program" .exe)"
    "$root/scripts/wine-run.sh" "$build" "$program"
done
echo "== Start-up to the painted cards"
python3 "$root/scripts/benchmark-startup.py" "$build"
