// The back: white margin, a dark blue field with a light blue frame, a diagonal lattice and a medallion.
#include "BackArtist.h"
#include "CardShape.h"

namespace {
const COLORREF DarkBlue = RGB(22, 54, 132);
const COLORREF LightBlue = RGB(96, 146, 224);
const double FieldLeft = 6.5, FieldTop = 6.5;
const double FieldRight = CardShape::Width - 6.5, FieldBottom = CardShape::Height - 6.5;
const double CentreX = CardShape::Width / 2.0, CentreY = CardShape::Height / 2.0;
}

void BackArtist::Paint(SampledCanvas& canvas) const {
    CardShape::PaintBody(canvas, RGB(96, 96, 104), RGB(255, 255, 255));
    canvas.FillRoundRect(3.5, 3.5, CardShape::Width - 3.5, CardShape::Height - 3.5, 3, DarkBlue);
    canvas.FillRoundRect(5.2, 5.2, CardShape::Width - 5.2, CardShape::Height - 5.2, 2, LightBlue);
    canvas.FillRoundRect(FieldLeft, FieldTop, FieldRight, FieldBottom, 1.5, DarkBlue);
    canvas.ClipRoundRect(FieldLeft, FieldTop, FieldRight, FieldBottom, 1.5);
    PaintLattice(canvas);
    canvas.Unclip();
    PaintMedallion(canvas);
}

void BackArtist::PaintLattice(SampledCanvas& canvas) const {
    const double pitch = 6;
    const double span = CardShape::Width + CardShape::Height;
    // Lines through the centre's diagonals, so the pattern sits symmetrically on the card.
    for (double offset = -span; offset <= span; offset += pitch) {
        canvas.Line({CentreX + offset - span, CentreY - span}, {CentreX + offset + span, CentreY + span}, 0.9,
                    LightBlue);
        canvas.Line({CentreX + offset + span, CentreY - span}, {CentreX + offset - span, CentreY + span}, 0.9,
                    LightBlue);
    }
    for (double dy = -span; dy <= span; dy += pitch) {
        for (double dx = -span; dx <= span; dx += pitch) {
            // The middles of the lattice's diamonds carry a small dot.
            canvas.FillEllipse(CentreX + dx, CentreY + dy + pitch / 2, 0.9, 0.9, LightBlue);
        }
    }
}

void BackArtist::PaintMedallion(SampledCanvas& canvas) const {
    canvas.FillEllipse(CentreX, CentreY, 15, 20, LightBlue);
    canvas.FillEllipse(CentreX, CentreY, 13.8, 18.8, DarkBlue);
    canvas.FillEllipse(CentreX, CentreY, 12, 17, RGB(255, 255, 255));
    canvas.FillEllipse(CentreX, CentreY, 11, 16, DarkBlue);
    canvas.FillPolygon({{CentreX, CentreY - 12}, {CentreX + 7.5, CentreY}, {CentreX, CentreY + 12},
                        {CentreX - 7.5, CentreY}},
                       LightBlue);
    canvas.FillPolygon({{CentreX, CentreY - 7.5}, {CentreX + 4.5, CentreY}, {CentreX, CentreY + 7.5},
                        {CentreX - 4.5, CentreY}},
                       RGB(255, 255, 255));
}
