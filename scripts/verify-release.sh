#!/usr/bin/env bash
# Builds the release of HEAD again and again, each time from a fresh clone in another folder, at another time,
# and with another time zone, umask, locale (C and a UTF-8 one) and number of parallel jobs (one and two),
# some rounds on a machine kept busy, and compares the downloads byte for byte. Prints the checksums and
# "reproducible", or every file that differs (inside a zip, an installer or a Debian package, the member that
# differs, and inside the package's tar archives the file) and fails.
#   --quick      builds only what the release packs in each clone, not the tests.
#   --rounds N   builds N times (2 when not given).
# Uncommitted changes are not part of the check: it builds the commit HEAD names.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
usage() { echo "usage: $0 [--quick] [--rounds N]" >&2; exit 2; }
quick=false rounds=2
while [ $# -gt 0 ]; do
    case $1 in
    --quick) quick=true ;;
    --rounds) [[ ${2:-} =~ ^[0-9]+$ ]] && [ "$2" -ge 2 ] || usage; rounds=$2; shift ;;
    *) usage ;;
    esac
    shift
done
source "$root/scripts/lib/common.sh"
skip() {
    echo "** SKIPPED: $* **" >&2
    exit 77
}
have makensis && have zip || skip "makensis or zip is missing; run bash scripts/install-deps.sh"
# A source tarball has no commit to rebuild; a repository it merely lies in is not its own.
[ "$(git -C "$root" rev-parse --show-toplevel 2>/dev/null)" = "$(cd "$root" && pwd -P)" ] ||
    skip "$root is not a git checkout: there is no commit to build again"

head=$(git -C "$root" rev-parse HEAD)
if [ -n "$(git -C "$root" status --porcelain)" ]; then
    echo "Note: this checkout has uncommitted changes; they are not checked, only commit ${head:0:12}."
fi
work=$(cd "$(mktemp -d "${TMPDIR:-/tmp}/zarnock-verify.XXXXXX")" && pwd)
busy=() keep=false
zarnock_at_exit '$keep || rm -rf "$work"'
zarnock_at_exit '[ ${#busy[@]} = 0 ] || kill "${busy[@]}" 2>/dev/null'

utf8_locale=$(locale -a 2>/dev/null | grep -i -m 1 -E '^(en_US|C)\.utf-?8$' || locale -a | grep -i -m 1 'utf-\?8' || true)
[ -n "$utf8_locale" ] || utf8_locale=C.UTF-8
zones=(UTC Pacific/Kiritimati America/St_Johns)

# Keeps every core busy with a loop of its own until quiet is called.
make_busy() { local n; for n in $(seq "$(nproc)"); do (while :; do :; done) & busy+=($!); done; }
quiet() { [ ${#busy[@]} = 0 ] || kill "${busy[@]}" 2>/dev/null || true; busy=(); }

# Round $1 (from 0): clones HEAD into a folder of its own and makes the release there. Neighbouring rounds differ
# in every setting; over six rounds each pair of jobs and locale comes up, on a busy machine and not.
clone_of() { [ "$1" = 0 ] && echo "$work/one" || echo "$work/round-$1-$(printf '%*s' "$1" '' | tr ' ' x)"; }
release_in() {
    local round=$1 clone jobs=$(($1 % 2 ? 1 : 2)) locale=C mask=022 zone=${zones[$(($1 % 3))]}
    [ "$jobs" = 2 ] || mask=077
    clone=$(clone_of "$round")
    case $((round % 4)) in 1 | 2) locale=$utf8_locale ;; esac
    local loaded=""
    [ $((round % 3)) = 1 ] && loaded=", on a busy machine"
    settings[round]="$jobs job(s), LC_ALL=$locale, TZ=$zone, umask $mask$loaded"
    echo "Building ${head:0:12} in $clone (${settings[round]}) ..."
    git clone -q --no-checkout "$root" "$clone"
    git -C "$clone" checkout -q --detach "$head"
    [ -z "$loaded" ] || make_busy
    # Checked step by step: set -e does not hold in a subshell whose failure is handled.
    (
        cd "$clone" && umask "$mask" && export TZ=$zone LC_ALL=$locale &&
        { ! $quick || cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
                          -DBUILD_TESTING=OFF >/dev/null; } &&
        env -u ZARNOCK_SIGN_PFX ZARNOCK_BUILD_DIR="$clone/build" ZARNOCK_DIST_DIR="$clone/dist" \
            ZARNOCK_BUILD_JOBS="$jobs" bash scripts/package.sh
    ) >"$clone.log" 2>&1 || { quiet; echo "The build in $clone failed:"; tail -n 30 "$clone.log"; exit 1; }
    quiet
}

# The members of an archive, one line each in their order there, with what the archive stores about them.
listing() {
    case $1 in
    *.deb) ar tv "$1" ;;
    *.tar | *.tar.*) tar -tv --full-time --numeric-owner -f "$1" ;;
    *) 7z l -slt "$1" | sed -n '/^----------$/,$p' |
           awk '/^Path = /{ if (p != "") print p l; p = substr($0, 8); l = "" }
                /^(Size|Modified|Attributes) = /{ l = l "  " $0 } END { if (p != "") print p l }' ;;
    esac
}
# Unpacks the archive $1 into the folder $2; fails for a file that is not an archive read here.
unpack() {
    case $1 in
    *.deb) (cd "$2" && ar x "$1") ;;
    *.tar | *.tar.*) tar -xf "$1" -C "$2" ;;
    *.zip | *.exe) have 7z && 7z x -y -o"$2" "$1" >/dev/null ;;
    *) false ;;
    esac 2>/dev/null
}

