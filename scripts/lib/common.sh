# Shared by the scripts: clean-up steps on the way out, the small helpers, the version and the CMake builds.
# Sourced, not run; sets $root to the project's folder when the caller has not.
[ -n "${zarnock_common_loaded:-}" ] && return 0
zarnock_common_loaded=1
root=${root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}

have() { command -v "$1" >/dev/null 2>&1; }

# The steps run on the way out, last added first. Every script adds its own with zarnock_at_exit instead of
# setting traps: a step is a command line, evaluated when the script ends, whose failure never stops the rest
# (a Ctrl+C reaches the servers too, so what a step would stop may be gone already).
zarnock_exit_steps=()
zarnock_at_exit() { zarnock_exit_steps+=("$*"); }
zarnock_run_exit_steps() {
    local i
    for ((i = ${#zarnock_exit_steps[@]} - 1; i >= 0; i--)); do
        eval "${zarnock_exit_steps[i]}" || true
    done
    zarnock_exit_steps=()
}
trap zarnock_run_exit_steps EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Installs what the scripts need and is missing, before anything that needs it.
zarnock_install_deps() { bash "$root/scripts/install-deps.sh"; }

# The build folder of architecture $1. The i686 build is the one that ships.
zarnock_build_dir() {
    if [ "$1" = i686 ]; then echo "${ZARNOCK_BUILD_DIR:-$root/build}"
    else echo "${ZARNOCK_BUILD_DIR_X86_64:-$root/build-x86_64}"; fi
}

# The help pages the game ships, English first: the ones whose sources docs/ holds, which the build copies.
zarnock_help_pages() { (cd "$root/docs" && LC_ALL=C ls ZarnockHelp*.htm); }

# The project's version as the configured build folder $1 has it.
zarnock_version() {
    local version
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt" 2>/dev/null)
    [ -n "$version" ] || { echo "no project version in $1/CMakeCache.txt" >&2; return 1; }
    echo "$version"
}

# Configures the Release build of architecture $1 in folder $2 and builds the targets that follow (all when
# none are named), with ZARNOCK_BUILD_JOBS parallel jobs (one per core when not set).
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
    (cd "$root" && cmake -S . -B "$build" "${toolchain[@]}" -DCMAKE_BUILD_TYPE=Release >/dev/null) || return 1
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --build "$build" -j "${ZARNOCK_BUILD_JOBS:-$(nproc)}" "${targets[@]}"
}
