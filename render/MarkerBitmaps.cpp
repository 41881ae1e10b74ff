// Loads the marker's bitmap set drawn for the density, or draws its two layers at the card's size from the shapes
// that resources/make_bitmaps.py draws the sets from.
#include "render/MarkerBitmaps.h"
#include <algorithm>
#include "resources/ResourceIds.h"
#include "system/PixelBitmap.h"

namespace {
const DWORD White = 0xFFFFFF;
const DWORD LightGrey = 0xC0C0C0;
const DWORD Black = 0x000000;

// The marker bitmaps the executable carries for a density.
struct MarkerBitmapSet {
    int dpi;
    int ring;
    int outline;
};
const MarkerBitmapSet MarkerBitmapSets[] = {
    {DisplayScale::BaseDpi, IDB_RING, IDB_OUTLINE},
    {144, IDB_RING_144, IDB_OUTLINE_144},
    {192, IDB_RING_192, IDB_OUTLINE_192},
};

// A width x height 32-bit bitmap whose pixels `colourAt(x, y)` gives (0x00RRGGBB); null when it cannot be made.
template <typename ColourAt>
HBITMAP DrawLayer(int width, int height, ColourAt colourAt) {
    PixelBitmap layer(width, height);
    if (!layer) return nullptr;
    DWORD* pixel = layer.Pixels();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) *pixel++ = colourAt(x, y);
    return layer.Release();
}

// The ring: at 96 dpi 7 pixels thick over columns 7 to 63 and rows 17 to 77 of the 70 x 95 layer.
HBITMAP DrawRing(const DisplayScale& display, int width, int height) {
    const int left = display.Scale(7), right = width - 1 - display.Scale(6);
    const int top = display.Scale(17), bottom = height - 1 - display.Scale(17);
    const int thickness = display.Scale(7);
    const double centreX = (left + right) / 2.0, centreY = (top + bottom) / 2.0;
    const double outerX = (right - left + 1) / 2.0, outerY = (bottom - top + 1) / 2.0;
    const double innerX = outerX - thickness, innerY = outerY - thickness;
    const auto inside = [&](int x, int y, double radiusX, double radiusY) {
        const double dx = (x - centreX) / radiusX, dy = (y - centreY) / radiusY;
        return dx * dx + dy * dy <= 1;
    };
    return DrawLayer(width, height, [&](int x, int y) {
        return inside(x, y, outerX, outerY) && !inside(x, y, innerX, innerY) ? LightGrey : White;
    });
}

// The border: at 96 dpi one pixel wide, its corners cut by two pixels.
HBITMAP DrawOutline(const DisplayScale& display, int width, int height) {
    const int line = display.Scale(1), cut = display.Scale(2);
    return DrawLayer(width, height, [&](int x, int y) {
        const int dx = std::min(x, width - 1 - x), dy = std::min(y, height - 1 - y);
        const bool onBorder = dx + dy >= cut && (dx < line || dy < line || dx + dy < cut + line);
        return onBorder ? Black : White;
    });
}

bool IsOfSize(HBITMAP bitmap, int width, int height) {
    BITMAP info = {};
    return bitmap && GetObjectW(bitmap, sizeof info, &info) && info.bmWidth == width && info.bmHeight == height;
}
}  // namespace

MarkerBitmaps::MarkerBitmaps(HINSTANCE instance, const DisplayScale& display, int cardWidth, int cardHeight) {
    const int width = cardWidth - 1, height = cardHeight - 1;
    for (const MarkerBitmapSet& set : MarkerBitmapSets)
        if (set.dpi == display.Dpi() && Load(instance, set.ring, set.outline, width, height)) return;
    *this = Drawn(display, cardWidth, cardHeight);
}

MarkerBitmaps MarkerBitmaps::Drawn(const DisplayScale& display, int cardWidth, int cardHeight) {
    MarkerBitmaps drawn;
    drawn.ring.Reset(DrawRing(display, cardWidth - 1, cardHeight - 1));
    drawn.outline.Reset(DrawOutline(display, cardWidth - 1, cardHeight - 1));
    return drawn;
}

bool MarkerBitmaps::Load(HINSTANCE instance, int ringId, int outlineId, int width, int height) {
    Bitmap loadedRing(LoadBitmapW(instance, MAKEINTRESOURCEW(ringId)));
    Bitmap loadedOutline(LoadBitmapW(instance, MAKEINTRESOURCEW(outlineId)));
    if (!IsOfSize(loadedRing, width, height) || !IsOfSize(loadedOutline, width, height)) return false;
    ring = std::move(loadedRing);
    outline = std::move(loadedOutline);
    return true;
}
