// Paints the face of a card: corner indices, pips for Ace to Ten, framed figures for the court cards.
#pragma once
#include "SampledCanvas.h"

class FaceArtist {
public:
    virtual ~FaceArtist() = default;

    // Paints card `code` (rank index x 4 + suit, 0 to 51) over the whole canvas.
    void Paint(SampledCanvas& canvas, int code) const;

private:
    void PaintCornerIndex(SampledCanvas& canvas, int rank, int suit) const;
    void PaintPips(SampledCanvas& canvas, int rank, int suit) const;
    void PaintAce(SampledCanvas& canvas, int suit) const;
};
