// The way tones are played: through the system's Beep unless the version query named a platform outside
// the NT family, where they program the speaker's ports.
#include <gtest/gtest.h>
#include <utility>
#include <vector>
#include "audio/Sound.h"
#include "support/GameTestEnvironment.h"

namespace {
// Records the port traffic instead of touching the ports; the speaker gate reads as 0x30.
class RecordedPorts {
public:
    RecordedPorts() {
        SetSpeakerPorts({[this](unsigned short port) { return reads.push_back(port), static_cast<unsigned char>(0x30); },
                         [this](unsigned short port, unsigned char value) { writes.emplace_back(port, value); }});
    }
    virtual ~RecordedPorts() { SetSpeakerPorts({}); }
    std::vector<unsigned short> reads;
    std::vector<std::pair<unsigned short, unsigned char>> writes;
};

TEST(ToneTest, OnlyAVersionQueryThatNamedAPlatformOutsideNtUsesTheSpeakerPorts) {
    const struct {
        bool versionKnown;
        DWORD platform;
        int platformBeep;
    } cases[] = {{true, VER_PLATFORM_WIN32_NT, 1}, {false, 0, 1}, {false, VER_PLATFORM_WIN32_WINDOWS, 1},
                 {true, VER_PLATFORM_WIN32_WINDOWS, 0}, {true, VER_PLATFORM_WIN32s, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(c.platformBeep, PlatformBeepFor(c.versionKnown, c.platform)) << c.versionKnown << " " << c.platform;
}

TEST(ToneTest, WithSoundOffATonePausesForATenthOfItsLength) {
    std::vector<DWORD> pauses;
    SetSilentPause([&](DWORD ms) { pauses.push_back(ms); });
    for (int length : {200, 170, 150, 5}) PlayTone(440, length, 0);
    SetSilentPause(nullptr);
    EXPECT_EQ((std::vector<DWORD>{20, 17, 15, 0}), pauses);
}

TEST(ToneTest, TheSpeakerPathProgramsTheTimerAndTheBeepPathLeavesThePortsAlone) {
    ScopedSettings restore;
    RecordedPorts ports;
    Settings.UsePlatformBeep = 1;
    PlayTone(440, 1, 1);
    EXPECT_TRUE(ports.writes.empty());
    EXPECT_TRUE(ports.reads.empty());

    Settings.UsePlatformBeep = 0;
    PlayTone(440, 1, 0);  // sound off: silence, no port
    EXPECT_TRUE(ports.writes.empty());
    PlayTone(440, 1, 1);
    // 1190000 / 440 = 2704 = 0x0A90: channel 2 mode, low byte, high byte, gate on; then the gate off.
    const std::vector<std::pair<unsigned short, unsigned char>> expected = {
        {0x43, 0xB6}, {0x42, 0x90}, {0x42, 0x0A}, {0x61, 0x33}, {0x61, 0x30}};
    EXPECT_EQ(expected, ports.writes);
    EXPECT_EQ((std::vector<unsigned short>{0x61, 0x61}), ports.reads);
}
}  // namespace
