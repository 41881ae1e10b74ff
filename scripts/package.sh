#!/usr/bin/env bash
# Builds the 32-bit Release and writes the portable zip, the installer and SHA256SUMS into dist/.
# A code-signing certificate (ZARNOCK_SIGN_PFX, with ZARNOCK_SIGN_PASSWORD) signs the exe, the DLL and the installer.
# ZARNOCK_PACKAGE_TRIAL=x86_64 packs the x86_64 build instead, with names of its own, so that the package test
# can install it where 32-bit programs cannot run: such a package is never shipped.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
have() { command -v "$1" >/dev/null; }
have makensis && have zip || bash scripts/install-deps.sh
have makensis && have zip || { echo "package.sh needs makensis (nsis) and zip" >&2; exit 1; }
if [ -n "${ZARNOCK_SIGN_PFX:-}" ] && ! have osslsigncode; then
    echo "signing needs osslsigncode (apt-get install osslsigncode)" >&2
    exit 1
fi
source scripts/wine-env.sh

case "${ZARNOCK_PACKAGE_TRIAL:-}" in
    "") arch=i686 nsis_target=x86-unicode zip_suffix=win32 setup_suffix=setup ;;
    x86_64) arch=x86_64 nsis_target=amd64-unicode zip_suffix=x86_64-trial setup_suffix=x86_64-trial-setup ;;
    *) echo "ZARNOCK_PACKAGE_TRIAL can only be x86_64" >&2; exit 1 ;;
esac
build=$(zarnock_build_dir $arch)
dist=${ZARNOCK_DIST_DIR:-$root/dist}
zarnock_build $arch "$build" >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "no project version in $build/CMakeCache.txt" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/zarnock-package.XXXXXX")
trap 'rm -rf "$work"' EXIT

sign() {
    [ -n "${ZARNOCK_SIGN_PFX:-}" ] || return 0
    osslsigncode sign -pkcs12 "$ZARNOCK_SIGN_PFX" -pass "${ZARNOCK_SIGN_PASSWORD:-}" -n "Zarnock" \
        -h sha256 ${ZARNOCK_SIGN_TIMESTAMP:+-ts "$ZARNOCK_SIGN_TIMESTAMP"} -in "$1" -out "$1.signed" >/dev/null
    mv "$1.signed" "$1"
}

# Text files for Windows players get Windows line ends.
as_windows_text() { sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$1" > "$2"; }

stage=$work/Zarnock
mkdir -p "$stage"
cp "$build/bin/zarnock.exe" "$build/bin/cards32.dll" "$build/bin/ZarnockHelp.htm" "$stage/"
songs=$(cd "$build/bin" && ls song[0-9]*.mid 2>/dev/null | grep -E '^song[0-9]+\.mid$' || true)
for song in $songs; do cp "$build/bin/$song" "$stage/"; done
[ -n "$songs" ] || echo "WARNING: the build made no song files; the package has no music." >&2
as_windows_text packaging/README.txt "$stage/README.txt"
as_windows_text LICENSE "$stage/LICENSE.txt"
sign "$stage/zarnock.exe"
sign "$stage/cards32.dll"

mkdir -p "$dist"
zip_name=zarnock-$version-$zip_suffix.zip
setup_name=zarnock-$version-$setup_suffix.exe
rm -f "$dist/$zip_name" "$dist/$setup_name" "$dist/SHA256SUMS"
(cd "$work" && zip -q -X -r "$dist/$zip_name" Zarnock)
makensis -V2 "-XTarget $nsis_target" ${songs:+-DSONGS} -DVERSION="$version" -DFILES="$stage" \
    -DICON="$root/resources/icons/zarnock.ico" -DOUTFILE="$dist/$setup_name" packaging/zarnock.nsi
sign "$dist/$setup_name"
(cd "$dist" && sha256sum "$zip_name" "$setup_name" > SHA256SUMS)

echo "Wrote $dist/$zip_name, $dist/$setup_name and $dist/SHA256SUMS ($(echo $songs | wc -w) songs)"
