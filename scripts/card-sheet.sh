#!/usr/bin/env bash
# Draws every face and the back with the built cards32.dll and saves the sheet as docs/cards.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/wine-env.sh
zarnock_machine

zarnock_build "$ZARNOCK_ARCH" "$build" card_sheet

work=$(mktemp -d "${TMPDIR:-/tmp}/zarnock-cards.XXXXXX")
cleanup() {
    WINEPREFIX=$work/prefix wineserver -k >/dev/null 2>&1 || true
    zarnock_stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

zarnock_start_xvfb
zarnock_make_prefix "$work/prefix"
(cd "$build/bin" && WINEPREFIX=$work/prefix WINEDEBUG=-all wine card_sheet.exe "Z:$work/cards.bmp")
convert "$work/cards.bmp" "$root/docs/cards.png"
echo "Wrote docs/cards.png"
