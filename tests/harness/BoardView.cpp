// The board's geometry as the game lays it out, and finding cards in captured pixels.
#include "BoardView.h"

namespace {
// The gap between two stacks, the base of a stack from the top of the client area (falling down and upside
// down), the height where a card enters above the base (24 ticks), and the step between two cards of a stack.
const BoardView::Lengths KnownLengths[] = {
    {96, 20, 308, 20, 288, 24},
    {120, 25, 385, 25, 360, 30},
    {144, 30, 462, 30, 432, 36},
};
}

const BoardView::Lengths* BoardView::At(int dpi) {
    for (const Lengths& known : KnownLengths)
        if (known.dpi == dpi) return &known;
    return nullptr;
}

BoardView::BoardView(const RECT& client, int cardWidth, int cardHeight, int upDown)
    : BoardView(client, cardWidth, cardHeight, upDown, KnownLengths[0]) {}

BoardView::BoardView(const RECT& client, int cardWidth, int cardHeight, int upDown, const Lengths& lengths)
    : lengths(lengths),
      // Five cards and four gaps, centred.
      left0((client.left + client.right) / 2 - (5 * cardWidth) / 2 - 2 * lengths.columnGap),
      spawnY(0), baseY(0), cardWidth(cardWidth), cardHeight(cardHeight), upDown(upDown) {
    baseY = client.top + (upDown == -1 ? lengths.upsideDownBase : lengths.uprightBase);
    spawnY = baseY - lengths.entryDistance * upDown;
}

BoardView::~BoardView() {}

int BoardView::ColumnLeft(int column) const { return left0 + column * (cardWidth + lengths.columnGap); }

RECT BoardView::CardRect(int column, int top) const {
    const int left = ColumnLeft(column);
    return {left, top, left + cardWidth, top + cardHeight};
}

RECT BoardView::StackCardRect(int column, int n) const {
    return CardRect(column, baseY - lengths.cardStep * n * upDown);
}

RECT BoardView::StackStripRect(int column, int n) const {
    RECT strip = StackCardRect(column, n);
    if (upDown == -1) strip.top = strip.bottom - lengths.cardStep;
    else strip.bottom = strip.top + lengths.cardStep;
    return strip;
}

COLORREF BoardView::Background(const ClientCapture& capture) {
    return capture.Pixel(0, capture.Height() - 1);
}

bool BoardView::RowHasCard(const ClientCapture& capture, int column, int y, COLORREF background) const {
    const int left = ColumnLeft(column);
    const RECT row = {left, y, left + cardWidth, y + 1};
    return capture.CountDifferent(row, background) >= cardWidth / 2;
}

int BoardView::LeadingEdge(const ClientCapture& capture, int column) const {
    const COLORREF background = Background(capture);
    if (upDown == -1) {
        for (int y = spawnY + cardHeight - 1; y >= baseY; --y)
            if (RowHasCard(capture, column, y, background)) return y;
    } else {
        for (int y = spawnY; y < baseY + cardHeight; ++y)
            if (RowHasCard(capture, column, y, background)) return y;
    }
    return -1;
}

int BoardView::TopFromEdge(int edge) const {
    if (edge < 0) return -1;
    return upDown == -1 ? edge - cardHeight + 1 : edge;
}

CardSpot BoardView::FindFallingCard(const ClientCapture& capture) const {
    CardSpot best = {-1, -1};
    int bestDistance = 0;
    bool tie = false;
    for (int column = 0; column < Columns; ++column) {
        const int edge = LeadingEdge(capture, column);
        if (edge < 0) continue;
        const int distance = (edge - (upDown == -1 ? spawnY + cardHeight - 1 : spawnY)) * upDown;
        if (best.column >= 0 && distance == bestDistance) tie = true;
        if (best.column < 0 || distance < bestDistance) {
            best = {column, TopFromEdge(edge)};
            bestDistance = distance;
            tie = false;
        }
    }
    if (tie) return {-1, -1};
    return best;
}

bool BoardView::HoldsCard(const ClientCapture& capture, const RECT& place) const {
    const int area = (place.right - place.left) * (place.bottom - place.top);
    return capture.CountDifferent(place, Background(capture)) * 2 > area;
}
