# Sourced by scripts/in-debian and scripts/try-deb: a fresh Debian machine of
# a given release, as a folder to chroot into, made by debootstrap from the
# mirror this machine's apt uses. Needs root.
#
# A bare root of each release is made once and kept in the cache
# ($COURIER_FIRMS_CACHE, otherwise ~/.cache/courier-firms), named after what
# it is made from; each use gets a copy of it, so every run starts from a
# machine that nothing has touched. The packages it downloads are kept in
# the cache too, and its package lists are updated at each use.

# own_mount_namespace "$@"
# Called first by a script that mounts: runs the script again, with the same
# arguments, in a mount namespace of its own, so that whatever it mounts is
# gone when it ends, however it ends, and the machine never sees it.
own_mount_namespace() {
    [ "$(id -u)" -eq 0 ] ||
        fail "a Debian root (debootstrap, chroot, mounts) needs root: run this as root or with sudo"
    [ -n "${COURIER_FIRMS_OWN_MOUNTS:-}" ] ||
        exec env COURIER_FIRMS_OWN_MOUNTS=1 unshare --mount --propagation private \
            "scripts/$(basename "$0")" "$@"
}

# on_debian RELEASE "$@"
# Called first by a script that builds only on Debian RELEASE: on another
# release, runs the script again, with the same arguments, on a fresh Debian
# RELEASE (scripts/in-debian).
on_debian() {
    local release=$1
    shift
    [ "$(debian_release)" != "$release" ] || return 0
    exec scripts/in-debian "$release" "scripts/$(basename "$0")" "$@"
}

# fresh_debian_root RELEASE
# Sets DEBIAN_ROOT to a fresh Debian RELEASE (bookworm, trixie) with what a
# running system needs mounted into it; it goes when the script ends.
fresh_debian_root() {
    local release=$1
    [ -n "${COURIER_FIRMS_OWN_MOUNTS:-}" ] || fail "fresh_debian_root comes after own_mount_namespace"
    ensure_packages debootstrap
    local mirror cache base
    mirror=$(debian_mirror)
    cache=$(cache_folder)
    base=$cache/debian-$release-$({
        cat "${BASH_SOURCE[0]}"
        echo "$mirror"
        dpkg-query -W -f='${Version}\n' debootstrap
    } | sha256sum | cut -c1-16)
    if [ ! -x "$base/usr/bin/apt-get" ]; then
        echo "courier-firms: making a bare Debian $release root in $base (a minute or two)"
        rm -rf "$base.partial"
        mkdir -p "$cache"
        debootstrap --variant=minbase "$release" "$base.partial" "$mirror" >"$base.log" 2>&1 ||
            fail "debootstrap of $release from $mirror failed; its log is $base.log"
        write_debian_sources "$release" "$mirror" >"$base.partial/etc/apt/sources.list"
        # The names of this machine itself, which the installer writes and
        # debootstrap does not: a browser's driver is reached at localhost.
        printf '127.0.0.1\tlocalhost\n::1\t\tlocalhost ip6-localhost ip6-loopback\n' \
            >"$base.partial/etc/hosts"
        # A machine made for one run: dpkg need not wait for each file to
        # reach the disk, nor index the manual pages it installs.
        echo force-unsafe-io >"$base.partial/etc/dpkg/dpkg.cfg.d/unsafe-io"
        echo "man-db man-db/auto-update boolean false" |
            chroot "$base.partial" debconf-set-selections
        mv "$base.partial" "$base"
        find "$cache" -mindepth 1 -maxdepth 1 -name "debian-$release-*" \
            ! -name "$(basename "$base")*" -exec rm -rf {} +
    fi

    # A root left by a run that was killed outright; its mounts went with it.
    find "$cache" -mindepth 1 -maxdepth 1 -name "root-*" -mmin +1440 -exec rm -rf --one-file-system {} +
    DEBIAN_ROOT=$(mktemp -d "$cache/root-$release.XXXXXX")
    trap leave_debian_root EXIT
    trap 'exit 130' INT TERM
    cp -a "$base/." "$DEBIAN_ROOT"
    cp /etc/resolv.conf "$DEBIAN_ROOT/etc/resolv.conf"
    # The root a mount of its own, as a booted Debian's is, so that these
    # scripts run inside it too; the machine's own devices, processes and
    # system folders; and the cache of downloaded packages.
    local packages=$cache/packages-$release
    mkdir -p "$packages"
    mount --bind "$DEBIAN_ROOT" "$DEBIAN_ROOT" &&
        mount --bind /proc "$DEBIAN_ROOT/proc" &&
        mount --rbind /sys "$DEBIAN_ROOT/sys" && mount --make-rslave "$DEBIAN_ROOT/sys" &&
        mount --rbind /dev "$DEBIAN_ROOT/dev" && mount --make-rslave "$DEBIAN_ROOT/dev" &&
        mount --bind "$packages" "$DEBIAN_ROOT/var/cache/apt/archives" ||
        fail "could not mount the system's folders into $DEBIAN_ROOT"
}

# Unmounts everything below the root, deepest first, and only then removes
# it: a folder still mounted would take the machine's own /dev with it.
leave_debian_root() {
    [ -d "${DEBIAN_ROOT:-}" ] || return 0
    local root mounts
    root=$(realpath "$DEBIAN_ROOT")
    mounts=$(findmnt -rn -o TARGET | grep -E "^$root(/|$)" | sort -r) || true
    [ -z "$mounts" ] || umount -R -l $mounts 2>/dev/null || true
    if findmnt -rn -o TARGET | grep -qE "^$root(/|$)"; then
        echo "courier-firms: $root is still mounted; left in place" >&2
        return 1
    fi
    rm -rf --one-file-system "$root"
}

# in_debian_root COMMAND [ARG...]
# Runs COMMAND as root inside the root, with a clean environment and no
# questions from the packages it installs.
in_debian_root() {
    chroot "$DEBIAN_ROOT" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin CI="${CI:-}" "$@"
}

# The Debian mirror of this machine's own package sources; with -security,
# that of its security updates.
debian_mirror() {
    local archive=debian${1:-} uri
    uri=$(sed -n -e "s|^URIs: *\(\S*/$archive\)/\?\$|\1|p" \
        -e "s|^deb \(\[[^]]*\] \)\?\(\S*/$archive\)/\? .*|\2|p" \
        /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null | head -1)
    echo "${uri:-http://deb.debian.org/$archive}"
}

# The sources of a new installation: the release, its updates and its
# security updates.
write_debian_sources() {
    local release=$1 mirror=$2
    echo "deb $mirror $release main"
    echo "deb $mirror $release-updates main"
    echo "deb $(debian_mirror -security) $release-security main"
}
