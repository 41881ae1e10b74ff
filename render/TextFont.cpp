// Chooses the font of the board's text once, from the stock system font and the height it really has.
#include "render/TextFont.h"
#include <cstdlib>
#include <cstring>
#include "render/SelectedObject.h"

namespace {
const char TrueTypeFace[] = "Tahoma";

HGDIOBJ SystemFont() { return GetStockObject(SYSTEM_FONT); }

// The cell height of the font as the screen draws it; 0 when it cannot be measured.
int DrawnHeight(HGDIOBJ font) {
    HDC screen = GetDC(nullptr);
    if (!screen) return 0;
    TEXTMETRICA metrics = {};
    {
        SelectedObject selected(screen, font);
        if (!GetTextMetricsA(screen, &metrics)) metrics.tmHeight = 0;
    }
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight;
}
}  // namespace

TextFont::TextFont() {
    LOGFONTA description = {};
    if (!GetObjectA(SystemFont(), sizeof description, &description)) return;
    const int asked = std::abs(static_cast<int>(description.lfHeight));
    const int drawn = DrawnHeight(SystemFont());
    if (drawn == 0 || drawn >= asked) return;
    // Its own width fits the bitmap cell; the TrueType face, the one the cards' own lettering uses, takes
    // the width that goes with the height.
    description.lfWidth = 0;
    description.lfOutPrecision = OUT_TT_PRECIS;
    std::strcpy(description.lfFaceName, TrueTypeFace);
    trueType.Reset(CreateFontIndirectA(&description));
}

HGDIOBJ TextFont::Get() const { return trueType ? static_cast<HGDIOBJ>(trueType.Get()) : SystemFont(); }
