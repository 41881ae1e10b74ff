// A few moves that land cards on every stack, then the falling card halfway down, for the screenshot.
#include "ScreenshotPlay.h"
#include <cstdio>
#include "GameSession.h"
#include "Waiting.h"
#include "system/DisplayScale.h"

namespace {
struct Move {
    WORD key;
    DWORD pauseAfterMs;
};

// Cards onto all five stacks, a swap on the way, and two on the middle one.
const Move Opening[] = {
    {VK_LEFT, 150},  {VK_LEFT, 150},  {VK_DOWN, 400},  {VK_RIGHT, 150}, {VK_RIGHT, 150}, {VK_RIGHT, 150},
    {VK_RIGHT, 150}, {VK_DOWN, 400},  {VK_LEFT, 150},  {VK_LEFT, 150},  {VK_SPACE, 300}, {VK_DOWN, 400},
    {VK_LEFT, 150},  {VK_DOWN, 400},  {VK_RIGHT, 150}, {VK_RIGHT, 150}, {VK_DOWN, 400},  {VK_LEFT, 150},
    {VK_DOWN, 400},
};
const DWORD FallBeforePictureMs = 3300;
}

ScreenshotPlay::ScreenshotPlay(const std::string& handshakeFolder) : folder(handshakeFolder) {}

ScreenshotPlay::~ScreenshotPlay() {}

int ScreenshotPlay::Run() {
    GameSession game;
    game.ClearSettings();
    const GameRegistry& registry = game.Registry();
    registry.SetDword("ShowWelcome", 0);
    registry.SetDword("Music", 0);
    registry.SetDword("FirstBoot", 0);
    // The same picture at every display density: the placement scales like the board.
    const DisplayScale display(DisplayScale::SystemDpi());
    registry.SetDword("Left", display.Scale(222));
    registry.SetDword("Top", display.Scale(90));
    registry.SetDword("Width", display.Scale(580));
    registry.SetDword("Height", display.Scale(540));
    if (!game.Start()) return 1;
    game.Window().BringToFront();
    for (const Move& move : Opening) {
        game.Window().PostKey(move.key);
        PumpFor(move.pauseAfterMs);
    }
    PumpFor(FallBeforePictureMs);
    if (!WriteReady()) return 1;
    const bool taken = WaitForDone(120000);
    return taken && game.Process().IsRunning() ? 0 : 1;
}

bool ScreenshotPlay::WriteReady() const {
    FILE* ready = std::fopen((folder + "\\ready").c_str(), "w");
    if (!ready) return false;
    std::fputs("ready\n", ready);
    return std::fclose(ready) == 0;
}

bool ScreenshotPlay::WaitForDone(DWORD timeoutMs) const {
    const std::string done = folder + "\\done";
    return WaitUntil([&] { return GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES; }, timeoutMs, 50);
}
