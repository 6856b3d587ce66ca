# Sourced by the WoW64 lane's scripts: where the lane lives on this machine,
# and how a command is run inside its root.
wow64_cache=${VELLUMARK_WOW64_CACHE:-/var/cache/vellumark-wow64}
wow64_root=$wow64_cache/root
wow64_qemu=$wow64_cache/qemu-i386
wow64_stamp=$wow64_cache/ready

# Registers qemu-i386 for i386 ELF executables and shared objects. The F flag
# opens the interpreter now, so it also works inside the chroot, where its
# path does not exist.
wow64_register_qemu() {
    local binfmt=/proc/sys/fs/binfmt_misc
    [[ -e $binfmt/register ]] || mount -t binfmt_misc binfmt_misc "$binfmt"
    if [[ -e $binfmt/vellumark-i386 ]]; then
        grep -q "^interpreter $wow64_qemu\$" "$binfmt/vellumark-i386" && return 0
        echo -1 > "$binfmt/vellumark-i386"
    fi
    # ELF, 32-bit, little-endian, type executable or shared object, machine i386.
    local magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    local mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    echo ":vellumark-i386:M::$magic:$mask:$wow64_qemu:F" > "$binfmt/register"
}

# Runs a command inside ROOT in a mount namespace of its own, so the mounts
# it needs vanish with it, however it ends. WOW64_BINDS lists host folders
# to mount at the same path inside (the checkout, so its build is visible).
wow64_in_root() {
    local root=$1; shift
    unshare --mount --propagation private -- bash -c '
        root=$1; shift
        mount -t proc proc "$root/proc"
        mount --rbind /dev "$root/dev"
        mount -t sysfs sysfs "$root/sys"
        mount -t tmpfs tmpfs "$root/tmp"
        for path in ${WOW64_BINDS:-}; do
            mkdir -p "$root$path"
            mount --bind "$path" "$root$path"
        done
        exec chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
            HOME=/root TERM="${TERM:-dumb}" "$@"
    ' wow64-root "$root" "$@"
}
