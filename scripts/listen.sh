#!/usr/bin/env bash
# Renders the game's songs to WAV files with fluidsynth and a General MIDI soundfont, to listen without Windows.
#   bash scripts/listen.sh [AUDIO_FOLDER [SONG_FOLDER]]
#     AUDIO_FOLDER defaults to build/listen; without SONG_FOLDER the songs are made from music/ first.
#   bash scripts/listen.sh --check AUDIO_FOLDER SONG_FOLDER
#     renders at a lower rate, checks each rendering (length, no silent stretch, every instrument found)
#     and removes the audio again; the tests use this.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
soundfont=/usr/share/sounds/sf2/FluidR3_GM.sf2
python=/usr/bin/python3

check=0
if [ "${1:-}" = "--check" ]; then check=1; shift; fi
audio=$(realpath -m "${1:-$root/build/listen}")
songs=${2:-}

if [ "$check" = 0 ]; then
    bash "$root/scripts/install-deps.sh"
fi
for need in fluidsynth "$python"; do
    command -v "$need" >/dev/null || { echo "listen.sh: $need is missing (bash scripts/install-deps.sh)" >&2; exit 1; }
done
[ -f "$soundfont" ] || { echo "listen.sh: $soundfont is missing (package fluid-soundfont-gm)" >&2; exit 1; }

mkdir -p "$audio"
if [ -z "$songs" ]; then
    songs=$audio
    "$python" "$root/music/make_songs.py" "$songs" "$root"/music/song*.txt
fi
songs=$(realpath "$songs")

rate=44100
[ "$check" = 1 ] && rate=22050
shopt -s nullglob
rendered=0
for mid in "$songs"/song*.mid; do
    name=$(basename "$mid" .mid)
    fluidsynth -n -i -q -g 0.6 -r "$rate" -F "$audio/$name.wav" "$soundfont" "$mid" >"$audio/$name.log" 2>&1
    rendered=$((rendered + 1))
    [ "$check" = 0 ] && echo "$audio/$name.wav"
done
[ "$rendered" -gt 0 ] || { echo "listen.sh: no song*.mid in $songs" >&2; exit 1; }

if [ "$check" = 1 ]; then
    status=0
    "$python" "$root/music/check_renderings.py" "$songs" "$audio" || status=$?
    rm -f "$audio"/song*.wav
    exit $status
fi
echo "Rendered $rendered songs into $audio; play them with any audio player."
