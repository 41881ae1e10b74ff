#!/usr/bin/env bash
# Builds Zarnock and starts it under Wine, in a prefix of its own, with the game's folder as the current directory.
# Where 32-bit programs cannot run, it builds and starts the x86_64 build under 64-bit Wine (ZARNOCK_ARCH chooses).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/lib/machine.sh
zarnock_machine
zarnock_build "$ZARNOCK_ARCH" "$build" zarnock cards32

# A win32 prefix cannot serve 64-bit Wine: each architecture has a prefix of its own.
data=${XDG_DATA_HOME:-$HOME/.local/share}/zarnock
if [ "$ZARNOCK_ARCH" = i686 ]; then default_prefix=$data/wineprefix; else default_prefix=$data/wineprefix-x86_64; fi
prefix=${ZARNOCK_WINEPREFIX:-$default_prefix}
if [ ! -f "$prefix/system.reg" ]; then
    echo "Making a Wine prefix for Zarnock in $prefix ..."
    mkdir -p "$(dirname "$prefix")"
    zarnock_make_prefix "$prefix"
fi

if [ -z "${DISPLAY:-}" ]; then
    echo "No display: starting a virtual one (Xvfb) for this run."
    zarnock_start_xvfb
fi

echo "Built: $build/bin/zarnock.exe and $build/bin/cards32.dll"
zarnock_arch_says starting
cd "$build/bin"
WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wine zarnock.exe
