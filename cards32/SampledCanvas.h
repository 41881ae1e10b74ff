// A drawing surface several times larger than a card, reduced to one card image with smooth edges.
#pragma once
#include <windows.h>
#include <vector>
#include "system/PixelBitmap.h"

struct CardPoint {
    double x;
    double y;
};

// One reduced card image: colours (0x00RRGGBB, top row first) and which pixels lie on the card.
struct CardPixels {
    int width = 0;
    int height = 0;
    std::vector<DWORD> colours;
    std::vector<unsigned char> onCard;
};

// The art is drawn in its own units, artWidth x artHeight (fractions allowed), onto an image of width x
// height pixels; the surface is `scale` times finer than the image.
class SampledCanvas {
public:
    SampledCanvas(int width, int height, int scale, double artWidth, double artHeight);
    virtual ~SampledCanvas();
    SampledCanvas(const SampledCanvas&) = delete;
    SampledCanvas& operator=(const SampledCanvas&) = delete;

    // Drawable once the surface is made and selected into the DC.
    bool IsReady() const { return originalBitmap != nullptr; }
    int Width() const { return width; }
    int Height() const { return height; }

    void Clear(COLORREF colour);
    void FillRect(double left, double top, double right, double bottom, COLORREF colour);
    void FillRoundRect(double left, double top, double right, double bottom, double radius, COLORREF colour);
    void FillPolygon(const std::vector<CardPoint>& points, COLORREF colour);
    void FillEllipse(double centreX, double centreY, double radiusX, double radiusY, COLORREF colour);
    void Line(CardPoint from, CardPoint to, double thickness, COLORREF colour);
    // Text centred on centreX with its cell's top at `top`; height and character width in card pixels.
    void Text(const char* text, double centreX, double top, double height, double charWidth, COLORREF colour);

    // Later drawing lands only inside the rounded rectangle, until Unclip.
    void ClipRoundRect(double left, double top, double right, double bottom, double radius);
    void Unclip();

    // Copies the rectangle, turned half a circle about the card's centre, onto the opposite place. Samples of
    // `outside` are neither copied nor painted over: on a card whose fine grid is not quite symmetric, the
    // corners beyond the outline stay where the outline put them.
    void CopyTurned(double left, double top, double right, double bottom, COLORREF outside);

    // Averages each scale x scale block into one pixel; a pixel belongs to the card when at most
    // half of its block shows `outside`, and only the card's samples give its colour.
    CardPixels Reduce(COLORREF outside) const;

private:
    int FineX(double artX) const;
    int FineY(double artY) const;
    DWORD& Sample(int x, int y) const { return surface.Pixels()[y * fineWidth + x]; }

    int width;
    int height;
    int scale;
    double samplesPerUnitX;
    double samplesPerUnitY;
    int fineWidth;
    int fineHeight;
    HDC dc;
    PixelBitmap surface;
    HGDIOBJ originalBitmap;
};
