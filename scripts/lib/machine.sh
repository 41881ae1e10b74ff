# Shared by the scripts: which architecture this machine can run, Wine for it, a private X display and Wine
# prefixes made for Zarnock. Sourced, not run. Never touches the user's own Wine prefix.
[ -n "${zarnock_machine_loaded:-}" ] && return 0
zarnock_machine_loaded=1
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# Writes a 93-byte i386 ELF program that only exits with 42 to $1.
zarnock_write_probe32() {
    # ELF header, one loadable segment at 0x08048000, then: xor ebx,ebx; mov bl,42; xor eax,eax; inc eax; int 0x80
    printf '%b' '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
        '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00' \
        '\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00' \
        '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' \
        '\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
        '\x31\xdb\xb3\x2a\x31\xc0\x40\xcd\x80' > "$1"
    chmod +x "$1"
}

# Runs the 32-bit probe in a folder that lets programs run: 0 when it ran, 1 when the kernel refused it, 2 when
# no folder could tell (each is mounted noexec or the like). A copy of a native program run beside the probe
# tells a folder that runs nothing from a kernel that runs no 32-bit programs: the shell says 126 for both.
# The build folder comes first: the temporary folder is often mounted noexec.
zarnock_probe_32bit() {
    local base folder status
    for base in "$(zarnock_build_dir i686)" "${TMPDIR:-/tmp}" /tmp /var/tmp /dev/shm; do
        mkdir -p "$base" 2>/dev/null || continue
        folder=$(mktemp -d "$base/zarnock-probe32.XXXXXX" 2>/dev/null) || continue
        status=2
        if cp /bin/true "$folder/native" 2>/dev/null && "$folder/native" 2>/dev/null; then
            zarnock_write_probe32 "$folder/probe"
            "$folder/probe" 2>/dev/null
            if [ $? = 42 ]; then status=0; else status=1; fi
        fi
        rm -rf "$folder"
        [ "$status" = 2 ] || return "$status"
    done
    return 2
}

# Sets ZARNOCK_ARCH to the architecture whose build this machine runs (i686 or x86_64) and ZARNOCK_ARCH_WHY
# to the reason. A ZARNOCK_ARCH already set (by the user or a calling script) is kept.
zarnock_choose_arch() {
    case "${ZARNOCK_ARCH:-}" in
        i686 | x86_64) ZARNOCK_ARCH_WHY=${ZARNOCK_ARCH_WHY:-"ZARNOCK_ARCH=$ZARNOCK_ARCH is set"} ;;
        "")
            local status=0
            zarnock_probe_32bit || status=$?
            case $status in
                0) ZARNOCK_ARCH=i686 ZARNOCK_ARCH_WHY="This machine runs 32-bit programs" ;;
                1) ZARNOCK_ARCH=x86_64 ZARNOCK_ARCH_WHY="This machine cannot run 32-bit programs" ;;
                *) echo "Cannot tell whether this machine runs 32-bit programs: no folder tried lets programs" \
                        "run (mounted noexec?). Set ZARNOCK_ARCH=i686 or ZARNOCK_ARCH=x86_64." >&2
                   return 1 ;;
            esac ;;
        *) echo "ZARNOCK_ARCH must be i686 or x86_64, not '$ZARNOCK_ARCH'" >&2; return 1 ;;
    esac
    export ZARNOCK_ARCH ZARNOCK_ARCH_WHY
}

# One line on what a script does with the chosen build; $1 is the verb ("testing", "starting"...).
zarnock_arch_says() {
    local bits=32
    [ "$ZARNOCK_ARCH" = x86_64 ] && bits=64
    echo "$ZARNOCK_ARCH_WHY: $1 the $ZARNOCK_ARCH build under $bits-bit Wine"
}

# True when $1 is a folder, not a link, of this user's own that no one else may write into.
zarnock_private_folder() {
    [ -d "$1" ] && [ ! -L "$1" ] && [ "$(stat -c %u "$1")" = "$(id -u)" ] && [ $((0$(stat -c %a "$1") & 022)) = 0 ]
}

