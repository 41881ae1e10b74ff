// Court cards: a cream frame, the rank letter and suit, and a figure that is mirrored into the lower half.
#include "CourtArtist.h"
#include "CardShape.h"
#include "SuitSymbol.h"

namespace {
const double FrameLeft = 14, FrameTop = 10, FrameRight = 57, FrameBottom = 86;
const double HalfLine = 48;  // the card's middle row
const double FigureX = 36.5;
const double ItemX = 51.5;  // sceptre, flower or halberd

const COLORREF Cream = RGB(252, 247, 232);
const COLORREF Gold = RGB(232, 182, 44);
const COLORREF Skin = RGB(250, 222, 192);
const COLORREF Feature = RGB(60, 50, 50);
}

CourtArtist::CourtArtist(int rank, int suit) : rank(rank), suit(suit), ink(SuitSymbol::Ink(suit)) {}

void CourtArtist::Paint(SampledCanvas& canvas) const {
    PaintFrame(canvas);
    canvas.ClipRoundRect(FrameLeft + 1, FrameTop + 1, FrameRight - 1, HalfLine, 0);
    PaintLetter(canvas);
    if (rank == 12) PaintKing(canvas);
    if (rank == 11) PaintQueen(canvas);
    if (rank == 10) PaintJack(canvas);
    canvas.Unclip();
    canvas.CopyTurned(FrameLeft, FrameTop, FrameRight, HalfLine, CardShape::Outside);
    canvas.FillRect(FrameLeft, HalfLine - 1, FrameRight, HalfLine, ink);
}

void CourtArtist::PaintFrame(SampledCanvas& canvas) const {
    canvas.FillRect(FrameLeft, FrameTop, FrameRight, FrameBottom, ink);
    canvas.FillRect(FrameLeft + 1, FrameTop + 1, FrameRight - 1, FrameBottom - 1, Cream);
}

void CourtArtist::PaintLetter(SampledCanvas& canvas) const {
    static const char* const Letters[3] = {"J", "Q", "K"};
    canvas.Text(Letters[rank - 10], 20.5, 9.5, 14, 0, ink);
    SuitSymbol(suit).Paint(canvas, 20.5, 29.5, 8, false, ink);
}

void CourtArtist::PaintBody(SampledCanvas& canvas) const {
    const double x = FigureX;
    canvas.FillPolygon({{x - 13, HalfLine + 1}, {x - 11, 39}, {x - 6, 35.2}, {x + 6, 35.2}, {x + 11, 39},
                        {x + 13, HalfLine + 1}},
                       ink);
    // A gold collar and a white suit sign on the chest.
    canvas.FillPolygon({{x - 6.5, 35}, {x + 6.5, 35}, {x + 4.5, 38.2}, {x, 39.6}, {x - 4.5, 38.2}}, Gold);
    SuitSymbol(suit).Paint(canvas, x, 43.5, 6, false, RGB(255, 255, 255));
    canvas.FillRect(x - 2.2, 32, x + 2.2, 35.5, Skin);
}

void CourtArtist::PaintHead(SampledCanvas& canvas) const {
    const double x = FigureX;
    canvas.FillEllipse(x, 27.5, 5, 5.6, Skin);
    canvas.FillEllipse(x - 2, 27, 0.75, 0.75, Feature);
    canvas.FillEllipse(x + 2, 27, 0.75, 0.75, Feature);
    canvas.Line({x - 1.3, 30.6}, {x + 1.3, 30.6}, 0.7, SuitSymbol::IsRed(suit) ? ink : Feature);
}

