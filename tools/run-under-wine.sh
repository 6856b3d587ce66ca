#!/usr/bin/env bash
# Starts the built program under wine64 in a prefix of its own that is kept
# between runs (build/wine-run-prefix). This machine cannot execute 32-bit
# code, so it runs the 64-bit build of the same sources.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
wine_bin=/usr/lib/wine
export WINEPREFIX="$repo/build/wine-run-prefix"
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# LC_ALL=zh_CN.UTF-8 gives Wine the ANSI code page 936, even without the glibc
# locale installed; it is set per command so bash does not try to load it.
chinese=(env LC_ALL=zh_CN.UTF-8)

xvfb_pid=""
cleanup() {
    "$wine_bin/wineserver" -k >/dev/null 2>&1 || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" >/dev/null 2>&1 || true
}
trap cleanup EXIT

if [[ -z "${DISPLAY:-}" ]]; then
    display=80
    while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$display"
    echo "run: no display; started a virtual X display $DISPLAY"
fi

if [[ ! -d "$WINEPREFIX/drive_c" ]]; then
    echo "run: preparing the Wine prefix (once)"
    "$wine_bin/wine64" wineboot --init >/dev/null 2>&1 </dev/null
    "$wine_bin/wine64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
        >/dev/null 2>&1 </dev/null
fi
mkdir -p "$WINEPREFIX/drive_c/windows/system32/oobe"

"${chinese[@]}" "$wine_bin/wine64" "$repo/build/win64/Vellumark.exe" &
program=$!

if [[ -n "$xvfb_pid" ]]; then
    # Wait for MainWindow to be mapped, then photograph the display.
    mkdir -p "$repo/build/screens"
    deadline=$((SECONDS + 60))
    until xwininfo -root -tree 2>/dev/null | grep -q "Vellumark Tarnhollow"; do
        ((SECONDS < deadline)) || { echo "run: MainWindow did not appear" >&2; exit 1; }
        kill -0 "$program" 2>/dev/null || { echo "run: the program ended" >&2; exit 1; }
        sleep 0.1
    done
    import -window root "$repo/build/screens/run.png"
    echo "run: screenshot saved to build/screens/run.png; Ctrl+C ends the program"
fi
wait "$program"
