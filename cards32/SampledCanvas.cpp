// The fine drawing surface of one card: GDI shapes on a DIB section, reduced by block averages.
#include "SampledCanvas.h"
#include <algorithm>
#include <cmath>
#include <cstring>
#include "system/GdiObject.h"
#include "system/SelectedObject.h"

namespace {
DWORD ToDibColour(COLORREF colour) {
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}
}

SampledCanvas::SampledCanvas(int width, int height, int scale, double artWidth, double artHeight)
    : width(width), height(height), scale(scale), samplesPerUnitX(width * scale / artWidth),
      samplesPerUnitY(height * scale / artHeight), fineWidth(width * scale), fineHeight(height * scale),
      dc(CreateCompatibleDC(nullptr)), surface(fineWidth, fineHeight), originalBitmap(nullptr) {
    if (!dc || !surface) return;
    originalBitmap = SelectObject(dc, surface.Get());
    SetPolyFillMode(dc, WINDING);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_CENTER | TA_TOP);
}

// The surface is let go after this, once the DC no longer holds it.
SampledCanvas::~SampledCanvas() {
    if (!dc) return;
    SelectClipRgn(dc, nullptr);
    if (originalBitmap) SelectObject(dc, originalBitmap);
    DeleteDC(dc);
}

int SampledCanvas::FineX(double artX) const { return static_cast<int>(std::lround(artX * samplesPerUnitX)); }

int SampledCanvas::FineY(double artY) const { return static_cast<int>(std::lround(artY * samplesPerUnitY)); }

void SampledCanvas::Clear(COLORREF colour) {
    GdiFlush();
    const DWORD value = ToDibColour(colour);
    std::fill_n(surface.Pixels(), fineWidth * fineHeight, value);
}

void SampledCanvas::FillRect(double left, double top, double right, double bottom, COLORREF colour) {
    RECT area = {FineX(left), FineY(top), FineX(right), FineY(bottom)};
    Brush brush(CreateSolidBrush(colour));
    ::FillRect(dc, &area, brush);
}

void SampledCanvas::FillRoundRect(double left, double top, double right, double bottom, double radius,
                                  COLORREF colour) {
    Brush brush(CreateSolidBrush(colour));
    SelectedObject selectedBrush(dc, brush);
    SelectedObject noPen(dc, GetStockObject(NULL_PEN));
    // A null pen leaves the right and bottom edges out, so they go one sample further.
    RoundRect(dc, FineX(left), FineY(top), FineX(right) + 1, FineY(bottom) + 1, FineX(2 * radius), FineY(2 * radius));
}

void SampledCanvas::FillPolygon(const std::vector<CardPoint>& points, COLORREF colour) {
    if (points.size() < 3) return;
    std::vector<POINT> fine;
    fine.reserve(points.size());
    for (const CardPoint& p : points) fine.push_back({FineX(p.x), FineY(p.y)});
    Brush brush(CreateSolidBrush(colour));
    SelectedObject selectedBrush(dc, brush);
    SelectedObject noPen(dc, GetStockObject(NULL_PEN));
    Polygon(dc, fine.data(), static_cast<int>(fine.size()));
}

void SampledCanvas::FillEllipse(double centreX, double centreY, double radiusX, double radiusY,
                                COLORREF colour) {
    Brush brush(CreateSolidBrush(colour));
    SelectedObject selectedBrush(dc, brush);
    SelectedObject noPen(dc, GetStockObject(NULL_PEN));
    Ellipse(dc, FineX(centreX - radiusX), FineY(centreY - radiusY), FineX(centreX + radiusX) + 1,
            FineY(centreY + radiusY) + 1);
}

void SampledCanvas::Line(CardPoint from, CardPoint to, double thickness, COLORREF colour) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length <= 0) return;
    const double nx = -dy / length * thickness / 2;
    const double ny = dx / length * thickness / 2;
    FillPolygon({{from.x + nx, from.y + ny}, {to.x + nx, to.y + ny}, {to.x - nx, to.y - ny},
                 {from.x - nx, from.y - ny}},
                colour);
}

void SampledCanvas::Text(const char* text, double centreX, double top, double height, double charWidth,
                         COLORREF colour) {
    GdiObject<HFONT> font(CreateFontA(-FineY(height), FineX(charWidth), 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                                      ANSI_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                                      NONANTIALIASED_QUALITY, VARIABLE_PITCH | FF_SWISS, "Tahoma"));
    SelectedObject selectedFont(dc, font);
    SetTextColor(dc, colour);
    // Strokes are thickened by repeating the text a few samples to the right, as many as a card of the
    // art's own size would take.
    const int thickening = std::max(1, static_cast<int>(std::lround((scale / 2 + 1) * samplesPerUnitX / scale)));
    for (int offset = 0; offset < thickening; ++offset)
        TextOutA(dc, FineX(centreX) - thickening / 2 + offset, FineY(top), text, static_cast<int>(std::strlen(text)));
}

void SampledCanvas::ClipRoundRect(double left, double top, double right, double bottom, double radius) {
    GdiObject<HRGN> region(CreateRoundRectRgn(FineX(left), FineY(top), FineX(right) + 1, FineY(bottom) + 1,
                                              FineX(2 * radius), FineY(2 * radius)));
    SelectClipRgn(dc, region);  // the device context keeps its own copy
}

void SampledCanvas::Unclip() { SelectClipRgn(dc, nullptr); }

void SampledCanvas::CopyTurned(double left, double top, double right, double bottom, COLORREF outside) {
    GdiFlush();
    const DWORD outsideValue = ToDibColour(outside);
    const int x0 = FineX(left), y0 = FineY(top), x1 = FineX(right), y1 = FineY(bottom);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            DWORD& turned = Sample(fineWidth - 1 - x, fineHeight - 1 - y);
            const DWORD sample = Sample(x, y);
            if (sample != outsideValue && turned != outsideValue) turned = sample;
        }
    }
}

CardPixels SampledCanvas::Reduce(COLORREF outside) const {
    GdiFlush();
    const DWORD outsideValue = ToDibColour(outside);
    CardPixels result;
    result.width = width;
    result.height = height;
    result.colours.assign(width * height, 0);
    result.onCard.assign(width * height, 0);
    const int samples = scale * scale;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned red = 0, green = 0, blue = 0;
            int count = 0;
            for (int sy = 0; sy < scale; ++sy) {
                for (int sx = 0; sx < scale; ++sx) {
                    const DWORD s = Sample(x * scale + sx, y * scale + sy);
                    if (s == outsideValue) continue;
                    red += (s >> 16) & 0xFF;
                    green += (s >> 8) & 0xFF;
                    blue += s & 0xFF;
                    ++count;
                }
            }
            if (count * 2 < samples) continue;
            const int i = y * width + x;
            result.onCard[i] = 1;
            result.colours[i] = ((red + count / 2) / count << 16) | ((green + count / 2) / count << 8) |
                                ((blue + count / 2) / count);
        }
    }
    return result;
}
