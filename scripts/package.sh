#!/usr/bin/env bash
# Builds the 32-bit Release and writes the portable zip, the installer and SHA256SUMS into dist/, and the Debian
# package of the x86_64 build (scripts/package-deb.sh).
# Everything packed carries one time: SOURCE_DATE_EPOCH when set, else the time of the commit built; two runs
# on the same commit give the same bytes (scripts/verify-release.sh checks it).
# A code-signing certificate (ZARNOCK_SIGN_PFX, with ZARNOCK_SIGN_PASSWORD) then signs the exe, the DLL and the
# installer; signing is the one step a rebuild cannot repeat.
# ZARNOCK_PACKAGE_TRIAL=x86_64 packs the x86_64 build instead, with names of its own, so that the package test
# can install it where 32-bit programs cannot run: such a package is never shipped.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/lib/common.sh
have makensis && have zip || zarnock_install_deps
have makensis && have zip || { echo "package.sh needs makensis (nsis) and zip" >&2; exit 1; }
if [ -n "${ZARNOCK_SIGN_PFX:-}" ] && ! have osslsigncode; then
    echo "signing needs osslsigncode (apt-get install osslsigncode)" >&2
    exit 1
fi

case "${ZARNOCK_PACKAGE_TRIAL:-}" in
    "") arch=i686 nsis_target=x86-unicode zip_suffix=win32 setup_suffix=setup ;;
    x86_64) arch=x86_64 nsis_target=amd64-unicode zip_suffix=x86_64-trial setup_suffix=x86_64-trial-setup ;;
    *) echo "ZARNOCK_PACKAGE_TRIAL can only be x86_64" >&2; exit 1 ;;
esac
build=$(zarnock_build_dir $arch)
dist=${ZARNOCK_DIST_DIR:-$root/dist}
zarnock_build $arch "$build" >/dev/null
version=$(zarnock_version "$build")

# Only this folder's own repository counts, never one it happens to lie in.
if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$(pwd -P)" ]; then
    epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
    # Untracked files count as changes: the build takes every source file it finds.
    if [ -n "$(git status --porcelain)" ]; then
        state="NOT reproducible: the tree has uncommitted changes"
    else
        state="reproducible from commit $(git rev-parse --short HEAD)"
    fi
else
    epoch=${SOURCE_DATE_EPOCH:-}
    state="NOT checked for reproducibility: not a git checkout"
fi
if ! [[ $epoch =~ ^[0-9]+$ ]]; then
    echo "no time for the package: set SOURCE_DATE_EPOCH (seconds since 1970)" >&2
    exit 1
fi
if [[ $state == NOT* ]]; then echo "WARNING: $state." >&2; fi

work=$(mktemp -d "${TMPDIR:-/tmp}/zarnock-package.XXXXXX")
zarnock_at_exit 'rm -rf "$work"'

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
cp "$build/bin/zarnock.exe" "$build/bin/cards32.dll" "$stage/"
# The help pages whose sources docs/ holds: the English one and each translation.
for page in $(zarnock_help_pages); do cp "$build/bin/$page" "$stage/"; done
# The songs whose sheets music/ holds, and no other: a file of an earlier build's song is not packed.
songs=$(cd music && LC_ALL=C ls | sed -n 's/^\(song[0-9][0-9]*\)\.txt$/\1.mid/p')
for song in $songs; do
    [ -f "$build/bin/$song" ] || { echo "the build made no $song from music/" >&2; exit 1; }
    cp "$build/bin/$song" "$stage/"
done
[ -n "$songs" ] || echo "WARNING: music/ holds no song sheets; the package has no music." >&2
as_windows_text packaging/README.txt "$stage/README.txt"
as_windows_text LICENSE "$stage/LICENSE.txt"
sign "$stage/zarnock.exe"
sign "$stage/cards32.dll"
# The zip and the installer store the files' times and the zip their modes: neither may depend on the clock or
# the umask. The zip stores local times, hence TZ=UTC below.
chmod 755 "$stage"
chmod 644 "$stage"/*
touch -d "@$epoch" "$stage"/* "$stage"

mkdir -p "$dist"
zip_name=zarnock-$version-$zip_suffix.zip
setup_name=zarnock-$version-$setup_suffix.exe
rm -f "$dist/$zip_name" "$dist/$setup_name" "$dist/SHA256SUMS"
# One order (makensis sorts the songs itself), and no extra fields with the packer's user ids and times.
(cd "$work" && find Zarnock | LC_ALL=C sort | TZ=UTC zip -q -X -@ "$dist/$zip_name")
makensis -V2 "-XTarget $nsis_target" ${songs:+-DSONGS} -DVERSION="$version" -DFILES="$stage" \
    -DICON="$root/resources/icons/zarnock.ico" -DOUTFILE="$dist/$setup_name" packaging/zarnock.nsi
sign "$dist/$setup_name"
deb_name=
[ -n "${ZARNOCK_PACKAGE_TRIAL:-}" ] || deb_name=$(bash scripts/package-deb.sh "$epoch" "$dist" $songs)
(cd "$dist" && sha256sum "$zip_name" "$setup_name" $deb_name > SHA256SUMS)

echo "Wrote $dist/$zip_name, $dist/$setup_name${deb_name:+, $dist/$deb_name} and $dist/SHA256SUMS" \
     "($(echo $songs | wc -w) songs, files dated" \
     "$(TZ=UTC date -d "@$epoch" '+%Y-%m-%d %H:%M:%S UTC'); $state${ZARNOCK_SIGN_PFX:+, then signed})"
