#!/usr/bin/env bash
# Installs what building and testing need on a Debian bookworm machine, as
# root, and cross-builds libjpeg for both Windows targets. Cheap when all is
# there: packages are checked with dpkg before apt is asked anything.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)

packages=(
    cmake g++ make python3 libgtest-dev googletest libbenchmark-dev libjpeg-dev libstb-dev
    clang libclang-rt-14-dev
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
    nasm dpkg-dev
    wine wine64 xvfb xauth x11-utils fonts-wqy-microhei fonts-dejavu-core imagemagick
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
if ((${#missing[@]})); then
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

for triplet in i686-w64-mingw32 x86_64-w64-mingw32; do
    "$repo/tools/build-libjpeg.sh" "$triplet"
done