# Says how $1 and $2, both named $3, differ, and for an archive which members differ, down to three levels
# (a tar inside a .deb, or a program's resources inside an installer). Fails when they are the same.
tell_difference() {
    local a=$1 b=$2 name=$3 depth=${4:-0}
    cmp -s "$a" "$b" && return 1
    local pad
    pad=$(printf '%*s' $((2 * depth)) '')
    if [ ! -f "$a" ] || [ ! -f "$b" ]; then
        echo "${pad}DIFFERENT: $name is made by one build only"
        return 0
    fi
    echo "${pad}DIFFERENT: $name ($(cmp "$a" "$b" 2>&1 | sed 's/.*differ: //'))"
    [ "$depth" -lt 3 ] || return 0
    local into
    into=$(mktemp -d "$work/unpacked.XXXXXX")
    mkdir "$into/a" "$into/b"
    unpack "$a" "$into/a" && unpack "$b" "$into/b" || return 0
    local member members=0
    while read -r member; do
        if [ "$members" -ge 5 ]; then
            echo "$pad  ... and more"
            break
        fi
        tell_difference "$into/a/$member" "$into/b/$member" "$name: $member" $((depth + 1)) &&
            members=$((members + 1))
    done < <( (cd "$into/a" && find . -type f; cd "$into/b" && find . -type f) | sed 's|^\./||' | LC_ALL=C sort -u)
    [ "$members" = 0 ] || return 0
    local stored
    stored=$(diff <(listing "$a") <(listing "$b") || true)
    stored=$(grep -m 1 '^<' <<<"$stored"; grep -m 1 '^>' <<<"$stored" || true)
    if [ -n "$stored" ]; then
        echo "$pad  the same members inside, stored differently:"
        echo "$stored" | sed "s/^/$pad    /"
    else
        echo "$pad  the same members inside, in the same order, with the same times: packed differently"
    fi
    return 0
}

settings=()
for round in $(seq 0 $((rounds - 1))); do
    [ "$round" = 0 ] || sleep 1
    release_in "$round"
done

one=$(clone_of 0)
echo
echo "The game and its card library, as built:"
(cd "$one/build/bin" && sha256sum zarnock.exe cards32.dll)
echo "SHA256SUMS of the first build:"
cat "$one/dist/SHA256SUMS"
echo

different=0
for round in $(seq 1 $((rounds - 1))); do
    other=$(clone_of "$round")
    report=$(
        for file in zarnock.exe cards32.dll; do
            tell_difference "$one/build/bin/$file" "$other/build/bin/$file" "build/bin/$file" || true
        done
        # The checksums last: they differ whenever a download does.
        for file in $( (ls -A "$one/dist"; ls -A "$other/dist") | grep -vx SHA256SUMS | LC_ALL=C sort -u) \
                    SHA256SUMS; do
            tell_difference "$one/dist/$file" "$other/dist/$file" "dist/$file" || true
        done
    )
    if [ -n "$report" ]; then
        echo "Round $((round + 1)) (${settings[round]}) differs from round 1 (${settings[0]}):"
        echo "$report"
        different=$((different + 1))
    fi
done
if [ "$different" != 0 ]; then
    keep=true
    echo "NOT reproducible: $different of $((rounds - 1)) rebuilds of ${head:0:12} differ from the first" \
         "(the builds are kept in $work)"
    exit 1
fi
echo "reproducible: $rounds builds of ${head:0:12} are byte-identical"
