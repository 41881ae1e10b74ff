// A 32-bit top-down DIB section in a memory device context, whose pixels drawing tests set, read and compare.
#pragma once
#include <windows.h>
#include <cstdint>
#include <vector>
#include "system/GdiObject.h"
#include "system/MemoryDC.h"
#include "system/PixelBitmap.h"

class Canvas {
public:
    Canvas(int width, int height, COLORREF fill = RGB(0, 0, 0));
    virtual ~Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    operator HDC() const { return dc; }

    COLORREF At(int x, int y) const;
    void Set(int x, int y, COLORREF colour);
    void Fill(COLORREF colour);
    // Copies `bitmap` in at the top-left corner, as far as the canvas reaches.
    void CopyIn(HBITMAP bitmap);
    void FillRect(int left, int top, int w, int h, COLORREF colour);
    // A different colour for (almost) every pixel, so that any misplaced copy shows.
    void FillPattern();

    // The raw 0x00RRGGBB values, row by row from the top.
    std::vector<uint32_t> Pixels() const;
    // The colours of a rectangle, row by row.
    std::vector<COLORREF> Block(int left, int top, int w, int h) const;
    int CountWhere(bool (*test)(COLORREF)) const;
    // Pixels that are not `colour` (outside the rectangle when one is given).
    int CountOtherThan(COLORREF colour, const RECT* except = nullptr) const;
    // Number of pixels that differ from another canvas of the same size.
    int Differences(const Canvas& other) const;
    // Bounding box of every pixel that is not black within a region; empty when there is none.
    RECT InkWithin(const RECT& region) const;

    const int width;
    const int height;

private:
    // The colour of a pixel, for loops that flush the drawing once before they start.
    COLORREF Unflushed(int x, int y) const;

    PixelBitmap bitmap;  // declared before the DC, so the DC lets go of it before it is deleted
    MemoryDC dc;
    uint32_t* bits = nullptr;
};
