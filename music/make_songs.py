#!/usr/bin/python3
# Turns the song sheets in music/ (songN.txt) into Standard MIDI Files for the game (songN.mid).
"""Song sheet format (one statement per line; '#' after a blank or at the start of a line starts a comment):

    title   Harbour Lights
    tempo   112                  quarter notes per minute
    meter   4/4                  4/4, 3/4, 2/4 or 6/8
    swing   0.6                  optional: where the off-beat eighth falls inside a beat (0.5 = straight)
    seed    7                    optional: fixed seed for the small velocity variations
    tail    6                    optional: seconds the last chord rings after the form (3.5 when not given)
    lead    73 100               program and channel volume of the melody
    lead2   71 96                optional: a second melody voice, used by form entries "NAME@2"
    harmony 48 70 pad            program, volume and style (pad, strum, arp, pulse, offbeat, waltz, broken,
                                 jig, comp)
    bass    33 100 walk          program, volume and style (root, walk, octave, drive, waltz, syncop, jig)
    drums   0 100                drum kit program and volume (channel 10)

    section A                    starts a section; the lines that follow belong to it
    chords  | D | G A | Bm . G . |   one to four chords per bar, "." repeats the chord before
    melody  | F#5q A5q D6h | ...    notes per bar: pitch and octave, length w h q e s (t = triplet eighth),
                                     "." makes it dotted; "r" is a rest, "-" holds the note before
    drums   rock                 drum pattern of the section (rock, pop, halftime, march, waltz, bossa,
                                 disco, jig, ride, brush, none); the last bar of a section gets a fill
    fill    no                   optional: no fill at the end of this section

    form    intro A A@2 B A outro    the order of the sections

The melody and chords of a section may run over several lines; every bar must be full.
"""
import random
import re
import sys
from pathlib import Path

import mido

TICKS_PER_QUARTER = 480
CRASH_RING_SECONDS = 9.0
DRUM_CHANNEL = 9
LENGTHS = {'w': 4.0, 'h': 2.0, 'q': 1.0, 'e': 0.5, 's': 0.25, 't': 1.0 / 3}
NOTE_INDEX = {'c': 0, 'd': 2, 'e': 4, 'f': 5, 'g': 7, 'a': 9, 'b': 11}
CHORD_SHAPES = {
    '': (0, 4, 7), 'm': (0, 3, 7), '7': (0, 4, 7, 10), 'm7': (0, 3, 7, 10), 'maj7': (0, 4, 7, 11),
    'dim': (0, 3, 6), 'aug': (0, 4, 8), 'sus4': (0, 5, 7), 'sus2': (0, 2, 7), '6': (0, 4, 7, 9),
    'm6': (0, 3, 7, 9), 'add9': (0, 4, 7, 14), '9': (0, 4, 7, 10, 14), 'm9': (0, 3, 7, 10, 14),
}
# General MIDI percussion keys.
KICK, SIDE_STICK, SNARE, CLAP, LOW_TOM, CLOSED_HAT, MID_LOW_TOM, PEDAL_HAT, MID_TOM = 36, 37, 38, 39, 41, 42, 45, 44, 47
OPEN_HAT, HIGH_TOM, CRASH, RIDE, TAMBOURINE, SPLASH, SHAKER, BRUSH = 46, 50, 49, 51, 54, 55, 70, 40


class SheetError(Exception):
    pass


def parse_pitch(text, where):
    match = re.fullmatch(r'([A-Ga-g])([#b]?)(\d)', text)
    if not match:
        raise SheetError(f'{where}: "{text}" is not a pitch')
    letter, accidental, octave = match.groups()
    shift = {'#': 1, 'b': -1, '': 0}[accidental]
    return 12 * (int(octave) + 1) + NOTE_INDEX[letter.lower()] + shift


def parse_length(code, dotted):
    return LENGTHS[code] * (1.5 if dotted else 1.0)


def parse_melody_bar(text, where):
    """Events of one bar: (offset in quarters, length in quarters, pitch or None)."""
    events, position = [], 0.0
    for token in text.split():
        match = re.fullmatch(r'(r|-|[A-Ga-g][#b]?\d)([whqest])(\.?)', token)
        if not match:
            raise SheetError(f'{where}: "{token}" is not a note')
        what, code, dot = match.groups()
        length = parse_length(code, dot == '.')
        if what == '-':
            if not events or events[-1][2] is None:
                raise SheetError(f'{where}: "-" holds no note')
            start, held, pitch = events[-1]
            events[-1] = (start, held + length, pitch)
        else:
            events.append((position, length, None if what == 'r' else parse_pitch(what, where)))
        position += length
    return events, position


