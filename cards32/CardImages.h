// The card images at one size: the corner mask made at start, each face and the back rendered when first drawn.
#pragma once
#include <windows.h>
#include "SampledCanvas.h"
#include "system/GdiObject.h"
#include "system/MemoryDC.h"

class CardImages {
public:
    static const int FaceCount = 52;
    static const int BackImage = 52;  // the image index of back design 54
    static const int ImageCount = 53;

    // Makes the corner mask that every image of width x height pixels shares; IsReady tells whether that
    // worked. The art is drawn at that size itself, not magnified.
    CardImages(int width, int height);
    virtual ~CardImages() = default;
    CardImages(const CardImages&) = delete;
    CardImages& operator=(const CardImages&) = delete;

    bool IsReady() const { return cornerMask && source && maskSource; }
    int Width() const { return width; }
    int Height() const { return height; }

    // Copies image `image` (face code, or BackImage) at (x, y); the pixels beyond the rounded corners take
    // `colour`. The image is rendered first if it has not been yet.
    bool Draw(HDC dc, int x, int y, int image, COLORREF colour);

private:
    // A canvas finer than the images (CardShape::ScaleFor) on which the artists draw in the art's own units.
    SampledCanvas MakeCanvas() const;
    // A card-sized 32-bit bitmap: the image's colours where `onCard`, else `offCard`
    // (or, for the mask, white beyond the card and black on it).
    static HBITMAP MakeBitmap(const CardPixels& pixels, bool mask);
    // Paints image `image` at the fine scale and keeps its reduced bitmap; false when that failed.
    bool Render(int image);

    // Gives the corners of a rendered image the colour, so that drawing it is one plain copy.
    bool Recolour(int image, COLORREF colour);

    int width;
    int height;
    Bitmap images[ImageCount];
    // The colour in each image's corners; black, as rendered, until a draw asks for another.
    COLORREF cornerColours[ImageCount] = {};
    Bitmap cornerMask;
    // The device contexts of the copies: one holds an image, the other the mask.
    MemoryDC source;
    MemoryDC maskSource;
};
