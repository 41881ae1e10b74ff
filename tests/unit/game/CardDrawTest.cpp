// Drawing a card: erasing in every mode, faces and backs through the card library, the empty-stack marker.
#include <gtest/gtest.h>
#include <vector>
#include "support/Canvas.h"
#include "support/TestCards.h"
#include "support/GameTestEnvironment.h"

namespace {
const int Left = 9;
const int Top = 11;
const COLORREF Blue = RGB(5, 64, 160);

// The pixels of a bitmap as COLORREF values, row by row from the top.
std::vector<COLORREF> PixelsOf(HBITMAP bitmap, int& width, int& height) {
    BITMAP info = {};
    GetObject(bitmap, sizeof info, &info);
    width = info.bmWidth;
    height = info.bmHeight;
    Canvas canvas(width, height);
    canvas.CopyIn(bitmap);
    return canvas.Block(0, 0, width, height);
}

COLORREF Channelwise(COLORREF a, COLORREF b, int (*op)(int, int)) {
    return RGB(op(GetRValue(a), GetRValue(b)) & 0xFF, op(GetGValue(a), GetGValue(b)) & 0xFF,
               op(GetBValue(a), GetBValue(b)) & 0xFF);
}

class CardDrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        PrepareGameForTests();
        ASSERT_NE(CardHost().ringBitmap, nullptr);
        ASSERT_NE(CardHost().outlineBitmap, nullptr);
    }
    static bool Inside(int x, int y, int width, int height) {
        return x >= Left && x < Left + width && y >= Top && y < Top + height;
    }

    ScopedSettings keep;
};
}

TEST_F(CardDrawTest, ErasingFillsExactlyTheCardWithTheBackgroundColourInEveryMode) {
    ASSERT_EQ(CardHost().cardWidth, 71);
    ASSERT_EQ(CardHost().cardHeight, 96);
    Settings.BackgroundColor = RGB(10, 200, 30);
    for (int mode : {static_cast<int>(FaceUp), static_cast<int>(FaceDown), static_cast<int>(EmptySlot), 2}) {
        Canvas screen(100, 130), before(100, 130);
        screen.FillPattern();
        before.FillPattern();
        Card card(CodeOf(Rank::Queen, 3));
        card.SetDrawMode(mode);
        card.Draw(screen, Left, Top, false, CardHost());
        int wrong = 0;
        for (int y = 0; y < screen.height; ++y)
            for (int x = 0; x < screen.width; ++x)
                wrong += screen.At(x, y) != (Inside(x, y, 71, 96) ? Settings.BackgroundColor : before.At(x, y));
        EXPECT_EQ(wrong, 0) << "mode " << mode;
    }
}

TEST_F(CardDrawTest, FacesAndBacksComeFromTheCardLibrary) {
    Settings.BackgroundColor = Blue;
    const struct { int mode; int code; int libraryCard; int libraryMode; } cases[] = {
        {FaceUp, CodeOf(Rank::Seven, 2), CodeOf(Rank::Seven, 2), 0},
        {FaceUp, CodeOf(Rank::King, 0), CodeOf(Rank::King, 0), 0},
        {FaceDown, CodeOf(Rank::Ace, 3), 54, 1},
        {FaceDown, CodeOf(Rank::Nine, 1), 54, 1},
    };
    for (const auto& c : cases) {
        Canvas screen(100, 130, Blue), reference(100, 130, Blue), blank(100, 130, Blue);
        Card card(c.code);
        card.SetDrawMode(c.mode);
        card.Draw(screen, Left, Top, true, CardHost());
        CardHost().drawCard(reference, Left, Top, c.libraryCard, c.libraryMode, Blue);
        EXPECT_EQ(screen.Differences(reference), 0) << "mode " << c.mode << " code " << c.code;
        EXPECT_GT(screen.Differences(blank), 1000) << "the library drew nothing for mode " << c.mode;
    }
}

TEST_F(CardDrawTest, MarkerLightensInsideTheRingBlackensTheOutlineAndLeavesTheRest) {
    int ringWidth, ringHeight, outlineWidth, outlineHeight;
    const std::vector<COLORREF> ring = PixelsOf(CardHost().ringBitmap, ringWidth, ringHeight);
    const std::vector<COLORREF> outline = PixelsOf(CardHost().outlineBitmap, outlineWidth, outlineHeight);
    ASSERT_EQ(ringWidth, 70);
    ASSERT_EQ(ringHeight, 95);
    ASSERT_EQ(outlineWidth, 70);
    ASSERT_EQ(outlineHeight, 95);
    ASSERT_EQ(CardHost().cardWidth, 71);

    Settings.BackgroundColor = Blue;
    Canvas screen(100, 130, Blue);
    Card marker(PlaceholderCode);
    marker.SetDrawMode(EmptySlot);
    marker.Draw(screen, Left, Top, true, CardHost());

    const COLORREF lightened = RGB(5 | 63, 64 | 63, 160 | 63);
    int wrong = 0, lightenedCount = 0, blackCount = 0;
    for (int y = 0; y < screen.height; ++y) {
        for (int x = 0; x < screen.width; ++x) {
            COLORREF expected = Blue;
            if (Inside(x, y, 70, 95)) {
                const int i = (y - Top) * 70 + (x - Left);
                // MERGEPAINT: screen OR NOT ring; then SRCAND: AND outline.
                expected = Channelwise(Blue, ring[i], [](int s, int r) { return s | ~r; });
                expected = Channelwise(expected, outline[i], [](int s, int o) { return s & o; });
            }
            const COLORREF actual = screen.At(x, y);
            wrong += actual != expected;
            lightenedCount += actual == lightened;
            blackCount += actual == RGB(0, 0, 0);
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(lightenedCount, 500);
    EXPECT_GT(blackCount, 300);
    EXPECT_EQ(screen.At(Left + 35, Top + 20), lightened);  // the top of the ring
    EXPECT_EQ(screen.At(Left + 35, Top + 47), Blue);       // its middle
    EXPECT_EQ(screen.At(Left, Top + 47), RGB(0, 0, 0));    // the left border
    EXPECT_EQ(screen.At(Left, Top), Blue);                 // a cut corner
    for (int y = Top; y < Top + 96; ++y) EXPECT_EQ(screen.At(Left + 70, y), Blue) << "row " << y;
    for (int x = Left; x < Left + 71; ++x) EXPECT_EQ(screen.At(x, Top + 95), Blue) << "column " << x;
}
