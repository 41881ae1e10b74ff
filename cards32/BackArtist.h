// Paints back design 54: a lattice in two blues inside a white border.
#pragma once
#include "SampledCanvas.h"

class BackArtist {
public:
    virtual ~BackArtist() = default;
    void Paint(SampledCanvas& canvas) const;

private:
    void PaintLattice(SampledCanvas& canvas) const;
    void PaintMedallion(SampledCanvas& canvas) const;
};
