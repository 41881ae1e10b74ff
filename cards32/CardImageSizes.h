// The card images of the sizes drawn lately: the started size for as long as the library is started, and a few others.
#pragma once
#include <memory>
#include "CardImages.h"

class CardImageSizes {
public:
    // Sizes besides the started one whose images are kept; drawing at one more releases the least recently drawn.
    static const int KeptOtherSizes = 2;
    // Another size not drawn at during this many draws is released: the caller has moved on from it.
    static const unsigned ReleaseAfterDraws = 4096;
    // No side of a card may be larger than this many times its 96-dpi length.
    static const int LargestMagnification = 16;

    // Keeps `started`, the images of the size cdtInit reported, until the whole set is released.
    explicit CardImageSizes(std::unique_ptr<CardImages> started);
    virtual ~CardImageSizes() = default;
    CardImageSizes(const CardImageSizes&) = delete;
    CardImageSizes& operator=(const CardImageSizes&) = delete;

    const CardImages& Started() const { return *started; }
    // The images of width x height pixels, made when that size is not kept; null when they cannot be made.
    CardImages* ForDrawing(int width, int height);

private:
    struct Kept {
        std::unique_ptr<CardImages> images;
        unsigned lastDraw = 0;
    };
    // Moves the entry at `index` to the front of `others`, the most recently drawn place.
    void MoveToFront(int index);
    void ReleaseSizesNotDrawnLately();

    std::unique_ptr<CardImages> started;
    Kept others[KeptOtherSizes];  // the most recently drawn first; empty entries last
    unsigned draws = 0;
};
