// The card's size at a display density.
#include "system/CardSize.h"

CardSize::CardSize(const DisplayScale& display)
    : width(display.Scale(BaseWidth)), height(display.Scale(BaseHeight)) {}
