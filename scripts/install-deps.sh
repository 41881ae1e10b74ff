#!/usr/bin/env bash
# Installs what building and testing Zarnock needs on Debian or Ubuntu, when it is missing.
set -euo pipefail

packages=(cmake make g++-mingw-w64-i686-posix mingw-w64-i686-dev googletest
          wine wine32:i386 wine64 xvfb xauth fonts-wine imagemagick python3 python3-mido
          fluidsynth fluid-soundfont-gm)

missing() {
    local p out=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || out+=("$p")
    done
    printf '%s\n' "${out[@]}"
}

need=$(missing)
if ! dpkg --print-foreign-architectures | grep -qx i386; then need_arch=1; else need_arch=0; fi
[ -z "$need" ] && [ "$need_arch" = 0 ] && exit 0

if [ "$(id -u)" = 0 ]; then sudo=""
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then sudo="sudo"
else
    echo "Zarnock needs these packages, and this user cannot install them:" >&2
    [ "$need_arch" = 1 ] && echo "  the i386 architecture (dpkg --add-architecture i386)" >&2
    printf '  %s\n' $need >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
[ "$need_arch" = 1 ] && $sudo dpkg --add-architecture i386
# Another installer may hold the package lock; wait for it rather than fail.
lock=(-o DPkg::Lock::Timeout=600)
$sudo apt-get "${lock[@]}" update -qq
$sudo apt-get "${lock[@]}" install -y -qq --no-install-recommends $need >/dev/null