def parse_chord(text, where):
    match = re.fullmatch(r'([A-G][#b]?)([a-z0-9]*)(?:/([A-G][#b]?))?', text)
    if not match or match.group(2) not in CHORD_SHAPES:
        raise SheetError(f'{where}: "{text}" is not a chord')
    root = parse_pitch(match.group(1) + '0', where) % 12
    tones = tuple((root + step) % 12 for step in CHORD_SHAPES[match.group(2)])
    bass = parse_pitch(match.group(3) + '0', where) % 12 if match.group(3) else root
    return {'name': text, 'root': root, 'tones': tones, 'bass': bass,
            'fifth': (root + CHORD_SHAPES[match.group(2)][2]) % 12}


def bars_of(text):
    return [bar.strip() for bar in text.strip().strip('|').split('|')]


class Song:
    def __init__(self, path):
        self.path = path
        self.name = path.stem
        self.swing = 0.5
        self.seed = 1
        self.tail = 3.5
        self.parts = {}
        self.sections = {}
        self.form = []
        self.read(path.read_text().splitlines())

    def read(self, lines):
        section = None
        for number, raw in enumerate(lines, 1):
            line = re.sub(r'(^|\s)#.*', '', raw).strip()
            if not line:
                continue
            where = f'{self.path.name}:{number}'
            word, _, rest = line.partition(' ')
            rest = rest.strip()
            if word == 'title':
                self.title = rest
            elif word == 'tempo':
                self.tempo = float(rest)
            elif word == 'meter':
                top, bottom = (int(n) for n in rest.split('/'))
                self.meter = (top, bottom)
                self.bar_quarters = top * 4.0 / bottom
            elif word == 'swing':
                self.swing = float(rest)
            elif word == 'tail':
                self.tail = float(rest)
            elif word == 'seed':
                self.seed = int(rest)
            elif word in ('lead', 'lead2', 'harmony', 'bass') and section is None:
                fields = rest.split()
                self.parts[word] = {'program': int(fields[0]), 'volume': int(fields[1]),
                                    'style': fields[2] if len(fields) > 2 else None}
            elif word == 'drums' and section is None:
                fields = rest.split()
                self.parts['drums'] = {'program': int(fields[0]), 'volume': int(fields[1])}
            elif word == 'section':
                section = {'name': rest, 'chords': [], 'melody': [], 'drums': 'none', 'fill': True,
                           'where': where}
                self.sections[rest] = section
            elif word == 'chords' and section is not None:
                for bar in bars_of(rest):
                    section['chords'].append([parse_chord(c, where) if c != '.' else None for c in bar.split()])
            elif word == 'melody' and section is not None:
                for bar in bars_of(rest):
                    events, length = parse_melody_bar(bar, where)
                    if abs(length - self.bar_quarters) > 1e-6:
                        raise SheetError(f'{where}: bar "{bar}" lasts {length} quarters, not {self.bar_quarters}')
                    section['melody'].append(events)
            elif word == 'drums' and section is not None:
                section['drums'] = rest
            elif word == 'fill' and section is not None:
                section['fill'] = rest != 'no'
            elif word == 'form':
                self.form = rest.split()
            else:
                raise SheetError(f'{where}: cannot read "{line}"')
        for section in self.sections.values():
            if section['melody'] and len(section['melody']) != len(section['chords']):
                raise SheetError(f'{section["where"]}: {len(section["melody"])} melody bars '
                                 f'but {len(section["chords"])} chord bars')
        for entry in self.form:
            if entry.split('@')[0] not in self.sections:
                raise SheetError(f'{self.path.name}: the form names an unknown section "{entry}"')


def chord_spans(song, section):
    """(start, length, chord) in quarters from the section's start; '.' keeps the chord before."""
    spans, previous = [], None
    for bar_index, bar in enumerate(section['chords']):
        slot = song.bar_quarters / len(bar)
        for slot_index, chord in enumerate(bar):
            start = bar_index * song.bar_quarters + slot_index * slot
            if chord is None:
                if previous is None:
                    raise SheetError(f'{section["where"]}: "." before any chord')
                spans[-1] = (spans[-1][0], spans[-1][1] + slot, previous)
                continue
            spans.append((start, slot, chord))
            previous = chord
    return spans


