// What a board needs from the program that hosts it: the card images, the marker bitmaps and the game's state.
#pragma once
#include <windows.h>
#include <functional>
#include "game/BoardMetrics.h"
#include "game/GameEndReason.h"

struct BoardHost {
    int cardWidth = 0;
    int cardHeight = 0;
    // The layout's lengths at the display's density.
    BoardMetrics metrics;
    // Draws card image `card` in a card-library draw mode with its top-left corner at (x, y).
    std::function<void(HDC dc, int x, int y, int card, int mode, COLORREF background)> drawCard;
    // The two layers of the empty-stack marker (not owned; either may be null).
    HBITMAP ringBitmap = nullptr;
    HBITMAP outlineBitmap = nullptr;

    // The end-of-game flow for `reason`. It may run modal loops, and the window may be gone when it returns.
    std::function<void(HWND window, GameEndReason reason)> gameOver;
    std::function<bool()> isPaused;
    std::function<bool()> isGameOver;
    // Shows the level-up notice and returns when it has closed (the window may be gone by then).
    std::function<void(HWND window)> showLevelUpNotice;
};
