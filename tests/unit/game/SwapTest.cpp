// Swapping the falling card: with the next cards of the deck, for the complement, for a new card, disabled.
#include <gtest/gtest.h>
#include <vector>
#include "support/TestCards.h"
#include "game/Random.h"
#include "game/Shoe.h"
#include "support/GameTestEnvironment.h"

namespace {
class SwapTest : public ::testing::Test {
protected:
    void SetUp() override {
        PrepareGameForTests();
        Settings.DealerOption = 3;
    }

    // Deals the top card of `deck` as the falling card and puts the card at a place of its own.
    void DealFrom(const std::vector<CardCode>& deck) {
        shoe.SetDeck(deck);
        ASSERT_TRUE(shoe.DealNext(nullptr));
        shoe.SetFallingPos(100, 60);
    }
    CardCode FallingCode() const { return shoe.Falling()->Code(); }
    void ExpectPositionKept() const {
        EXPECT_EQ(shoe.FallingX(), 100);
        EXPECT_EQ(shoe.FallingY(), 60);
    }

    ScopedSettings keep;
    Shoe shoe{CardHost()};
};
}

TEST_F(SwapTest, ThreeSwapsWithTheNextCardsBringTheFirstCardBack) {
    Settings.SwapMode = 3;
    DealFrom({10, 11, 20, 30, 40});
    const std::vector<CardCode> before = DeckOf(shoe);  // {10, 11, 20, 30}, 30 next
    shoe.Swap(nullptr);
    EXPECT_EQ(FallingCode(), 30);
    EXPECT_EQ(DeckOf(shoe), (std::vector<CardCode>{10, 11, 40, 20}));
    shoe.Swap(nullptr);
    EXPECT_EQ(FallingCode(), 20);
    EXPECT_EQ(DeckOf(shoe), (std::vector<CardCode>{10, 11, 30, 40}));
    shoe.Swap(nullptr);
    EXPECT_EQ(FallingCode(), 40);
    EXPECT_EQ(DeckOf(shoe), before);
    ExpectPositionKept();
}

TEST_F(SwapTest, WithOneCardLeftTwoSwapsBringTheFirstCardBack) {
    Settings.SwapMode = 3;
    DealFrom({7, 40});
    shoe.Swap(nullptr);
    EXPECT_EQ(FallingCode(), 7);
    EXPECT_EQ(DeckOf(shoe), (std::vector<CardCode>{40}));
    shoe.Swap(nullptr);
    EXPECT_EQ(FallingCode(), 40);
    EXPECT_EQ(DeckOf(shoe), (std::vector<CardCode>{7}));
}

TEST_F(SwapTest, EndlessComplementSwapPairsRanksWithinTheSuit) {
    Settings.SwapMode = 2;
    Settings.OneDeck = 0;
    const struct { int rank, complement; } pairs[] = {
        {Rank::Ace, Rank::Queen}, {Rank::Two, Rank::Jack},  {Rank::Three, Rank::Ten},   {Rank::Four, Rank::Nine},
        {Rank::Five, Rank::Eight}, {Rank::Six, Rank::Seven}, {Rank::Seven, Rank::Six},  {Rank::Queen, Rank::Ace},
        {Rank::King, Rank::King},
    };
    for (const auto& pair : pairs) {
        for (int suit = 0; suit < 4; ++suit) {
            ScriptedRandom random;
            random.RandomCard(CodeOf(pair.rank, suit));
            shoe.DealNext(nullptr);
            const Card* before = shoe.Falling();
            shoe.Swap(nullptr);
            EXPECT_EQ(FallingCode(), CodeOf(pair.complement, suit)) << "rank " << pair.rank << " suit " << suit;
            EXPECT_NE(shoe.Falling(), before);  // a new card object, even for a King
            EXPECT_EQ(random.Remaining(), 0u);
            delete shoe.TakeFallingCard();
        }
    }
}