def voicing(tones, previous, low=55, high=74):
    """The inversion of the chord's tones, inside low..high, that moves least from the voicing before."""
    tones = list(dict.fromkeys(t % 12 for t in tones))[:4]
    candidates = []
    for base in range(low, low + 12):
        if base % 12 not in tones:
            continue
        notes, pitch = [], base
        for _ in tones:
            notes.append(pitch)
            pitch += 1
            while pitch % 12 not in tones or pitch % 12 in (n % 12 for n in notes):
                pitch += 1
                if pitch > high + 12:
                    break
        if notes[-1] <= high:
            candidates.append(notes)
    if previous is None:
        return min(candidates, key=lambda n: abs(sum(n) / len(n) - 64))
    return min(candidates, key=lambda n: sum(min(abs(a - b) for b in previous) for a in n))


def bass_pitch(pitch_class, low=33):
    return low + (pitch_class - low) % 12


class Writer:
    """Collects notes per part in quarters and writes them as ticks, with swing and small variations."""

    def __init__(self, song):
        self.song = song
        self.random = random.Random(song.seed)
        self.notes = {name: [] for name in ('lead', 'lead2', 'harmony', 'bass', 'drums')}
        self.crashes = []

    def swung(self, quarters):
        beat, fraction = divmod(quarters, 1.0)
        s = self.song.swing
        fraction = fraction / 0.5 * s if fraction < 0.5 else s + (fraction - 0.5) / 0.5 * (1 - s)
        return beat + fraction

    def add(self, part, start, length, pitch, velocity):
        velocity = max(1, min(127, int(velocity + self.random.randint(-5, 5))))
        begin = self.swung(start)
        end = max(begin + 0.05, self.swung(start + length))
        self.notes[part].append((round(begin * TICKS_PER_QUARTER), round(end * TICKS_PER_QUARTER), pitch, velocity))


def accent(song, position):
    """A little more weight on the first beat of the bar and on the main beats."""
    in_bar = position % song.bar_quarters
    if in_bar < 1e-6:
        return 10
    return 4 if abs(in_bar - round(in_bar)) < 1e-6 else 0


def play_melody(writer, part, section, start):
    for bar_index, events in enumerate(section['melody']):
        bar_start = start + bar_index * writer.song.bar_quarters
        for offset, length, pitch in events:
            if pitch is not None:
                position = bar_start + offset
                writer.add(part, position, length * 0.92, pitch, 92 + accent(writer.song, position))


def play_harmony(writer, style, spans, start, state):
    song = writer.song
    for span_start, length, chord in spans:
        notes = voicing(chord['tones'], state.get('voicing'))
        state['voicing'] = notes
        at = start + span_start
        if style == 'pad':
            for pitch in notes:
                writer.add('harmony', at, length, pitch, 62)
        elif style == 'strum':
            for beat in frange(0, length, 1.0):
                for i, pitch in enumerate(notes):
                    writer.add('harmony', at + beat + 0.02 * i, 0.85, pitch, 58 + accent(song, at + beat))
        elif style == 'pulse':
            for step in frange(0, length, 0.5):
                for pitch in notes:
                    writer.add('harmony', at + step, 0.4, pitch, 52 + accent(song, at + step))
        elif style == 'offbeat':
            for step in frange(0.5, length, 1.0):
                for pitch in notes:
                    writer.add('harmony', at + step, 0.3, pitch, 64)
        elif style == 'waltz':
            for beat in frange(0, length, 1.0):
                if (at + beat) % song.bar_quarters > 1e-6:
                    for pitch in notes:
                        writer.add('harmony', at + beat, 0.7, pitch, 56)
        elif style == 'arp':
            order = notes + [notes[0] + 12] + notes[1:][::-1]
            for i, step in enumerate(frange(0, length, 0.5)):
                writer.add('harmony', at + step, 0.9, order[i % len(order)], 60 + accent(song, at + step))
        elif style == 'jig':
            for offset, held, velocity in ((0, 0.9, 66), (1.0, 0.4, 50), (1.5, 0.9, 60), (2.5, 0.4, 50)):
                for step in frange(0, length, 3.0):
                    if step + offset < length - 1e-6:
                        for pitch in notes:
                            writer.add('harmony', at + step + offset, held, pitch, velocity)
        elif style == 'comp':
            for step in frange(0, length, 0.5):
                if (at + step) % song.bar_quarters in (1.0, 2.5):
                    for pitch in notes:
                        writer.add('harmony', at + step, 0.45, pitch, 60)
        elif style == 'broken':
            order = [notes[0], notes[-1], notes[1], notes[-1]]
            for i, step in enumerate(frange(0, length, 0.5)):
                writer.add('harmony', at + step, 0.5, order[i % 4], 56 + accent(song, at + step))
        else:
            raise SheetError(f'{song.path.name}: unknown harmony style "{style}"')


