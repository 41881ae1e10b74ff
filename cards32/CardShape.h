// The size and the rounded outline every card image shares.
#pragma once
#include <windows.h>
#include "SampledCanvas.h"
#include "system/CardSize.h"

class CardShape {
public:
    static const int Width = CardSize::BaseWidth;
    static const int Height = CardSize::BaseHeight;
    // How many times finer than the card the artists draw, at the card's own size and below.
    static const int Scale = 4;
    // A larger card is drawn less finely, down to this, so that its canvas stays about as wide as the
    // finest one of the card's own size: the rendering time stays that of one such card.
    static const int CoarsestScale = 2;
    // The colour that marks the canvas outside the rounded corners; no artist paints with it.
    static const COLORREF Outside = RGB(255, 0, 255);

    virtual ~CardShape() = default;

    // Clears the canvas to Outside and lays a card body with a thin edge of `edge` and a `fill` inside.
    static void PaintBody(SampledCanvas& canvas, COLORREF edge, COLORREF fill);
    // How many times finer than a card `width` pixels wide its canvas is.
    static int ScaleFor(int width);

    static constexpr double CornerRadius = 4.5;
};
