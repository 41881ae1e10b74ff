// The alternative collapse rules: sets and same-suit runs, poker hands, their points, and the rank masks.
#include <gtest/gtest.h>
#include <vector>
#include "support/TestCards.h"
#include "game/RankMask.h"
#include "support/GameTestEnvironment.h"

namespace {
struct Hand {
    const char* name;
    std::vector<CardCode> newestFirst;
};

class CollapseRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        PrepareGameForTests();
        Settings.DealerOption = 3;
    }
    void UseRegime(int regime) {
        Settings.CollapseRegime = regime;
        Settings.DeriveMinCollapse();
    }
    static void Land(Stack& stack, const std::vector<CardCode>& newestFirst) {
        for (auto it = newestFirst.rbegin(); it != newestFirst.rend(); ++it) stack.AddCard(new Card(*it));
    }

    ScopedSettings keep;
};

using namespace Rank;
CardCode S(int rank) { return CodeOf(rank, 2); }  // all of one suit
}

TEST(RankMaskTest, BlockLengthTellsConsecutiveBits) {
    const struct { unsigned int mask; int length; } cases[] = {
        {0x1, 1}, {0x38, 3}, {0x5, 0}, {0x1000, 1}, {0x1B, 0}, {0x3E00, 5}, {0x201E, 0}, {0xFFFFFFFFu, 32}, {0, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(BlockLength(c.mask), c.length) << std::hex << c.mask;
}

TEST(RankMaskTest, BitCountCountsSetBits) {
    const struct { unsigned int mask; int count; } cases[] = {{0, 0}, {0x1, 1}, {0x5, 2}, {0x3E00, 5}, {0xFFFFFFFFu, 32}};
    for (const auto& c : cases) EXPECT_EQ(BitCount(c.mask), c.count) << std::hex << c.mask;
}

TEST_F(CollapseRulesTest, SetsAndSameSuitRunsOfTheNewestCards) {
    UseRegime(1);
    const struct {
        Hand hand;
        int length;
    } cases[] = {
        {{"5, 3, 4 of one suit", {S(Five), S(Three), S(Four)}}, 3},
        {{"5, 3, 4 of mixed suits", {CodeOf(Five, 0), CodeOf(Three, 1), CodeOf(Four, 0)}}, 1},
        {{"three sevens", {CodeOf(Seven, 0), CodeOf(Seven, 3), CodeOf(Seven, 1)}}, 3},
        {{"seven, seven, eight", {CodeOf(Seven, 0), CodeOf(Seven, 1), CodeOf(Eight, 0)}}, 2},
        {{"a run stops at a repeated rank", {S(Five), S(Six), S(Five), S(Seven)}}, 2},
        {{"a gap closed later", {S(Five), S(Seven), S(Six)}}, 3},
        {{"four in a row under another suit", {S(Four), S(Six), S(Five), S(Seven), CodeOf(Eight, 0)}}, 4},
        {{"ace low run", {S(Two), S(Ace), S(Three)}}, 3},
        {{"ace high run", {S(Queen), S(Ace), S(King)}}, 3},
        {{"king, ace, two is no run", {S(King), S(Ace), S(Two)}}, 2},
        {{"two, ace, king is no run", {S(Two), S(Ace), S(King)}}, 2},
        {{"a set stops at another rank", {CodeOf(Nine, 0), CodeOf(Nine, 1), CodeOf(Nine, 2), CodeOf(Ten, 2)}}, 3},
        {{"a lone card", {S(Jack)}}, 1},
        {{"no cards", {}}, 0},
    };
    for (const auto& c : cases) {
        Stack stack{CardHost()};
        Land(stack, c.hand.newestFirst);
        EXPECT_EQ(stack.CollapseLength(), c.length) << c.hand.name;
    }
}

TEST_F(CollapseRulesTest, SetAndRunPoints) {
    UseRegime(1);
    const struct {
        Hand hand;
        int points;
    } cases[] = {
        {{"three, four, five", {S(Three), S(Four), S(Five)}}, 15},
        {{"three kings", {CodeOf(King, 0), CodeOf(King, 1), CodeOf(King, 2)}}, 30},
        {{"queen, king, ace", {S(Queen), S(King), S(Ace)}}, 35},
        {{"four kings", {CodeOf(King, 0), CodeOf(King, 1), CodeOf(King, 2), CodeOf(King, 3)}}, 80},
        {{"three aces", {CodeOf(Ace, 0), CodeOf(Ace, 1), CodeOf(Ace, 2)}}, 45},
        {{"ace, two, three: aces only 5 without a king", {S(Ace), S(Two), S(Three)}}, 15},
        {{"five in a row doubles twice", {S(Six), S(Seven), S(Eight), S(Nine), S(Ten)}}, 120},
    };
    for (const auto& c : cases) {
        Stack stack{CardHost()};
        Land(stack, c.hand.newestFirst);
        const int n = stack.CollapseLength();
        ASSERT_EQ(n, static_cast<int>(c.hand.newestFirst.size())) << c.hand.name;
        EXPECT_EQ(stack.Score(n), c.points) << c.hand.name;
    }
    Stack stack{CardHost()};  // only the newest n cards count
    Land(stack, {S(Three), S(Four), S(Five), CodeOf(King, 0), CodeOf(Ace, 1)});
    EXPECT_EQ(stack.Score(3), 15);
}

TEST_F(CollapseRulesTest, PokerHandsOnTopOfTheStack) {
    UseRegime(2);
    const struct {
        Hand hand;
        int low, high, length;
    } cases[] = {
        {{"flush", {S(Two), S(Four), S(Six), S(Eight), S(Ten)}}, 2, 2, 5},
        {{"straight ten to ace", {CodeOf(Ten, 0), CodeOf(Jack, 1), CodeOf(Queen, 0), CodeOf(King, 2), CodeOf(Ace, 3)}},
         0, 1, 5},
        {{"straight ace to five", {CodeOf(Ace, 0), CodeOf(Two, 1), CodeOf(Three, 0), CodeOf(Four, 2), CodeOf(Five, 3)}},
         1, 0, 5},
        {{"four kings alone", {CodeOf(King, 0), CodeOf(King, 1), CodeOf(King, 2), CodeOf(King, 3)}}, 4, 4, 4},
        {{"four kings under a five", {CodeOf(Five, 0), CodeOf(King, 0), CodeOf(King, 1), CodeOf(King, 2), CodeOf(King, 3)}},
         3, 3, 5},
        {{"full house", {CodeOf(Five, 0), CodeOf(King, 0), CodeOf(Five, 1), CodeOf(King, 2), CodeOf(King, 3)}}, 3, 3, 5},
        {{"straight flush", {S(Seven), S(Five), S(Nine), S(Six), S(Eight)}}, 5, 5, 5},
        {{"three kings are never a hand", {CodeOf(King, 0), CodeOf(King, 1), CodeOf(King, 2)}}, 0, 0, 0},
        {{"four suited cards are no flush", {S(Two), S(Three), S(Four), S(Five)}}, 0, 0, 0},
        {{"only the newest five count", {S(Two), S(Four), S(Six), S(Eight), S(Ten), CodeOf(Jack, 0)}}, 2, 2, 5},
        {{"pair and junk", {CodeOf(Two, 0), CodeOf(Two, 1), CodeOf(Six, 0), CodeOf(Nine, 2), CodeOf(Jack, 0)}}, 0, 0, 0},
    };
    for (const auto& c : cases) {
        Stack stack{CardHost()};
        Land(stack, c.hand.newestFirst);
        EXPECT_EQ(stack.PokerHand(false), c.low) << c.hand.name;
        EXPECT_EQ(stack.PokerHand(true), c.high) << c.hand.name;
        EXPECT_EQ(stack.CollapseLength(), c.length) << c.hand.name;
    }
}

TEST_F(CollapseRulesTest, PokerPoints) {
    UseRegime(2);
    const struct {
        Hand hand;
        int points;
    } cases[] = {
        {{"flush two to ten: sum 30", {S(Two), S(Four), S(Six), S(Eight), S(Ten)}}, 10},
        {{"straight ten to ace: sum 60", {CodeOf(Ten, 0), CodeOf(Jack, 1), CodeOf(Queen, 0), CodeOf(King, 2), CodeOf(Ace, 3)}},
         40},
        {{"four kings: sum 52", {CodeOf(King, 0), CodeOf(King, 1), CodeOf(King, 2), CodeOf(King, 3)}}, 173},
        {{"straight ace to five counts the ace low: sum 15",
          {CodeOf(Ace, 0), CodeOf(Two, 1), CodeOf(Three, 0), CodeOf(Four, 2), CodeOf(Five, 3)}}, 10},
        {{"flush with an ace counts it high: sum 38", {S(Ace), S(Three), S(Five), S(Seven), S(Nine)}}, 12},
        {{"four kings under a five: full house, sum 57",
          {CodeOf(Five, 0), CodeOf(King, 0), CodeOf(King, 1), CodeOf(King, 2), CodeOf(King, 3)}}, 95},
        {{"straight flush five to nine: sum 35", {S(Seven), S(Five), S(Nine), S(Six), S(Eight)}}, 583},
        {{"no hand", {CodeOf(Two, 0), CodeOf(Two, 1), CodeOf(Six, 0), CodeOf(Nine, 2), CodeOf(Jack, 0)}}, 0},
    };
    for (const auto& c : cases) {
        Stack stack{CardHost()};
        Land(stack, c.hand.newestFirst);
        EXPECT_EQ(stack.Score(stack.CollapseLength()), c.points) << c.hand.name;
        EXPECT_EQ(stack.PokerScore(), c.points) << c.hand.name;
    }
}
