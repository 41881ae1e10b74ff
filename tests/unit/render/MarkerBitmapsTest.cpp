// The two bitmaps of the empty-stack marker, as the executable's resources carry them.
#include <gtest/gtest.h>
#include <windows.h>
#include "system/GdiObject.h"
#include "system/MemoryDC.h"
#include "resources/ResourceIds.h"

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