TEST_F(SwapTest, ComplementSwapWithADeckTradesPlacesWithTheFirstComplementInIt) {
    Settings.SwapMode = 2;
    const CardCode two = CodeOf(Rank::Two, 2), jack = CodeOf(Rank::Jack, 2);
    DealFrom({5, jack, 9, jack, two});
    shoe.Swap(nullptr);
    EXPECT_EQ(FallingCode(), jack);
    EXPECT_EQ(DeckOf(shoe), (std::vector<CardCode>{5, two, 9, jack}));
    ExpectPositionKept();
}

TEST_F(SwapTest, ComplementSwapLeavesTheCardWhenTheComplementWasDealt) {
    Settings.SwapMode = 2;
    const CardCode two = CodeOf(Rank::Two, 2);
    DealFrom({5, CodeOf(Rank::Jack, 1), 9, two});
    const std::vector<CardCode> before = DeckOf(shoe);
    shoe.Swap(nullptr);
    EXPECT_EQ(FallingCode(), two);
    EXPECT_EQ(DeckOf(shoe), before);
}

TEST_F(SwapTest, SwapForNewReturnsTheOldCardToTheDeck) {
    Settings.SwapMode = 1;
    DealFrom({0, 1, 2, 3, 4, 5, 6, 7, 8, 20, 30});
    ScriptedRandom random;
    random.Next(2, 10, 0);
    shoe.Swap(nullptr);
    EXPECT_EQ(FallingCode(), 20);
    // The swapped-out 30 goes to place 2; the card that stood there to place 6; place 6's card on top.
    EXPECT_EQ(DeckOf(shoe), (std::vector<CardCode>{0, 1, 30, 3, 4, 5, 2, 7, 8, 6}));
    EXPECT_EQ(random.Remaining(), 0u);
    ExpectPositionKept();
}

TEST_F(SwapTest, SwapForNewKeepsTheOldCardOutWhenTheNewOneHasTheSameCode) {
    Settings.SwapMode = 1;
    DealFrom({1, 2, 30, 30});
    ScriptedRandom random;
    random.Raw(0);
    const Card* before = shoe.Falling();
    shoe.Swap(nullptr);
    EXPECT_EQ(FallingCode(), 30);
    EXPECT_NE(shoe.Falling(), before);
    EXPECT_EQ(DeckOf(shoe), (std::vector<CardCode>{1, 2}));
    EXPECT_EQ(random.Remaining(), 1u);
}

TEST_F(SwapTest, EndlessSwapForNewDrawsARandomCardAndReturnsNothing) {
    Settings.OneDeck = 0;
    for (int mode : {1, 3}) {
        Settings.SwapMode = mode;
        ScriptedRandom random;
        random.RandomCard(CodeOf(Rank::Nine, 1)).RandomCard(CodeOf(Rank::Four, 3));
        shoe.DealNext(nullptr);
        shoe.Swap(nullptr);
        EXPECT_EQ(FallingCode(), CodeOf(Rank::Four, 3)) << "SwapMode " << mode;
        EXPECT_EQ(shoe.CardsLeft(), 0);
        delete shoe.TakeFallingCard();
    }
}

TEST_F(SwapTest, DisabledOrUnknownSwapModesAndAnEmptyDeckLeaveTheFallingCard) {
    DealFrom({12, 13, 14});
    const std::vector<CardCode> before = DeckOf(shoe);
    for (int mode : {4, 0, 5, -1, 99}) {
        Settings.SwapMode = mode;
        const Card* card = shoe.Falling();
        shoe.Swap(nullptr);
        EXPECT_EQ(shoe.Falling(), card) << "SwapMode " << mode;
        EXPECT_EQ(FallingCode(), 14);
        EXPECT_EQ(DeckOf(shoe), before);
    }
    Settings.SwapMode = 3;
    shoe.SetDeckTop(-1);
    const Card* card = shoe.Falling();
    shoe.Swap(nullptr);
    EXPECT_EQ(shoe.Falling(), card);
    EXPECT_EQ(shoe.CardsLeft(), 0);
}
