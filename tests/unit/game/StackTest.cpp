// A stack under the twenty-one rules: collapse lengths and points, totals, dealer hands, collapse,
// clearing, freezing and thawing, the card grid and the tones.
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "support/Canvas.h"
#include "support/TestCards.h"
#include "game/Random.h"
#include "game/Shoe.h"
#include "support/GameTestEnvironment.h"
#include "support/ToneRecorder.h"

namespace {
class StackTest : public ::testing::Test {
protected:
    void SetUp() override {
        PrepareGameForTests();
        Settings.DealerOption = 3;
    }
    void TearDown() override { SetRandomGenerator(nullptr); }

    // The empty-stack marker where a stack at (x, y) holds no card.
    static void DrawEmptySlot(HDC dc, int x, int y) {
        Card marker(PlaceholderCode);
        marker.SetDrawMode(EmptySlot);
        marker.Draw(dc, x, y, true, CardHost());
    }

    ScopedSettings keep;
};

CardCode C(int rank) { return CodeOf(rank, 1); }

struct CollapseCase {
    const char* name;
    int dealerTotal;
    int freezeOnBust;
    std::vector<CardCode> landed;  // oldest first
    int length;
    int points;
};
}

TEST_F(StackTest, TwentyOneCollapseLengthsAndPoints) {
    using namespace Rank;
    const CollapseCase cases[] = {
        {"dealer 21: ten then ace", 21, 0, {C(Ten), C(Ace)}, 2, 30},
        {"dealer 21: ace then king, Vicious", 21, 1, {C(Ace), C(King)}, 2, 30},
        {"dealer 17: 9, 5, 10 never stand", 17, 0, {C(Nine), C(Five), C(Ten)}, 0, 0},
        {"dealer 18: seven then ace counts high", 18, 0, {C(Seven), C(Ace)}, 2, 20},
        {"six cards make 19 against 18", 18, 0, {C(Two), C(Three), C(Four), C(Two), C(Three), C(Five)}, 6, 120},
        {"six cards, Vicious", 18, 1, {C(Two), C(Three), C(Four), C(Two), C(Three), C(Five)}, 6, 120},
        {"dealer 20: the longer group with the ace low wins", 20, 0, {C(Six), C(Five), C(Ace), C(Nine)}, 4, 40},
        {"shortest standing group of newest cards", 17, 0, {C(Five), C(Ten), C(Seven)}, 2, 20},
        {"cards under a bust are dead weight", 17, 0, {C(Ten), C(Nine), C(Ten), C(Seven)}, 2, 20},
        {"Vicious: the whole stack is the hand", 17, 1, {C(Five), C(Ten), C(Seven)}, 0, 0},
        {"Vicious: the whole stack stands", 17, 1, {C(Two), C(Ten), C(Seven)}, 3, 30},
        {"only one ace counts high", 21, 0, {C(Nine), C(Ace), C(Ace)}, 3, 30},
        {"a lone card", 17, 0, {C(King)}, 0, 0},
        {"two tens against 20 are no natural", 20, 0, {C(Ten), C(Queen)}, 2, 20},
    };
    for (const CollapseCase& c : cases) {
        Settings.FreezeOnBust = c.freezeOnBust;
        Stack stack{CardHost()};
        stack.SetDealerHand(c.dealerTotal, 0);
        for (CardCode code : c.landed) stack.AddCard(new Card(code));
        const int length = stack.CollapseLength();
        EXPECT_EQ(length, c.length) << c.name;
        if (length) {
            EXPECT_EQ(stack.Score(length), c.points) << c.name;
        }
    }
}

