# Shared by the scripts: the architecture this machine can test, the builds, a private X display and Wine
# prefixes made for Zarnock. Sourced, not run. Never touches the user's own Wine prefix.

# True when this machine runs a 32-bit program: a 93-byte i386 ELF program that only exits with 42 is run.
zarnock_runs_32bit_programs() {
    local probe status
    probe=$(mktemp "${TMPDIR:-/tmp}/zarnock-probe32.XXXXXX") || return 1
    # ELF header, one loadable segment at 0x08048000, then: xor ebx,ebx; mov bl,42; xor eax,eax; inc eax; int 0x80
    printf '%b' '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
        '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00' \
        '\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00' \
        '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' \
        '\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
        '\x31\xdb\xb3\x2a\x31\xc0\x40\xcd\x80' > "$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null
    status=$?
    rm -f "$probe"
    [ "$status" = 42 ]
}

# Sets ZARNOCK_ARCH to the architecture whose build this machine runs (i686 or x86_64) and ZARNOCK_ARCH_WHY
# to the reason. A ZARNOCK_ARCH already set (by the user or a calling script) is kept.
zarnock_choose_arch() {
    case "${ZARNOCK_ARCH:-}" in
        i686 | x86_64) ZARNOCK_ARCH_WHY=${ZARNOCK_ARCH_WHY:-"ZARNOCK_ARCH=$ZARNOCK_ARCH is set"} ;;
        "")
            if zarnock_runs_32bit_programs; then
                ZARNOCK_ARCH=i686 ZARNOCK_ARCH_WHY="This machine runs 32-bit programs"
            else
                ZARNOCK_ARCH=x86_64 ZARNOCK_ARCH_WHY="This machine cannot run 32-bit programs"
            fi ;;
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

# The build folder of architecture $1. The i686 build is the one that ships.
zarnock_build_dir() {
    if [ "$1" = i686 ]; then echo "${ZARNOCK_BUILD_DIR:-$root/build}"
    else echo "${ZARNOCK_BUILD_DIR_X86_64:-$root/build-x86_64}"; fi
}

# Makes `wine` run programs of the chosen architecture. For x86_64 it is the 64-bit loader in win64 prefixes:
# Debian's `wine` starts the 32-bit loader first, which cannot start where 32-bit programs don't run.
zarnock_use_wine() {
    [ "$ZARNOCK_ARCH" = x86_64 ] || return 0
    local bin=${TMPDIR:-/tmp}/zarnock-wine64-$(id -u) name
    mkdir -p "$bin"
    for name in wine wine-stable; do
        printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' > "$bin/$name.new"
        chmod +x "$bin/$name.new"
        mv -f "$bin/$name.new" "$bin/$name"
    done
    case ":$PATH:" in *":$bin:"*) ;; *) export PATH=$bin:$PATH ;; esac
    export WINEARCH=win64
}

zarnock_start_xvfb() {
    local n
    for n in $(seq 91 150); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
        ZARNOCK_XVFB_PID=$!
        export DISPLAY=":$n"
        local i
        for i in $(seq 1 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && return 0
            kill -0 "$ZARNOCK_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
    done
    echo "could not start Xvfb" >&2
    return 1
}

zarnock_stop_xvfb() {
    [ -n "${ZARNOCK_XVFB_PID:-}" ] && kill "$ZARNOCK_XVFB_PID" 2>/dev/null
    ZARNOCK_XVFB_PID=
}

# What most scripts start with: chooses the architecture, makes `wine` run it, and puts its build folder in $build.
zarnock_machine() {
    zarnock_choose_arch || return 1
    zarnock_use_wine
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

# Gives the prefix $1 the display density $2 (dots per inch) and a 1600x1200 virtual desktop, which a scaled
# board needs; the programs started in it afterwards run at that density.
zarnock_set_dpi() {
    (
        export WINEPREFIX=$1 WINEDEBUG=-all
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1600x1200 /f >/dev/null 2>&1
        wineserver -k >/dev/null 2>&1
        wineserver -w
    )
}

# Configures the Release build of architecture $1 in folder $2 and builds the targets that follow (all when
# none are named).
zarnock_build() {
    local arch=$1 build=$2
    shift 2
    # The toolchain counts only when a folder is first configured; named again, CMake warns that it went unused.
    local toolchain=(-DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$arch.cmake")
    if [ -f "$build/CMakeCache.txt" ]; then
        grep -q "^CMAKE_TOOLCHAIN_FILE:.*mingw-$arch\.cmake$" "$build/CMakeCache.txt" ||
            { echo "$build was configured for another architecture than $arch: remove it" >&2; return 1; }
        toolchain=()
    fi
    cmake -S . -B "$build" "${toolchain[@]}" -DCMAKE_BUILD_TYPE=Release >/dev/null
    if [ $# -gt 0 ]; then
        cmake --build "$build" -j "$(nproc)" --target "$@"
    else
        cmake --build "$build" -j "$(nproc)"
    fi
}
