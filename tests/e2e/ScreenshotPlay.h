// Plays the opening moves of a game for the screenshot and keeps it running until the picture is taken.
#pragma once
#include <windows.h>
#include <string>

class ScreenshotPlay {
public:
    // `handshakeFolder` is where "ready" is written once the game is worth a picture, and where the
    // script writes "done" when it has taken it.
    explicit ScreenshotPlay(const std::string& handshakeFolder);
    virtual ~ScreenshotPlay();

    // 0 when the game ran, was played and the picture was taken; 1 otherwise.
    int Run();

private:
    bool WriteReady() const;
    bool WaitForDone(DWORD timeoutMs) const;

    std::string folder;
};
