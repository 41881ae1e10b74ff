// The two bitmaps of the empty-stack marker, as the executable's resources carry them and as drawn at any density.
#include <gtest/gtest.h>
#include <windows.h>
#include <utility>
#include <vector>
#include "render/MarkerBitmaps.h"
#include "system/CardSize.h"
#include "system/GdiObject.h"
#include "system/MemoryDC.h"
#include "resources/ResourceIds.h"
#include "support/Canvas.h"

namespace {
const COLORREF White = RGB(255, 255, 255), Black = RGB(0, 0, 0), LightGrey = RGB(192, 192, 192);

class MarkerBitmapsTest : public ::testing::Test {
protected:
    void Open(int id) {
        bitmap.Reset(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
        ASSERT_TRUE(bitmap);
        BITMAP info = {};
        ASSERT_NE(GetObjectA(bitmap, sizeof info, &info), 0);
        width = info.bmWidth;
        height = info.bmHeight;
        dc.Select(bitmap);
    }
    COLORREF At(int x, int y) { return GetPixel(dc, x, y); }

    Bitmap bitmap;  // declared before the device context, so it is deleted after being deselected
    MemoryDC dc{nullptr};
    int width = 0;
    int height = 0;
};
}

TEST_F(MarkerBitmapsTest, RingIsALightGreyEllipseOnWhite) {
    Open(IDB_RING);
    EXPECT_EQ(width, 70);
    EXPECT_EQ(height, 95);
    // The ring's extreme columns and rows, and its thickness of 7 along the axes.
    for (POINT p : {POINT{7, 47}, POINT{13, 47}, POINT{63, 47}, POINT{57, 47}, POINT{35, 17}, POINT{35, 23},
                    POINT{35, 77}, POINT{35, 71}})
        EXPECT_EQ(At(p.x, p.y), LightGrey) << p.x << "," << p.y;
    for (POINT p : {POINT{6, 47}, POINT{14, 47}, POINT{64, 47}, POINT{56, 47}, POINT{35, 16}, POINT{35, 24},
                    POINT{35, 78}, POINT{35, 70}, POINT{35, 47}, POINT{0, 0}, POINT{69, 0}, POINT{0, 94},
                    POINT{69, 94}, POINT{10, 20}})
        EXPECT_EQ(At(p.x, p.y), White) << p.x << "," << p.y;
}

TEST_F(MarkerBitmapsTest, OutlineHasABlackBorderWithCutCorners) {
    Open(IDB_OUTLINE);
    EXPECT_EQ(width, 70);
    EXPECT_EQ(height, 95);
    for (int x = 2; x <= 67; ++x) {
        EXPECT_EQ(At(x, 0), Black) << x;
        EXPECT_EQ(At(x, 94), Black) << x;
    }
    for (int y = 2; y <= 92; ++y) {
        EXPECT_EQ(At(0, y), Black) << y;
        EXPECT_EQ(At(69, y), Black) << y;
    }
    // Each corner: the two outermost pixels of both edges are cut, the diagonal pixel rounds it off.
    const POINT corners[4] = {{0, 0}, {69, 0}, {0, 94}, {69, 94}};
    for (const POINT& c : corners) {
        const int dx = c.x == 0 ? 1 : -1, dy = c.y == 0 ? 1 : -1;
        EXPECT_EQ(At(c.x, c.y), White);
        EXPECT_EQ(At(c.x + dx, c.y), White);
        EXPECT_EQ(At(c.x, c.y + dy), White);
        EXPECT_EQ(At(c.x + dx, c.y + dy), Black);
    }
    for (POINT p : {POINT{1, 47}, POINT{35, 1}, POINT{35, 47}, POINT{67, 92}}) EXPECT_EQ(At(p.x, p.y), White);
}

namespace {
struct MarkerRow {
    int dpi;
    int ringId, outlineId;  // the executable's set, 0 where it has none
    int width, height;      // the layers: the card's place less a pixel each way
    int ringLeft, ringRight;  // the ring's first and last grey columns on the middle row, left side
};
const MarkerRow MarkerRows[] = {
    {96, IDB_RING, IDB_OUTLINE, 70, 95, 7, 13},
    {120, 0, 0, 88, 119, 9, 17},
    {144, IDB_RING_144, IDB_OUTLINE_144, 106, 143, 11, 21},
    {168, 0, 0, 123, 167, 12, 23},
    {192, IDB_RING_192, IDB_OUTLINE_192, 141, 191, 14, 27},
    {240, 0, 0, 177, 239, 18, 35},
};

std::vector<COLORREF> PixelsOf(HBITMAP bitmap, int width, int height) {
    Canvas canvas(width, height);
    canvas.CopyIn(bitmap);
    return canvas.Block(0, 0, width, height);
}
}  // namespace

// Drawn from the shapes at the card's size, the marker is the shipped set where there is one; at every
// density it fills the card's place less a pixel each way, the border on its edges and the ring scaled.
TEST(MarkerDrawingTest, TheShapesGiveTheShippedSetsAndFillTheCardAtEveryDensity) {
    for (const MarkerRow& row : MarkerRows) {
        SCOPED_TRACE(row.dpi);
        const DisplayScale display(row.dpi);
        const CardSize card(display);
        const int width = row.width, height = row.height;
        ASSERT_EQ(std::make_pair(card.Width() - 1, card.Height() - 1), std::make_pair(width, height));
        const MarkerBitmaps drawn = MarkerBitmaps::Drawn(display, card.Width(), card.Height());
        const MarkerBitmaps chosen(GetModuleHandleA(nullptr), display, card.Width(), card.Height());
        const std::vector<COLORREF> ring = PixelsOf(drawn.Ring(), width, height);
        const std::vector<COLORREF> outline = PixelsOf(drawn.Outline(), width, height);
        EXPECT_EQ(PixelsOf(chosen.Ring(), width, height), ring);
        EXPECT_EQ(PixelsOf(chosen.Outline(), width, height), outline);
        for (HBITMAP layer : {drawn.Ring(), drawn.Outline(), chosen.Ring(), chosen.Outline()}) {
            BITMAP info = {};
            ASSERT_NE(GetObjectA(layer, sizeof info, &info), 0);
            EXPECT_EQ(info.bmWidth, width);
            EXPECT_EQ(info.bmHeight, height);
        }
        if (row.ringId) {
            const Bitmap shippedRing(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(row.ringId)));
            const Bitmap shippedOutline(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(row.outlineId)));
            EXPECT_EQ(PixelsOf(shippedRing, width, height), ring);
            EXPECT_EQ(PixelsOf(shippedOutline, width, height), outline);
        }
        auto at = [&](const std::vector<COLORREF>& layer, int x, int y) { return layer[y * width + x]; };
        const int middleX = width / 2, middleY = height / 2;
        for (POINT p : {POINT{0, middleY}, POINT{width - 1, middleY}, POINT{middleX, 0}, POINT{middleX, height - 1}})
            EXPECT_EQ(at(outline, p.x, p.y), Black) << p.x << "," << p.y;
        EXPECT_EQ(at(outline, 0, 0), White);
        EXPECT_EQ(at(outline, middleX, middleY), White);
        EXPECT_EQ(at(ring, row.ringLeft - 1, middleY), White);
        EXPECT_EQ(at(ring, row.ringLeft, middleY), LightGrey);
        EXPECT_EQ(at(ring, row.ringRight, middleY), LightGrey);
        EXPECT_EQ(at(ring, row.ringRight + 1, middleY), White);
        EXPECT_EQ(at(ring, middleX, middleY), White);
    }
}
