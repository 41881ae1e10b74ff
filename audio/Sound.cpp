// Tones: Beep on NT (waiting out the tone if Beep returns early), the speaker ports elsewhere.
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
}

int SpeakerDivisor(int frequencyHz) { return SpeakerClock / frequencyHz; }

void SpeakerTone(int frequencyHz) {
    if (frequencyHz != 0) {
        const int divisor = SpeakerDivisor(frequencyHz);
        PortOut(0x43, 0xB6);
        PortOut(0x42, static_cast<unsigned char>(divisor & 0xFF));
        PortOut(0x42, static_cast<unsigned char>((divisor >> 8) & 0xFF));
        PortOut(0x61, PortIn(0x61) | 0x03);
    } else {
        PortOut(0x61, PortIn(0x61) & 0xFC);
    }
}

void PlayTone(int frequencyHz, int durationMs, int enabled) {
    if (!enabled) {
        Sleep(durationMs / 10);
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
