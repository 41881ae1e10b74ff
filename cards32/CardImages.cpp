// Renders each card image when it is first needed and composes it with the corner mask when drawn.
#include "CardImages.h"
#include "BackArtist.h"
#include "CardShape.h"
#include "FaceArtist.h"
#include "render/MemoryDC.h"
#include "render/SelectedObject.h"

CardImages::CardImages() {
    // Every image has the outline of the plain card body, so the body alone gives the mask.
    SampledCanvas canvas(CardShape::Width, CardShape::Height, CardShape::Scale);
    if (!canvas.IsReady()) return;
    CardShape::PaintBody(canvas, RGB(96, 96, 104), RGB(255, 255, 255));
    cornerMask.Reset(MakeBitmap(canvas.Reduce(CardShape::Outside), true));
}

bool CardImages::Render(int image) {
    SampledCanvas canvas(CardShape::Width, CardShape::Height, CardShape::Scale);
    if (!canvas.IsReady()) return false;
    if (image == BackImage)
        BackArtist().Paint(canvas);
    else
        FaceArtist().Paint(canvas, image);
    images[image].Reset(MakeBitmap(canvas.Reduce(CardShape::Outside), false));
    return static_cast<bool>(images[image]);
}

HBITMAP CardImages::MakeBitmap(const CardPixels& pixels, bool mask) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = -pixels.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    DWORD* out = static_cast<DWORD*>(bits);
    for (size_t i = 0; i < pixels.colours.size(); ++i) {
        if (mask)
            out[i] = pixels.onCard[i] ? 0 : 0xFFFFFF;
        else
            out[i] = pixels.onCard[i] ? pixels.colours[i] : 0;
    }
    return bitmap;
}

bool CardImages::Draw(HDC dc, int x, int y, int width, int height, int image, COLORREF colour) {
    if (!IsReady() || image < 0 || image >= ImageCount) return false;
    if (!images[image] && !Render(image)) return false;
    MemoryDC source(dc);
    if (!source) return false;
    Brush brush(CreateSolidBrush(colour));
    SelectedObject selectedBrush(dc, brush);
    const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
    const bool unscaled = width == CardShape::Width && height == CardShape::Height;
    // First the corners take the colour and the card's place turns black (brush AND mask),
    // then the image, black beyond its corners, is ORed in.
    auto copy = [&](DWORD rasterOperation) {
        if (unscaled) return BitBlt(dc, x, y, width, height, source, 0, 0, rasterOperation) != 0;
        return StretchBlt(dc, x, y, width, height, source, 0, 0, CardShape::Width, CardShape::Height,
                          rasterOperation) != 0;
    };
    source.Select(cornerMask);
    bool drawn = copy(MERGECOPY);
    source.Select(images[image]);
    drawn = copy(SRCPAINT) && drawn;
    if (previousMode) SetStretchBltMode(dc, previousMode);
    return drawn;
}
