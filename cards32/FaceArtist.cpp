// The faces: the index in two corners, the usual pip layouts, a large ace, court cards by CourtArtist.
#include "FaceArtist.h"
#include "CardShape.h"
#include "CourtArtist.h"
#include "SuitSymbol.h"

namespace {
const char* const RankTexts[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

// Pip columns and rows (centres, card pixels).
const double Left = 21.5, Centre = 35.5, Right = 49.5;
const double Top = 19.5, Bottom = 76.5, Middle = 48;
const double PipSize = 12.5;

struct Pip {
    double x;
    double y;
};

// The pip centres of Two to Ten (rank index 1 to 9).
std::vector<Pip> PipLayout(int rank) {
    const int pipCount = rank + 1;
    const double third = (Bottom - Top) / 3;
    std::vector<Pip> pips;
    if (pipCount <= 3) {
        pips.push_back({Centre, Top});
        pips.push_back({Centre, Bottom});
        if (pipCount == 3) pips.push_back({Centre, Middle});
        return pips;
    }
    for (double x : {Left, Right}) {
        pips.push_back({x, Top});
        pips.push_back({x, Bottom});
        if (pipCount == 6 || pipCount == 7 || pipCount == 8) pips.push_back({x, Middle});
        if (pipCount >= 9) {
            pips.push_back({x, Top + third});
            pips.push_back({x, Bottom - third});
        }
    }
    if (pipCount == 5 || pipCount == 9) pips.push_back({Centre, Middle});
    if (pipCount == 7 || pipCount == 8) pips.push_back({Centre, (Top + Middle) / 2});
    if (pipCount == 8) pips.push_back({Centre, (Middle + Bottom) / 2});
    if (pipCount == 10) {
        pips.push_back({Centre, Top + third / 2});
        pips.push_back({Centre, Bottom - third / 2});
    }
    return pips;
}
}

void FaceArtist::Paint(SampledCanvas& canvas, int code) const {
    const int rank = code / 4, suit = code % 4;
    CardShape::PaintBody(canvas, RGB(96, 96, 104), RGB(255, 255, 255));
    PaintCornerIndex(canvas, rank, suit);
    if (rank == 0)
        PaintAce(canvas, suit);
    else if (rank <= 9)
        PaintPips(canvas, rank, suit);
    else
        CourtArtist(rank, suit).Paint(canvas);
}

void FaceArtist::PaintCornerIndex(SampledCanvas& canvas, int rank, int suit) const {
    const COLORREF ink = SuitSymbol::Ink(suit);
    const double x = 7.5;
    // Ten is the only two-letter index; it is squeezed to the width of the others.
    canvas.Text(RankTexts[rank], x, 0, 14, rank == 9 ? 4.8 : 0, ink);
    SuitSymbol(suit).Paint(canvas, x, 19, 8, false, ink);
    canvas.CopyTurned(0, 0, 14, 25, CardShape::Outside);
}

void FaceArtist::PaintPips(SampledCanvas& canvas, int rank, int suit) const {
    const SuitSymbol symbol(suit);
    const COLORREF ink = SuitSymbol::Ink(suit);
    for (const Pip& pip : PipLayout(rank)) symbol.Paint(canvas, pip.x, pip.y, PipSize, pip.y > Middle, ink);
}

void FaceArtist::PaintAce(SampledCanvas& canvas, int suit) const {
    const COLORREF ink = SuitSymbol::Ink(suit);
    SuitSymbol(suit).Paint(canvas, Centre, Middle, suit == 1 ? 34 : 30, false, ink);
}
