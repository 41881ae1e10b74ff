// Every face and the back, rendered once into memory bitmaps, with the mask of the rounded corners.
#pragma once
#include <windows.h>
#include <vector>
#include "SampledCanvas.h"
#include "render/GdiObject.h"

class CardImages {
public:
    static const int FaceCount = 52;
    static const int BackImage = 52;  // the image index of back design 54

    // Renders all 53 images; IsReady tells whether that worked.
    CardImages();
    virtual ~CardImages() = default;
    CardImages(const CardImages&) = delete;
    CardImages& operator=(const CardImages&) = delete;

    bool IsReady() const { return ready; }

    // Copies image `image` (face code, or BackImage) scaled to width x height at (x, y); the pixels
    // beyond the rounded corners take `colour`.
    bool Draw(HDC dc, int x, int y, int width, int height, int image, COLORREF colour) const;

private:
    // A card-sized 32-bit bitmap: the image's colours where `onCard`, else `offCard`
    // (or, for the mask, white beyond the card and black on it).
    static HBITMAP MakeBitmap(const CardPixels& pixels, bool mask);

    std::vector<Bitmap> images;
    Bitmap cornerMask;
    bool ready = false;
};
