// The lengths of the board's layout at one display density: the tick, and every length derived from it.
#pragma once
#include "system/DisplayScale.h"

// The vertical grid rests on the tick: a card step is two ticks, a drop step four, and a new card enters
// twelve card steps before the stack bases.
const int TicksPerCardStep = 2;
const int TicksPerDropStep = 4;
const int CardStepsOfEntry = 12;

// The lengths at 96 dpi that the others derive from.
const int TickStep = 12;   // pixels a falling card moves per tick
const int ColumnGap = 20;  // pixels between two stacks

struct BoardMetrics {
    // The lengths at the display's density. The tick is rounded to whole pixels and the vertical grid
    // is made of whole ticks, so a card lands after the same number of ticks at every density.
    explicit BoardMetrics(const DisplayScale& display = DisplayScale());

    DisplayScale display;       // the density the lengths are for
    int tick;
    int cardStep;
    int dropStep;
    int entryDistance;          // a new card enters this far before the stack bases: twelve card steps
    int columnGap;
    int rowSideMargin;          // x0 lies this far left of a row of five bare cards centred: two gaps
    int edgeMargin;             // from the top of the client area to the nearer end of the play area
    int textMargin;             // between a caption and the card it belongs to
    int playerCaptionOverlap;   // a player caption lies this far into the next card's place
};
