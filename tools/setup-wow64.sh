#!/usr/bin/env bash
# Prepares the WoW64 test lane, once per machine, as root: a Debian chroot
# with wine64 and wine32 (old-style WoW64: the 32-bit Wine loader runs beside
# the 64-bit one in one 64-bit prefix), and a qemu-i386 that runs the i386
# loader, because this kernel cannot execute 32-bit code itself.
#
# Everything is cached in $VELLUMARK_WOW64_CACHE (default
# /var/cache/vellumark-wow64), outside any checkout, so a clean clone reuses
# it; a second call is a stamp check.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
. "$repo/tools/lib/apt-archive.sh"
. "$repo/tools/lib/wow64-lane.sh"

# Raise this when the recipe below changes, so machines rebuild the chroot.
recipe_version=1
chroot_packages=(wine wine64 wine32:i386 xvfb xauth x11-utils fonts-wqy-microhei cmake imagemagick)

if [[ "$(cat "$wow64_stamp" 2>/dev/null)" == "$recipe_version" && -x "$wow64_qemu" ]]; then
    exit 0
fi
echo "setup-wow64: preparing the WoW64 lane in $wow64_cache (once per machine, a few minutes)"
started=$SECONDS

codename=$(archive_codename)
archive_uri=$(archive_field URIs) || { echo "setup-wow64: no Debian archive in the apt sources" >&2; exit 1; }
keyring=$(archive_field Signed-By) || keyring=/usr/share/keyrings/debian-archive-keyring.gpg

for tool in debootstrap dpkg-deb; do
    if ! command -v "$tool" >/dev/null; then
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends debootstrap
        break
    fi
done

# qemu-user 7.2 of the release takes about a minute for each 32-bit start
# (it treats MAP_FIXED_NOREPLACE as a hint, and Wine's address-space
# reservation then loops); the backports build does not.
if [[ ! -x "$wow64_qemu" ]]; then
    backports_list=/etc/apt/sources.list.d/vellumark-backports.sources
    if [[ ! -f "$backports_list" ]]; then
        printf 'Types: deb\nURIs: %s\nSuites: %s-backports\nComponents: main\nSigned-By: %s\n' \
            "$archive_uri" "$codename" "$keyring" > "$backports_list"
    fi
    apt-get update -qq
    download=$(mktemp -d)
    chmod 755 "$download"  # apt downloads as its own user
    (cd "$download" && apt-get download -qq "qemu-user/$codename-backports")
    dpkg-deb -x "$download"/qemu-user_*.deb "$download/unpacked"
    mkdir -p "$wow64_cache"
    install -m 755 "$download/unpacked/usr/bin/qemu-i386" "$wow64_qemu.new"
    mv "$wow64_qemu.new" "$wow64_qemu"
    rm -rf "$download"
fi

# The chroot is built beside the old one and swapped in whole, so an
# interrupted set-up never leaves a half-made root that looks usable.
rm -rf "$wow64_root.new"
mkdir -p "$wow64_cache"
debootstrap --variant=minbase --keyring="$keyring" "$codename" "$wow64_root.new" "$archive_uri" \
    >"$wow64_cache/debootstrap.log" 2>&1 ||
    { tail -20 "$wow64_cache/debootstrap.log" >&2; exit 1; }
rm -f "$wow64_root.new/etc/apt/sources.list"
printf 'Types: deb\nURIs: %s\nSuites: %s %s-updates\nComponents: main\nSigned-By: %s\n' \
    "$archive_uri" "$codename" "$codename" "$keyring" > "$wow64_root.new/etc/apt/sources.list.d/debian.sources"
if [[ ! -f "$wow64_root.new$keyring" ]]; then
    mkdir -p "$(dirname "$wow64_root.new$keyring")"
    cp "$keyring" "$wow64_root.new$keyring"
fi

wow64_register_qemu
wow64_in_root "$wow64_root.new" bash -c "
    set -e
    export DEBIAN_FRONTEND=noninteractive
    dpkg --add-architecture i386
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends ${chroot_packages[*]} >/dev/null
    apt-get clean
"

rm -rf "$wow64_root"
mv "$wow64_root.new" "$wow64_root"
echo "$recipe_version" > "$wow64_stamp"
echo "setup-wow64: ready in $((SECONDS - started)) s ($(du -sh "$wow64_cache" | cut -f1))"
