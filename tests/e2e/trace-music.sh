#!/usr/bin/env bash
# Runs the driver's music test with the game's multimedia calls traced: the game inherits the driver's
# error output, which goes to a file the test reads (ZARNOCK_MCI_TRACE, as a Windows path).
set -u
driver=$1
trace=$(mktemp "${TMPDIR:-/tmp}/zarnock-mci.XXXXXX")
ZARNOCK_MCI_TRACE="Z:$trace" bash "$(dirname "$0")/../wine-run.sh" "$driver" --gtest_filter='MusicTraceTest.*' 2>"$trace"
status=$?
if [ "$status" -ne 0 ]; then
    echo "--- the end of the trace ---" >&2
    tail -n 40 "$trace" >&2
fi
rm -f "$trace"
exit "$status"
