// Dealing from the deck: the first deal, refills with carried cards, the perfect-match test, returns.
#include <gtest/gtest.h>
#include <algorithm>
#include <numeric>
#include <vector>
#include "support/TestCards.h"
#include "game/Random.h"
#include "game/Shoe.h"
#include "support/GameTestEnvironment.h"

namespace {
class DeckTest : public ::testing::Test {
protected:
    void SetUp() override {
        PrepareGameForTests();
        SeedRandom(20261207);
        Settings.DealerOption = 3;  // dealer 21, no random values spent on scratch stacks
    }
    void TearDown() override { SetRandomGenerator(nullptr); }

    static bool IsFreshDeck(const Shoe& shoe, int from) {
        std::vector<CardCode> expected(52);
        std::iota(expected.begin(), expected.end(), 0);
        return SortedDeckOf(shoe, from, from + 51) == expected;
    }

    ScopedSettings keep;
    // Eight twos and five aces: 21 counted low, so the whole deck would collapse on one stack.
    const std::vector<CardCode> thirteenCardMatch = {4, 0, 4, 1, 4, 2, 4, 3, 5, 0, 6, 5, 7};
    // Seven twos and seven aces: also 21, but fourteen cards are more than the test looks at.
    const std::vector<CardCode> fourteenCardMatch = {4, 0, 4, 1, 4, 2, 4, 3, 5, 0, 6, 1, 7, 2};
    // 7, 5, 4, 3, 2 from the bottom: exactly 21.
    const std::vector<CardCode> fiveCardMatch = {CodeOf(Rank::Seven), CodeOf(Rank::Five), CodeOf(Rank::Four),
                                                 CodeOf(Rank::Three), CodeOf(Rank::Two)};
};
}

TEST_F(DeckTest, FirstDealLeaves51CardsWithEitherDeck) {
    for (int oneDeck : {1, 2}) {
        Settings.OneDeck = oneDeck;
        Shoe shoe{CardHost()};
        EXPECT_EQ(shoe.CardsLeft(), 0);
        shoe.DealNext(nullptr);
        EXPECT_EQ(shoe.CardsLeft(), 51) << "OneDeck " << oneDeck;
        ASSERT_NE(shoe.Falling(), nullptr);
        EXPECT_TRUE(shoe.Reshuffled());
        EXPECT_EQ(shoe.FallingX(), 0);
        EXPECT_EQ(shoe.FallingY(), 0);
    }
}

TEST_F(DeckTest, OneDeckDealsEveryCardOnceThenRefillsOnThe53rdDeal) {
    Settings.EndOnShuffle = 1;  // only a recycling deck ends at a refill
    Shoe shoe{CardHost()};
    std::vector<CardCode> dealt;
    for (int deal = 1; deal <= 52; ++deal) {
        ASSERT_TRUE(shoe.DealNext(nullptr));
        EXPECT_EQ(shoe.Reshuffled(), deal == 1) << "deal " << deal;
        Card* card = shoe.TakeFallingCard();
        dealt.push_back(card->Code());
        delete card;
    }
    EXPECT_EQ(shoe.CardsLeft(), 0);
    std::sort(dealt.begin(), dealt.end());
    for (int i = 0; i < 52; ++i) ASSERT_EQ(dealt[i], i);

    EXPECT_TRUE(shoe.DealNext(nullptr));
    EXPECT_TRUE(shoe.Reshuffled());
    EXPECT_EQ(shoe.EndReason(), OutOfCards);
    EXPECT_EQ(shoe.CardsLeft(), 51);
}

TEST_F(DeckTest, RecyclingDeckWithEndOnShuffleEndsAtFirstRefillAfterTheStart) {
    Settings.OneDeck = 2;
    Settings.EndOnShuffle = 1;
    Shoe shoe{CardHost()};
    EXPECT_FALSE(shoe.DealNext(nullptr));  // the start's own refill; the board ignores this result
    for (int deal = 2; deal <= 52; ++deal) {
        delete shoe.TakeFallingCard();
        ASSERT_TRUE(shoe.DealNext(nullptr)) << "deal " << deal;
    }
    delete shoe.TakeFallingCard();
    EXPECT_FALSE(shoe.DealNext(nullptr));
    EXPECT_EQ(shoe.EndReason(), OutOfCards);
    EXPECT_FALSE(shoe.Exhausted());
}

TEST_F(DeckTest, RefillCarriesTheRemainingCardsOnTopInTheirOrder) {
    Settings.OneDeck = 2;
    Shoe shoe{CardHost()};
    shoe.SetDeck(fiveCardMatch);  // five cards left that would collapse as one group: refill now
    ASSERT_TRUE(shoe.DealNext(nullptr));
    EXPECT_TRUE(shoe.Reshuffled());
    EXPECT_EQ(shoe.Top(), 55);  // 56 after the refill, one dealt
    EXPECT_TRUE(IsFreshDeck(shoe, 0));
    EXPECT_EQ(shoe.Falling()->Code(), CodeOf(Rank::Two));
    for (int i = 3; i >= 0; --i) {
        delete shoe.TakeFallingCard();
        ASSERT_TRUE(shoe.DealNext(nullptr));
        EXPECT_EQ(shoe.Falling()->Code(), fiveCardMatch[i]);
        EXPECT_FALSE(shoe.Reshuffled());
    }
    EXPECT_EQ(shoe.CardsLeft(), 52);
}

