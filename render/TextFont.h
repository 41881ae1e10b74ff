// The font of the board's text: the stock system font at 96 dpi, a TrueType font of its size scaled elsewhere
// and wherever the stock font lacks letters of the player's language.
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
    // 192 dpi, in a taller cell at 192). The stock font holds the letters of the system's code page only:
    // when the texts need others (`stockFontServes` false), the dialogs' face, which the system gives a font
    // with the letters of the player's language, serves at every density.
    explicit TextFont(const DisplayScale& display, bool stockFontServes = true);
    virtual ~TextFont() = default;
    TextFont(const TextFont&) = delete;
    TextFont& operator=(const TextFont&) = delete;

    HGDIOBJ Get() const;

private:
    GdiObject<HFONT> trueType;
};
