// A 32-bit bitmap in memory, top row first, whose pixels (0x00RRGGBB) the program writes directly.
#pragma once
#include <windows.h>
#include "system/GdiObject.h"

class PixelBitmap final {
public:
    // Null when the size is empty or the system has no room for it.
    PixelBitmap(int width, int height);
    ~PixelBitmap() = default;
    PixelBitmap(const PixelBitmap&) = delete;
    PixelBitmap& operator=(const PixelBitmap&) = delete;

    explicit operator bool() const { return pixels != nullptr; }
    HBITMAP Get() const { return bitmap.Get(); }
    // width x height values, row after row from the top.
    DWORD* Pixels() const { return pixels; }
    // Gives up the bitmap: the caller deletes it.
    HBITMAP Release();

private:
    Bitmap bitmap;
    DWORD* pixels = nullptr;
};
