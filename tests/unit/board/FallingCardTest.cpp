// The falling card: where a new card is placed, ticks, the no-room ending, moves, drops and swaps.
#include <windows.h>
#include <vector>
#include "BoardFixture.h"

namespace {
// Endless dealing with Hard dealers (21) and no freezing: tens never collapse and never freeze.
class FallingCardTest : public BoardFixture {
protected:
    void SetUp() override {
        BoardFixture::SetUp();
        Settings.OneDeck = 0;
        Settings.DealerOption = 3;
        Settings.FreezeOnBust = 0;
    }
    void DealTens(int count) {
        for (int i = 0; i < count; ++i) script.RandomCard(CodeOf(Ten, i % 4));
    }
    // Drops the card; the card's height at each pause between the steps.
    std::vector<int> DropHeights() {
        std::vector<int> heights;
        board->pauseAfterDropStep = [&] { heights.push_back(TheShoe().FallingY()); };
        board->Drop(Window());
        return heights;
    }
    ScriptedRandom script;
};

class PlacementTest : public BoardFixture {};
}

TEST_F(PlacementTest, DefaultGameFirstCardFallsOntoTheMiddleStackIn24TicksAndCosts10) {
    NewGame();
    EXPECT_EQ(board->Column(), 2);
    EXPECT_EQ(TheShoe().FallingX(), board->SpawnX());
    EXPECT_EQ(TheShoe().FallingY(), board->SpawnY());
    EXPECT_TRUE(TheShoe().BackgroundSaved());
    Tick(23);
    EXPECT_EQ(CardsOn(2), 0);
    EXPECT_EQ(TheShoe().FallingY(), 20 + 23 * 12);
    Tick();
    EXPECT_EQ(CardsOn(2), 1);
    EXPECT_EQ(board->GetWinnings(), -10);
    EXPECT_EQ(board->CardsThisLevel(), 1);
    // The next card is placed at once over the column of the landing.
    EXPECT_EQ(board->Column(), 2);
    EXPECT_EQ(TheShoe().FallingY(), board->SpawnY());
    EXPECT_EQ(TheShoe().FallingX(), board->SpawnX());
}

TEST_F(PlacementTest, WithLastStackTheNextCardComesOverTheColumnOfTheLanding) {
    Settings.LastStack = 1;
    NewGame();
    LandInColumn(0);
    EXPECT_EQ(CardsOn(0), 1);
    EXPECT_EQ(board->Column(), 0);
    EXPECT_EQ(TheShoe().FallingX(), 9);
    EXPECT_EQ(TheShoe().FallingY(), 20);
}

TEST_F(PlacementTest, WithoutLastStackEveryCardComesOverTheMiddleColumn) {
    Settings.LastStack = 0;
    NewGame();
    LandInColumn(4);
    EXPECT_EQ(CardsOn(4), 1);
    EXPECT_EQ(board->Column(), 2);
    EXPECT_EQ(TheShoe().FallingX(), 191);
}

TEST_F(PlacementTest, FrozenMiddleStackSendsTheCardToTheNextFreeColumnRightThenLeft) {
    Settings.LastStack = 0;
    Settings.FreezeOnBust = 1;
    NewGame(false);
    Freeze(2);
    window.Paint();
    EXPECT_EQ(board->Column(), 3);
    EXPECT_EQ(TheShoe().FallingX(), 282);

    NewGame(false);
    Freeze(2);
    Freeze(3);
    Freeze(4);
    window.Paint();
    EXPECT_EQ(board->Column(), 1);

    NewGame(false);
    for (int column : {1, 2, 3, 4}) Freeze(column);
    window.Paint();
    EXPECT_EQ(board->Column(), 0);

    // Without the Vicious rule a frozen middle stack is not looked at.
    Settings.FreezeOnBust = 0;
    NewGame(false);
    Freeze(2);
    window.Paint();
    EXPECT_EQ(board->Column(), 2);
}

