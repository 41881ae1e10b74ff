#!/usr/bin/env bash
# Builds Zarnock and starts it under Wine, in a prefix of its own, with the game's folder as the current directory.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh
source scripts/wine-env.sh

build=${ZARNOCK_BUILD_DIR:-$root/build}
zarnock_build "$build" zarnock cards32

prefix=${ZARNOCK_WINEPREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/zarnock/wineprefix}
if [ ! -f "$prefix/system.reg" ]; then
    echo "Making a Wine prefix for Zarnock in $prefix ..."
    mkdir -p "$(dirname "$prefix")"
    zarnock_make_prefix "$prefix"
fi

if [ -z "${DISPLAY:-}" ]; then
    echo "No display: starting a virtual one (Xvfb) for this run."
    zarnock_start_xvfb
    trap zarnock_stop_xvfb EXIT
fi

echo "Built: $build/bin/zarnock.exe and $build/bin/cards32.dll"
cd "$build/bin"
WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wine zarnock.exe
