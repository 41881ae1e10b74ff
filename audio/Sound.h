// Tones for the sound effects: through the system's Beep, or the PC speaker where there is no NT.
#pragma once

// A synchronous tone; with `enabled` 0, a tenth of its length in silence.
void PlayTone(int frequencyHz, int durationMs, int enabled);
// Switches the PC speaker on at a frequency, or off with 0 (only off the NT platform family).
void SpeakerTone(int frequencyHz);
// The divisor that programs the speaker timer for a frequency.
int SpeakerDivisor(int frequencyHz);
