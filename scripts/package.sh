#!/usr/bin/env bash
# package.sh BUILD_DIR: packs the built game into
# BUILD_DIR/release/runepairs-1.0.0.0-win64.zip (the static executable, the
# Italian and English read-me files and their SHA-256 sums) and writes the
# zip's own SHA-256 beside it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "$1" && pwd)
name=runepairs-1.0.0.0-win64
out="$build/release"
stage="$out/$name"

rm -rf "$stage" "$out/$name.zip" "$out/$name.zip.sha256"
mkdir -p "$stage"
cp "$build/bin/runepairs.exe" "$stage/runepairs.exe"
cp "$root/release/LEGGIMI.txt" "$root/release/README.txt" "$stage/"
(cd "$stage" && sha256sum runepairs.exe LEGGIMI.txt README.txt >SHA256SUMS.txt)
# Fixed times: the same files always pack into the same archive.
touch -d "2026-01-01 00:00:00 UTC" "$stage" "$stage"/*
(cd "$out" && zip -q -X -r "$name.zip" "$name")
(cd "$out" && sha256sum "$name.zip" >"$name.zip.sha256")
echo "$out/$name.zip"
