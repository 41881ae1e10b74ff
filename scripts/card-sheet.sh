#!/usr/bin/env bash
# Draws every face and the back with the built cards32.dll and saves the sheet as docs/cards.png; with a
# display density as argument (144, 192) it draws the cards at that density into docs/cards-<dpi>.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/lib/machine.sh
zarnock_machine

zarnock_build "$ZARNOCK_ARCH" "$build" card_sheet

work=$(mktemp -d "${TMPDIR:-/tmp}/zarnock-cards.XXXXXX")
zarnock_at_exit 'rm -rf "$work"'
zarnock_start_xvfb
zarnock_at_exit 'WINEPREFIX=$work/prefix wineserver -k >/dev/null 2>&1'
zarnock_make_prefix "$work/prefix"
dpi=${1:-96}
sheet=docs/cards.png
if [ "$dpi" != 96 ]; then
    zarnock_set_dpi "$work/prefix" "$dpi"
    sheet=docs/cards-$dpi.png
fi
(cd "$build/bin" && WINEPREFIX=$work/prefix WINEDEBUG=-all wine card_sheet.exe "Z:$work/cards.bmp")
convert "$work/cards.bmp" "$root/$sheet"
echo "Wrote $sheet"
