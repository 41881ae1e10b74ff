// Landing: the charge with the score multiplier, collapses and their points, freezing a bust stack,
// the ends of a game with their reasons, and the alternative collapse rules in whole games.
#include <windows.h>
#include "BoardFixture.h"

namespace {
class LandingTest : public BoardFixture {
protected:
    void SetUp() override {
        BoardFixture::SetUp();
        Settings.OneDeck = 0;
    }
    // Queues the first falling card and five Easy dealer hands of 21, in the order the board deals them.
    void ScriptNewGame(CardCode first) {
        script.RandomCard(first);
        for (int i = 0; i < StackCount; ++i) script.EasyHand(21, Ace);
    }
    void LevelUp() { board->LevelUp(Window()); }
    ScriptedRandom script;
};

struct MultiplierRow {
    int getFaster, dealerOption, freezeOnBust, levelUps;
    double multiplier;
    int charge;
};

class MultiplierTest : public BoardFixture, public ::testing::WithParamInterface<MultiplierRow> {};
}

TEST_P(MultiplierTest, MultiplierAndTheChargeForOneLandedCard) {
    const MultiplierRow row = GetParam();
    Settings.GetFaster = row.getFaster;
    Settings.DealerOption = row.dealerOption;
    Settings.FreezeOnBust = row.freezeOnBust;
    NewGame();
    for (int i = 0; i < row.levelUps; ++i) board->LevelUp(Window());
    EXPECT_DOUBLE_EQ(board->ScoreMultiplier(), row.multiplier);
    board->Drop(Window());
    EXPECT_EQ(CardsOn(2), 1);
    EXPECT_EQ(board->GetWinnings(), row.charge);
}

INSTANTIATE_TEST_SUITE_P(Table, MultiplierTest,
                         ::testing::Values(MultiplierRow{1, 1, 1, 0, 2.0, -10}, MultiplierRow{1, 1, 0, 1, 1.25, -6},
                                           MultiplierRow{1, 2, 0, 1, 2.25, -11}, MultiplierRow{0, 3, 1, 0, 6.0, -30},
                                           MultiplierRow{0, 1, 0, 2, 1.0, -5}, MultiplierRow{1, 3, 0, 2, 3.5, -17}));

TEST_F(LandingTest, CollapseWorth40GainsItsPointsTimesTheMultiplierTruncated) {
    Settings.OneDeck = 1;
    Settings.DealerOption = 2;
    Settings.FreezeOnBust = 0;
    NewGame();
    LevelUp();
    ASSERT_DOUBLE_EQ(board->ScoreMultiplier(), 2.25);
    TheShoe().SetDeck({CodeOf(Two), CodeOf(Nine, 1)});
    LandInColumn(0);
    EXPECT_EQ(board->GetWinnings(), -11);

    PutCards(2, {CodeOf(Six), CodeOf(Five), CodeOf(Ace)});
    StackAt(2).SetDealerHand(20, Ten);
    LandInColumn(2);  // the nine: all four cards make 21 with the ace low
    EXPECT_EQ(CardsOn(2), 0);
    EXPECT_EQ(board->GetWinnings(), -11 - 11 + 90);
    EXPECT_EQ(TheShoe().Falling()->Code(), CodeOf(Two));
}

TEST_F(LandingTest, UnknownCollapseRuleCollapsesNothingAndDealsNoDealerHand) {
    Settings.CollapseRegime = 5;
    Settings.MinCollapse = 0;
    Settings.FreezeOnBust = 0;
    ScriptNewGame(CodeOf(Ace));
    script.RandomCard(CodeOf(King)).RandomCard(CodeOf(Four));
    NewGame();
    FallAndLand();
    FallAndLand();
    EXPECT_EQ(CardsOn(2), 2);  // ace and king: no collapse under an unknown rule
    EXPECT_EQ(StackAt(2).DealerTotal(), 21);
    EXPECT_EQ(TheShoe().Falling()->Code(), CodeOf(Four));
    EXPECT_EQ(board->GetWinnings(), -10);
    EXPECT_EQ(script.Remaining(), 0u);
}

