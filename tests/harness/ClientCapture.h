// A snapshot of a window's client-area pixels, taken from the screen with BitBlt into a DIB section.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>
#include <vector>

class ClientCapture {
public:
    // Captures the client area of `window` at once; Valid() tells whether it worked.
    explicit ClientCapture(HWND window);
    virtual ~ClientCapture();

    bool Valid() const { return !pixels.empty(); }
    int Width() const { return width; }
    int Height() const { return height; }
    // The colour at (x, y) as a COLORREF; CLR_INVALID outside the capture.
    COLORREF Pixel(int x, int y) const;
    // How many pixels of the rectangle differ from `colour` (the part outside the capture counts none).
    int CountDifferent(const RECT& area, COLORREF colour) const;
    // A checksum of the pixels of a rectangle, to tell whether two images of a card are the same.
    uint64_t Fingerprint(const RECT& area) const;
    // Writes the capture as a 24-bit BMP file, for looking at a failure.
    bool SaveBmp(const std::string& path) const;

private:
    int width;
    int height;
    std::vector<uint32_t> pixels;  // top-down rows, 0x00RRGGBB
};
