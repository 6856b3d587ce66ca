#!/usr/bin/env bash
# Starts the built program under wine64 in a prefix of its own that is kept
# between runs (build/wine-run-prefix). It runs the 64-bit build of the same
# sources; the README says how to start the 32-bit product in the WoW64 lane.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
. "$repo/tools/lib/wine-env.sh"
export WINEPREFIX="$repo/build/wine-run-prefix"

xvfb_pid=""
cleanup() {
    "$wine_bin/wineserver" -k >/dev/null 2>&1 || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" >/dev/null 2>&1 || true
}
trap cleanup EXIT

if [[ -z "${DISPLAY:-}" ]]; then
    start_virtual_display || exit 1
    echo "run: no display; started a virtual X display $DISPLAY"
fi

if ! wine_prefix_is_current "$WINEPREFIX"; then
    echo "run: preparing the Wine prefix (once)"
    rm -rf "$WINEPREFIX"
    prepare_wine_prefix "$WINEPREFIX"
fi
make_oobe_folder "$WINEPREFIX"

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
