// Renders each card image when it is first needed, gives its corners the colour asked for, and copies it.
#include "CardImages.h"
#include "BackArtist.h"
#include "CardShape.h"
#include "FaceArtist.h"
#include "system/MemoryDC.h"
#include "system/PixelBitmap.h"
#include "system/SelectedObject.h"

CardImages::CardImages(int width, int height)
    : width(width), height(height), source(nullptr), maskSource(nullptr) {
    // Every image has the outline of the plain card body, so the body alone gives the mask.
    SampledCanvas canvas(MakeCanvas());
    if (!canvas.IsReady()) return;
    CardShape::PaintBody(canvas, RGB(96, 96, 104), RGB(255, 255, 255));
    cornerMask.Reset(MakeBitmap(canvas.Reduce(CardShape::Outside), true));
    if (cornerMask) maskSource.Select(cornerMask);
}

SampledCanvas CardImages::MakeCanvas() const {
    return SampledCanvas(width, height, CardShape::ScaleFor(width), CardShape::Width, CardShape::Height);
}

bool CardImages::Render(int image) {
    SampledCanvas canvas(MakeCanvas());
    if (!canvas.IsReady()) return false;
    if (image == BackImage)
        BackArtist().Paint(canvas);
    else
        FaceArtist().Paint(canvas, image);
    images[image].Reset(MakeBitmap(canvas.Reduce(CardShape::Outside), false));
    cornerColours[image] = RGB(0, 0, 0);
    return static_cast<bool>(images[image]);
}

HBITMAP CardImages::MakeBitmap(const CardPixels& pixels, bool mask) {
    PixelBitmap bitmap(pixels.width, pixels.height);
    if (!bitmap) return nullptr;
    DWORD* out = bitmap.Pixels();
    for (size_t i = 0; i < pixels.colours.size(); ++i) {
        if (mask)
            out[i] = pixels.onCard[i] ? 0 : 0xFFFFFF;
        else
            out[i] = pixels.onCard[i] ? pixels.colours[i] : 0;
    }
    return bitmap.Release();
}

bool CardImages::Recolour(int image, COLORREF colour) {
    const DWORD KeepCardClearCorners = 0x00220326;  // destination AND NOT mask
    const DWORD AddBrushInCorners = 0x00EA02E9;     // destination OR (mask AND brush)
    source.Select(images[image]);
    Brush brush(CreateSolidBrush(colour));
    if (!brush) return false;
    SelectedObject selectedBrush(source, brush);
    const bool done = BitBlt(source, 0, 0, width, height, maskSource, 0, 0, KeepCardClearCorners) &&
                      BitBlt(source, 0, 0, width, height, maskSource, 0, 0, AddBrushInCorners);
    if (done) cornerColours[image] = colour;
    return done;
}

bool CardImages::Draw(HDC dc, int x, int y, int image, COLORREF colour) {
    if (!IsReady() || image < 0 || image >= ImageCount) return false;
    if (!images[image] && !Render(image)) return false;
    if (cornerColours[image] != colour && !Recolour(image, colour)) return false;
    source.Select(images[image]);
    return BitBlt(dc, x, y, width, height, source, 0, 0, SRCCOPY) != 0;
}
