// A 32-bit DIB section in a memory device context whose pixels the render tests read and compare.
#pragma once
#include <windows.h>
#include <cstdint>
#include <vector>

class TestSurface {
public:
    TestSurface(int width, int height, COLORREF fill) : width(width), height(height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* pixels = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
        bits = static_cast<uint32_t*>(pixels);
        dc = CreateCompatibleDC(nullptr);
        original = SelectObject(dc, bitmap);
        Fill(fill);
    }
    virtual ~TestSurface() {
        SelectObject(dc, original);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;

    operator HDC() const { return dc; }
    int Width() const { return width; }
    int Height() const { return height; }

    void Fill(COLORREF colour) {
        GdiFlush();
        const uint32_t value = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
        for (int i = 0; i < width * height; ++i) bits[i] = value;
    }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const uint32_t p = bits[y * width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // The colours of a rectangle, row by row.
    std::vector<COLORREF> Block(int left, int top, int w, int h) const {
        std::vector<COLORREF> block;
        for (int y = top; y < top + h; ++y)
            for (int x = left; x < left + w; ++x) block.push_back(At(x, y));
        return block;
    }
    int CountWhere(bool (*test)(COLORREF)) const {
        int count = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) count += test(At(x, y)) ? 1 : 0;
        return count;
    }
    // Pixels that are not `colour` (outside the rectangle when one is given).
    int CountOtherThan(COLORREF colour, const RECT* except = nullptr) const {
        int count = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const POINT p = {x, y};
                if (except && PtInRect(except, p)) continue;
                count += At(x, y) != colour ? 1 : 0;
            }
        return count;
    }

private:
    int width;
    int height;
    HBITMAP bitmap = nullptr;
    HDC dc = nullptr;
    HGDIOBJ original = nullptr;
    uint32_t* bits = nullptr;
};