TEST_F(StackTest, TotalsShowTheLiveHandOrTheWholeStack) {
    using namespace Rank;
    const struct {
        const char* name;
        int dealerTotal;
        int freezeOnBust;
        std::vector<CardCode> landed;
        int low, high, hard;
    } cases[] = {
        {"bust hand shows the cards above the bust", 17, 0, {C(Nine), C(Five), C(Ten)}, 15, 15, 24},
        {"Vicious shows nothing over 20", 17, 1, {C(Nine), C(Five), C(Ten)}, 0, 0, 24},
        {"first ace high", 20, 0, {C(Five), C(Ace)}, 6, 16, 6},
        {"the card that passes the dealer stops the walk", 17, 0, {C(Nine), C(Ace), C(Five)}, 15, 16, 15},
        {"only the first ace counts high", 21, 0, {C(Ace), C(Ace)}, 2, 12, 2},
        {"passing the dealer without busting also stops the walk", 17, 0, {C(Ten), C(Eight)}, 8, 8, 18},
        {"Vicious total of a standing stack", 17, 1, {C(Two), C(Ten), C(Six)}, 18, 18, 18},
        {"21 is not shown", 21, 1, {C(Ten), C(Ace)}, 11, 0, 11},
    };
    for (const auto& c : cases) {
        Settings.FreezeOnBust = c.freezeOnBust;
        Stack stack{CardHost()};
        stack.SetDealerHand(c.dealerTotal, 0);
        for (CardCode code : c.landed) stack.AddCard(new Card(code));
        EXPECT_EQ(stack.Total(false), c.low) << c.name;
        EXPECT_EQ(stack.Total(true), c.high) << c.name;
        EXPECT_EQ(stack.HardTotal(), c.hard) << c.name;
    }
}

TEST_F(StackTest, EmptyStackHasNothingToCollapseOrShow) {
    Stack stack{CardHost()};
    stack.SetPosition(40, 300);
    for (int regime : {1, 2, 3}) {
        Settings.CollapseRegime = regime;
        EXPECT_EQ(stack.CollapseLength(), 0) << "regime " << regime;
    }
    EXPECT_EQ(stack.Total(false), 0);
    EXPECT_EQ(stack.Total(true), 0);
    EXPECT_EQ(stack.HardTotal(), 0);
    EXPECT_EQ(stack.NextCardY(), 300);
    EXPECT_EQ(stack.PopCard(), nullptr);
    EXPECT_EQ(stack.CardAt(0), nullptr);

    Canvas drawn(200, 420, Settings.BackgroundColor), reference(200, 420, Settings.BackgroundColor);
    stack.Draw(drawn);
    DrawEmptySlot(reference, 40, 300);
    EXPECT_EQ(drawn.Differences(reference), 0);
}

TEST_F(StackTest, CardsLieOnAGridAgainstTheDirectionOfFall) {
    // A stored direction other than -1 plays as +1, so cards never pile up on one place.
    for (int upDown : {1, -1, 0}) {
        Settings.UpDown = upDown;
        const int direction = upDown == -1 ? -1 : 1;
        Stack stack{CardHost()};
        stack.SetPosition(20, 200);
        LandCards(stack, {CodeOf(Rank::Two), CodeOf(Rank::Nine, 3), CodeOf(Rank::King, 2)});
        EXPECT_EQ(stack.NextCardY(), 200 - 72 * direction) << "UpDown " << upDown;
        EXPECT_EQ(stack.DistanceToLanding(200 - 288 * direction), 216);
        EXPECT_EQ(stack.DistanceToLanding(stack.NextCardY()), 0);

        Canvas drawn(120, 420, Settings.BackgroundColor), reference(120, 420, Settings.BackgroundColor);
        stack.Draw(drawn);
        DrawEmptySlot(reference, 20, 200);
        for (int k = 0; k < 3; ++k)
            Card(stack.CardAt(2 - k)->Code()).Draw(reference, 20, 200 - 24 * k * direction, true, CardHost());
        EXPECT_EQ(drawn.Differences(reference), 0) << "UpDown " << upDown;
    }
}

