// The shape and colour of one suit: clubs 0, diamonds 1, hearts 2, spades 3.
#pragma once
#include <windows.h>
#include <vector>
#include "SampledCanvas.h"

class SuitSymbol {
public:
    explicit SuitSymbol(int suit);
    virtual ~SuitSymbol() = default;

    static bool IsRed(int suit) { return suit == 1 || suit == 2; }
    // The ink of the suit: a deep red or a near black.
    static COLORREF Ink(int suit);

    // Paints the symbol `size` pixels tall centred on (centreX, centreY), turned half a circle when
    // upside down.
    void Paint(SampledCanvas& canvas, double centreX, double centreY, double size, bool upsideDown,
               COLORREF colour) const;

private:
    struct Disc {
        double x;
        double y;
        double radius;
    };
    void MakeClub();
    void MakeDiamond();
    void MakeHeart();
    void MakeSpade();
    void AddStem();

    // The shape at height 1 centred on the origin, y downwards.
    std::vector<std::vector<CardPoint>> outlines;
    std::vector<Disc> discs;
};
