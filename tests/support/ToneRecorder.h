// Records the tones the game plays, instead of sounding them, while it lives.
#pragma once
#include <ostream>
#include <vector>

struct Tone {
    int frequencyHz;
    int durationMs;
    bool operator==(const Tone& other) const {
        return frequencyHz == other.frequencyHz && durationMs == other.durationMs;
    }
};
std::ostream& operator<<(std::ostream& out, const Tone& tone);

class ToneRecorder {
public:
    ToneRecorder();
    // Gives the tones back to the speaker.
    virtual ~ToneRecorder();
    ToneRecorder(const ToneRecorder&) = delete;
    ToneRecorder& operator=(const ToneRecorder&) = delete;

    const std::vector<Tone>& Tones() const { return tones; }
    // The `enabled` argument of every tone, in order: each caller passes the sound-effects setting.
    const std::vector<int>& Enabled() const { return enabled; }

private:
    std::vector<Tone> tones;
    std::vector<int> enabled;
};
