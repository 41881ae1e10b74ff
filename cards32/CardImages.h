// The card images: the corner mask made at start, each face and the back rendered the first time it is drawn.
#pragma once
#include <windows.h>
#include "SampledCanvas.h"
#include "render/GdiObject.h"
#include "render/MemoryDC.h"

class CardImages {
public:
    static const int FaceCount = 52;
    static const int BackImage = 52;  // the image index of back design 54
    static const int ImageCount = 53;

    // Makes the corner mask that every image shares; IsReady tells whether that worked.
    CardImages();
    virtual ~CardImages() = default;
    CardImages(const CardImages&) = delete;
    CardImages& operator=(const CardImages&) = delete;

    bool IsReady() const { return cornerMask && source && maskSource; }

    // Copies image `image` (face code, or BackImage) scaled to width x height at (x, y); the pixels
    // beyond the rounded corners take `colour`. The image is rendered first if it has not been yet.
    bool Draw(HDC dc, int x, int y, int width, int height, int image, COLORREF colour);

private:
    // A card-sized 32-bit bitmap: the image's colours where `onCard`, else `offCard`
    // (or, for the mask, white beyond the card and black on it).
    static HBITMAP MakeBitmap(const CardPixels& pixels, bool mask);
    // Paints image `image` at the fine scale and keeps its reduced bitmap; false when that failed.
    bool Render(int image);

    // Gives the corners of a rendered image the colour, so that drawing it is one plain copy.
    bool Recolour(int image, COLORREF colour);

    Bitmap images[ImageCount];
    // The colour in each image's corners; black, as rendered, until a draw asks for another.
    COLORREF cornerColours[ImageCount] = {};
    Bitmap cornerMask;
    // The device contexts of the copies: one holds an image, the other the mask.
    MemoryDC source;
    MemoryDC maskSource;
};