def frange(begin, end, step):
    values, value = [], begin
    while value < end - 1e-6:
        values.append(value)
        value += step
    return values


def play_bass(writer, style, spans, start):
    song = writer.song
    for index, (span_start, length, chord) in enumerate(spans):
        at = start + span_start
        root, fifth = bass_pitch(chord['bass']), bass_pitch(chord['fifth'])
        following = spans[index + 1][2] if index + 1 < len(spans) else chord
        if style == 'root':
            writer.add('bass', at, min(length, 2.0) * 0.95, root, 96)
            if length > 2.0:
                writer.add('bass', at + 2.0, (length - 2.0) * 0.95, fifth if fifth > root else root, 84)
        elif style in ('walk', 'syncop', 'drive', 'octave'):
            for beat in frange(0, length, 1.0):
                last = beat + 1.0 >= length - 1e-6
                if style == 'walk':
                    if last and length >= 2.0:
                        target = bass_pitch(following['bass'])
                        pitch = target - 1 if target - 1 != root else target + 2
                    else:
                        pitch = [root, bass_pitch(chord['tones'][1]), fifth, root + 12][int(beat) % 4]
                    writer.add('bass', at + beat, 0.9, pitch, 90 + accent(song, at + beat))
                elif style == 'syncop':
                    pattern = {0: [(0, 1.5, root)], 1: [(0.5, 0.5, root)], 2: [(0, 1.0, fifth)],
                               3: [(0, 1.0, root + 12)]}[int(beat) % 4]
                    for offset, held, pitch in pattern:
                        writer.add('bass', at + beat + offset, held * 0.9, pitch, 92 + accent(song, at + beat))
                elif style == 'drive':
                    for half in (0.0, 0.5):
                        writer.add('bass', at + beat + half, 0.42, root, 88 + accent(song, at + beat + half))
                else:
                    writer.add('bass', at + beat, 0.42, root, 92)
                    writer.add('bass', at + beat + 0.5, 0.42, root + 12, 80)
        elif style == 'waltz':
            for beat in frange(0, length, song.bar_quarters):
                writer.add('bass', at + beat, 0.95, root, 94)
                if length - beat >= 3.0:
                    writer.add('bass', at + beat + 2.0, 0.9, fifth, 76)
        elif style == 'jig':
            for beat in frange(0, length, 1.5):
                writer.add('bass', at + beat, 0.9, root, 94)
                writer.add('bass', at + beat + 1.0, 0.45, fifth, 78)
        else:
            raise SheetError(f'{song.path.name}: unknown bass style "{style}"')


