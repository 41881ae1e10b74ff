#!/usr/bin/env bash
# Runs a command on a machine with nothing installed: a minimal Debian 12 root (apt, git and ca-certificates
# only) made with mmdebstrap, holding a clone of the committed HEAD, with /proc, /sys and /dev inside it. Ends
# with the command's exit status. What it proves is that the README's commands install what they need.
#   bash scripts/fresh-root.sh [COMMAND...]   runs COMMAND in the clone (default: bash scripts/test.sh)
#   bash scripts/fresh-root.sh --play         starts bash scripts/play.sh there on a private display and
#                                              succeeds once the game's window shows its first card
# Needs root. Exit status 75 means the root could not be made for a reason outside the project (not root, the
# Debian registry out of reach, mmdebstrap failing); a command's own 75 is passed on as 1.
# The day's root is kept as a tarball in ZARNOCK_FRESH_ROOT_CACHE (/var/cache/zarnock/fresh-root); the root
# itself is unpacked under ZARNOCK_FRESH_ROOT_TMP (/var/tmp) and removed, with every mount and process in it,
# on every way out.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/common.sh"

outside=75
mirror=${ZARNOCK_DEBIAN_MIRROR:-http://deb.debian.org}
suite=bookworm
cache=${ZARNOCK_FRESH_ROOT_CACHE:-/var/cache/zarnock/fresh-root}

cannot() {
    echo "fresh-root.sh: no fresh root: $*" >&2
    exit $outside
}

if [ "${1:-}" = --play ]; then
    [ $# = 1 ] || { echo "usage: $0 [--play | COMMAND...]" >&2; exit 2; }
    command="bash scripts/lib/play-check.sh"
elif [ $# -gt 0 ]; then
    command="$*"
else
    command="bash scripts/test.sh"
fi

[ "$(id -u)" = 0 ] || cannot "it needs root (mmdebstrap, chroot and mounts): run it as root or with sudo"
head=$(git -C "$root" rev-parse --verify HEAD 2>/dev/null) || { echo "$root is not a git checkout" >&2; exit 2; }

# The Debian registry, tried before anything is asked of it, so that an outage is named as such.
registry_reachable() {
    local host=${mirror#*://}
    host=${host%%/*}
    timeout 20 bash -c "exec 3<>/dev/tcp/${host%%:*}/${host##*:}" 2>/dev/null ||
        timeout 20 bash -c "exec 3<>/dev/tcp/$host/80" 2>/dev/null
}
registry_reachable || cannot "the Debian registry ($mirror) cannot be reached from this machine"

if ! have mmdebstrap; then
    echo "Installing mmdebstrap..."
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends \
        mmdebstrap >/dev/null || cannot "mmdebstrap could not be installed (apt-get install mmdebstrap)"
fi

# The day's root, made once and kept; older days' roots go.
tarball=$cache/$suite-$(date -u +%Y%m%d).tar
if [ ! -f "$tarball" ]; then
    mkdir -p "$cache"
    find "$cache" -maxdepth 1 -name "$suite-*.tar*" -delete
    echo "Making a minimal Debian 12 root with mmdebstrap (about 90 s)..."
    log=$(mktemp)
    zarnock_at_exit 'rm -f "$log" "$tarball.part"'
    if ! mmdebstrap --variant=apt --include=git,ca-certificates --format=tar "$suite" "$tarball.part" \
        "deb $mirror/debian $suite main" "deb $mirror/debian $suite-updates main" \
        "deb $mirror/debian-security $suite-security main" >"$log" 2>&1; then
        tail -n 20 "$log" >&2
        cannot "mmdebstrap could not make the root from $mirror (its last lines are above)"
    fi
    mv "$tarball.part" "$tarball"
fi

work=$(mktemp -d "${ZARNOCK_FRESH_ROOT_TMP:-/var/tmp}/zarnock-root.XXXXXX")
rootfs=$work/root
# Whatever still runs in the root is ended; the folder goes only when nothing is mounted in it.
end_processes() {
    local process
    for process in /proc/[0-9]*; do
        [ "$(readlink "$process/root" 2>/dev/null)" = "$rootfs" ] && kill -9 "${process#/proc/}" 2>/dev/null
    done
    return 0
}
mounted_inside() { awk -v dir="$work/" 'index($5, dir) == 1 { found = 1 } END { exit !found }' /proc/self/mountinfo; }
remove_work() {
    end_processes
    if mounted_inside; then
        awk -v dir="$work/" 'index($5, dir) == 1 { print $5 }' /proc/self/mountinfo | sort -r |
            while read -r mount; do umount -l "$mount" 2>/dev/null; done
    fi
    if mounted_inside; then
        echo "fresh-root.sh: mounts are left in $work; it is not removed" >&2
    else
        rm -rf --one-file-system "$work"
    fi
}
zarnock_at_exit remove_work

mkdir "$rootfs"
tar -C "$rootfs" -xpf "$tarball"
cp --remove-destination -L /etc/resolv.conf "$rootfs/etc/resolv.conf"
git clone -q --no-hardlinks "$root" "$rootfs/root/zarnock"
git -C "$rootfs/root/zarnock" checkout -q --detach "$head"
echo "Running in a fresh Debian 12 root, on commit ${head:0:12}: $command"

# A mount and PID namespace of its own: its mounts vanish with it, and its processes end with its first one.
status=0
unshare --mount --pid --fork --kill-child --propagation private -- bash -c '
    set -e
    rootfs=$1 command=$2
    mount -t proc proc "$rootfs/proc"
    mount --rbind /sys "$rootfs/sys"
    mount --rbind /dev "$rootfs/dev"
    mount -t tmpfs -o mode=1777 tmpfs "$rootfs/dev/shm"
    exec chroot "$rootfs" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        $(env | grep -E "^ZARNOCK_(ARCH|BUILD_JOBS|TEST_JOBS)=" || true) bash -c "cd /root/zarnock && $command"
' fresh-root "$rootfs" "$command" || status=$?
[ "$status" != $outside ] || status=1
echo "fresh-root.sh: the command ended with status $status"
exit "$status"