TEST_F(DeckTest, ShuffleExchangesEachPlaceInOrderWithTheDrawnOne) {
    // First pass: every place i is exchanged with place 0; the other passes draw j = i, which changes nothing.
    ScriptedRandom script;
    for (int i = 0; i < 52; ++i) script.Next(0, 52, 0);
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < 52; ++i) script.Next(i, 52, 0);
    Settings.OneDeck = 1;
    Shoe shoe{CardHost()};
    shoe.DealNext(nullptr);
    std::vector<CardCode> expected = {51};  // 51 ends at the bottom, the rest move up one place
    for (CardCode code = 0; code < 50; ++code) expected.push_back(code);
    EXPECT_EQ(DeckOf(shoe), expected);
    EXPECT_EQ(shoe.Falling()->Code(), 50);
}

TEST_F(DeckTest, PerfectMatchIsLookedForOnlyWithARecyclingDeckAndThreeToThirteenCards) {
    struct Case {
        int oneDeck;
        std::vector<CardCode> deck;
        bool refills;
    } cases[] = {
        {2, fiveCardMatch, true},
        {1, fiveCardMatch, false},
        {2, thirteenCardMatch, true},
        {2, {4, 8, 12, 16, 20}, false},  // 2 to 6: only 20
        {2, {CodeOf(Rank::Ten), CodeOf(Rank::Ace)}, false},  // two cards are never tested
        {2, fourteenCardMatch, false},
    };
    for (const Case& c : cases) {
        Settings.OneDeck = c.oneDeck;
        Shoe shoe{CardHost()};
        shoe.SetDeck(c.deck);
        shoe.DealNext(nullptr);
        const int size = static_cast<int>(c.deck.size());
        EXPECT_EQ(shoe.Reshuffled(), c.refills) << "deck of " << size << ", OneDeck " << c.oneDeck;
        EXPECT_EQ(shoe.Top(), c.refills ? size + 50 : size - 2);
    }
}

TEST_F(DeckTest, WithEndOnShuffleTheThirtySecondPerfectMatchEndsTheGame) {
    Settings.OneDeck = 2;
    Settings.EndOnShuffle = 1;
    Shoe shoe{CardHost()};
    shoe.SetDeck({4, 8, 12, 16, 20});  // no match: not counted
    EXPECT_TRUE(shoe.DealNext(nullptr));
    EXPECT_EQ(shoe.PerfectMatches(), 0);
    for (int detection = 1; detection <= 31; ++detection) {
        delete shoe.TakeFallingCard();
        shoe.SetDeck(fiveCardMatch);
        ASSERT_TRUE(shoe.DealNext(nullptr)) << "detection " << detection;
        EXPECT_EQ(shoe.PerfectMatches(), detection);
        EXPECT_EQ(shoe.Top(), 3);  // the cards keep cycling: no refill
        EXPECT_FALSE(shoe.Exhausted());
    }
    delete shoe.TakeFallingCard();
    shoe.SetDeck(fiveCardMatch);
    EXPECT_FALSE(shoe.DealNext(nullptr));
    EXPECT_TRUE(shoe.Exhausted());
    EXPECT_EQ(shoe.EndReason(), PerfectMatch);
    EXPECT_EQ(shoe.Top(), 55);
}

TEST_F(DeckTest, ReturnedCardFollowsTheFixedExchangeOrder) {
    Settings.SwapMode = 1;  // no reserved top places
    Shoe shoe{CardHost()};
    shoe.SetDeck({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    ScriptedRandom random;
    random.Next(2, 11, 0);
    shoe.ReturnToDeck(50);
    // deck[10] = deck[7]; deck[7] = deck[2]; deck[2] = the returned card.
    EXPECT_EQ(DeckOf(shoe), (std::vector<CardCode>{0, 1, 50, 3, 4, 5, 6, 2, 8, 9, 7}));
    EXPECT_EQ(random.Remaining(), 0u);

    Shoe empty{CardHost()};
    empty.ReturnToDeck(17);
    EXPECT_EQ(DeckOf(empty), (std::vector<CardCode>{17}));
}

TEST_F(DeckTest, WithSwapsFromTheDeckAReturnedCardNeverLandsInTheTopFourPlaces) {
    Settings.SwapMode = 3;
    std::vector<int> seen(11, 0);
    for (int round = 0; round < 3000; ++round) {
        Shoe shoe{CardHost()};
        shoe.SetDeck({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        shoe.ReturnToDeck(50);
        ASSERT_EQ(shoe.Top(), 10);
        std::vector<CardCode> deck = DeckOf(shoe);
        const int at = static_cast<int>(std::find(deck.begin(), deck.end(), 50) - deck.begin());
        ASSERT_LE(at, 6) << "round " << round;
        ++seen[at];
        std::sort(deck.begin(), deck.end());
        ASSERT_EQ(deck, (std::vector<CardCode>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 50}));
    }
    for (int at = 0; at <= 6; ++at) EXPECT_GT(seen[at], 200) << "position " << at;
}

TEST_F(DeckTest, ReturnIntoAFullDeckIsDropped) {
    Settings.SwapMode = 1;
    std::vector<CardCode> full(Shoe::DeckCapacity);
    for (int i = 0; i < Shoe::DeckCapacity; ++i) full[i] = i % 52;
    Shoe shoe{CardHost()};
    shoe.SetDeck(full);
    ASSERT_EQ(shoe.Top(), 103);
    ScriptedRandom random;
    random.Raw(0);
    shoe.ReturnToDeck(51);
    EXPECT_EQ(shoe.Top(), 103);
    EXPECT_EQ(DeckOf(shoe), full);
    EXPECT_EQ(random.Remaining(), 1u);  // no position was drawn
}
