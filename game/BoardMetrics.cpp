// Derives the board's layout lengths from the display's density, all in this one place.
#include "game/BoardMetrics.h"

namespace {
const int EdgeMargin = 20;
const int TextMargin = 4;
}  // namespace

BoardMetrics::BoardMetrics(const DisplayScale& display)
    : display(display),
      tick(display.Scale(TickStep)),
      cardStep(TicksPerCardStep * tick),
      dropStep(TicksPerDropStep * tick),
      entryDistance(CardStepsOfEntry * cardStep),
      columnGap(display.Scale(ColumnGap)),
      rowSideMargin(2 * columnGap),
      edgeMargin(display.Scale(EdgeMargin)),
      textMargin(display.Scale(TextMargin)),
      playerCaptionOverlap(cardStep - textMargin) {}
