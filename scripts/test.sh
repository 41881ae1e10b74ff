#!/usr/bin/env bash
# Builds Zarnock for both architectures and runs every test under Wine on the one this machine runs, on a
# private X display and throwaway prefixes. ZARNOCK_ARCH=i686 or x86_64 chooses the architecture tested.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/lib/machine.sh
zarnock_machine
zarnock_arch_says testing

# The i686 build is the one that ships: it is built on every machine, whichever build is tested.
export ZARNOCK_RELEASE_BUILD_DIR
ZARNOCK_RELEASE_BUILD_DIR=$(zarnock_build_dir i686)
zarnock_build i686 "$ZARNOCK_RELEASE_BUILD_DIR"
zarnock_build x86_64 "$(zarnock_build_dir x86_64)"

work=$(mktemp -d "${TMPDIR:-/tmp}/zarnock-test.XXXXXX")
# The tests make their prefixes and files in $work/tmp. A test that CTest stops at its time-out is killed
# without a chance to clean up, so every prefix left there, and its server, goes here; the servers keep their
# sockets under the tests' temporary folder, where wineserver -k looks for them.
stop_servers() {
    local prefix
    while read -r prefix; do
        WINEPREFIX=${prefix%/system.reg} TMPDIR=$work/tmp wineserver -k >/dev/null 2>&1 || true
    done < <(find "$work" -name system.reg 2>/dev/null)
}
zarnock_at_exit 'rm -rf "$work"'
mkdir "$work/tmp"

zarnock_start_xvfb
zarnock_at_exit stop_servers
echo "Preparing a Wine prefix for the tests..."
zarnock_make_prefix "$work/template"
export ZARNOCK_WINE_TEMPLATE=$work/template

echo "Running the tests of the $ZARNOCK_ARCH build in $build"
TMPDIR=$work/tmp ctest --test-dir "$build" --output-on-failure -j "${ZARNOCK_TEST_JOBS:-2}" "$@"
