#!/usr/bin/env bash
# Runs a command inside the WoW64 lane: the rig (tests/wine/rig.sh) inside the
# lane's Debian root, where wine32 sits beside wine64 and qemu-i386 runs the
# 32-bit Wine loader. The checkout is visible inside at its own path.
#   tests/wine/wow64.sh ctest --test-dir build/win64 -L wow64
# tools/setup-wow64.sh prepares the root once per machine.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
. "$repo/tools/lib/wow64-lane.sh"

if [[ ! -f "$wow64_stamp" ]]; then
    echo "wow64: the lane is not prepared; run tools/setup-wow64.sh as root" >&2
    exit 1
fi
# The registration is kernel state: gone after a reboot, so checked each run.
wow64_register_qemu
binds="$repo"
passed=(VELLUMARK_LANE=wow64)
# VELLUMARK_KEEP_DISPLAY=1 shows the windows on this $DISPLAY instead of a
# virtual one of the rig's own, for running the product by hand.
if [[ -n "${VELLUMARK_KEEP_DISPLAY:-}" && -n "${DISPLAY:-}" ]]; then
    binds+=" /tmp/.X11-unix"
    passed+=(VELLUMARK_KEEP_DISPLAY=1 DISPLAY="$DISPLAY")
fi
# Started in the same folder as here, so relative paths mean the same.
WOW64_BINDS="$binds" wow64_in_root "$wow64_root" /bin/bash -c 'cd "$1" && shift && exec "$@"' \
    wow64 "$PWD" /usr/bin/env "${passed[@]}" "$repo/tests/wine/rig.sh" "$@"
