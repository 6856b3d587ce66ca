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
    wine wine64 xvfb xauth x11-utils fonts-wqy-microhei fonts-dejavu-core imagemagick locales
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

# The Chinese locale, made into the build so nothing of the machine's changes.
# With it Wine also uses UTF-8 for Unix file names, so Chinese ones work.
chinese_locale="$repo/build/locale/zh_CN.UTF-8"
if [[ ! -f "$chinese_locale/LC_CTYPE" ]]; then
    mkdir -p "$repo/build/locale"
    # localedef warns about the locale's own sources and exits 1; what counts
    # is whether it wrote the locale.
    localedef -i zh_CN -f UTF-8 "$chinese_locale" >/dev/null 2>&1 || true
    [[ -f "$chinese_locale/LC_CTYPE" ]] || { echo "setup: could not make the zh_CN.UTF-8 locale" >&2; exit 1; }
fi

for triplet in i686-w64-mingw32 x86_64-w64-mingw32; do
    "$repo/tools/build-libjpeg.sh" "$triplet"
done
