#!/usr/bin/env bash
# Configures (once) and builds the four trees: the 32-bit product, the
# 64-bit build the Wine tests run, the native unit tests and the fuzzers.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

configure() {  # dir, extra cmake arguments...
    local dir=$1; shift
    [[ -f "$repo/build/$dir/CMakeCache.txt" ]] ||
        cmake -S "$repo" -B "$repo/build/$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$repo/build/$dir" -j "$jobs"
}

configure win32 -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-i686-mingw.cmake"
configure win64 -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-x86_64-mingw.cmake"
configure native
if [[ "${1:-}" != "--no-fuzz" ]]; then
    CC=clang CXX=clang++ configure fuzz -DVELLUMARK_FUZZ=ON
fi
