#!/usr/bin/env bash
# Writes the Debian package of the x86_64 Release build, which 64-bit Wine runs without any 32-bit library:
#   package-deb.sh <epoch> <folder> [<song file>...]
# puts zarnock_VERSION_amd64.deb into <folder> and prints its name. Every file is dated <epoch> (seconds since
# 1970), owned by root and has a fixed mode, so that the same commit gives the same bytes. Called by package.sh
# with the songs that the other downloads hold.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
epoch=$1 dist=$2
shift 2
source scripts/lib/common.sh
build=$(zarnock_build_dir x86_64)
zarnock_build x86_64 "$build" zarnock >/dev/null
version=$(zarnock_version "$build")
maintainer="Quillmere <zarnock@quillmere.invalid>"
day=$(TZ=UTC date -d "@$epoch" +%Y-%m-%d)

work=$(mktemp -d "${TMPDIR:-/tmp}/zarnock-deb.XXXXXX")
zarnock_at_exit 'rm -rf "$work"'
tree=$work/zarnock
share=$tree/usr/share
doc=$share/doc/zarnock
mkdir -p "$tree/DEBIAN" "$tree/usr/games" "$tree/usr/lib/zarnock" "$share/applications" "$share/metainfo" \
    "$share/man/man6" "$doc"

cp packaging/deb/zarnock "$tree/usr/games/zarnock"
cp "$build/bin/zarnock.exe" "$build/bin/cards32.dll" "$tree/usr/lib/zarnock/"
for page in $(zarnock_help_pages); do cp "$build/bin/$page" "$tree/usr/lib/zarnock/"; done
for song in "$@"; do cp "$build/bin/$song" "$tree/usr/lib/zarnock/"; done
# The desktop entry and the AppStream file are named by the component's id, as AppStream asks.
id=com.quillmere.zarnock
cp packaging/deb/$id.desktop "$share/applications/"
sed -e "s/@VERSION@/$version/g" -e "s/@DATE@/$day/g" packaging/deb/$id.metainfo.xml.in > "$share/metainfo/$id.metainfo.xml"
sed -e "s/@VERSION@/$version/g" -e "s/@DATE@/$day/g" packaging/deb/zarnock.6.in | gzip -9n > "$share/man/man6/zarnock.6.gz"
python3 packaging/deb/icon_pngs.py resources/icons/zarnock.ico "$share/icons/hicolor" 16 32 48 64 128 256

# The copyright file in Debian's machine-readable format, with the licence text of LICENSE.
{
    echo "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
    echo "Upstream-Name: Zarnock"
    echo
    echo "Files: *"
    sed -n 's/^Copyright (c) /Copyright: /p' LICENSE
    echo "License: Expat"
    sed -n '/^Permission is hereby granted/,$p' LICENSE | sed -e 's/^$/./' -e 's/^/ /'
} > "$doc/copyright"
{
    echo "zarnock ($version) unstable; urgency=medium"
    echo
    echo "  * Zarnock $version: its x86_64 Windows build, run by 64-bit Wine."
    echo
    echo " -- $maintainer  $(LC_ALL=C TZ=UTC date -R -d "@$epoch")"
} | gzip -9n > "$doc/changelog.gz"

# Modes and times before the sizes and sums: nothing of the packer's umask or clock may remain.
find "$tree" -type d -exec chmod 755 {} +
find "$tree" -type f -exec chmod 644 {} +
chmod 755 "$tree/usr/games/zarnock"
# Installed-Size as dpkg counts it: each file's size in KiB rounded up, and 1 for each folder.
installed_kib=$(find "$tree" -path "$tree/DEBIAN" -prune -o \( -type f -printf '%s\n' -o -type d -printf '1024\n' \) |
    awk '{ kib += int(($1 + 1023) / 1024) } END { print kib }')
(cd "$tree" && find usr -type f | LC_ALL=C sort | xargs md5sum) > "$tree/DEBIAN/md5sums"
sed -e "s/@VERSION@/$version/g" -e "s/@INSTALLED_SIZE@/$installed_kib/g" -e "s/@MAINTAINER@/$maintainer/g" \
    packaging/deb/control.in > "$tree/DEBIAN/control"
chmod 644 "$tree/DEBIAN/md5sums" "$tree/DEBIAN/control"
find "$tree" -exec touch -h -d "@$epoch" {} +

name=zarnock_${version}_amd64.deb
mkdir -p "$dist"
rm -f "$dist/$name"
# One compressor thread: xz splits its output differently by the number of threads.
SOURCE_DATE_EPOCH=$epoch dpkg-deb --root-owner-group -Zxz -z9 --threads-max=1 --build "$tree" "$dist/$name" >/dev/null
echo "$name"
