// The rounded card body shared by faces and backs.
#include "CardShape.h"

void CardShape::PaintBody(SampledCanvas& canvas, COLORREF edge, COLORREF fill) {
    canvas.Clear(Outside);
    canvas.FillRoundRect(0, 0, Width, Height, CornerRadius, edge);
    canvas.FillRoundRect(1, 1, Width - 1, Height - 1, CornerRadius - 1, fill);
}
