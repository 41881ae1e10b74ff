// The rounded card body shared by faces and backs.
#include "CardShape.h"
#include <algorithm>

void CardShape::PaintBody(SampledCanvas& canvas, COLORREF edge, COLORREF fill) {
    canvas.Clear(Outside);
    canvas.FillRoundRect(0, 0, Width, Height, CornerRadius, edge);
    canvas.FillRoundRect(1, 1, Width - 1, Height - 1, CornerRadius - 1, fill);
}

int CardShape::ScaleFor(int width) {
    const int finestWidth = Width * Scale;
    const int scale = (finestWidth + width - 1) / width;  // rounded up: never coarser than needed
    return std::max(CoarsestScale, std::min(Scale, scale));
}
