#!/bin/sh
# Builds libjpeg-turbo with the fuzzers' instrumentation (clang, coverage,
# AddressSanitizer, UndefinedBehaviorSanitizer) into build/deps/fuzz, where
# the fuzzing tree links it, so the JPEG fuzz target explores libjpeg's own
# code and a cost inside libjpeg is found like one in ours.
#
#   tools/build-libjpeg-fuzz.sh
#
# Uses the Debian source that tools/build-libjpeg.sh unpacks into
# build/deps/src; run that (or tools/setup.sh) first. Needs clang and cmake,
# no root. SIMD stays off: hand-written assembly carries no instrumentation.
set -eu

repo_root=$(cd "$(dirname "$0")/.." && pwd)
deps_dir=$repo_root/build/deps
prefix=$deps_dir/fuzz
stamp=$prefix/.libjpeg-turbo-installed

if [ -f "$stamp" ] && [ -f "$prefix/lib/libjpeg.a" ] && [ -f "$prefix/include/jpeglib.h" ]; then
    echo "instrumented libjpeg-turbo already in $prefix"
    exit 0
fi

for tool in clang cmake; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$0: $tool is missing" >&2
        exit 1
    fi
done

source_dir=
for dir in "$deps_dir"/src/libjpeg-turbo-*/; do
    if [ -f "$dir/CMakeLists.txt" ] && [ -f "$dir/jpeglib.h" ]; then
        source_dir=${dir%/}
        break
    fi
done
if [ -z "$source_dir" ]; then
    echo "$0: no libjpeg-turbo source in $deps_dir/src; run tools/build-libjpeg.sh first" >&2
    exit 1
fi
echo "libjpeg-turbo source: $source_dir"

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -O1 -g"
build_dir=$deps_dir/build-libjpeg-turbo-fuzz
rm -rf "$build_dir"
CC=clang cmake -S "$source_dir" -B "$build_dir" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_FLAGS_RELEASE="$flags" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_INSTALL_LIBDIR=lib \
    -DENABLE_SHARED=OFF \
    -DENABLE_STATIC=ON \
    -DWITH_TURBOJPEG=OFF \
    -DWITH_SIMD=OFF
cmake --build "$build_dir" -j2 --target jpeg-static
# Only the library and its headers: the tools are not built.
mkdir -p "$prefix/lib" "$prefix/include"
cp "$build_dir/libjpeg.a" "$prefix/lib/"
cp "$build_dir/jconfig.h" "$source_dir/jpeglib.h" "$source_dir/jmorecfg.h" "$source_dir/jerror.h" "$prefix/include/"
rm -rf "$build_dir"

basename "$source_dir" > "$stamp"
echo "instrumented libjpeg-turbo installed in $prefix"
