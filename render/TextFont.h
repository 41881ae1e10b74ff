// The font of the board's text: the stock system font at 96 dpi, a TrueType font of its size scaled elsewhere.
#pragma once
#include <windows.h>
#include "system/DisplayScale.h"
#include "system/GdiObject.h"

class TextFont {
public:
    // The stock system font's cell is this high at 96 dpi.
    static const int SystemFontHeight = 16;

    // At 96 dpi the stock system font, as a device context's default font is on Windows. At any other
    // density a TrueType font described like it, SystemFontHeight scaled high: the stock font is a bitmap
    // font whose glyphs do not grow with the density (under Wine it keeps its 16-pixel glyphs at 144 and
    // 192 dpi, in a taller cell at 192).
    explicit TextFont(const DisplayScale& display);
    virtual ~TextFont() = default;
    TextFont(const TextFont&) = delete;
    TextFont& operator=(const TextFont&) = delete;

    HGDIOBJ Get() const;

private:
    GdiObject<HFONT> trueType;
};
