#!/usr/bin/env bash
# Builds the release twice, from two fresh clones of HEAD in two folders, at two times, with two time zones
# and two umasks, and compares the downloads byte for byte. Prints the checksums and "reproducible", or the
# first file that differs (and, for the zip or the installer, the file inside it) and fails.
#   --quick   builds only what the release packs in each clone, not the tests.
# Uncommitted changes are not part of the check: it builds the commit HEAD names.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
case ${1:-} in
--quick) quick=true ;;
"") quick=false ;;
*) echo "usage: $0 [--quick]" >&2; exit 2 ;;
esac
have() { command -v "$1" >/dev/null; }
if ! have makensis || ! have zip; then
    echo "** SKIPPED: makensis or zip is missing; run bash scripts/install-deps.sh **" >&2
    exit 77
fi

head=$(git -C "$root" rev-parse HEAD)
if [ -n "$(git -C "$root" status --porcelain)" ]; then
    echo "Note: this checkout has uncommitted changes; they are not checked, only commit ${head:0:12}."
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/zarnock-verify.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Clones HEAD into $1 and makes the release there with umask $2 and time zone $3, which must not matter.
release_in() {
    local clone=$1 mask=$2 zone=$3
    git clone -q --no-checkout "$root" "$clone"
    git -C "$clone" checkout -q --detach "$head"
    (
        cd "$clone"
        umask "$mask"
        export TZ=$zone
        if $quick; then
            cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
                -DBUILD_TESTING=OFF >/dev/null
        fi
        env -u ZARNOCK_SIGN_PFX ZARNOCK_BUILD_DIR="$clone/build" ZARNOCK_DIST_DIR="$clone/dist" \
            bash scripts/package.sh
    ) >"$clone.log" 2>&1 || { echo "The build in $clone failed:"; tail -n 30 "$clone.log"; exit 1; }
}

one=$work/one
two=$work/second-clone-in-a-longer-folder
echo "Building ${head:0:12} in $one ..."
release_in "$one" 022 UTC
sleep 1
echo "Building ${head:0:12} again in $two ..."
release_in "$two" 077 Pacific/Kiritimati

# The files in a zip or an installer, one line each in their order there: name, size, time, attributes.
listing() {
    7z l -slt "$1" | sed -n '/^----------$/,$p' |
        awk '/^Path = /{ if (p != "") print p l; p = substr($0, 8); l = "" }
             /^(Size|Modified|Attributes) = /{ l = l "  " $0 } END { if (p != "") print p l }'
}

# Prints what differs between $1 and $2, named $3; fails when they are the same.
differs() {
    cmp -s "$1" "$2" && return 1
    if [ ! -e "$1" ] || [ ! -e "$2" ]; then
        echo "FIRST DIFFERENCE: $3 is made by one build only"
        return 0
    fi
    echo "FIRST DIFFERENCE: $3 ($(cmp "$1" "$2" 2>&1 | sed 's/.*differ: //'))"
    case $3 in
    *.zip | *setup.exe)
        have 7z || return 0
        local a=$work/unpacked-one b=$work/unpacked-two inside
        7z x -y -o"$a" "$1" >/dev/null && 7z x -y -o"$b" "$2" >/dev/null || return 0
        inside=$(diff -rq "$a" "$b" | head -n 1 || true)
        if [ -n "$inside" ]; then
            echo "  inside it: $inside" | sed -e "s|$a/||g" -e "s|$b/||g"
        else
            inside=$(diff <(listing "$1") <(listing "$2") || true)
            inside=$(grep -m 1 '^<' <<<"$inside"; grep -m 1 '^>' <<<"$inside" || true)
            if [ -n "$inside" ]; then
                echo "  the same files inside, stored differently:"
                echo "$inside" | sed 's/^/    /'
            else
                echo "  the same files inside, in the same order, with the same times: packed differently"
            fi
        fi
        ;;
    esac
    return 0
}

echo
echo "The game and its card library, as built:"
(cd "$one/build/bin" && sha256sum zarnock.exe cards32.dll)
echo "SHA256SUMS of the first build:"
cat "$one/dist/SHA256SUMS"
echo "SHA256SUMS of the second build:"
cat "$two/dist/SHA256SUMS"
echo

for file in zarnock.exe cards32.dll; do
    differs "$one/build/bin/$file" "$two/build/bin/$file" "$file" && exit 1
done
# The checksums last: they differ whenever a download does.
for file in $( (ls -A "$one/dist"; ls -A "$two/dist") | grep -vx SHA256SUMS | LC_ALL=C sort -u) SHA256SUMS; do
    differs "$one/dist/$file" "$two/dist/$file" "$file" && exit 1
done
echo "reproducible: two builds of ${head:0:12} are byte-identical"