TEST_F(StackTest, HardAndEasyHands) {
    Stack hard{CardHost()};
    EXPECT_EQ(hard.DealerTotal(), 21);
    EXPECT_EQ(hard.DealerUpCard(), Rank::Ace);

    // Easy, and any difficulty the game does not know, draws the total first, then the shown card.
    for (int option : {1, 0, 4, 7}) {
        Settings.DealerOption = option;
        ScriptedRandom random;
        random.EasyHand(19, Rank::Queen).EasyHand(17, Rank::Four);
        Stack stack{CardHost()};
        EXPECT_EQ(stack.DealerTotal(), 19) << "DealerOption " << option;
        EXPECT_EQ(stack.DealerUpCard(), Rank::Queen);
        stack.DealDealerHand();
        EXPECT_EQ(stack.DealerTotal(), 17);
        EXPECT_EQ(stack.DealerUpCard(), Rank::Four);
        EXPECT_EQ(random.Remaining(), 0u);
    }
}

TEST_F(StackTest, ManyDealtHandsStayBetween17And21) {
    for (int option : {1, 2}) {
        Settings.DealerOption = option;
        SeedRandom(4242 + option);
        std::vector<int> totals(22, 0), upCards(13, 0);
        Stack stack{CardHost()};
        for (int hand = 0; hand < 5000; ++hand) {
            stack.DealDealerHand();
            ASSERT_GE(stack.DealerTotal(), 17) << "DealerOption " << option;
            ASSERT_LE(stack.DealerTotal(), 21) << "DealerOption " << option;
            ASSERT_GE(stack.DealerUpCard(), 0);
            ASSERT_LE(stack.DealerUpCard(), 12);
            ++totals[stack.DealerTotal()];
            ++upCards[stack.DealerUpCard()];
        }
        for (int total = 17; total <= 21; ++total) EXPECT_GT(totals[total], 0) << "total " << total;
        for (int card = 0; card < 13; ++card) EXPECT_GT(upCards[card], 0) << "shown card " << card;
    }
}

TEST_F(StackTest, MediumHandsAreDealtAgainWholeWhenTheyBust) {
    Settings.DealerOption = 2;
    using namespace Rank;
    const struct {
        const char* name;
        std::vector<int> ranks;  // shown card first, then the drawn cards
        int total, upCard;
    } cases[] = {
        {"king, five, nine busts; ace, six stands", {King, Five, Nine, Ace, Six}, 17, Ace},
        {"an ace counted 11 is never counted down", {Ace, Four, Ten, Ten, Seven}, 17, Ten},
        {"a drawn ace counts 11 when it fits", {Nine, Ace}, 20, Nine},
        {"a drawn ace that makes exactly 21 counts 11", {Ten, Ace}, 21, Ten},
        {"a drawn ace counts 1 when 11 does not fit", {Ten, Six, Ace}, 17, Ten},
        {"jack and queen count ten", {Jack, Queen}, 20, Jack},
    };
    for (const auto& c : cases) {
        ScriptedRandom random;
        for (int rank : c.ranks) random.Next(rank, 13, 0);
        Stack stack{CardHost()};
        EXPECT_EQ(stack.DealerTotal(), c.total) << c.name;
        EXPECT_EQ(stack.DealerUpCard(), c.upCard) << c.name;
        EXPECT_EQ(random.Remaining(), 0u) << c.name;
    }
}

TEST_F(StackTest, CollapseRemovesTheNewestCardsAndDealsANewHand) {
    Settings.DealerOption = 1;
    Settings.FreezeOnBust = 0;
    ScriptedRandom random;
    random.EasyHand(17, Rank::Two).EasyHand(20, Rank::Jack);
    Stack stack{CardHost()};
    LandCards(stack, {CodeOf(Rank::Four), CodeOf(Rank::Ten), CodeOf(Rank::Seven)});
    EXPECT_EQ(stack.CollapseLength(), 2);
    EXPECT_EQ(stack.Collapse(nullptr, 2, nullptr), 20);
    EXPECT_EQ(stack.Count(), 1);
    EXPECT_EQ(stack.CardAt(0)->Code(), CodeOf(Rank::Four));
    EXPECT_EQ(stack.DealerTotal(), 20);
    EXPECT_EQ(stack.DealerUpCard(), Rank::Jack);
}

