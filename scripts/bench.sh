#!/usr/bin/env bash
# The project's benchmark: builds in Release, measures the game under Wine against winemine of the same
# architecture on a private X display and a throwaway prefix, prints one table and writes it to bench/latest.md,
# which keeps the latest table of each architecture (the i686 build where 32-bit programs run, else x86_64).
# ZARNOCK_BENCH_QUICK=1 runs a short setting (for the test of this script); ZARNOCK_BENCH_OUTPUT names
# another file for the table.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/lib/machine.sh
zarnock_machine
zarnock_arch_says measuring

if [ "${ZARNOCK_BENCH_QUICK:-0}" = 1 ]; then
    runs=(2 1 2)
    output=${ZARNOCK_BENCH_OUTPUT:-$build/bench-quick.md}
else
    runs=(11 10 100)
    output=${ZARNOCK_BENCH_OUTPUT:-$root/bench/latest.md}
fi
zarnock_build "$ZARNOCK_ARCH" "$build" zarnock cards32 bench_driver >/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/zarnock-bench.XXXXXX")
prefix=$work/prefix
zarnock_at_exit 'rm -rf "$work"'
zarnock_start_xvfb
zarnock_at_exit 'WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1; WINEPREFIX=$work/prefix192 wineserver -k >/dev/null 2>&1'
if [ -n "${ZARNOCK_WINE_TEMPLATE:-}" ]; then
    cp -al "$ZARNOCK_WINE_TEMPLATE" "$prefix"
    rm -f "$prefix"/*.reg
    cp "$ZARNOCK_WINE_TEMPLATE"/*.reg "$prefix"/
else
    zarnock_make_prefix "$prefix"
fi
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A server that stays up keeps every launch warm, the yardstick's and ours alike.
wineserver -p
# No welcome dialog, no first-run maximize, no sound or music during the timings.
key='HKCU\Software\Quillmere\Zarnock'
for value in ShowWelcome FirstBoot Music Beep; do
    wine reg add "$key" /v "$value" /t REG_DWORD /d 0 /f >/dev/null 2>&1
done

status=0
table=$(cd "$build/bin" && wine bench_driver.exe "${runs[@]}") || status=$?
# What a display at 192 dpi changes: the same prefix at that density, its rows added to the table.
wineserver -k
cp -a "$prefix" "$work/prefix192"
zarnock_set_dpi "$work/prefix192" 192
export WINEPREFIX=$work/prefix192
wineserver -p
# Its private bytes after the games are held to those of the run at 96 dpi, in the same run of this script.
reference=$(echo "$table" | awk -F'|' -v name=" Private bytes after ${runs[1]} games " \
    '$2 == name { sub(/ MB */, "", $3); print $3 + 0; exit }')
dense=$(cd "$build/bin" && wine bench_driver.exe --density-rows "${runs[0]}" "${runs[1]}" ${reference:+"$reference"}) ||
    status=$?
table=$(printf '%s\n%s\n' "$table" "$(echo "$dense" | tail -n +3)")
wineserver -k
export WINEPREFIX=$prefix
mkdir -p "$(dirname "$output")"
machine="$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(wine --version)"
heading="## The $ZARNOCK_ARCH build"
section=$({
    echo "$heading"
    echo
    echo "Measured $(date -u '+%Y-%m-%d %H:%M UTC') on $machine with scripts/bench.sh" \
        "(${runs[0]} launches of each program; ${runs[1]} and ${runs[2]} games)."
    echo
    echo "$table"
})
echo "$section"
# The other architecture's section stays as it was.
others=$([ -f "$output" ] && awk -v mine="$heading" '/^## /{keep = ($0 != mine)} keep' "$output" || true)
printf '%s\n' "$section" ${others:+"" "$others"} > "$output"
exit $status
