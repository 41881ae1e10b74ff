#!/usr/bin/env bash
# Proves the play command where nothing was installed before: starts bash scripts/play.sh as a player would,
# without a display of its own, waits for the game's window and its first card, then closes the game and
# expects the play command to end well. Run by scripts/fresh-root.sh --play inside a fresh root.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
source scripts/lib/machine.sh

log=$(mktemp)
zarnock_at_exit 'rm -f "$log"'
started=$(date +%s)
env -u DISPLAY bash scripts/play.sh >"$log" 2>&1 &
play=$!
zarnock_at_exit 'kill $play 2>/dev/null'

# The first process whose command line matches the pattern $1 (procps may not be installed).
find_process() {
    local process
    for process in /proc/[0-9]*; do
        tr '\0' ' ' 2>/dev/null <"$process/cmdline" | grep -qE "$1" && { echo "${process#/proc/}"; return 0; }
    done
    return 1
}

fail() {
    echo "play-check: $*; the play command printed:" >&2
    sed 's/^/    /' "$log" >&2
    exit 1
}

# The play command installs, builds, makes its prefix and starts the game; the first start here takes long.
game=
for _ in $(seq 1 3600); do
    game=$(find_process 'zarnock\.exe' || true)
    [ -n "$game" ] && break
    kill -0 $play 2>/dev/null || fail "the play command ended before the game started"
    sleep 1
done
[ -n "$game" ] || fail "no game within an hour"
xvfb=$(find_process '^Xvfb ') || fail "the play command started no display of its own"
display=$(tr '\0' '\n' <"/proc/$xvfb/cmdline" | grep -m 1 '^:') ||
    fail "the play command started no display of its own"
echo "play-check: the game started $(($(date +%s) - started)) s after the play command, on display $display"

# The probe of the packaging tests joins the game's prefix and display, waits for its first card and closes it.
zarnock_choose_arch
zarnock_use_wine
zarnock_at_exit zarnock_forget_wine
build=$(zarnock_build_dir "$ZARNOCK_ARCH")
zarnock_build "$ZARNOCK_ARCH" "$build" package_probe >/dev/null
prefix=$(sed -n 's/^Making a Wine prefix for Zarnock in \(.*\) \.\.\.$/\1/p' "$log")
prefix=${prefix:-${ZARNOCK_WINEPREFIX:-}}
[ -n "$prefix" ] || fail "the play command named no prefix"
windows_path() { echo "Z:$1" | tr / '\\'; }
(cd "$build/bin" && DISPLAY=$display WINEPREFIX=$prefix WINEDEBUG=-all \
    wine package_probe.exe shown "$(windows_path "$build/bin/cards32.dll")" 0) ||
    fail "the probe did not see the game's window with its first card"
status=0
wait $play || status=$?
[ $status = 0 ] || fail "the play command ended with $status after the game was closed"
echo "play-check: the game's window showed its first card; closed, the play command ended with 0"