TEST_F(LandingTest, BustStackFreezesWithItsFaceDownCardAndTheNextCardMovesOn) {
    ScriptNewGame(CodeOf(King));
    NewGame(false);
    PutCards(2, {CodeOf(Queen), CodeOf(Two)});
    window.Paint();
    FallAndLand();
    EXPECT_TRUE(StackAt(2).IsFrozen());
    EXPECT_EQ(CardsOn(2), 4);
    EXPECT_EQ(StackAt(2).CardAt(0)->DrawMode(), FaceDown);
    EXPECT_EQ(board->Column(), 3);
    EXPECT_EQ(board->GetWinnings(), -10);
    EXPECT_FALSE(window.gameIsOver);
}

TEST_F(LandingTest, AStackOfExactly21IsNotBust) {
    Settings.CollapseRegime = 1;
    Settings.DeriveMinCollapse();
    ScriptNewGame(CodeOf(Ace, 2));
    NewGame(false);
    PutCards(2, {CodeOf(Ten, 0), CodeOf(Ten, 1)});
    window.Paint();
    FallAndLand();  // ten, ten, ace: no set or run, and 21 is not over 21
    EXPECT_FALSE(StackAt(2).IsFrozen());
    EXPECT_EQ(CardsOn(2), 3);
}

TEST_F(LandingTest, CollapseComesFirstThenWhatRemainsFreezes) {
    Settings.CollapseRegime = 1;
    Settings.DeriveMinCollapse();
    ScriptNewGame(CodeOf(Seven));
    NewGame(false);
    PutCards(2, {CodeOf(King, 1), CodeOf(Queen, 2), CodeOf(Jack, 3), CodeOf(Five), CodeOf(Six)});
    window.Paint();
    FallAndLand();  // five, six, seven of one suit collapse; king, queen, jack are bust
    EXPECT_TRUE(StackAt(2).IsFrozen());
    EXPECT_EQ(CardsOn(2), 4);
    EXPECT_EQ(StackAt(2).CardAt(1)->Code(), CodeOf(Jack, 3));
    EXPECT_EQ(board->GetWinnings(), -10 + 30);
    EXPECT_EQ(board->Column(), 3);
}

TEST_F(LandingTest, FreezeThatLeavesNoFreeStackEndsTheGameWithoutDealing) {
    Settings.CollapseRegime = 1;
    Settings.DeriveMinCollapse();
    Settings.OneDeck = 1;
    NewGame(false);
    for (int column : {0, 1, 3, 4}) Freeze(column);
    const int firstCode = TheShoe().Falling()->Code();
    PutCards(2, {CodeOf(King, 1), CodeOf(Queen, 2), CodeOf(Jack, 3)});
    window.Paint();
    ASSERT_FALSE(window.gameIsOver);
    const int cardsLeft = TheShoe().CardsLeft();
    FallAndLand();
    EXPECT_TRUE(window.gameIsOver);
    EXPECT_EQ(window.lastEndReason, NoRoomForCard);
    EXPECT_TRUE(StackAt(2).IsFrozen());
    EXPECT_EQ(StackAt(2).CardAt(1)->Code(), firstCode);
    EXPECT_EQ(TheShoe().Falling(), nullptr);  // no new card was dealt
    EXPECT_EQ(cardsLeft, 51);
    EXPECT_EQ(TheShoe().CardsLeft() + 1, 0);   // the deck counter reads 0
    EXPECT_EQ(board->Level(), 0);
    // A repaint of the finished game finds no falling card and changes nothing.
    window.Paint();
    EXPECT_EQ(window.lastEndReason, NoRoomForCard);
}

TEST_F(LandingTest, OutOfCardsEndsTheGameWithReason1AndAnEmptyDeckCounter) {
    Settings.OneDeck = 2;
    Settings.EndOnShuffle = 1;
    NewGame();
    TheShoe().SetDeck({});
    FallAndLand();
    EXPECT_TRUE(window.gameIsOver);
    EXPECT_EQ(window.lastEndReason, OutOfCards);
    EXPECT_EQ(TheShoe().CardsLeft() + 1, 0);
    EXPECT_EQ(CardsOn(2), 1);
    // The card dealt by the refill is never drawn, and nothing moves any more.
    EXPECT_EQ(TheShoe().FallingY(), 0);
    EXPECT_FALSE(TheShoe().BackgroundSaved());
    Tick(30);
    EXPECT_EQ(TheShoe().FallingY(), 0);
}