# Drum patterns: (position in the bar in quarters, key, velocity) for one bar of 4/4 (or of the meter named).
DRUM_PATTERNS = {
    'rock': [(b / 2, CLOSED_HAT, 70 if b % 2 else 84) for b in range(8)]
    + [(0, KICK, 100), (2, KICK, 92), (2.5, KICK, 80), (1, SNARE, 96), (3, SNARE, 98)],
    'pop': [(b / 2, CLOSED_HAT, 66 if b % 2 else 80) for b in range(7)] + [(3.5, OPEN_HAT, 74)]
    + [(0, KICK, 100), (1.5, KICK, 84), (2, KICK, 94), (1, CLAP, 90), (3, CLAP, 92), (1, SNARE, 70), (3, SNARE, 72)],
    'halftime': [(b / 2, RIDE, 72 if b % 2 else 82) for b in range(8)] + [(0, KICK, 100), (2.5, KICK, 80), (2, SNARE, 96)],
    'march': [(0, KICK, 100), (2, KICK, 94), (1, SNARE, 92), (3, SNARE, 92), (3.5, SNARE, 60), (3.75, SNARE, 66)]
    + [(b, CLOSED_HAT, 70) for b in range(4)] + [(b + 0.5, PEDAL_HAT, 50) for b in range(4)],
    'waltz': [(0, KICK, 100), (1, CLOSED_HAT, 72), (2, CLOSED_HAT, 72), (1, SIDE_STICK, 66), (2, SIDE_STICK, 60),
              (0, PEDAL_HAT, 50)],
    'bossa': [(0, KICK, 90), (1.5, KICK, 70), (2, KICK, 86), (3.5, KICK, 70)]
    + [(b / 2, CLOSED_HAT, 58 if b % 2 else 68) for b in range(8)]
    + [(p, SIDE_STICK, 74) for p in (0, 1.5, 3)] + [(b / 2, SHAKER, 44) for b in range(8)],
    'disco': [(b, KICK, 100) for b in range(4)] + [(1, SNARE, 92), (3, SNARE, 94)]
    + [(b + 0.5, OPEN_HAT, 76) for b in range(4)] + [(b, CLOSED_HAT, 64) for b in range(4)],
    'jig': [(0, KICK, 100), (1.5, KICK, 84), (1.5, SNARE, 82)] + [(b / 2, CLOSED_HAT, 78 if b % 3 == 0 else 58)
                                                                  for b in range(6)]
    + [(b / 2, TAMBOURINE, 50) for b in range(6)],
    'ride': [(0, RIDE, 80), (1, RIDE, 74), (1.5, RIDE, 60), (2, RIDE, 78), (3, RIDE, 74), (3.5, RIDE, 60),
             (1, PEDAL_HAT, 62), (3, PEDAL_HAT, 62), (0, KICK, 64), (2.5, KICK, 52)],
    'brush': [(0, BRUSH, 56), (1, BRUSH, 70), (2, BRUSH, 56), (3, BRUSH, 72), (1.5, BRUSH, 40), (3.5, BRUSH, 40),
              (0, KICK, 60), (2, KICK, 54), (1, PEDAL_HAT, 50), (3, PEDAL_HAT, 50)],
    'none': [],
}


def play_drums(writer, section, start, bars, last_in_song):
    song = writer.song
    pattern = DRUM_PATTERNS.get(section['drums'])
    if pattern is None:
        raise SheetError(f'{song.path.name}: unknown drum pattern "{section["drums"]}"')
    bar = song.bar_quarters
    for index in range(bars):
        bar_start = start + index * bar
        fill = section['fill'] and pattern and index == bars - 1 and not last_in_song
        fill_from = bar - (1.5 if song.meter == (6, 8) else min(2.0, bar / 2))
        if index == 0 and pattern:
            writer.add('drums', bar_start, 0.5, CRASH, 92)
            writer.crashes.append(bar_start)
        for position, key, velocity in pattern:
            if position >= bar - 1e-6 or (fill and position >= fill_from - 1e-6):
                continue
            writer.add('drums', bar_start + position, 0.25, key, velocity)
        if fill:
            play_fill(writer, bar_start + fill_from, bar - fill_from)
    if last_in_song and pattern:
        # A splash, not a crash: a crash rings for eight seconds, past the end of the file.
        writer.add('drums', start + bars * bar, 1.0, SPLASH, 100)
        writer.add('drums', start + bars * bar, 1.0, KICK, 100)


def play_fill(writer, start, length):
    """Sixteenths down the toms and the snare, growing louder into the next bar."""
    keys = [SNARE, SNARE, HIGH_TOM, HIGH_TOM, MID_TOM, MID_TOM, MID_LOW_TOM, LOW_TOM]
    steps = frange(0, length, 0.25)
    for i, step in enumerate(steps):
        key = keys[int(i * len(keys) / len(steps))]
        writer.add('drums', start + step, 0.2, key, 70 + int(30 * i / max(1, len(steps) - 1)))
    writer.add('drums', start, 0.2, KICK, 90)


