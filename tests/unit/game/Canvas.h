// A 32-bit DIB section in a memory device context, with direct access to its pixels for drawing tests.
#pragma once
#include <windows.h>
#include <cstdint>
#include <vector>

class Canvas {
public:
    Canvas(int width, int height) : width(width), height(height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* pixels = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
        bits = static_cast<uint32_t*>(pixels);
        dc = CreateCompatibleDC(nullptr);
        original = SelectObject(dc, bitmap);
    }
    virtual ~Canvas() {
        SelectObject(dc, original);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    operator HDC() const { return dc; }
    bool Valid() const { return dc && bitmap && bits; }

    COLORREF At(int x, int y) const {
        GdiFlush();
        const uint32_t p = bits[y * width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    void Set(int x, int y, COLORREF colour) {
        GdiFlush();
        bits[y * width + x] = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    }
    void Fill(COLORREF colour) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) Set(x, y, colour);
    }
    void FillRect(int left, int top, int w, int h, COLORREF colour) {
        for (int y = top; y < top + h; ++y)
            for (int x = left; x < left + w; ++x) Set(x, y, colour);
    }
    // A different colour for (almost) every pixel, so that any misplaced copy shows.
    void FillPattern() {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) Set(x, y, RGB((x * 7) & 0xFF, (y * 5) & 0xFF, (x + y * 3) & 0xFF));
    }
    std::vector<uint32_t> Pixels() const {
        GdiFlush();
        return std::vector<uint32_t>(bits, bits + width * height);
    }
    // Number of pixels that differ from another canvas of the same size.
    int Differences(const Canvas& other) const {
        const std::vector<uint32_t> mine = Pixels(), theirs = other.Pixels();
        int count = 0;
        for (size_t i = 0; i < mine.size(); ++i) count += (mine[i] & 0xFFFFFF) != (theirs[i] & 0xFFFFFF);
        return count;
    }

    const int width;
    const int height;

private:
    HBITMAP bitmap = nullptr;
    uint32_t* bits = nullptr;
    HDC dc = nullptr;
    HGDIOBJ original = nullptr;
};
