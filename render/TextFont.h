// The font of the board's text: the stock system font, or a TrueType one of its size where it cannot grow.
#pragma once
#include <windows.h>
#include "render/GdiObject.h"

class TextFont {
public:
    // The stock system font grows with the display's density (on Windows it is a device context's
    // default font). A bitmap system font that stays short of the size it asks for at the density
    // (under Wine at 144 dpi, for one) gives way to a TrueType font made from the same description.
    TextFont();
    virtual ~TextFont() = default;
    TextFont(const TextFont&) = delete;
    TextFont& operator=(const TextFont&) = delete;

    HGDIOBJ Get() const;

private:
    GdiObject<HFONT> trueType;
};
