#!/usr/bin/env bash
# Makes the zip and the installer from this build and checks them in a throwaway Wine prefix: the zip's files
# and versions, a silent install, the installed game started from its shortcut, the portable copy started from
# elsewhere, a running game blocking setup, an upgrade in place and a silent uninstall that keeps the settings;
# and the Debian package, started from its launcher (deb-checks.sh).
set -uo pipefail
build=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
# Without a tool the checks need, the test is skipped as a whole (CTest's skip code), never passed in part.
for tool in makensis zip 7z lintian desktop-file-validate appstreamcli xrdb xprop; do
    if ! command -v $tool >/dev/null; then
        echo "** SKIPPED: $tool is missing; run bash scripts/install-deps.sh **" >&2
        exit 77
    fi
done
template=${ZARNOCK_WINE_TEMPLATE:?run the tests through scripts/test.sh}

work=$(mktemp -d "${TMPDIR:-/tmp}/zarnock-package-test.XXXXXX")
prefix=$work/prefix
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
source "$root/scripts/lib/common.sh"
zarnock_at_exit 'rm -rf "$work"'
zarnock_at_exit 'wineserver -k >/dev/null 2>&1'

failures=0
check() {
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
same() { [ "$1" = "$2" ] || { printf '  expected: %s\n  got:      %s\n' "$2" "$1"; return 1; }; }
windows_path() { echo "Z:$1" | tr / '\\'; }
lines() { tr -d '\r'; }

# The machine type in the PE header of a Windows program: 014c for i386, 8664 for x86_64.
pe_machine() {
    local header
    header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
    [ "$(od -An -c -j"$header" -N4 "$1" | tr -d ' ')" = 'PE\0\0' ] || { echo "not a PE file"; return; }
    od -An -tx2 -j$((header + 4)) -N2 "$1" | tr -d ' '
}
version_text() { strings -el -n 3 "$1" | grep -A1 -x "$2" | tail -1; }

# The release is always the 32-bit build; it is made and checked on every machine.
release_build=${ZARNOCK_RELEASE_BUILD_DIR:-$build}
ZARNOCK_BUILD_DIR=$release_build ZARNOCK_DIST_DIR=$work/dist bash "$root/scripts/package.sh" || exit 1
version=$(zarnock_version "$release_build")
release_zip=$work/dist/zarnock-$version-win32.zip
release_setup=$work/dist/zarnock-$version-setup.exe
songs=$(cd "$root/music" && ls | sed -n 's/^\(song[0-9][0-9]*\)\.txt$/\1.mid/p')
game_files=$(printf '%s\n' zarnock.exe cards32.dll $(zarnock_help_pages) README.txt LICENSE.txt $songs | sort)

# ---- The release, read without running it ----
check "SHA256SUMS matches the zip and the installer" bash -c "cd '$work/dist' && sha256sum --quiet -c SHA256SUMS"
check "the build is a Release" grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' "$release_build/CMakeCache.txt"
check "the installer is a 32-bit program" same "$(pe_machine "$release_setup")" 014c
manifest_names() { strings "$1" | grep -c "processorArchitecture=\"$2\"" | grep -qx 2; }
check "the game's manifest names x86 for itself and its common controls" \
    manifest_names "$release_build/bin/zarnock.exe" x86
check "the game's manifest declares per-monitor awareness, v2 first, system awareness before it" bash -c \
    "strings '$release_build/bin/zarnock.exe' | grep -q '>true/pm</dpiAware>' &&
     strings '$release_build/bin/zarnock.exe' | grep -q '>PerMonitorV2, PerMonitor</dpiAwareness>'"
check "the installer: ProductVersion $version" same "$(version_text "$release_setup" ProductVersion)" "$version"
check "the zip holds exactly the game's files" \
    same "$(unzip -Z1 "$release_zip" | grep -v '/$' | sort)" "$(echo "$game_files" | sed 's|^|Zarnock/|')"
unzip -q "$release_zip" -d "$work/release-zip"
7z x -bd -y -o"$work/release-setup" "$release_setup" >/dev/null
check "the installer holds the game's files" bash -c "cd '$work/release-setup' && ls $(echo $game_files) >/dev/null"
for unpacked in release-zip/Zarnock release-setup; do
    # Every program in the package, the installer's own plugins and uninstaller too, is 32-bit.
    while read -r copy; do
        check "${copy#$work/} is 32-bit" same "$(pe_machine "$copy")" 014c
    done < <(find "$work/$unpacked" -type f \( -iname '*.exe' -o -iname '*.dll' \) | sort)
    for file in zarnock.exe cards32.dll; do
        check "$unpacked/$file is the Release build's own" cmp -s "$work/$unpacked/$file" "$release_build/bin/$file"
        for name in FileVersion ProductVersion; do
            check "$unpacked/$file: $name $version" same "$(version_text "$work/$unpacked/$file" $name)" "$version"
        done
    done
done

# ---- What the game imports, in both builds: the DLLs it loads late (app/LateImports.cpp) must not be among them ----
imports() { "$2-w64-mingw32-objdump" -p "$1" | sed -n 's/^\s*DLL Name: \(.*\)\.dll$/\1/p' | LC_ALL=C sort -f | xargs; }
x86_64_build=$build
[ "$(pe_machine "$build/bin/zarnock.exe")" = 8664 ] || x86_64_build=${ZARNOCK_BUILD_DIR_X86_64:-$root/build-x86_64}
for built in "i686 $release_build" "x86_64 $x86_64_build"; do
    check "the ${built%% *} game imports ADVAPI32, GDI32, KERNEL32, msvcrt and USER32 only" \
        same "$(imports "${built#* }/bin/zarnock.exe" "${built%% *}" 2>&1)" "ADVAPI32 GDI32 KERNEL32 msvcrt USER32"
done

# ---- The Debian package, and its launcher at work ----
source "$root/tests/package/deb-checks.sh"

# ---- The installer at work: the release where 32-bit programs run, else the same script around this build ----
if [ "$(pe_machine "$build/bin/zarnock.exe")" = 014c ]; then
    packed_build=$release_build
    zip=$release_zip
    setup_unix=$release_setup
else
    echo "This build is not 32-bit: installing a trial installer of it, made from the same script (never shipped)"
    ZARNOCK_PACKAGE_TRIAL=x86_64 ZARNOCK_BUILD_DIR_X86_64=$build ZARNOCK_DIST_DIR=$work/trial \
        bash "$root/scripts/package.sh" || exit 1
    packed_build=$build
    zip=$work/trial/zarnock-$version-x86_64-trial.zip
    setup_unix=$work/trial/zarnock-$version-x86_64-trial-setup.exe
    check "the trial installer is a 64-bit program" same "$(pe_machine "$setup_unix")" 8664
    check "the x86_64 game's manifest names amd64" manifest_names "$build/bin/zarnock.exe" amd64
fi
setup=$(windows_path "$setup_unix")
probe=$build/bin/package_probe.exe
unzip -q "$zip" -d "$work/unzipped"
portable=$work/unzipped/Zarnock
check "the unzipped game is the build's own" cmp -s "$portable/zarnock.exe" "$packed_build/bin/zarnock.exe"

cp -al "$template" "$prefix"
rm -f "$prefix"/*.reg
cp "$template"/*.reg "$prefix"/
wineserver -p

# ---- Install ----
folder='C:\Games\Zarnock'
installed=$prefix/drive_c/Games/Zarnock
start_menu=$(wine cmd /c echo '%APPDATA%' | lines)'\Microsoft\Windows\Start Menu\Programs\Zarnock.lnk'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zarnock'
check "silent install" wine "$setup" /S "/D=$folder"
start_menu_unix=$(winepath -u "$start_menu")
check "the Start-menu shortcut exists" test -f "$start_menu_unix"
check "the installed files" same "$(ls "$installed" | sort)" "$(printf '%s\nUninstall.exe\n' "$game_files" | sort)"
check "the Start-menu shortcut starts the game in its folder" \
    same "$(wine "$probe" shortcut "$start_menu" | lines)" "$(printf '%s\n%s' "$folder\\zarnock.exe" "$folder")"
entry=$(wine reg query "$uninstall_key" | lines)
for value in "DisplayName    REG_SZ    Zarnock" "DisplayVersion    REG_SZ    $version" \
             "Publisher    REG_SZ    Quillmere" "DisplayIcon    REG_SZ    $folder\\zarnock.exe,0" \
             "UninstallString    REG_SZ    \"$folder\\Uninstall.exe\"" "EstimatedSize    REG_DWORD    0x"; do
    check "uninstall entry: $value" grep -qF "    $value" <<< "$entry"
done

# ---- The game finds its help page and first song: installed from its shortcut, portable from elsewhere ----
wine reg add 'HKCU\Software\Quillmere\Zarnock' /v ShowWelcome /t REG_DWORD /d 0 /f >/dev/null
wine reg add 'HKCR\.htm' /ve /d ZarnockTest.htm /f >/dev/null
wine reg add 'HKCR\ZarnockTest.htm\shell\open\command' /ve /f \
    /d "\"$(windows_path "$probe")\" opened C:\\help-opened.txt \"%1\"" >/dev/null
play() {  # exe folder folder-of-the-files setup-or-empty first-song-as-opened
    local log=$work/play.log song
    song=$(sed 's/\\/\\\\/g' <<< "$5")  # the trace doubles backslashes
    WINEDEBUG=+mci wine "$probe" play "$1" "$2" 'C:\help-opened.txt' ${4:+"$4"} 2>"$log" | lines > "$work/play.out"
    local status=${PIPESTATUS[0]}
    cat "$work/play.out"
    [ "$status" = 0 ] && grep -qxF "help page opened: $3\\ZarnockHelp.htm" "$work/play.out" &&
        { [ -z "$songs" ] || grep -A12 -F "lpstrElementName=L\"$song\"" "$log" | grep -q 'MCI_Open wDevID=.* dwRet=0'; }
}
check "the installed game runs from its shortcut, blocks setup, finds its files and ends with 0" \
    play "$folder\\zarnock.exe" "$folder" "$folder" "$setup" "song1.mid"
check "the unzipped game started elsewhere finds its files beside it" \
    play "$(windows_path "$portable/zarnock.exe")" 'C:\' "$(windows_path "$portable")" "" \
    "$(windows_path "$portable/song1.mid")"

# ---- Upgrade in place ----
scores='HKCU\Software\Quillmere\Zarnock\HighScores'
wine reg add "$scores" /v Name0 /d Upgrader /f >/dev/null
check "silent install over the installed copy" wine "$setup" /S
check "the upgrade keeps the installed files" \
    same "$(ls "$installed" | sort)" "$(printf '%s\nUninstall.exe\n' "$game_files" | sort)"
check "the upgrade keeps the scores" grep -q Upgrader <<< "$(wine reg query "$scores" /v Name0 | lines)"
check "one uninstall entry" same "$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' \
    | lines | grep -ci zarnock)" 1

# ---- Uninstall ----
# Started with _?= the uninstaller runs in place, so that its end is the end of the uninstall; it stays behind.
check "silent uninstall" wine "$folder\\Uninstall.exe" /S "_?=$folder"
check "every installed file is gone" same "$(ls "$installed")" "Uninstall.exe"
rm -f "$installed/Uninstall.exe"
rmdir "$installed"
check "the shortcut is gone" test ! -e "$start_menu_unix"
check "the uninstall entry is gone" bash -c "! wine reg query '$uninstall_key' >/dev/null 2>&1"
check "the settings and scores are kept" grep -q Upgrader <<< "$(wine reg query "$scores" /v Name0 | lines)"

echo "$failures failed checks"
[ "$failures" = 0 ]
