// Asks the card-drawing library beside the game for its card size, as the game itself does at start-up.
#pragma once
#include <windows.h>
#include <string>

class CardSizeProbe {
public:
    // Loads `libraryPath`, calls its cdtInit and frees it again.
    explicit CardSizeProbe(const std::string& libraryPath);
    virtual ~CardSizeProbe();

    bool Valid() const { return width > 0 && height > 0; }
    int Width() const { return width; }
    int Height() const { return height; }

private:
    int width;
    int height;
};
