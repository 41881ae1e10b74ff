// The library's entry points: start-up and release of the card images, and drawing by card and mode.
#include <windows.h>
#include <memory>
#include "CardImageSizes.h"
#include "system/CardSize.h"
#include "system/DisplayScale.h"

namespace {
const int FaceUpMode = 0;
const int BackMode = 1;
const int EraseMode = 4;
const int BackDesign = 54;

// The images are shared by every caller in the process; each successful cdtInit counts one user,
// and the last cdtTerm releases them. cdtInit makes them at the card size for the display's density;
// cdtDrawExt makes them at any other size it is asked for.
std::unique_ptr<CardImageSizes> images;
int users = 0;

BOOL FillCardRectangle(HDC dc, int x, int y, int width, int height, COLORREF colour) {
    Brush brush(CreateSolidBrush(colour));
    if (!brush) return FALSE;
    RECT area = {x, y, x + width, y + height};
    return FillRect(dc, &area, brush) != 0;
}

// The image a card and mode show, or -1 when the pair shows none.
int ImageOf(int card, int mode) {
    if (mode == FaceUpMode && card >= 0 && card < CardImages::FaceCount) return card;
    if (mode == BackMode && card == BackDesign) return CardImages::BackImage;
    return -1;
}
}

extern "C" {

BOOL WINAPI cdtInit(int* width, int* height) {
    if (!width || !height) return FALSE;
    if (users == 0) {
        const CardSize size{DisplayScale(DisplayScale::SystemDpi())};
        std::unique_ptr<CardImages> made(new CardImages(size.Width(), size.Height()));
        if (!made->IsReady()) return FALSE;
        images.reset(new CardImageSizes(std::move(made)));
    }
    ++users;
    *width = images->Started().Width();
    *height = images->Started().Height();
    return TRUE;
}

BOOL WINAPI cdtDrawExt(HDC dc, int x, int y, int width, int height, int card, int mode, COLORREF colour) {
    if (!images || !dc || width <= 0 || height <= 0) return FALSE;
    if (mode == EraseMode) return FillCardRectangle(dc, x, y, width, height, colour);
    const int image = ImageOf(card, mode);
    if (image < 0) return FALSE;
    // Drawn at the size asked for from the shapes themselves, never stretched from another size.
    CardImages* sized = images->ForDrawing(width, height);
    return sized && sized->Draw(dc, x, y, image, colour);
}

BOOL WINAPI cdtDraw(HDC dc, int x, int y, int card, int mode, COLORREF colour) {
    if (!images) return FALSE;
    return cdtDrawExt(dc, x, y, images->Started().Width(), images->Started().Height(), card, mode, colour);
}

// Card animations are not offered; the entry point exists for callers that look it up.
BOOL WINAPI cdtAnimate(HDC, int, int, int, int) { return FALSE; }

void WINAPI cdtTerm() {
    if (users == 0) return;
    if (--users == 0) images.reset();
}
}
