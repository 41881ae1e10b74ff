# Shared by the scripts: the build, a private X display and Wine prefixes made for Zarnock.
# Sourced, not run. Never touches the user's own Wine prefix.

zarnock_start_xvfb() {
    local n
    for n in $(seq 91 150); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
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

# Makes a prefix with a 1024x768 virtual desktop and Wine's fonts; $1 is its folder.
zarnock_make_prefix() {
    local prefix=$1
    (
        export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
        wineboot -i >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
        mkdir -p "$prefix/drive_c/windows/Fonts"
        cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
        wineserver -w
    )
}

# Configures the release build in $1 and builds the targets that follow (all when none are named).
zarnock_build() {
    local build=$1
    shift
    cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
    if [ $# -gt 0 ]; then
        cmake --build "$build" -j "$(nproc)" --target "$@"
    else
        cmake --build "$build" -j "$(nproc)"
    fi
}
