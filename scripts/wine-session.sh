#!/usr/bin/env bash
# One Wine session per build tree: a private prefix, an Xvfb display, a
# persistent wineserver and a virtual desktop kept open by explorer.
#   wine-session.sh start BUILD_DIR   start it unless it already runs
#   wine-session.sh stop BUILD_DIR    end the processes it started
# Keeping the session alive is what makes a test process start in about 0.1 s.
set -euo pipefail
action=$1
RUNEPAIRS_BUILD=$(cd "$2" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_dir="$RUNEPAIRS_BUILD/wine"
mkdir -p "$wine_dir"
unset DISPLAY
. "$here/wine-env.sh"

# Wine maps drive Z: to the Unix root.
windows_path() {
    local path=$1
    printf 'Z:%s' "${path//\//\\}"
}

session_alive() {
    [ -f "$RUNEPAIRS_SESSION_FILE" ] || return 1
    local xvfb_pid
    xvfb_pid=$(sed -n 's/^XVFB_PID=//p' "$RUNEPAIRS_SESSION_FILE")
    [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null
}

start_xvfb() {
    local display_file="$wine_dir/display"
    rm -f "$display_file"
    setsid Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp \
        5>"$display_file" 9>&- </dev/null >"$wine_dir/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$display_file" ] && break
        sleep 0.05
    done
    DISPLAY=":$(tr -d '\n' <"$display_file")"
    export DISPLAY
}

# A registry file written with Windows paths: the desktop, the fonts, and the
# recorder that stands in for the browser and the mail program in tests.
write_registry() {
    local recorder
    recorder=$(windows_path "$RUNEPAIRS_BUILD/bin/shell-recorder.exe" | sed 's/\\/\\\\/g')
    {
        printf 'REGEDIT4\n\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\n"Desktop"="Default"\n\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\n"Default"="1024x768"\n\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\n"ShowCrashDialog"=dword:00000000\n\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\n'
        printf '"Lucida Console"="DejaVu Sans Mono"\n"Arial"="Liberation Sans"\n"Tahoma"="DejaVu Sans"\n\n'
        for protocol in http https mailto; do
            printf '[HKEY_LOCAL_MACHINE\\Software\\Classes\\%s]\n"URL Protocol"=""\n\n' "$protocol"
            printf '[HKEY_LOCAL_MACHINE\\Software\\Classes\\%s\\shell\\open\\command]\n' "$protocol"
            printf '@="\\"%s\\" \\"%%1\\""\n\n' "$recorder"
        done
    } >"$wine_dir/settings.reg"
}

init_prefix() {
    [ -f "$WINEPREFIX/.runepairs-ready" ] && return 0
    wineboot -i >"$wine_dir/wineboot.log" 2>&1 9>&- || true
    wineserver -w
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    touch "$WINEPREFIX/.runepairs-ready"
}

# wait_until COMMAND...: runs COMMAND every 50 ms until it succeeds, 10 s at most.
wait_until() {
    for _ in $(seq 200); do
        "$@" && return 0
        sleep 0.05
    done
}

no_explorer() {
    [ -z "$(prefix_explorers)" ]
}

desktop_shown() {
    xwininfo -root -children 2>/dev/null | grep -q 'Wine desktop'
}

start_session() {
    exec 9>"$wine_dir/lock"
    flock 9
    session_alive && return 0
    start_xvfb
    init_prefix
    setsid wineserver -p </dev/null >/dev/null 2>&1 9>&-
    write_registry
    wine regedit /S "$(windows_path "$wine_dir/settings.reg")" </dev/null >/dev/null 2>&1 9>&-
    # Wine opened a desktop for regedit, and closes it a moment after the
    # last program leaves it; the next program would open another, whose
    # explorer inherits that program's output and holds it open long after
    # the program ended. A desktop that explorer opens by itself stays, so
    # let regedit's go first.
    wait_until no_explorer
    setsid wine explorer /desktop=Default,1024x768 </dev/null >"$wine_dir/explorer.log" 2>&1 9>&- &
    wait_until desktop_shown
    printf 'DISPLAY=%s\nXVFB_PID=%s\n' "$DISPLAY" "$XVFB_PID" >"$RUNEPAIRS_SESSION_FILE"
}

stop_session() {
    exec 9>"$wine_dir/lock"
    flock 9
    [ -f "$RUNEPAIRS_SESSION_FILE" ] || return 0
    local xvfb_pid
    xvfb_pid=$(sed -n 's/^XVFB_PID=//p' "$RUNEPAIRS_SESSION_FILE")
    wineserver -k 2>/dev/null || true
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid"
    fi
    rm -f "$RUNEPAIRS_SESSION_FILE"
}

case "$action" in
    start) start_session ;;
    stop) stop_session ;;
    *) echo "usage: $0 start|stop BUILD_DIR" >&2; exit 2 ;;
esac
