// The falling card as a sprite: saving and restoring the screen under it, moving, handing it over, cleanup.
#include <gtest/gtest.h>
#include "support/Canvas.h"
#include "support/TestCards.h"
#include "game/Shoe.h"
#include "support/GameTestEnvironment.h"

namespace {
class SpriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        PrepareGameForTests();
        screen.FillPattern();
        shoe.SetDeck({CodeOf(Rank::Four, 1), CodeOf(Rank::Jack, 2)});
        shoe.DealNext(nullptr);
    }
    // The untouched screen with the falling card drawn at (x, y).
    void ExpectScreenShowsCardAt(int x, int y) {
        Canvas reference(screen.width, screen.height);
        reference.FillPattern();
        Card(shoe.Falling()->Code()).Draw(reference, x, y, true, CardHost());
        EXPECT_EQ(screen.Differences(reference), 0) << "card at " << x << ", " << y;
    }
    void ExpectScreenUntouched() {
        Canvas reference(screen.width, screen.height);
        reference.FillPattern();
        EXPECT_EQ(screen.Differences(reference), 0);
    }

    ScopedSettings keep;
    Canvas screen{320, 300};
    Shoe shoe{CardHost()};
};
}

TEST_F(SpriteTest, MovingRestoresExactlyThePixelsTheCardCovered) {
    shoe.SetFallingPos(20, 30);
    shoe.DrawFalling(screen);
    EXPECT_TRUE(shoe.BackgroundSaved());
    ExpectScreenShowsCardAt(20, 30);

    shoe.MoveBy(15, 12, screen);  // overlaps the old place
    ExpectScreenShowsCardAt(35, 42);
    shoe.MoveTo(200, 150, screen);
    ExpectScreenShowsCardAt(200, 150);
    shoe.MoveBy(-91, 0, screen);
    ExpectScreenShowsCardAt(109, 150);

    shoe.HideFalling(screen);
    EXPECT_FALSE(shoe.BackgroundSaved());
    ExpectScreenUntouched();
}

TEST_F(SpriteTest, HidingTwiceRestoresOnce) {
    shoe.SetFallingPos(40, 40);
    shoe.DrawFalling(screen);
    shoe.HideFalling(screen);
    screen.FillRect(40, 40, 71, 96, RGB(255, 0, 255));  // drawn over after the card was hidden
    shoe.HideFalling(screen);
    EXPECT_EQ(screen.At(40, 40), RGB(255, 0, 255));
    EXPECT_EQ(screen.At(110, 135), RGB(255, 0, 255));
}

TEST_F(SpriteTest, DrawingAgainKeepsTheFirstSavedBackground) {
    shoe.SetFallingPos(60, 80);
    shoe.DrawFalling(screen);
    screen.FillRect(60, 80, 71, 96, RGB(255, 0, 255));  // e.g. a repaint drew the board over the card
    shoe.DrawFalling(screen);
    shoe.HideFalling(screen);
    ExpectScreenUntouched();
}

TEST_F(SpriteTest, RedrawShowsTheSwappedCardOverTheSameBackground) {
    Settings.SwapMode = 3;
    shoe.SetFallingPos(70, 20);
    shoe.DrawFalling(screen);
    shoe.Swap(nullptr);
    ASSERT_EQ(shoe.Falling()->Code(), CodeOf(Rank::Four, 1));
    shoe.RedrawFalling(screen);
    ExpectScreenShowsCardAt(70, 20);
}

TEST_F(SpriteTest, WithoutADeviceContextMovesOnlyChangeThePosition) {
    shoe.MoveTo(50, 60, nullptr);
    EXPECT_EQ(shoe.FallingX(), 50);
    EXPECT_EQ(shoe.FallingY(), 60);
    shoe.MoveBy(-10, 12, nullptr);
    EXPECT_EQ(shoe.FallingX(), 40);
    EXPECT_EQ(shoe.FallingY(), 72);
    EXPECT_FALSE(shoe.BackgroundSaved());
    ExpectScreenUntouched();
}

TEST_F(SpriteTest, TakenCardStaysOnTheScreenWithoutASavedBackground) {
    shoe.SetFallingPos(100, 100);
    shoe.DrawFalling(screen);
    const CardCode code = shoe.Falling()->Code();
    Card* landed = shoe.TakeFallingCard();
    ASSERT_NE(landed, nullptr);
    EXPECT_EQ(landed->Code(), code);
    EXPECT_EQ(shoe.Falling(), nullptr);
    EXPECT_FALSE(shoe.BackgroundSaved());
    shoe.HideFalling(screen);  // nothing left to restore
    Canvas reference(screen.width, screen.height);
    reference.FillPattern();
    landed->Draw(reference, 100, 100, true, CardHost());
    EXPECT_EQ(screen.Differences(reference), 0);
    delete landed;
}

TEST_F(SpriteTest, DestroyedShoesReleaseTheirSavedBackgrounds) {
    // More shoes than the process may hold GDI handles at once, so a leaked bitmap would exhaust them.
    for (int i = 0; i < 70000; ++i) {
        Shoe temporary{CardHost()};
        temporary.SetDeck({i % 52});
        temporary.DealNext(nullptr);
        temporary.SetFallingPos(i % 200, i % 150);
        temporary.DrawFalling(screen);
        ASSERT_TRUE(temporary.BackgroundSaved()) << "shoe " << i;
    }
    screen.FillPattern();
    shoe.SetFallingPos(30, 30);
    shoe.DrawFalling(screen);
    ExpectScreenShowsCardAt(30, 30);
    shoe.HideFalling(screen);
    ExpectScreenUntouched();
}
