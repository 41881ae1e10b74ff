// Suit shapes built from polygons and discs at unit height, scaled and turned when painted.
#include "SuitSymbol.h"
#include <algorithm>
#include <cmath>

namespace {
const double Pi = 3.14159265358979323846;

// The classic heart curve, scaled to height 1 and centred; its tip points down.
std::vector<CardPoint> HeartOutline(double widthFactor) {
    std::vector<CardPoint> points;
    const int steps = 96;
    for (int i = 0; i < steps; ++i) {
        const double t = 2 * Pi * i / steps;
        const double s = std::sin(t);
        points.push_back({16 * s * s * s,
                          -(13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t))});
    }
    double top = points[0].y, bottom = points[0].y;
    for (const CardPoint& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    const double factor = 1 / (bottom - top);
    for (CardPoint& p : points) {
        p.x *= factor * widthFactor;
        p.y = (p.y - top) * factor - 0.5;
    }
    return points;
}
}

SuitSymbol::SuitSymbol(int suit) {
    switch (suit) {
    case 0: MakeClub(); break;
    case 1: MakeDiamond(); break;
    case 2: MakeHeart(); break;
    default: MakeSpade(); break;
    }
}

COLORREF SuitSymbol::Ink(int suit) { return IsRed(suit) ? RGB(206, 17, 38) : RGB(22, 22, 28); }

void SuitSymbol::MakeHeart() { outlines.push_back(HeartOutline(0.95)); }

void SuitSymbol::MakeDiamond() {
    const CardPoint corners[4] = {{0, -0.5}, {0.41, 0}, {0, 0.5}, {-0.41, 0}};
    std::vector<CardPoint> outline;
    const int steps = 12;
    for (int side = 0; side < 4; ++side) {
        const CardPoint a = corners[side], b = corners[(side + 1) % 4];
        // The sides bow slightly inwards: a quadratic curve pulled towards the centre.
        const CardPoint control = {(a.x + b.x) / 2 * 0.82, (a.y + b.y) / 2 * 0.82};
        for (int i = 0; i < steps; ++i) {
            const double t = static_cast<double>(i) / steps, u = 1 - t;
            outline.push_back({u * u * a.x + 2 * u * t * control.x + t * t * b.x,
                               u * u * a.y + 2 * u * t * control.y + t * t * b.y});
        }
    }
    outlines.push_back(outline);
}

void SuitSymbol::MakeSpade() {
    std::vector<CardPoint> body = HeartOutline(0.98);
    for (CardPoint& p : body) {
        p.x *= 0.8;
        p.y = -p.y * 0.8 - 0.1;  // tip up, the body over the upper four fifths
    }
    outlines.push_back(body);
    AddStem();
}

void SuitSymbol::MakeClub() {
    const double r = 0.235;
    discs.push_back({0, -0.5 + r, r});
    discs.push_back({-0.255, 0.05, r});
    discs.push_back({0.255, 0.05, r});
    outlines.push_back({{0, -0.2}, {-0.2, 0.08}, {0, 0.18}, {0.2, 0.08}});
    AddStem();
}

void SuitSymbol::AddStem() {
    std::vector<CardPoint> stem;
    const int steps = 10;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        stem.push_back({0.045 + 0.17 * t * t, 0.05 + 0.45 * t});
    }
    for (int i = steps; i >= 0; --i) stem.push_back({-stem[i].x, stem[i].y});
    outlines.push_back(stem);
}

void SuitSymbol::Paint(SampledCanvas& canvas, double centreX, double centreY, double size, bool upsideDown,
                       COLORREF colour) const {
    const double turn = upsideDown ? -size : size;
    for (const std::vector<CardPoint>& outline : outlines) {
        std::vector<CardPoint> placed;
        placed.reserve(outline.size());
        for (const CardPoint& p : outline) placed.push_back({centreX + p.x * turn, centreY + p.y * turn});
        canvas.FillPolygon(placed, colour);
    }
    for (const Disc& d : discs)
        canvas.FillEllipse(centreX + d.x * turn, centreY + d.y * turn, d.radius * size, d.radius * size, colour);
}
