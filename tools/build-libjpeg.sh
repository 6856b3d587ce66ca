#!/usr/bin/env bash
# Cross-builds libjpeg-turbo (static, with its SIMD code) for one mingw-w64
# triplet from Debian's own source package, and installs it into
# build/deps/TRIPLET where the toolchain files look for it.
#
#   tools/build-libjpeg.sh i686-w64-mingw32
#   tools/build-libjpeg.sh x86_64-w64-mingw32
#
# Needs root (it adds a deb-src entry and runs apt-get update the first time),
# dpkg-dev, nasm, cmake and the mingw-w64 -posix compilers.
set -eu

usage() {
    echo "usage: $0 i686-w64-mingw32|x86_64-w64-mingw32" >&2
    exit 2
}

[ $# -eq 1 ] || usage
triplet=$1
case "$triplet" in
    i686-w64-mingw32) processor=i686 ;;
    # libjpeg-turbo picks its x86-64 SIMD code from this name, as Windows reports it.
    x86_64-w64-mingw32) processor=AMD64 ;;
    *) usage ;;
esac

repo_root=$(cd "$(dirname "$0")/.." && pwd)
. "$repo_root/tools/lib/apt-archive.sh"
deps_dir=$repo_root/build/deps
prefix=$deps_dir/$triplet
source_cache=$deps_dir/src
stamp=$prefix/.libjpeg-turbo-installed

if [ -f "$stamp" ] && [ -f "$prefix/lib/libjpeg.a" ] && [ -f "$prefix/include/jpeglib.h" ]; then
    echo "libjpeg-turbo for $triplet already in $prefix"
    exit 0
fi

for tool in nasm cmake dpkg-source "$triplet-gcc-posix"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$0: $tool is missing" >&2
        exit 1
    fi
done

find_source_dir() {
    for dir in "$source_cache"/libjpeg-turbo-*/; do
        if [ -f "$dir/CMakeLists.txt" ] && [ -f "$dir/jpeglib.h" ]; then
            echo "${dir%/}"
            return 0
        fi
    done
    return 1
}

source_list=/etc/apt/sources.list.d/vellumark-src.sources

# Source packages come from the same archive, suite and key as the binary
# packages this machine uses; the entry is added only when apt knows no source.
ensure_source_package_known() {
    if apt-cache showsrc libjpeg-turbo 2>/dev/null | grep -q '^Package:'; then
        return 0
    fi
    if [ ! -f "$source_list" ]; then
        local uri keyring codename
        uri=$(archive_field URIs) || { echo "$0: no Debian archive in the apt sources" >&2; exit 1; }
        keyring=$(archive_field Signed-By) || keyring=/usr/share/keyrings/debian-archive-keyring.gpg
        codename=$(archive_codename)
        printf 'Types: deb-src\nURIs: %s\nSuites: %s %s-updates\nComponents: main\nSigned-By: %s\n' \
            "$uri" "$codename" "$codename" "$keyring" > "$source_list"
    fi
    apt-get update
}

if ! source_dir=$(find_source_dir); then
    ensure_source_package_known
    mkdir -p "$source_cache"
    # Fetched into a scratch folder first so an interrupted download leaves no
    # half-unpacked tree that looks like a cached one.
    download_dir=$(mktemp -d "$source_cache/download.XXXXXX")
    (cd "$download_dir" && apt-get source libjpeg-turbo)
    for dir in "$download_dir"/libjpeg-turbo-*/; do
        mv "${dir%/}" "$source_cache/"
    done
    mv "$download_dir"/libjpeg-turbo_* "$source_cache/" 2>/dev/null || true
    rm -rf "$download_dir"
    source_dir=$(find_source_dir)
fi
echo "libjpeg-turbo source: $source_dir"

build_dir=$deps_dir/build-libjpeg-turbo-$triplet
toolchain=$deps_dir/toolchain-libjpeg-$triplet.cmake
cat > "$toolchain" <<EOF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR $processor)
set(CMAKE_C_COMPILER $triplet-gcc-posix)
set(CMAKE_CXX_COMPILER $triplet-g++-posix)
set(CMAKE_RC_COMPILER $triplet-windres)
set(CMAKE_ASM_NASM_COMPILER nasm)
set(CMAKE_FIND_ROOT_PATH /usr/$triplet)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
EOF

rm -rf "$build_dir"
cmake -S "$source_dir" -B "$build_dir" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DENABLE_SHARED=OFF \
    -DENABLE_STATIC=ON \
    -DWITH_TURBOJPEG=OFF \
    -DWITH_SIMD=ON \
    -DREQUIRE_SIMD=ON
cmake --build "$build_dir" -j2
cmake --install "$build_dir"
rm -rf "$build_dir"

basename "$source_dir" > "$stamp"
echo "libjpeg-turbo for $triplet installed in $prefix"
