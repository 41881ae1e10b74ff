#!/usr/bin/env bash
# Runs one Windows test program under Wine in a throwaway copy of the template prefix.
# The test command sets ZARNOCK_WINE_TEMPLATE and DISPLAY; the user's own prefix is never used.
# The copy and its server go on every way out; a test killed outright leaves them to the test command's sweep.
set -u
source "$(dirname "$0")/../scripts/lib/machine.sh"
template=${ZARNOCK_WINE_TEMPLATE:?run the tests through scripts/test.sh}
work=$(mktemp -d "${TMPDIR:-/tmp}/zarnock-prefix.XXXXXX")
prefix=$work/prefix
zarnock_at_exit 'rm -rf "$work"'
zarnock_at_exit 'WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1'
cp -al "$template" "$prefix"
rm -f "$prefix"/*.reg
cp "$template"/*.reg "$prefix"/
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
# ZARNOCK_TEST_DPI runs the program at that display density, on a desktop large enough for a scaled board.
if [ -n "${ZARNOCK_TEST_DPI:-}" ]; then
    zarnock_set_dpi "$prefix" "$ZARNOCK_TEST_DPI"
fi
# Programs run in the folder that holds them, as the game does for its DLL and files.
# In the background, so that a signal to this script is handled at once rather than after the program.
cd "$(dirname "$1")"
wine "$@" &
wait $!