void CourtArtist::PaintKing(SampledCanvas& canvas) const {
    const double x = FigureX;
    PaintBody(canvas);
    PaintHead(canvas);
    // A white beard under the chin.
    canvas.FillPolygon({{x - 5, 28.6}, {x - 3.5, 32.5}, {x, 35.5}, {x + 3.5, 32.5}, {x + 5, 28.6},
                        {x + 2.5, 30.2}, {x - 2.5, 30.2}},
                       RGB(226, 226, 232));
    // A crown of three points with pearls and a jewel in its band.
    canvas.FillPolygon({{x - 5.8, 23}, {x - 6.2, 15.5}, {x - 3, 19}, {x, 13.5}, {x + 3, 19}, {x + 6.2, 15.5},
                        {x + 5.8, 23}},
                       Gold);
    for (double dx : {-6.2, 0.0, 6.2}) canvas.FillEllipse(x + dx, dx == 0 ? 13.2 : 15.2, 1.1, 1.1, Gold);
    canvas.FillRect(x - 5.8, 21, x + 5.8, 23, ink);
    canvas.FillEllipse(x, 22, 0.9, 0.9, Gold);
    // The sceptre.
    canvas.Line({ItemX, 18}, {ItemX, HalfLine}, 1.6, Gold);
    canvas.FillEllipse(ItemX, 16.5, 2.3, 2.3, Gold);
    canvas.Line({ItemX, 13}, {ItemX, 15}, 0.8, ink);
    canvas.Line({ItemX - 1, 13.8}, {ItemX + 1, 13.8}, 0.8, ink);
}

void CourtArtist::PaintQueen(SampledCanvas& canvas) const {
    const double x = FigureX;
    const COLORREF hair = RGB(176, 122, 46);
    // Long hair falls behind the head to the shoulders.
    canvas.FillEllipse(x, 28, 7.2, 7.8, hair);
    canvas.FillPolygon({{x - 7.2, 28}, {x - 8, 38}, {x + 8, 38}, {x + 7.2, 28}}, hair);
    PaintBody(canvas);
    PaintHead(canvas);
    canvas.FillPolygon({{x - 5, 25.5}, {x - 4, 22}, {x, 21.5}, {x + 4, 22}, {x + 5, 25.5}, {x, 23.5}}, hair);
    // A coronet of arches with a jewel.
    canvas.FillPolygon({{x - 5, 22.5}, {x - 5, 18.5}, {x - 2.5, 20.5}, {x, 17}, {x + 2.5, 20.5}, {x + 5, 18.5},
                        {x + 5, 22.5}},
                       Gold);
    canvas.FillEllipse(x, 20.8, 1, 1, ink);
    // A flower in the suit's colour.
    canvas.Line({ItemX, 22}, {ItemX, HalfLine}, 1, RGB(46, 128, 64));
    canvas.FillPolygon({{ItemX, 32}, {ItemX + 3.5, 29}, {ItemX + 1, 33.5}}, RGB(46, 128, 64));
    for (int petal = 0; petal < 5; ++petal) {
        static const double dx[5] = {0, 2.3, 1.4, -1.4, -2.3}, dy[5] = {-2.4, -0.7, 2, 2, -0.7};
        canvas.FillEllipse(ItemX + dx[petal], 19.5 + dy[petal], 1.7, 1.7, ink);
    }
    canvas.FillEllipse(ItemX, 19.5, 1.2, 1.2, Gold);
}

void CourtArtist::PaintJack(SampledCanvas& canvas) const {
    const double x = FigureX;
    canvas.FillEllipse(x, 27, 5.8, 6.2, RGB(92, 62, 34));  // short hair
    PaintBody(canvas);
    PaintHead(canvas);
    // A flat cap with a gold feather.
    canvas.FillPolygon({{x - 2, 20.5}, {x - 5.5, 17}, {x - 8.5, 12.5}, {x - 6.5, 17.5}, {x - 3.5, 21}}, Gold);
    canvas.FillEllipse(x - 0.5, 20.2, 5.5, 3.6, ink);
    canvas.FillEllipse(x - 0.5, 22.6, 7.2, 1.8, ink);
    // A halberd.
    const COLORREF steel = RGB(168, 174, 186);
    canvas.Line({ItemX, 15}, {ItemX, HalfLine}, 1.2, RGB(128, 92, 52));
    canvas.FillPolygon({{ItemX, 11.5}, {ItemX + 1.2, 16}, {ItemX - 1.2, 16}}, steel);
    canvas.FillPolygon({{ItemX + 0.5, 17}, {ItemX + 3.8, 16}, {ItemX + 3.8, 23}, {ItemX + 0.5, 22}}, steel);
    canvas.FillPolygon({{ItemX - 0.5, 18}, {ItemX - 3, 19.5}, {ItemX - 0.5, 21}}, steel);
}