# Makes `wine` run programs of the chosen architecture. For x86_64 it is the 64-bit loader in win64 prefixes:
# Debian's `wine` starts the 32-bit loader first, which cannot start where 32-bit programs don't run.
# The wrappers go first on PATH, so their folder is one that only this user can have made: a fresh one from
# mktemp, which zarnock_forget_wine removes again, or the one a calling script made (ZARNOCK_WINE_BIN).
zarnock_use_wine() {
    [ "$ZARNOCK_ARCH" = x86_64 ] || return 0
    if [ ! -x /usr/lib/wine/wine64 ]; then
        echo "64-bit Wine is missing (/usr/lib/wine/wine64): install wine64 (bash scripts/install-deps.sh)" >&2
        return 1
    fi
    local bin=${ZARNOCK_WINE_BIN:-} name
    if [ -z "$bin" ] || ! zarnock_private_folder "$bin" || [ ! -x "$bin/wine" ]; then
        bin=$(mktemp -d "${TMPDIR:-/tmp}/zarnock-wine64.XXXXXX") || return 1
        zarnock_wine_bin_made=$bin
        for name in wine wine-stable; do
            printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' > "$bin/$name"
            chmod 755 "$bin/$name"
        done
    fi
    export ZARNOCK_WINE_BIN=$bin
    case ":$PATH:" in *":$bin:"*) ;; *) export PATH=$bin:$PATH ;; esac
    export WINEARCH=win64
}

# Removes the wrappers' folder if this shell made it; scripts call it on their way out.
zarnock_forget_wine() {
    if [ -n "${zarnock_wine_bin_made:-}" ]; then rm -rf "$zarnock_wine_bin_made"; fi
    zarnock_wine_bin_made=
}

# Starts Xvfb on a free display, with a screen of $1 pixels (1600x1200 when not given), until the script ends.
zarnock_start_xvfb() {
    local n size=${1:-1600x1200}
    for n in $(seq 91 150); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
        ZARNOCK_XVFB_PID=$!
        export DISPLAY=":$n"
        local i
        for i in $(seq 1 50); do
            if [ -e "/tmp/.X11-unix/X$n" ]; then
                zarnock_at_exit zarnock_stop_xvfb
                return 0
            fi
            kill -0 "$ZARNOCK_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
    done
    echo "could not start Xvfb" >&2
    return 1
}

# The server may be gone already (a Ctrl+C reaches it too): that is no failure, and a cleanup under set -e
# that calls this goes on.
zarnock_stop_xvfb() {
    if [ -n "${ZARNOCK_XVFB_PID:-}" ]; then kill "$ZARNOCK_XVFB_PID" 2>/dev/null || true; fi
    ZARNOCK_XVFB_PID=
}

# What most scripts start with: chooses the architecture, installs what is missing (before anything needs it),
# makes `wine` run the chosen architecture, and puts its build folder in $build.
zarnock_machine() {
    zarnock_choose_arch || return 1
    zarnock_install_deps || return 1
    zarnock_use_wine || return 1
    zarnock_at_exit zarnock_forget_wine
    build=$(zarnock_build_dir "$ZARNOCK_ARCH")
}

# Makes a prefix with a 1024x768 virtual desktop and Wine's fonts; $1 is its folder.
zarnock_make_prefix() {
    local prefix=$1
    (
        export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
        wine wineboot -i >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
        mkdir -p "$prefix/drive_c/windows/Fonts"
        cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
        wineserver -w
    )
}

# Gives the prefix $1 the display density $2 (dots per inch) and a virtual desktop of $3 pixels (1600x1200 when
# not given), which a scaled board needs; the programs started in it afterwards run at that density.
zarnock_set_dpi() {
    (
        export WINEPREFIX=$1 WINEDEBUG=-all
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "${3:-1600x1200}" /f >/dev/null 2>&1
        wineserver -k >/dev/null 2>&1
        wineserver -w
    )
}
