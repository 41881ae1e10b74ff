// A card's construction, its draw mode, and its drawing through the card library or as the empty-stack marker.
#include "game/Card.h"
#include <algorithm>
#include "game/BoardHost.h"
#include "system/MemoryDC.h"
#include "settings/SettingsRecord.h"

namespace {
const int EraseMode = 4;

// Copies the part of `bitmap` that a card covers onto (x, y). The marker bitmaps may be smaller than
// the card; the uncovered strip is left as it is rather than filled from outside the bitmap.
void BlitMarkerLayer(HDC dc, MemoryDC& source, const BoardHost& host, HBITMAP bitmap, int x, int y,
                     DWORD rasterOperation) {
    if (!bitmap) return;
    BITMAP info;
    if (!GetObject(bitmap, sizeof info, &info)) return;
    const int width = std::min(host.cardWidth, static_cast<int>(info.bmWidth));
    const int height = std::min(host.cardHeight, static_cast<int>(info.bmHeight));
    source.Select(bitmap);
    BitBlt(dc, x, y, width, height, source, 0, 0, rasterOperation);
}

void DrawMarker(HDC dc, int x, int y, const BoardHost& host) {
    MemoryDC source(dc);
    // MERGEPAINT (screen OR NOT ring) lightens the screen inside the ring; SRCAND darkens the outline.
    BlitMarkerLayer(dc, source, host, host.ringBitmap, x, y, MERGEPAINT);
    BlitMarkerLayer(dc, source, host, host.outlineBitmap, x, y, SRCAND);
}
}

Card::Card(CardCode code) : code(code), drawMode(FaceUp), BackDesign(BackDesign54) {}

Card::~Card() {}

void Card::SetDrawMode(int mode) { drawMode = mode; }

int Card::DrawMode() const { return drawMode; }

CardCode Card::Code() const { return code; }

void Card::Draw(HDC dc, int x, int y, bool visible, const BoardHost& host) const {
    const COLORREF background = Settings.BackgroundColor;
    if (!visible)
        host.drawCard(dc, x, y, code, EraseMode, background);
    else if (drawMode == FaceDown)
        host.drawCard(dc, x, y, BackDesign, FaceDown, background);
    else if (drawMode == EmptySlot)
        DrawMarker(dc, x, y, host);
    else
        host.drawCard(dc, x, y, code, drawMode, background);
}
