#!/usr/bin/python3
# Checks the songs and their audio renderings: the file's form, full length, no silent stretch, every instrument found.
"""Usage: check_renderings.py SONG_FOLDER AUDIO_FOLDER

For every songN.mid in SONG_FOLDER, AUDIO_FOLDER must hold songN.wav and songN.log (the renderer's messages).
"""
import array
import re
import sys
import wave
from pathlib import Path

import mido

# fluidsynth keeps rendering for two seconds after the end of the file, for the last notes to fade.
RENDERER_TAIL_SECONDS = 2.0
LENGTH_TOLERANCE_SECONDS = 1.0
SILENT_WINDOW_SECONDS = 10
# Loudest sample of a second that still counts as silence: -50 dB of full scale.
SILENCE_PEAK = 32767 * 10 ** (-50 / 20)
UNMAPPED = re.compile(r'(instrument|preset) not found|no preset found', re.IGNORECASE)


def peaks_per_second(path):
    with wave.open(str(path)) as audio:
        if audio.getsampwidth() != 2:
            raise ValueError(f'{path.name}: expected 16-bit samples')
        rate, frames = audio.getframerate(), audio.getnframes()
        peaks = []
        for _ in range((frames + rate - 1) // rate):
            samples = array.array('h', audio.readframes(rate))
            if sys.byteorder == 'big':
                samples.byteswap()
            peaks.append(max(max(samples), -min(samples)) if samples else 0)
    return peaks, frames / rate


def form_problems(name, midi):
    """Format 1 at 480 ticks a quarter, a tempo, a program on every channel that plays, every track ended."""
    problems = []
    if midi.type != 1 or midi.ticks_per_beat != 480:
        problems.append(f'{name}: format {midi.type} at {midi.ticks_per_beat} ticks, not format 1 at 480')
    messages = [message for track in midi.tracks for message in track]
    if not any(message.type == 'set_tempo' for message in messages):
        problems.append(f'{name}: no tempo')
    playing = {message.channel for message in messages if message.type == 'note_on'}
    programmed = {message.channel for message in messages if message.type == 'program_change'}
    if playing - programmed:
        problems.append(f'{name}: no program change on channels {sorted(c + 1 for c in playing - programmed)}')
    if any(not track or track[-1].type != 'end_of_track' for track in midi.tracks):
        problems.append(f'{name}: a track without an end')
    return problems


def problems_of(midi_path, audio_folder):
    name = midi_path.stem
    wav, log = audio_folder / (name + '.wav'), audio_folder / (name + '.log')
    midi = mido.MidiFile(str(midi_path))
    problems = form_problems(name, midi)
    if not wav.exists():
        return problems + [f'{name}: no rendering']
    expected = midi.length
    peaks, seconds = peaks_per_second(wav)
    rendered = seconds - RENDERER_TAIL_SECONDS
    if abs(rendered - expected) > LENGTH_TOLERANCE_SECONDS:
        problems.append(f'{name}: the rendering lasts {rendered:.1f} s, the file {expected:.1f} s')
    quiet = 0
    for second, peak in enumerate(peaks):
        quiet = quiet + 1 if peak < SILENCE_PEAK else 0
        if quiet == SILENT_WINDOW_SECONDS:
            problems.append(f'{name}: silent from {second + 1 - quiet} s to {second + 1} s')
    if log.exists():
        problems += [f'{name}: {line.strip()}' for line in log.read_text().splitlines() if UNMAPPED.search(line)]
    return problems


def main(arguments):
    if len(arguments) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    songs = sorted(Path(arguments[0]).glob('song*.mid'), key=lambda p: int(re.sub(r'\D', '', p.stem) or 0))
    if not songs:
        print(f'no songs in {arguments[0]}', file=sys.stderr)
        return 1
    problems = []
    for song in songs:
        found = problems_of(song, Path(arguments[1]))
        problems += found
        print(f'{song.stem}: {"ok" if not found else "FAILED"}')
    for problem in problems:
        print(problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
