// The recording tone player.
#include "support/ToneRecorder.h"
#include "audio/Sound.h"

std::ostream& operator<<(std::ostream& out, const Tone& tone) {
    return out << tone.frequencyHz << " Hz " << tone.durationMs << " ms";
}

ToneRecorder::ToneRecorder() {
    SetTonePlayer([this](int frequencyHz, int durationMs, int on) {
        tones.push_back({frequencyHz, durationMs});
        enabled.push_back(on);
    });
}

ToneRecorder::~ToneRecorder() { SetTonePlayer(nullptr); }
