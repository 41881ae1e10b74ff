// A 32-bit top-down DIB section in a memory device context, whose pixels drawing tests set, read and compare.
#include "support/Canvas.h"
#include <algorithm>

namespace {
uint32_t PixelOf(COLORREF colour) { return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour); }
COLORREF ColourOf(uint32_t pixel) { return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF); }
}

Canvas::Canvas(int width, int height, COLORREF fill)
    : width(width), height(height), bitmap(width, height), dc(nullptr) {
    bits = reinterpret_cast<uint32_t*>(bitmap.Pixels());
    dc.Select(bitmap.Get());
    Fill(fill);
}

COLORREF Canvas::At(int x, int y) const {
    GdiFlush();
    return Unflushed(x, y);
}

COLORREF Canvas::Unflushed(int x, int y) const { return ColourOf(bits[y * width + x]); }

void Canvas::Set(int x, int y, COLORREF colour) {
    GdiFlush();
    bits[y * width + x] = PixelOf(colour);
}

void Canvas::Fill(COLORREF colour) { FillRect(0, 0, width, height, colour); }

void Canvas::CopyIn(HBITMAP bitmap) {
    MemoryDC source(nullptr);
    source.Select(bitmap);
    BitBlt(dc, 0, 0, width, height, source, 0, 0, SRCCOPY);
}

void Canvas::FillRect(int left, int top, int w, int h, COLORREF colour) {
    GdiFlush();
    for (int y = top; y < top + h; ++y)
        for (int x = left; x < left + w; ++x) bits[y * width + x] = PixelOf(colour);
}

void Canvas::FillPattern() {
    GdiFlush();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bits[y * width + x] = PixelOf(RGB((x * 7) & 0xFF, (y * 5) & 0xFF, (x + y * 3) & 0xFF));
}

std::vector<uint32_t> Canvas::Pixels() const {
    GdiFlush();
    std::vector<uint32_t> pixels(bits, bits + width * height);
    for (uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
    return pixels;
}

std::vector<COLORREF> Canvas::Block(int left, int top, int w, int h) const {
    GdiFlush();
    std::vector<COLORREF> block;
    for (int y = top; y < top + h; ++y)
        for (int x = left; x < left + w; ++x) block.push_back(Unflushed(x, y));
    return block;
}

int Canvas::CountWhere(bool (*test)(COLORREF)) const {
    GdiFlush();
    int count = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) count += test(Unflushed(x, y)) ? 1 : 0;
    return count;
}

int Canvas::CountOtherThan(COLORREF colour, const RECT* except) const {
    GdiFlush();
    int count = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const POINT p = {x, y};
            if (except && PtInRect(except, p)) continue;
            count += Unflushed(x, y) != colour ? 1 : 0;
        }
    return count;
}

int Canvas::Differences(const Canvas& other) const {
    const std::vector<uint32_t> mine = Pixels(), theirs = other.Pixels();
    int count = 0;
    for (size_t i = 0; i < mine.size(); ++i) count += mine[i] != theirs[i];
    return count;
}

RECT Canvas::InkWithin(const RECT& region) const {
    GdiFlush();
    RECT box = {region.right, region.bottom, region.left, region.top};
    for (int y = region.top; y < region.bottom; ++y)
        for (int x = region.left; x < region.right; ++x)
            if (Unflushed(x, y) != RGB(0, 0, 0)) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}