def arrange(song):
    writer = Writer(song)
    position, harmony_state = 0.0, {}
    for index, entry in enumerate(song.form):
        name, _, voice = entry.partition('@')
        section = song.sections[name]
        spans = chord_spans(song, section)
        bars = len(section['chords'])
        if section['melody']:
            play_melody(writer, 'lead2' if voice == '2' else 'lead', section, position)
        play_harmony(writer, song.parts['harmony']['style'], spans, position, harmony_state)
        play_bass(writer, song.parts['bass']['style'], spans, position)
        play_drums(writer, section, position, bars, index == len(song.form) - 1)
        position += bars * song.bar_quarters
    last_chord = chord_spans(song, song.sections[song.form[-1].split('@')[0]])[-1][2]
    # The closing chord rings on for a bar after the form ends.
    for pitch in voicing(last_chord['tones'], harmony_state.get('voicing')):
        writer.add('harmony', position, song.bar_quarters, pitch, 60)
    writer.add('bass', position, song.bar_quarters, bass_pitch(last_chord['root']), 90)
    # The file ends once the last chord and every cymbal have died away.
    end = position + max(song.bar_quarters, song.tail * song.tempo / 60)
    return writer, max([end] + [start + CRASH_RING_SECONDS * song.tempo / 60 for start in writer.crashes])


CHANNELS = {'lead': 0, 'lead2': 3, 'harmony': 1, 'bass': 2, 'drums': DRUM_CHANNEL}
PANS = {'lead': 70, 'lead2': 56, 'harmony': 44, 'bass': 64, 'drums': 64}


def part_track(writer, part, settings, end_tick):
    channel = CHANNELS[part]
    track = mido.MidiTrack()
    track.append(mido.MetaMessage('track_name', name=part, time=0))
    track.append(mido.Message('program_change', channel=channel, program=settings['program'], time=0))
    track.append(mido.Message('control_change', channel=channel, control=7, value=settings['volume'], time=0))
    track.append(mido.Message('control_change', channel=channel, control=10, value=PANS[part], time=0))
    track.append(mido.Message('control_change', channel=channel, control=91, value=48, time=0))
    events = []
    for begin, end, pitch, velocity in writer.notes[part]:
        events.append((begin, 1, pitch, velocity))
        events.append((end, 0, pitch, 0))
    events.sort()
    now = 0
    for tick, is_on, pitch, velocity in events:
        kind = 'note_on' if is_on else 'note_off'
        track.append(mido.Message(kind, channel=channel, note=pitch, velocity=velocity, time=tick - now))
        now = tick
    track.append(mido.MetaMessage('end_of_track', time=max(0, end_tick - now)))
    return track


def build_midi(song):
    writer, end_quarters = arrange(song)
    end_tick = round(end_quarters * TICKS_PER_QUARTER)
    midi = mido.MidiFile(type=1, ticks_per_beat=TICKS_PER_QUARTER)
    conductor = mido.MidiTrack()
    conductor.append(mido.MetaMessage('track_name', name=song.title, time=0))
    conductor.append(mido.MetaMessage('time_signature', numerator=song.meter[0], denominator=song.meter[1], time=0))
    conductor.append(mido.MetaMessage('set_tempo', tempo=mido.bpm2tempo(song.tempo), time=0))
    conductor.append(mido.MetaMessage('end_of_track', time=end_tick))
    midi.tracks.append(conductor)
    for part in ('lead', 'lead2', 'harmony', 'bass', 'drums'):
        if part in song.parts and writer.notes[part]:
            midi.tracks.append(part_track(writer, part, song.parts[part], end_tick))
    return midi


def main(arguments):
    if len(arguments) < 2:
        print('usage: make_songs.py OUTPUT_FOLDER SHEET...', file=sys.stderr)
        return 2
    output = Path(arguments[0])
    output.mkdir(parents=True, exist_ok=True)
    for sheet in arguments[1:]:
        try:
            song = Song(Path(sheet))
            midi = build_midi(song)
        except (SheetError, KeyError, ValueError) as error:
            print(f'make_songs.py: {sheet}: {error}', file=sys.stderr)
            return 1
        if not 60 <= midi.length <= 180:
            print(f'make_songs.py: {sheet}: lasts {midi.length:.1f} s, not 60 to 180 s', file=sys.stderr)
            return 1
        midi.save(output / (song.name + '.mid'))
        print(f'{song.name}.mid: "{song.title}", {midi.length:.0f} s')
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
