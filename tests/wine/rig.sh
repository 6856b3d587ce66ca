#!/usr/bin/env bash
# Runs a command (normally ctest of the 64-bit tree) inside the Windows test
# rig: a private Wine prefix for this run, one wineserver kept up for the
# whole run, and a virtual X display. Everything is stopped at the end, also
# on failure.
#   tests/wine/rig.sh ctest --test-dir build/win64
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
. "$repo/tools/lib/wine-env.sh"
# The WoW64 lane (tests/wine/wow64.sh) runs this inside its own root, where
# the template is kept with the root, outside the checkout.
case "${VELLUMARK_LANE:-x86_64}" in
    x86_64) template="$repo/build/wine-template" prefix_name=wine-prefix ;;
    wow64) template=/var/cache/vellumark-wine-template prefix_name=wine-prefix-wow64 ;;
    *) echo "rig: unknown lane $VELLUMARK_LANE" >&2; exit 2 ;;
esac
export WINEPREFIX="$repo/build/$prefix_name"

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

if [[ -z "${VELLUMARK_KEEP_DISPLAY:-}" || -z "${DISPLAY:-}" ]]; then
    start_virtual_display || exit 1
fi

# The template prefix is made once; each run starts from a fresh copy of it.
if ! wine_prefix_is_current "$template"; then
    rm -rf "$template"
    prepare_wine_prefix "$template"
fi
rm -rf "$WINEPREFIX"
cp -a "$template" "$WINEPREFIX"
make_oobe_folder "$WINEPREFIX"
mkdir -p "$repo/build/screens"

# One server for the whole run, and Wine's own services started now: if the
# first test started them they would inherit ctest's pipes and hold them open.
"${chinese[@]}" "$wine_bin/wineserver" -p >/dev/null 2>&1 </dev/null
"${chinese[@]}" "$wine_bin/wine64" wineboot >/dev/null 2>&1 </dev/null
# Windows 7, where everything an apply writes shows as written; Wine's own
# default is Windows 10. A test that needs another version sets it itself.
"${chinese[@]}" "$wine_bin/wine64" reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d win7 /f \
    >/dev/null 2>&1 </dev/null
"${chinese[@]}" "$@"