TEST_F(LandingTest, PerfectMatchEndsTheGameWithReason2) {
    Settings.OneDeck = 2;
    Settings.EndOnShuffle = 1;
    Settings.DealerOption = 3;
    Settings.FreezeOnBust = 0;
    for (int pass = 0; pass < 3; ++pass)
        for (int i = 0; i < 52; ++i) script.Next(i, 52, 0);  // the shuffle leaves the deck in order
    NewGame();
    ASSERT_EQ(TheShoe().Falling()->Code(), CodeOf(King, 3));
    // Three sevens make 21 on their own: dealt onto the king they collapse, go back, and come again.
    TheShoe().SetDeck({CodeOf(Seven), CodeOf(Seven, 1), CodeOf(Seven, 2)});
    int landings = 0;
    while (!window.gameIsOver && landings < 200) {
        FallAndLand();
        ++landings;
    }
    EXPECT_EQ(window.lastEndReason, PerfectMatch);
    EXPECT_TRUE(TheShoe().Exhausted());
    EXPECT_EQ(TheShoe().PerfectMatches(), 32);
    EXPECT_EQ(landings, 1 + 3 * 31);
    EXPECT_EQ(TheShoe().CardsLeft() + 1, 0);
    EXPECT_EQ(board->Level(), 1);  // the 52nd landing went on as usual
}

TEST_F(LandingTest, SetsAndRunsCollapseInThreesAndTwoCardsNeverDo) {
    Settings.CollapseRegime = 1;
    Settings.DeriveMinCollapse();
    Settings.DealerOption = 3;
    Settings.FreezeOnBust = 0;
    script.RandomCard(CodeOf(King));
    for (CardCode code : {CodeOf(Ace), CodeOf(Queen), CodeOf(Seven, 1), CodeOf(Seven, 2), CodeOf(Seven, 3),
                          CodeOf(Three), CodeOf(Four, 1), CodeOf(Four)})
        script.RandomCard(code);
    NewGame();
    FallAndLand();
    FallAndLand();
    EXPECT_EQ(CardsOn(2), 2);  // king and ace of one suit: 21, but only two cards
    FallAndLand();
    EXPECT_EQ(CardsOn(2), 0);  // queen, king, ace of one suit: a run with the ace high
    EXPECT_EQ(board->GetWinnings(), -45 + 3 * 35);
    FallAndLand();
    FallAndLand();
    EXPECT_EQ(CardsOn(2), 2);
    FallAndLand();
    EXPECT_EQ(CardsOn(2), 0);  // three sevens
    FallAndLand();
    FallAndLand();
    EXPECT_EQ(CardsOn(2), 2);  // three and four of different suits
    FallAndLand();
    EXPECT_EQ(CardsOn(2), 3);  // four, four, three: neither a set nor a run
}

TEST_F(LandingTest, PokerHandsCollapseOnlyFourOrFiveCards) {
    Settings.CollapseRegime = 2;
    Settings.DeriveMinCollapse();
    Settings.DealerOption = 3;
    Settings.FreezeOnBust = 0;
    script.RandomCard(CodeOf(King));
    for (CardCode code : {CodeOf(King, 1), CodeOf(King, 2), CodeOf(King, 3), CodeOf(Five), CodeOf(Six, 1),
                          CodeOf(Seven, 2), CodeOf(Eight, 3), CodeOf(Nine)})
        script.RandomCard(code);
    NewGame();
    for (int i = 1; i <= 3; ++i) {
        FallAndLand();
        EXPECT_EQ(CardsOn(2), i);  // a set of three is no poker hand
    }
    FallAndLand();
    EXPECT_EQ(CardsOn(2), 0);  // four kings
    EXPECT_EQ(board->GetWinnings(), -60 + 3 * 173);
    for (int i = 1; i <= 4; ++i) {
        FallAndLand();
        EXPECT_EQ(CardsOn(2), i);
    }
    FallAndLand();
    EXPECT_EQ(CardsOn(2), 0);  // five to nine: a straight
}
