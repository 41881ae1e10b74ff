// Makes the font of the board's text once, from the stock system font's description and the density.
#include "render/TextFont.h"
#include <cwchar>

namespace {
// The face the cards' own lettering uses; Windows and Wine both have it.
const wchar_t TrueTypeFace[] = L"Tahoma";
// The dialogs' face, which the system maps to a font with the letters of its languages and links to others.
const wchar_t ShellFace[] = L"MS Shell Dlg";

HGDIOBJ SystemFont() { return GetStockObject(SYSTEM_FONT); }
}  // namespace

TextFont::TextFont(const DisplayScale& display, bool stockFontServes) {
    if (display.Dpi() == DisplayScale::BaseDpi && stockFontServes) return;
    LOGFONTW description = {};
    if (!GetObjectW(SystemFont(), sizeof description, &description)) return;
    description.lfHeight = display.Scale(SystemFontHeight);  // the cell height, as the stock font's
    description.lfWidth = 0;  // the stock font's width fits its bitmap cell; TrueType takes its own
    description.lfOutPrecision = OUT_TT_PRECIS;
    // The stock font's character set is that of the system's code page, which lacks letters of the texts.
    if (!stockFontServes) description.lfCharSet = DEFAULT_CHARSET;
    std::wcscpy(description.lfFaceName, stockFontServes ? TrueTypeFace : ShellFace);
    trueType.Reset(CreateFontIndirectW(&description));
}

HGDIOBJ TextFont::Get() const { return trueType ? static_cast<HGDIOBJ>(trueType.Get()) : SystemFont(); }