TEST_F(StackTest, CollapsedCardsGoBackIntoARecyclingDeckOnly) {
    Settings.SwapMode = 1;
    for (int oneDeck : {1, 2}) {
        Settings.OneDeck = oneDeck;
        Shoe shoe{CardHost()};
        shoe.SetDeck({CodeOf(Rank::Queen, 3)});
        Stack stack{CardHost()};
        LandCards(stack, {CodeOf(Rank::Two, 2), CodeOf(Rank::Ace, 1), CodeOf(Rank::King, 0)});
        stack.Collapse(nullptr, 2, &shoe);
        const std::vector<CardCode> expected =
            oneDeck == 2 ? std::vector<CardCode>{CodeOf(Rank::Ace, 1), CodeOf(Rank::Queen, 3), CodeOf(Rank::King, 0)}
                         : std::vector<CardCode>{CodeOf(Rank::Queen, 3)};
        EXPECT_EQ(SortedDeckOf(shoe), expected) << "OneDeck " << oneDeck;
    }
}

TEST_F(StackTest, CollapseRedrawsWhatRemainsAsAFreshDrawingWould) {
    Stack stack{CardHost()};
    stack.SetPosition(30, 240);
    LandCards(stack, {CodeOf(Rank::Five, 2), CodeOf(Rank::Nine), CodeOf(Rank::Ace, 3), CodeOf(Rank::King, 1)});
    Canvas screen(140, 360, Settings.BackgroundColor), reference(140, 360);
    stack.Draw(screen);
    stack.Collapse(screen, 3, nullptr);
    reference.Fill(Settings.BackgroundColor);
    stack.Draw(reference);
    EXPECT_EQ(screen.Differences(reference), 0);

    stack.Collapse(screen, 1, nullptr);
    reference.Fill(Settings.BackgroundColor);
    stack.Draw(reference);
    EXPECT_EQ(stack.Count(), 0);
    EXPECT_EQ(screen.Differences(reference), 0);
}

TEST_F(StackTest, CollapseTonesRiseCardByCardAndClearingTicksLow) {
    for (int beep : {1, 0}) {
        Settings.Beep = beep;
        Stack stack{CardHost()};
        LandCards(stack, {CodeOf(Rank::Two), CodeOf(Rank::Ace), CodeOf(Rank::Two, 1), CodeOf(Rank::Three),
                          CodeOf(Rank::Two, 2), CodeOf(Rank::Four), CodeOf(Rank::Five), CodeOf(Rank::Six)});
        ToneRecorder recorder;
        stack.Collapse(nullptr, 6, nullptr);
        stack.ClearAll(nullptr);
        const std::vector<Tone> expected = {{220, 200}, {330, 170}, {440, 150}, {550, 135},
                                            {660, 125}, {770, 116}, {120, 50},  {120, 50}};
        EXPECT_EQ(expected, recorder.Tones());
        EXPECT_EQ(std::vector<int>(8, beep), recorder.Enabled());  // sound off: each is a tenth in silence
    }
}

TEST_F(StackTest, ClearAllChargesEveryCardAndKeepsTheHandAndTheFrozenFlag) {
    Settings.DealerOption = 1;
    ScriptedRandom random;
    random.EasyHand(18, Rank::Six);
    Stack stack{CardHost()};
    LandCards(stack, {CodeOf(Rank::Ace), CodeOf(Rank::Five, 3), CodeOf(Rank::King, 2), CodeOf(Rank::Ten),
                      CodeOf(Rank::Two), CodeOf(Rank::Nine, 1), CodeOf(Rank::Jack)});
    EXPECT_EQ(stack.ClearAll(nullptr), 15 + 5 + 10 + 10 + 5 + 5 + 10);
    EXPECT_EQ(stack.Count(), 0);
    EXPECT_EQ(stack.DealerTotal(), 18);
    EXPECT_EQ(stack.DealerUpCard(), Rank::Six);
    EXPECT_EQ(stack.ClearAll(nullptr), 0);

    Canvas screen(100, 300);
    LandCards(stack, {CodeOf(Rank::Nine), CodeOf(Rank::Eight)});
    stack.Freeze(screen);
    stack.ClearAll(screen);
    EXPECT_TRUE(stack.IsFrozen());
    EXPECT_EQ(stack.Count(), 0);
    EXPECT_EQ(stack.DealerTotal(), 18);
}

