// The size of a card: 71 x 96 pixels at 96 dpi, the card library's art and the board's layout alike.
#pragma once
#include "system/DisplayScale.h"

class CardSize {
public:
    static const int BaseWidth = 71;
    static const int BaseHeight = 96;

    // The card at the density of `display`.
    explicit CardSize(const DisplayScale& display);
    virtual ~CardSize() = default;

    int Width() const { return width; }
    int Height() const { return height; }

private:
    int width;
    int height;
};
