// Writes a text where an older one stood, filling what the older one covered beyond the new one.
#include "render/TextSpot.h"
#include <cwchar>
#include "system/GdiObject.h"

namespace {
// Fills with `colour` what lies in `old` but not in `kept`.
void FillUncovered(HDC dc, const RECT& old, const RECT& kept, COLORREF colour) {
    if (IsRectEmpty(&old)) return;
    GdiObject<HRGN> uncovered(CreateRectRgnIndirect(&old));
    GdiObject<HRGN> covered(CreateRectRgnIndirect(&kept));
    Brush background(CreateSolidBrush(colour));
    if (!uncovered || !covered || !background) return;
    if (CombineRgn(uncovered, uncovered, covered, RGN_DIFF) == NULLREGION) return;
    FillRgn(dc, uncovered, background);
}
}  // namespace

RECT TextSpot::CellOf(HDC dc, int x, int y, Anchor anchor, const wchar_t* text) {
    SIZE size = {0, 0};
    if (!GetTextExtentPoint32W(dc, text, static_cast<int>(std::wcslen(text)), &size)) size.cx = size.cy = 0;
    int left = x;
    if (anchor == Centre) left = x - size.cx / 2;
    if (anchor == RightEdge) left = x - size.cx;
    return RECT{left, y, left + size.cx, y + size.cy};
}

RECT TextSpot::Write(HDC dc, int x, int y, Anchor anchor, const wchar_t* text) {
    const RECT written = CellOf(dc, x, y, anchor, text);
    TextOutW(dc, written.left, written.top, text, static_cast<int>(std::wcslen(text)));
    FillUncovered(dc, cell, written, GetBkColor(dc));
    cell = written;
    return cell;
}

void TextSpot::Erase(HDC dc, COLORREF background) {
    FillUncovered(dc, cell, RECT{0, 0, 0, 0}, background);
    Forget();
}

void TextSpot::Forget() { cell = RECT{0, 0, 0, 0}; }