TEST_F(PlacementTest, AfterABustFreezesTheLandingColumnTheNextCardGoesRightElseLeft) {
    Settings.OneDeck = 0;
    Settings.LastStack = 1;
    Settings.FreezeOnBust = 1;
    ScriptedRandom script;
    script.RandomCard(CodeOf(King)).EasyHand(21, 0).EasyHand(21, 0).EasyHand(21, 0).EasyHand(21, 0)
        .EasyHand(21, 0).RandomCard(CodeOf(Five)).RandomCard(CodeOf(Five, 1)).RandomCard(CodeOf(Five, 2));
    NewGame(false);
    PutCards(4, {CodeOf(King), CodeOf(Queen)});
    window.Paint();
    LandInColumn(4);  // 30: bust
    EXPECT_TRUE(StackAt(4).IsFrozen());
    EXPECT_EQ(board->Column(), 3);  // nothing to the right of 4: the nearest free column to the left
    EXPECT_EQ(TheShoe().FallingX(), 282);

    PutCards(3, {CodeOf(King), CodeOf(Queen)});
    LandInColumn(3);  // 25: bust, and 4 is frozen
    EXPECT_TRUE(StackAt(3).IsFrozen());
    EXPECT_EQ(board->Column(), 2);

    PutCards(1, {CodeOf(King), CodeOf(Queen)});
    LandInColumn(1);  // bust: the free column to its right comes first
    EXPECT_TRUE(StackAt(1).IsFrozen());
    EXPECT_EQ(board->Column(), 2);
    EXPECT_FALSE(window.gameIsOver);
}

TEST_F(FallingCardTest, TwelveCardsUnderANewCardEndTheGameWithNoRoom) {
    DealTens(1);
    NewGame(false);
    PutCards(2, {36, 37, 38, 39, 36, 37, 38, 39, 36, 37, 38, 39});
    window.Paint();
    EXPECT_TRUE(window.gameIsOver);
    EXPECT_EQ(window.lastEndReason, NoRoomForCard);
    EXPECT_EQ(board->Column(), 2);
}

TEST_F(FallingCardTest, ElevenCardsLeaveRoomForTwoTicks) {
    DealTens(2);
    NewGame(false);
    PutCards(2, {36, 37, 38, 39, 36, 37, 38, 39, 36, 37, 38});
    window.Paint();
    EXPECT_FALSE(window.gameIsOver);
    EXPECT_EQ(Distance(), 24);
    Tick();
    EXPECT_EQ(CardsOn(2), 11);
    Tick();
    EXPECT_EQ(CardsOn(2), 12);
    // The next card over the same column now has no room.
    EXPECT_TRUE(window.gameIsOver);
    EXPECT_EQ(window.lastEndReason, NoRoomForCard);
}

TEST_F(FallingCardTest, MovesStopAtBothEdges) {
    DealTens(1);
    NewGame();
    board->MoveLeft(Window());
    board->MoveLeft(Window());
    EXPECT_EQ(board->Column(), 0);
    EXPECT_EQ(TheShoe().FallingX(), 9);
    board->MoveLeft(Window());
    EXPECT_EQ(board->Column(), 0);
    EXPECT_EQ(TheShoe().FallingX(), 9);
    for (int i = 0; i < 5; ++i) board->MoveRight(Window());
    EXPECT_EQ(board->Column(), 4);
    EXPECT_EQ(TheShoe().FallingX(), 373);
    EXPECT_EQ(TheShoe().FallingY(), 20);
}

TEST_F(FallingCardTest, MoveLeftPassesShortFrozenStacks) {
    DealTens(1);
    NewGame();
    board->MoveRight(Window());
    Freeze(1);
    Freeze(2);
    board->MoveLeft(Window());
    EXPECT_EQ(board->Column(), 0);
    EXPECT_EQ(TheShoe().FallingX(), 9);
    board->MoveRight(Window());
    EXPECT_EQ(board->Column(), 3);
    EXPECT_EQ(TheShoe().FallingX(), 282);
}

TEST_F(FallingCardTest, FrozenStackReachingAboveTheCardBlocksTheMove) {
    DealTens(1);
    NewGame();
    board->MoveRight(Window());
    PutCards(2, {36, 37, 38, 39});
    Freeze(2);  // five cards: the top of the stack is 120 pixels above the base
    Tick(15);   // the card is now 12 pixels below that top
    ASSERT_EQ(board->DistanceToLanding(TheShoe().FallingY(), 2), -12);
    const int x = TheShoe().FallingX();
    board->MoveLeft(Window());
    EXPECT_EQ(board->Column(), 3);
    EXPECT_EQ(TheShoe().FallingX(), x);
    EXPECT_EQ(CardsOn(3), 0);
}

TEST_F(FallingCardTest, FrozenStackWhoseTopIsAtTheCardsHeightIsPassed) {
    DealTens(1);
    NewGame();
    board->MoveRight(Window());
    PutCards(2, {36});
    Freeze(2);
    Tick(20);  // level with the top of the two cards on stack 2
    ASSERT_EQ(board->DistanceToLanding(TheShoe().FallingY(), 2), 0);
    board->MoveLeft(Window());
    EXPECT_EQ(board->Column(), 1);
    EXPECT_EQ(TheShoe().FallingX(), 100);
    EXPECT_EQ(CardsOn(2), 2);
    EXPECT_EQ(CardsOn(1), 0);
}

