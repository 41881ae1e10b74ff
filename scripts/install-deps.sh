#!/usr/bin/env bash
# Installs what building and testing Zarnock needs on Debian or Ubuntu, when it is missing.
# Both cross compilers always; Wine for the architecture this machine runs (its 32-bit part and the i386
# architecture only where 32-bit programs run). The packaging tools (NSIS, zip, 7-Zip to read the installer)
# are wanted too, and lintian, desktop-file-utils, appstream and x11-utils for the Debian package and its
# test; without them only the packages and their test are left out. The tests of the translations need the
# locales of the game's languages (generated here) and a font with Japanese and Chinese letters.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/machine.sh"
zarnock_choose_arch

packages=(cmake make g++-mingw-w64-i686-posix mingw-w64-i686-dev g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
          googletest wine wine64 xvfb xauth fonts-wine imagemagick python3 python3-mido
          fluidsynth fluid-soundfont-gm locales fonts-wqy-microhei)
[ "$ZARNOCK_ARCH" = i686 ] && packages+=(wine32:i386)
packaging=(nsis zip unzip p7zip-full lintian desktop-file-utils appstream x11-utils x11-xserver-utils)
# One locale per language of the game, as Wine needs them to choose the interface language.
locales=(en_US de_DE fr_FR es_ES it_IT pt_BR nl_NL pl_PL ru_RU ja_JP zh_CN)

missing() {
    local p out=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || out+=("$p")
    done
    printf '%s\n' "${out[@]}"
}

warn_packaging() {
    echo "WARNING: the packaging tools are missing ($*): scripts/package.sh cannot run, the package test is skipped." >&2
}

missing_locales() {
    local have_locales l
    have_locales=$(locale -a 2>/dev/null | tr 'A-Z' 'a-z')
    for l in "${locales[@]}"; do
        echo "$have_locales" | grep -qx "$(echo "$l" | tr 'A-Z' 'a-z').utf8" || echo "$l"
    done
}

# Generates the missing locales; only root can.
generate_locales() {
    local l
    for l in $(missing_locales); do
        $sudo sed -i "s/^# *\($l\.UTF-8 UTF-8\)/\1/" /etc/locale.gen
        grep -qx "$l.UTF-8 UTF-8" /etc/locale.gen || echo "$l.UTF-8 UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    done
    $sudo locale-gen >/dev/null
}

need=$(missing "${packages[@]}")
want=$(missing "${packaging[@]}")
need_arch=0
if [ "$ZARNOCK_ARCH" = i686 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then need_arch=1; fi
need_locales=$(missing_locales)
[ -z "$need" ] && [ -z "$want" ] && [ "$need_arch" = 0 ] && [ -z "$need_locales" ] && exit 0

if [ "$(id -u)" = 0 ]; then sudo=""
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then sudo="sudo"
elif [ -z "$need" ] && [ "$need_arch" = 0 ]; then
    [ -z "$want" ] || warn_packaging $want
    [ -z "$need_locales" ] ||
        echo "WARNING: the locales $(echo $need_locales) are missing: the tests of the translations fail." >&2
    exit 0
else
    echo "Zarnock needs these packages, and this user cannot install them:" >&2
    [ "$need_arch" = 1 ] && echo "  the i386 architecture (dpkg --add-architecture i386)" >&2
    printf '  %s\n' $need $want >&2
    exit 1
fi

# Another installer may hold the package lock; wait for it rather than fail.
apt_get() { $sudo apt-get -o DPkg::Lock::Timeout=600 "$@"; }
export DEBIAN_FRONTEND=noninteractive
[ "$need_arch" = 1 ] && $sudo dpkg --add-architecture i386
apt_get update -qq
[ -z "$need" ] || apt_get install -y -qq --no-install-recommends $need >/dev/null
[ -z "$want" ] || apt_get install -y -qq --no-install-recommends $want >/dev/null || warn_packaging $want
[ -z "$(missing_locales)" ] || generate_locales
