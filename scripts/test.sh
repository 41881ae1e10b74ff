#!/usr/bin/env bash
# Builds Zarnock and runs every test under Wine, on a private X display and throwaway prefixes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh
source scripts/wine-env.sh

build=${ZARNOCK_BUILD_DIR:-$root/build}
zarnock_build "$build"

work=$(mktemp -d "${TMPDIR:-/tmp}/zarnock-test.XXXXXX")
cleanup() {
    WINEPREFIX=$work/template wineserver -k >/dev/null 2>&1 || true
    zarnock_stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

zarnock_start_xvfb
echo "Preparing a Wine prefix for the tests..."
zarnock_make_prefix "$work/template"
export ZARNOCK_WINE_TEMPLATE=$work/template

ctest --test-dir "$build" --output-on-failure -j "${ZARNOCK_TEST_JOBS:-2}" "$@"
