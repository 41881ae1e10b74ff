// Makes the top-down 32-bit DIB section that card images, markers and sampling surfaces are written into.
#include "system/PixelBitmap.h"
#include <utility>

PixelBitmap::PixelBitmap(int width, int height) {
    if (width <= 0 || height <= 0) return;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: the first row in memory is the top one
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap) pixels = static_cast<DWORD*>(bits);
}

HBITMAP PixelBitmap::Release() {
    pixels = nullptr;
    return bitmap.Release();
}
