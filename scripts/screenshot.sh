#!/usr/bin/env bash
# Makes docs/screenshot.png: the game after a few moves, in a Wine virtual desktop on a private X display.
# ZARNOCK_SCREENSHOT_DPI=144 takes it at that display density (150 %) instead, e.g. for docs/screenshot-150.png;
# ZARNOCK_SCREENSHOT_LOCALE=de_DE.UTF-8 takes it in that locale's language (one picture per language).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/lib/machine.sh
zarnock_machine

output=${1:-$root/docs/screenshot.png}
dpi=${ZARNOCK_SCREENSHOT_DPI:-96}
zarnock_build "$ZARNOCK_ARCH" "$build" zarnock cards32 e2e_driver >/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/zarnock-shot.XXXXXX")
driver=
zarnock_at_exit 'rm -rf "$work"'

# The picture shows as much of the virtual desktop as a 1024 x 768 desktop at 96 dpi, scaled like the game;
# the desktop and the X screen are at least that large (and 1600 x 1200, the scaled desktop of the tests).
width=$((1024 * dpi / 96)) height=$((768 * dpi / 96))
desktop=$((width > 1600 ? width : 1600))x$((height > 1200 ? height : 1200))
zarnock_start_xvfb "$desktop"
zarnock_at_exit 'WINEPREFIX=$work/prefix wineserver -k >/dev/null 2>&1'
zarnock_at_exit '[ -z "$driver" ] || kill "$driver" 2>/dev/null'
echo "Making a fresh Wine prefix..."
zarnock_make_prefix "$work/prefix"
[ "$dpi" = 96 ] || zarnock_set_dpi "$work/prefix" "$dpi" "$desktop"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -n "${ZARNOCK_SCREENSHOT_LOCALE:-}" ]; then export LC_ALL=$ZARNOCK_SCREENSHOT_LOCALE; fi

# The driver starts the game, plays, writes "ready" into the handshake folder and waits for "done".
mkdir "$work/handshake"
windows_folder="Z:$(echo "$work/handshake" | tr / '\\')"
(cd "$build/bin" && exec wine e2e_driver.exe --play-for-screenshot "$windows_folder") &
driver=$!
for _ in $(seq 1 600); do
    [ -e "$work/handshake/ready" ] && break
    kill -0 "$driver" 2>/dev/null || { echo "the driver ended before the game was ready" >&2; exit 1; }
    sleep 0.1
done
[ -e "$work/handshake/ready" ] || { echo "the game did not get ready" >&2; exit 1; }

# The virtual desktop is in the top-left corner of the X screen.
import -display "$DISPLAY" -window root "$work/root.png"
mkdir -p "$(dirname "$output")"
convert "$work/root.png" -crop "${width}x${height}+0+0" +repage "$output"
touch "$work/handshake/done"
wait "$driver" && status=0 || status=$?
driver=
[ "$status" = 0 ] || { echo "the driver reported a failure ($status)" >&2; exit 1; }
echo "Saved $output"
