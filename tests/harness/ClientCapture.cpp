// Copying client pixels from the screen and reading them.
#include "ClientCapture.h"
#include <cstdio>
#include <cstring>
#include "system/GdiObject.h"
#include "system/MemoryDC.h"
#include "system/PixelBitmap.h"
#include "system/WindowDC.h"

namespace {
COLORREF FromDib(uint32_t value) {
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}
}

ClientCapture::ClientCapture(HWND window) : width(0), height(0) {
    RECT client = {};
    if (!GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0) return;
    WindowDC screen(window);
    if (!screen) return;
    MemoryDC memory(screen);
    if (!memory) return;

    PixelBitmap section(client.right, client.bottom);
    if (!section) return;
    memory.Select(section.Get());
    if (!BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY)) return;
    GdiFlush();

    width = client.right;
    height = client.bottom;
    const auto* source = section.Pixels();
    pixels.assign(source, source + static_cast<size_t>(width) * height);
}

ClientCapture::~ClientCapture() {}

COLORREF ClientCapture::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
    return FromDib(pixels[static_cast<size_t>(y) * width + x]);
}

int ClientCapture::CountDifferent(const RECT& area, COLORREF colour) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF pixel = Pixel(x, y);
            if (pixel != CLR_INVALID && pixel != colour) ++count;
        }
    return count;
}

uint64_t ClientCapture::Fingerprint(const RECT& area) const {
    uint64_t hash = 1469598103934665603ull;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            hash ^= Pixel(x, y);
            hash *= 1099511628211ull;
        }
    return hash;
}

bool ClientCapture::SaveBmp(const std::string& path) const {
    if (!Valid()) return false;
    const int rowBytes = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // bottom-up rows
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + rowBytes * height;

    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::vector<unsigned char> row(rowBytes, 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) std::memcpy(&row[x * 3], &pixels[static_cast<size_t>(y) * width + x], 3);
        std::fwrite(row.data(), 1, row.size(), out);
    }
    return std::fclose(out) == 0;
}
