#!/usr/bin/env bash
# Configures (once) and builds the four trees: the 32-bit product, the
# 64-bit build the Wine tests run, the native unit tests and the fuzzers.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

configure() {  # dir, extra cmake arguments...
    local dir=$1; shift
    # Configured again only when the arguments differ from the last time.
    local arguments="$*" recorded="$repo/build/$dir/.configure-arguments"
    if [[ ! -f "$repo/build/$dir/CMakeCache.txt" || "$(cat "$recorded" 2>/dev/null)" != "$arguments" ]]; then
        cmake -S "$repo" -B "$repo/build/$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
        echo "$arguments" > "$recorded"
    fi
    cmake --build "$repo/build/$dir" -j "$jobs"
}

configure win32 -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-i686-mingw.cmake"
# The 64-bit tree's test program also drives the 32-bit product in the WoW64 lane.
configure win64 -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-x86_64-mingw.cmake" \
    -DVELLUMARK_WOW64_PROGRAM="$repo/build/win32/Vellumark.exe"
configure native
if [[ "${1:-}" != "--no-fuzz" ]]; then
    # The fuzzers' own libjpeg, built from the same source with their instrumentation.
    "$repo/tools/build-libjpeg-fuzz.sh"
    CC=clang CXX=clang++ configure fuzz -DVELLUMARK_FUZZ=ON
fi