TEST_F(StackTest, FreezeLaysAFaceDownCardOnTop) {
    Canvas screen(140, 360, Settings.BackgroundColor), reference(140, 360, Settings.BackgroundColor);
    Stack stack{CardHost()};
    stack.SetPosition(30, 240);
    LandCards(stack, {CodeOf(Rank::Ten), CodeOf(Rank::Eight)});

    stack.Freeze(nullptr);  // nothing happens without a device context
    EXPECT_FALSE(stack.IsFrozen());
    EXPECT_EQ(stack.Count(), 2);

    const int y = stack.NextCardY();
    stack.Freeze(screen);
    EXPECT_TRUE(stack.IsFrozen());
    EXPECT_EQ(stack.Count(), 3);
    EXPECT_EQ(stack.NextCardY(), y - 24);
    EXPECT_EQ(stack.CardAt(0)->DrawMode(), FaceDown);
    CardHost().drawCard(reference, 30, y, 54, 1, Settings.BackgroundColor);
    EXPECT_EQ(screen.Differences(reference), 0);

    stack.Freeze(screen);  // a frozen stack takes no second face-down card
    EXPECT_EQ(stack.Count(), 3);
}

TEST_F(StackTest, ThawingRemovesEveryCardButReturnsOnlyTheDealtOnes) {
    Settings.OneDeck = 2;
    Settings.SwapMode = 1;
    Settings.DealerOption = 1;
    Canvas screen(140, 360);
    ScriptedRandom random;
    // The stack's first hand, a deck position for each of the three dealt cards, then the new hand.
    random.EasyHand(20, Rank::Three).Raw(0).Raw(0).Raw(0).EasyHand(17, Rank::Eight);
    Shoe shoe{CardHost()};
    shoe.SetDeck({});
    Stack stack{CardHost()};
    stack.SetPosition(30, 240);
    // The ace of suit 3 has the same code as the face-down card, yet it is a dealt card.
    LandCards(stack, {CodeOf(Rank::Ace, 3), CodeOf(Rank::Ten), CodeOf(Rank::Queen, 1)});

    stack.Unfreeze(screen, &shoe);  // not frozen: nothing happens
    EXPECT_EQ(stack.Count(), 3);

    stack.Freeze(screen);
    stack.Unfreeze(nullptr, &shoe);  // no device context: stays frozen
    EXPECT_TRUE(stack.IsFrozen());

    stack.Unfreeze(screen, &shoe);
    EXPECT_FALSE(stack.IsFrozen());
    EXPECT_EQ(stack.Count(), 0);
    EXPECT_EQ(stack.DealerTotal(), 17);
    EXPECT_EQ(stack.DealerUpCard(), Rank::Eight);
    EXPECT_EQ(SortedDeckOf(shoe),
              (std::vector<CardCode>{CodeOf(Rank::Ace, 3), CodeOf(Rank::Ten), CodeOf(Rank::Queen, 1)}));
    EXPECT_EQ(random.Remaining(), 0u);
}

TEST_F(StackTest, UnknownCollapseRegimeNeverCollapsesOrScores) {
    Stack stack{CardHost()};
    LandCards(stack, {CodeOf(Rank::King), CodeOf(Rank::King, 1), CodeOf(Rank::King, 2), CodeOf(Rank::Ace)});
    for (int regime : {0, 4, 5, -3}) {
        Settings.CollapseRegime = regime;
        EXPECT_EQ(stack.CollapseLength(), 0) << "regime " << regime;
        EXPECT_EQ(stack.Score(2), 0) << "regime " << regime;
    }
}
