// Finds or makes the images of the size asked for, keeping the started size and the few others drawn last.
#include "CardImageSizes.h"
#include <utility>
#include "CardShape.h"

CardImageSizes::CardImageSizes(std::unique_ptr<CardImages> started) : started(std::move(started)) {}

CardImages* CardImageSizes::ForDrawing(int width, int height) {
    ++draws;
    if (width == started->Width() && height == started->Height()) {
        ReleaseSizesNotDrawnLately();
        return started.get();
    }
    if (width <= 0 || height <= 0 || width > CardShape::Width * LargestMagnification ||
        height > CardShape::Height * LargestMagnification)
        return nullptr;
    int found = 0;
    while (found < KeptOtherSizes && others[found].images &&
           (others[found].images->Width() != width || others[found].images->Height() != height))
        ++found;
    if (found == KeptOtherSizes || !others[found].images) {
        found = KeptOtherSizes - 1;  // the least recently drawn size, or an empty place, makes way
        others[found].images.reset();
        std::unique_ptr<CardImages> made(new CardImages(width, height));
        if (!made->IsReady()) return nullptr;
        others[found].images = std::move(made);
    }
    others[found].lastDraw = draws;
    MoveToFront(found);
    ReleaseSizesNotDrawnLately();
    return others[0].images.get();
}

void CardImageSizes::MoveToFront(int index) {
    for (; index > 0; --index) std::swap(others[index], others[index - 1]);
}

void CardImageSizes::ReleaseSizesNotDrawnLately() {
    // The counter may wrap: the distance back to the last draw is still right in unsigned arithmetic.
    for (Kept& kept : others)
        if (kept.images && draws - kept.lastDraw > ReleaseAfterDraws) kept.images.reset();
    // Released entries go to the back, so that the kept ones stay in order at the front.
    int next = 0;
    for (int i = 0; i < KeptOtherSizes; ++i) {
        if (!others[i].images) continue;
        if (i != next) std::swap(others[next], others[i]);
        ++next;
    }
}
