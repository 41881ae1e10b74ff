// Renders the card images at start and composes them with the corner mask when drawn.
#include "CardImages.h"
#include <cstring>
#include "BackArtist.h"
#include "CardShape.h"
#include "FaceArtist.h"
#include "render/MemoryDC.h"
#include "render/SelectedObject.h"

CardImages::CardImages() {
    SampledCanvas canvas(CardShape::Width, CardShape::Height, CardShape::Scale);
    if (!canvas.IsReady()) return;
    const FaceArtist faces;
    for (int code = 0; code < FaceCount; ++code) {
        faces.Paint(canvas, code);
        images.emplace_back(MakeBitmap(canvas.Reduce(CardShape::Outside), false));
    }
    BackArtist().Paint(canvas);
    const CardPixels back = canvas.Reduce(CardShape::Outside);
    images.emplace_back(MakeBitmap(back, false));
    cornerMask.Reset(MakeBitmap(back, true));

    ready = static_cast<bool>(cornerMask);
    for (const Bitmap& image : images) ready = ready && image;
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

bool CardImages::Draw(HDC dc, int x, int y, int width, int height, int image, COLORREF colour) const {
    if (!ready || image < 0 || image >= static_cast<int>(images.size())) return false;
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
