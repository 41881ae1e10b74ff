// Where the board lies in the game's client area, and where cards are in a capture of it.
#pragma once
#include <windows.h>
#include "ClientCapture.h"

struct CardSpot {
    int column;  // 0..4; -1 when no falling card could be told apart
    int top;     // top edge of the card in client pixels
};

class BoardView {
public:
    static constexpr int Columns = 5;
    // At 96 dpi, where the end-to-end tests run: one tick and one step of a drop.
    static constexpr int TickPixels = 12;
    static constexpr int DropPixels = 48;

    // The lengths of the board at one display density.
    struct Lengths {
        int dpi;
        int columnGap, uprightBase, upsideDownBase, entryDistance, cardStep;
    };
    // The lengths at `dpi`; null for a density the tests know no lengths of.
    static const Lengths* At(int dpi);

    // The layout the game makes for this client area, card size and direction of fall (+1 or -1), at 96 dpi
    // or at `lengths`.
    BoardView(const RECT& client, int cardWidth, int cardHeight, int upDown);
    BoardView(const RECT& client, int cardWidth, int cardHeight, int upDown, const Lengths& lengths);
    virtual ~BoardView();

    int ColumnLeft(int column) const;
    int SpawnY() const { return spawnY; }
    int BaseY() const { return baseY; }
    int CardWidth() const { return cardWidth; }
    int CardHeight() const { return cardHeight; }
    RECT CardRect(int column, int top) const;
    // The place of the n-th card of a stack (0 = the base card, which covers the empty-stack marker).
    RECT StackCardRect(int column, int n) const;
    // The 24-pixel strip of the n-th card of a stack that stays in view when the next card lies on it.
    RECT StackStripRect(int column, int n) const;

    // The background colour, read from the bottom-left client pixel, which nothing draws over.
    static COLORREF Background(const ClientCapture& capture);
    // The first row of a card met in a column when scanning from the entry height towards the stacks:
    // the card's top edge when cards fall down, its bottom edge upside down; -1 when the column is empty.
    int LeadingEdge(const ClientCapture& capture, int column) const;
    int TopFromEdge(int edge) const;
    // The falling card: the card nearest the entry height over all columns. Valid while every
    // stack is lower than the falling card, as in the first moves of a game.
    CardSpot FindFallingCard(const ClientCapture& capture) const;
    // True when the place holds a card face rather than the empty-stack marker (mostly background).
    bool HoldsCard(const ClientCapture& capture, const RECT& place) const;

private:
    bool RowHasCard(const ClientCapture& capture, int column, int y, COLORREF background) const;

    Lengths lengths;
    int left0;
    int spawnY;
    int baseY;
    int cardWidth;
    int cardHeight;
    int upDown;
};
