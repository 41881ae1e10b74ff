// Tones: Beep on NT (waiting out the tone if Beep returns early), the speaker ports elsewhere; the test seams.
#include "audio/Sound.h"
#include <windows.h>
#include "settings/SettingsRecord.h"

namespace {
const int SpeakerClock = 1190000;

double MillisecondsNow() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

// Sleeps until `durationMs` have passed since `startMs`; a tone paces the animations either way.
void WaitUntilElapsed(double startMs, int durationMs) {
    for (;;) {
        const double left = startMs + durationMs - MillisecondsNow();
        if (left <= 0) return;
        Sleep(left >= 2 ? static_cast<DWORD>(left) - 1 : 0);
    }
}

unsigned char PortIn(unsigned short port) {
    unsigned char value;
    __asm__ __volatile__("inb %1, %0" : "=a"(value) : "Nd"(port));
    return value;
}

void PortOut(unsigned short port, unsigned char value) {
    __asm__ __volatile__("outb %0, %1" : : "a"(value), "Nd"(port));
}

TonePlayer tonePlayer;
SpeakerPorts speakerPorts;
std::function<void(DWORD)> silentPause;

unsigned char ReadPort(unsigned short port) { return speakerPorts.read ? speakerPorts.read(port) : PortIn(port); }

void WritePort(unsigned short port, unsigned char value) {
    if (speakerPorts.write)
        speakerPorts.write(port, value);
    else
        PortOut(port, value);
}
}  // namespace

void SetTonePlayer(TonePlayer player) { tonePlayer = std::move(player); }

void SetSpeakerPorts(SpeakerPorts ports) { speakerPorts = std::move(ports); }

void SetSilentPause(std::function<void(DWORD milliseconds)> pause) { silentPause = std::move(pause); }

int PlatformBeepFor(bool versionKnown, DWORD platformId) {
    return versionKnown && platformId != VER_PLATFORM_WIN32_NT ? 0 : 1;
}

int SpeakerDivisor(int frequencyHz) { return SpeakerClock / frequencyHz; }

void SpeakerTone(int frequencyHz) {
    if (frequencyHz != 0) {
        const int divisor = SpeakerDivisor(frequencyHz);
        WritePort(0x43, 0xB6);
        WritePort(0x42, static_cast<unsigned char>(divisor & 0xFF));
        WritePort(0x42, static_cast<unsigned char>((divisor >> 8) & 0xFF));
        WritePort(0x61, ReadPort(0x61) | 0x03);
    } else {
        WritePort(0x61, ReadPort(0x61) & 0xFC);
    }
}

void PlayTone(int frequencyHz, int durationMs, int enabled) {
    if (tonePlayer) {
        tonePlayer(frequencyHz, durationMs, enabled);
        return;
    }
    if (!enabled) {
        const DWORD pause = durationMs / 10;
        if (silentPause)
            silentPause(pause);
        else
            Sleep(pause);
        return;
    }
    const double start = MillisecondsNow();
    if (Settings.UsePlatformBeep == 1) {
        ::Beep(frequencyHz, durationMs);
    } else {
        SpeakerTone(frequencyHz);
        Sleep(durationMs);
        SpeakerTone(0);
    }
    WaitUntilElapsed(start, durationMs);
}