TEST_F(FallingCardTest, MovingOntoAStackTopAtTheCardsHeightLandsAtOnce) {
    DealTens(2);
    NewGame();
    PutCards(1, {36, 37});
    Tick(20);  // 240 pixels: level with the top of the two cards on stack 1
    EXPECT_EQ(CardsOn(2), 0);
    board->MoveLeft(Window());
    EXPECT_EQ(CardsOn(1), 3);
    EXPECT_EQ(board->GetWinnings(), -15);  // Hard dealers: multiplier 3
    EXPECT_EQ(board->Column(), 1);
    EXPECT_EQ(TheShoe().FallingY(), 20);
}

TEST_F(FallingCardTest, DropMakesSixStepsOntoAnEmptyStackThenLandsAndDealsAtOnce) {
    DealTens(2);
    NewGame();
    const std::vector<int> heights = DropHeights();
    EXPECT_EQ(heights, (std::vector<int>{20, 68, 116, 164, 212, 260}));  // paused after each 48-pixel step
    EXPECT_EQ(CardsOn(2), 1);
    EXPECT_EQ(board->GetWinnings(), -15);
    EXPECT_EQ(board->CardsThisLevel(), 1);
    EXPECT_EQ(TheShoe().FallingY(), 20);
    EXPECT_EQ(TheShoe().Falling()->Code(), CodeOf(Ten, 1));
}

TEST_F(FallingCardTest, DropOntoATallStackTakesOneStep) {
    DealTens(2);
    NewGame();
    PutCards(2, {36, 37, 38, 39, 36, 37, 38, 39, 36, 37});  // ten cards: 48 pixels to go
    EXPECT_EQ(DropHeights(), std::vector<int>{20});
    EXPECT_EQ(CardsOn(2), 11);
}

TEST_F(FallingCardTest, DropFromBetweenTheStepsEndsExactlyOnTheLandingPlace) {
    DealTens(2);
    NewGame();
    Tick(1);
    board->Drop(Window());
    EXPECT_EQ(CardsOn(2), 1);
    EXPECT_FALSE(window.gameIsOver);
}

TEST_F(FallingCardTest, SwapKeepsPositionColumnAndHeight) {
    Settings.SwapMode = 2;  // complement: a ten becomes a three of its suit
    DealTens(1);
    NewGame();
    board->MoveLeft(Window());
    Tick(4);
    const int x = TheShoe().FallingX(), y = TheShoe().FallingY();
    board->Swap(Window());
    EXPECT_EQ(TheShoe().Falling()->Code(), CodeOf(Three));
    EXPECT_EQ(TheShoe().FallingX(), x);
    EXPECT_EQ(TheShoe().FallingY(), y);
    EXPECT_EQ(board->Column(), 1);
    EXPECT_TRUE(TheShoe().BackgroundSaved());
}

TEST_F(FallingCardTest, NothingMovesBeforeTheFirstPaintOrAfterTheGameIsOver) {
    DealTens(1);
    NewGame(false);
    board->Tick(Window());
    board->MoveLeft(Window());
    board->Drop(Window());
    EXPECT_EQ(TheShoe().FallingY(), 0);
    EXPECT_EQ(board->Column(), -1);
    EXPECT_EQ(board->CardsThisLevel(), 0);

    window.Paint();
    window.gameIsOver = true;
    Tick(30);
    board->Drop(Window());
    EXPECT_EQ(TheShoe().FallingY(), 20);
    EXPECT_EQ(CardsOn(2), 0);
}

TEST_F(FallingCardTest, UnusualStoredDirectionFallsDownAndLandsLikeTheNormalOne) {
    Settings.UpDown = 0;
    DealTens(3);
    NewGame();
    EXPECT_EQ(TheShoe().FallingY(), 20);
    Tick(23);
    EXPECT_EQ(TheShoe().FallingY(), 20 + 23 * 12);
    Tick();
    EXPECT_EQ(CardsOn(2), 1);
    board->Drop(Window());
    EXPECT_EQ(CardsOn(2), 2);
    EXPECT_EQ(Distance(), 288 - 48);
}

TEST_F(FallingCardTest, UpsideDownCardsRiseOntoStacksThatGrowDownwards) {
    Settings.UpDown = -1;
    DealTens(3);
    NewGame();
    EXPECT_EQ(TheShoe().FallingY(), 308);
    Tick();
    EXPECT_EQ(TheShoe().FallingY(), 296);
    Tick(23);
    EXPECT_EQ(CardsOn(2), 1);
    EXPECT_EQ(board->Stacks().NextCardY(2), 20 + 24);
    board->Drop(Window());
    EXPECT_EQ(CardsOn(2), 2);
}
