// Paints the framed, double-ended figure of a Jack, Queen or King.
#pragma once
#include <windows.h>
#include "SampledCanvas.h"

class CourtArtist {
public:
    // rank: 10 Jack, 11 Queen, 12 King; suit 0 to 3.
    CourtArtist(int rank, int suit);
    virtual ~CourtArtist() = default;

    void Paint(SampledCanvas& canvas) const;

private:
    void PaintFrame(SampledCanvas& canvas) const;
    void PaintLetter(SampledCanvas& canvas) const;
    void PaintBody(SampledCanvas& canvas) const;
    void PaintHead(SampledCanvas& canvas) const;
    void PaintKing(SampledCanvas& canvas) const;
    void PaintQueen(SampledCanvas& canvas) const;
    void PaintJack(SampledCanvas& canvas) const;

    int rank;
    int suit;
    COLORREF ink;
};
