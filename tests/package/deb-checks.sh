# Sourced by package-test.sh: the Debian package read, then unpacked into a throwaway root and started twice
# from its launcher with a fresh home folder, on the test display. Uses the test's check, same, $work, $version.
source "$root/scripts/lib/common.sh"
deb_name=zarnock_${version}_amd64.deb
deb=$work/dist/$deb_name
deb_build=$(zarnock_build_dir x86_64)
deb_root=$work/deb-root
deb_home=$work/deb-home
deb_prefix=$deb_home/.local/share/zarnock/wine64
wine64=$(command -v /usr/lib/wine/wine64 wine64 wine | head -n 1)

check "SHA256SUMS lists the Debian package" grep -qx "[0-9a-f]*  $deb_name" "$work/dist/SHA256SUMS"
check "every file of the Debian package is root's, at one time, with the launcher the one program" same \
    "$(dpkg-deb -c "$deb" | awk '$2 != "root/root" || ($1 != "drwxr-xr-x" && $1 != "-rw-r--r--") { print $1, $6 }
                                { times[$4 " " $5] = 1 } END { print length(times), "time" }')" \
    "$(printf '%s\n' '-rwxr-xr-x ./usr/games/zarnock' '1 time')"
dpkg-deb -x "$deb" "$deb_root"
check "the Debian package holds the x86_64 game" cmp -s "$deb_root/usr/lib/zarnock/zarnock.exe" "$deb_build/bin/zarnock.exe"
# package-test.sh has made sure that lintian, desktop-file-validate and appstreamcli are there.
check "lintian: no error, no warning" lintian --fail-on error,warning "$deb"
check "the desktop entry is valid" desktop-file-validate "$deb_root"/usr/share/applications/*.desktop
check "the AppStream file is valid" appstreamcli validate --no-net --strict "$deb_root"/usr/share/metainfo/*.xml

# Starts the launcher with the home folder $deb_home, waits for the game's window on the display, and lets the
# probe check the first card, drawn as at $2 dpi (96 without it), and end the game with exit code $1. Prints
# the milliseconds to the window; the run's files are $work/launch-$1.*.
launch() {
    local run=$work/launch-$1 started status
    started=$(date +%s%N)
    env -u XDG_DATA_HOME HOME="$deb_home" "$deb_root/usr/games/zarnock" >/dev/null 2>"$run.err" &
    local launcher=$!
    # The probe may join the prefix only once it is made: the window tells.
    for _ in $(seq 1 1200); do
        xwininfo -root -tree 2>/dev/null | grep -q '("zarnock.exe" ' && break
        kill -0 $launcher 2>/dev/null || break
        sleep 0.1
    done
    echo "$(( ($(date +%s%N) - started) / 1000000 ))" > "$run.ms"
    WINEPREFIX=$deb_prefix "$wine64" "$(windows_path "$deb_build/bin/package_probe.exe")" shown \
        "$(windows_path "$deb_root/usr/lib/zarnock/cards32.dll")" "$1" "${2:-96}" > "$run.out"
    status=$?
    [ $status = 0 ] || WINEPREFIX=$deb_prefix wineserver -k
    wait $launcher
    echo $? > "$run.status"
    grep -v "^ALSA lib" "$run.err"; cat "$run.out"
    [ $status = 0 ]
}
check "the launcher's first start: the game's window with its first card drawn" launch 7
check "the launcher's second start: the same" launch 0
for code in 7 0; do
    check "the launcher ends with the game's exit code $code" \
        same "$(cat $work/launch-$code.status) $(grep -o 'ended with code [0-9]*' $work/launch-$code.out)" \
        "$code ended with code $code"
done
check "the first start says it prepares Wine, the second not" \
    same "$(grep -c Preparing $work/launch-7.err) $(grep -c Preparing $work/launch-0.err)" "1 0"
echo "To the game's window: first start $(cat $work/launch-7.ms) ms, second start $(cat $work/launch-0.ms) ms"
check "the second start is faster" test "$(cat $work/launch-0.ms)" -lt "$(cat $work/launch-7.ms)"
WINEPREFIX=$deb_prefix wineserver -w
check "the player's prefix is a 64-bit one" grep -qx '#arch=win64' "$deb_prefix/system.reg"
check "Wine added no menu entries" test ! -e "$deb_home/.local/share/applications" -a ! -e "$deb_home/.config/menus"

# ---- The density of the player's desktop: Xft.dpi on the display, read by the launcher ----
# The display forgets its resources when its last client leaves: a client stays connected while they are set.
xprop -root -spy >/dev/null 2>&1 &
resource_holder=$!
zarnock_at_exit "kill $resource_holder 2>/dev/null"
resources_before=$(xrdb -query 2>/dev/null)
restore_resources() {
    if [ -n "$resources_before" ]; then echo "$resources_before" | xrdb -nocpp -load; else xrdb -remove; fi
}
zarnock_at_exit restore_resources
echo 'Xft.dpi: 144' | xrdb -nocpp -merge
deb_home=$work/deb-home-144
deb_prefix=$deb_home/.local/share/zarnock/wine64
prefix_density() {
    printf '%d' "$(WINEPREFIX=$deb_prefix "$wine64" reg query 'HKCU\Control Panel\Desktop' /v LogPixels 2>/dev/null |
        awk '$1 == "LogPixels" { print $3 }')"
}
check "at Xft.dpi 144, the first start draws the 107 x 144 card in its place" launch 3 144
check "the launcher's mark says it wrote 144, and the prefix holds 144" \
    same "$(cat "$deb_prefix/.zarnock-logpixels") $(prefix_density)" "144 144"
# The player sets a density of their own; the desktop's then changes (back to none): the player's stays.
WINEPREFIX=$deb_prefix "$wine64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 120 /f \
    >/dev/null 2>&1
WINEPREFIX=$deb_prefix wineserver -w
restore_resources
check "a density the player set stays: the next start draws the 89 x 120 card" launch 5 120
WINEPREFIX=$deb_prefix wineserver -w
check "the player's 120 stays in the prefix, and the launcher's mark says the player's" \
    same "$(prefix_density) $(cat "$deb_prefix/.zarnock-logpixels")" "120 player"
kill $resource_holder 2>/dev/null
