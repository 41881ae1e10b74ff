// Tones for the sound effects: through the system's Beep, or the PC speaker where there is no NT.
#pragma once
#include <windows.h>
#include <functional>

// A synchronous tone; with `enabled` 0, a tenth of its length in silence.
void PlayTone(int frequencyHz, int durationMs, int enabled);
// Switches the PC speaker on at a frequency, or off with 0 (only off the NT platform family).
void SpeakerTone(int frequencyHz);
// The divisor that programs the speaker timer for a frequency.
int SpeakerDivisor(int frequencyHz);

// The value of UsePlatformBeep for the answer of the version query. The speaker ports are used only when
// the query worked and named a platform outside the NT family: anywhere else they end the process.
int PlatformBeepFor(bool versionKnown, DWORD platformId);

// Takes every tone in place of PlayTone's own playing, so that tests can record them; empty restores it.
using TonePlayer = std::function<void(int frequencyHz, int durationMs, int enabled)>;
void SetTonePlayer(TonePlayer player);

// The silent pause of a tone played with sound off; tests record it instead of waiting. Empty restores Sleep.
void SetSilentPause(std::function<void(DWORD milliseconds)> pause);

// The speaker's I/O ports; tests replace them so that no real port is touched. Empty members restore
// the processor's own in and out instructions.
struct SpeakerPorts {
    std::function<unsigned char(unsigned short port)> read;
    std::function<void(unsigned short port, unsigned char value)> write;
};
void SetSpeakerPorts(SpeakerPorts ports);
