#!/usr/bin/env bash
# release-test.sh BUILD_DIR: packs the release zip, unpacks it into the C:
# drive of a fresh Wine prefix and starts the game from there, as a player who
# downloaded it would. Passes when the game's window appears.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
RUNEPAIRS_BUILD=$(cd "$1" && pwd)
"$root/scripts/wine-session.sh" start "$RUNEPAIRS_BUILD"
. "$root/scripts/wine-env.sh"

zip=$("$root/scripts/package.sh" "$RUNEPAIRS_BUILD")
work=$(mktemp -d "$RUNEPAIRS_BUILD/release-test.XXXXXX")
export WINEPREFIX="$work/prefix"
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

wineboot -i >/dev/null 2>&1 || true
games="$WINEPREFIX/drive_c/Games"
mkdir -p "$games"
unzip -q "$zip" -d "$games"
folder="$games/$(basename "$zip" .zip)"
(cd "$folder" && sha256sum --quiet -c SHA256SUMS.txt) || fail "the sums inside the zip do not match"
[ -s "$folder/LEGGIMI.txt" ] && [ -s "$folder/README.txt" ] || fail "a read-me file is missing"

imports=$(x86_64-w64-mingw32-objdump -p "$folder/runepairs.exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
for dll in $imports; do
    case "$dll" in
        kernel32.dll|user32.dll|gdi32.dll|comctl32.dll|shell32.dll|msvcrt.dll|advapi32.dll|ole32.dll) ;;
        *) fail "the executable needs $dll, which Windows does not have" ;;
    esac
done

(cd "$folder" && wine runepairs.exe </dev/null >/dev/null 2>&1 &)
for _ in $(seq 120); do
    if xdotool search --name '^Runepairs' >/dev/null 2>&1; then
        echo "The game started from C:\\Games\\$(basename "$folder")"
        exit 0
    fi
    sleep 0.25
done
fail "no Runepairs window within 30 seconds"
