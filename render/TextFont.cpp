// Makes the font of the board's text once, from the stock system font's description and the density.
#include "render/TextFont.h"
#include <cstring>

namespace {
// The face the cards' own lettering uses; Windows and Wine both have it.
const char TrueTypeFace[] = "Tahoma";

HGDIOBJ SystemFont() { return GetStockObject(SYSTEM_FONT); }
}  // namespace

TextFont::TextFont(const DisplayScale& display) {
    if (display.Dpi() == DisplayScale::BaseDpi) return;
    LOGFONTA description = {};
    if (!GetObjectA(SystemFont(), sizeof description, &description)) return;
    description.lfHeight = display.Scale(SystemFontHeight);  // the cell height, as the stock font's
    description.lfWidth = 0;  // the stock font's width fits its bitmap cell; TrueType takes its own
    description.lfOutPrecision = OUT_TT_PRECIS;
    std::strcpy(description.lfFaceName, TrueTypeFace);
    trueType.Reset(CreateFontIndirectA(&description));
}

HGDIOBJ TextFont::Get() const { return trueType ? static_cast<HGDIOBJ>(trueType.Get()) : SystemFont(); }
