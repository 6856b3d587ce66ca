#!/usr/bin/env bash
# Runs a command (normally ctest of the 64-bit tree) inside the Windows test
# rig: a private Wine prefix for this run, one wineserver kept up for the
# whole run, and a virtual X display. Everything is stopped at the end, also
# on failure.
#   tests/wine/rig.sh ctest --test-dir build/win64
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
wine_bin=/usr/lib/wine
# The WoW64 lane (tests/wine/wow64.sh) runs this inside its own root, where
# the template is kept with the root, outside the checkout.
case "${VELLUMARK_LANE:-x86_64}" in
    x86_64) template="$repo/build/wine-template" prefix_name=wine-prefix ;;
    wow64) template=/var/cache/vellumark-wine-template prefix_name=wine-prefix-wow64 ;;
    *) echo "rig: unknown lane $VELLUMARK_LANE" >&2; exit 2 ;;
esac
# Raise this when the template's recipe below changes.
template_version=2
export WINEPREFIX="$repo/build/$prefix_name"
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# LC_ALL=zh_CN.UTF-8 gives Wine the ANSI code page 936, even without the glibc
# locale installed; it is set per command so bash does not try to load it.
chinese=(env LC_ALL=zh_CN.UTF-8)
export PATH="$wine_bin:$PATH"

xvfb_pid=""
stop_rig() {
    "$wine_bin/wineserver" -k >/dev/null 2>&1 || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" >/dev/null 2>&1 || true
    if [[ -d "$repo/build/screens" ]]; then
        for bitmap in "$repo"/build/screens/*.bmp "$repo"/build/screens/*/*.bmp; do
            [[ -e "$bitmap" ]] || continue
            convert "$bitmap" "${bitmap%.bmp}.png" 2>/dev/null && rm -f "$bitmap"
        done
    fi
}
trap stop_rig EXIT

wait_for() {  # seconds, command...: polls a condition with a deadline
    local deadline=$((SECONDS + $1)); shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# A virtual display of our own. Xvfb picks a free number itself and reports it
# when it is ready: a number that looks free here may be taken in another
# root, because the abstract X socket is shared by all of them.
if [[ -z "${VELLUMARK_KEEP_DISPLAY:-}" || -z "${DISPLAY:-}" ]]; then
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    wait_for 20 test -s "$display_file" || { echo "rig: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n 1 "$display_file")"
    rm -f "$display_file"
fi

# The template prefix is made once; each run starts from a fresh copy of it.
if [[ "$(cat "$template/.vellumark-ready" 2>/dev/null)" != "$template_version" ]]; then
    rm -rf "$template"
    in_template=(env WINEPREFIX="$template" "$wine_bin/wine64")
    "${in_template[@]}" wineboot --init >/dev/null 2>&1 </dev/null
    # Without a window manager Wine waits 2 s on every close of a managed window.
    "${in_template[@]}" reg add 'HKCU\Software\Wine\X11 Driver' \
        /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 </dev/null
    # A crash ends the process at once instead of starting winedbg, which for
    # a 32-bit process under emulation hangs for many minutes. Both views.
    for software in 'HKLM\Software' 'HKLM\Software\Wow6432Node'; do
        "${in_template[@]}" reg add "$software\Microsoft\Windows NT\CurrentVersion\AeDebug" \
            /v Debugger /t REG_SZ /d '' /f >/dev/null 2>&1 </dev/null
    done
    WINEPREFIX="$template" "$wine_bin/wineserver" -k >/dev/null 2>&1 || true
    WINEPREFIX="$template" "$wine_bin/wineserver" -w >/dev/null 2>&1 || true
    echo "$template_version" > "$template/.vellumark-ready"
fi
rm -rf "$WINEPREFIX"
cp -a "$template" "$WINEPREFIX"
rm -f "$WINEPREFIX/.vellumark-ready"
# As on real Windows, oobe exists and its info folder does not.
mkdir -p "$WINEPREFIX/drive_c/windows/system32/oobe"
mkdir -p "$repo/build/screens"

# One server for the whole run, and Wine's own services started now: if the
# first test started them they would inherit ctest's pipes and hold them open.
"${chinese[@]}" "$wine_bin/wineserver" -p >/dev/null 2>&1 </dev/null
"${chinese[@]}" "$wine_bin/wine64" wineboot >/dev/null 2>&1 </dev/null
"${chinese[@]}" "$@"
