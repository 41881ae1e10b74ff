// The two layers of the empty-stack marker at one card size, owned: the executable's bitmaps or drawn to the size.
#pragma once
#include <windows.h>
#include "system/DisplayScale.h"
#include "system/GdiObject.h"

class MarkerBitmaps {
public:
    // No layers: a marker is not drawn.
    MarkerBitmaps() = default;
    // The layers for a card of cardWidth x cardHeight at the density of `display`, one pixel narrower and
    // lower than the card: the executable's set drawn for that density when it has one of that size, else
    // drawn here from the same shapes at that size. A layer that cannot be made is null.
    MarkerBitmaps(HINSTANCE instance, const DisplayScale& display, int cardWidth, int cardHeight);
    // Always drawn from the shapes, whatever sets the executable carries.
    static MarkerBitmaps Drawn(const DisplayScale& display, int cardWidth, int cardHeight);
    virtual ~MarkerBitmaps() = default;
    MarkerBitmaps(MarkerBitmaps&&) = default;
    MarkerBitmaps& operator=(MarkerBitmaps&&) = default;

    // White, with a light grey elliptical ring; the marker lightens the board inside the ring through it.
    HBITMAP Ring() const { return ring; }
    // White, with a black border whose corners are cut; the marker darkens the board along it.
    HBITMAP Outline() const { return outline; }

private:
    // Keeps the executable's two bitmaps when both are width x height.
    bool Load(HINSTANCE instance, int ringId, int outlineId, int width, int height);

    Bitmap ring;
    Bitmap outline;
};
