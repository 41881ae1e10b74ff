// The status line and the stack captions: exact texts with their spaces, positions for both directions of
// fall, and colours, checked on the pixels of a memory bitmap against the same texts drawn where they belong.
#include <windows.h>
#include <cstring>
#include <string>
#include <vector>
#include "support/WideText.h"
#include "BoardFixture.h"
#include "support/Canvas.h"

namespace {
const COLORREF Foreground = RGB(255, 255, 0);
const COLORREF Background = RGB(0, 0, 200);

SIZE Measure(HDC dc, const std::string& text) {
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}
void Write(HDC dc, int x, int y, const std::string& text) {
    SetTextColor(dc, Foreground);
    SetBkColor(dc, Background);
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}
// Writes a caption centred on x.
void WriteCentred(HDC dc, int centre, int y, const std::string& text) {
    Write(dc, centre - Measure(dc, text).cx / 2, y, text);
}

::testing::AssertionResult SamePixels(const Canvas& actual, const Canvas& expected) {
    const std::vector<uint32_t> drawn = actual.Pixels(), wanted = expected.Pixels();
    int differences = 0;
    size_t first = 0;
    for (size_t i = 0; i < drawn.size(); ++i)
        if (drawn[i] != wanted[i] && differences++ == 0) first = i;
    if (differences == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differences << " pixels differ, the first at (" << first % TestClientWidth
                                         << ", " << first / TestClientWidth << ")";
}

// Stack i of the 452-pixel layout is centred on this x.
int CentreOf(int column) { return 9 + column * 91 + 71 / 2; }

class StatusTextTest : public BoardFixture {
protected:
    void SetUp() override {
        BoardFixture::SetUp();
        Settings.ForegroundColor = Foreground;
        Settings.BackgroundColor = Background;
    }
    // Queues the deck's shuffle (when dealing from a deck) and five Easy hands.
    void ScriptStart(const std::vector<int>& dealerTotals) {
        if (Settings.OneDeck)
            for (int i = 0; i < 3 * 52; ++i) script.Raw(0);
        else
            script.RandomCard(CodeOf(Two));
        for (int total : dealerTotals) script.EasyHand(total, Ace);
    }
    // Where the player caption of a stack of n cards goes.
    int PlayerTop(int cards, const std::string& caption) {
        const int height = Measure(expected, caption).cy;
        return Settings.UpDown == -1 ? 20 + 24 * cards + 96 - 20 : 308 - 24 * cards - height + 20;
    }
    void Draw() { board->DrawStatus(actual); }

    ScriptedRandom script;
    Canvas actual{TestClientWidth, TestClientHeight};
    Canvas expected{TestClientWidth, TestClientHeight};
};

struct UpCardRow {
    int card;
    const char* text;
};

class DealerUpCardCaptionTest : public ::testing::TestWithParam<UpCardRow> {};
}

TEST_P(DealerUpCardCaptionTest, ExactTextWithItsSpaces) {
    const UpCardRow row = GetParam();
    EXPECT_EQ(Wide(row.text), Board::DealerUpCardCaption(row.card));
}

INSTANTIATE_TEST_SUITE_P(
    Ranks, DealerUpCardCaptionTest,
    ::testing::Values(UpCardRow{0, "    Ace + ?   "}, UpCardRow{1, "    Two + ?    "},
                      UpCardRow{2, "   Three + ?   "}, UpCardRow{3, "   Four + ?   "},
                      UpCardRow{4, "   Five + ?   "}, UpCardRow{5, "    Six + ?    "},
                      UpCardRow{6, "  Seven + ?  "}, UpCardRow{7, "  Eight + ?  "}, UpCardRow{8, "   Nine + ?   "},
                      UpCardRow{9, "    Ten + ?    "}, UpCardRow{10, "   Jack + ?   "},
                      UpCardRow{11, "  Queen + ?  "}, UpCardRow{12, "   King + ?   "},
                      UpCardRow{13, "                 "}, UpCardRow{-1, "                 "},
                      UpCardRow{100, "                 "}));

TEST_F(StatusTextTest, NewGameShowsWinningsDeckCountAndDealerTotals) {
    ScriptStart({17, 18, 19, 20, 21});
    NewGame();
    Draw();
    Write(expected, 9, 0, "Winnings: $0     ");
    const std::string deck = "     Cards in deck: 52";
    Write(expected, 444 - Measure(expected, deck).cx, 0, deck);
    for (int i = 0; i < StackCount; ++i) WriteCentred(expected, CentreOf(i), 408, "Beat " + std::to_string(17 + i));
    EXPECT_TRUE(SamePixels(actual, expected));

    // The winnings start at the left edge of the stack row and the deck count ends at its right edge.
    const int lineHeight = Measure(expected, "W").cy;
    const RECT line = actual.InkWithin(RECT{0, 0, TestClientWidth, lineHeight});
    EXPECT_EQ(line.left, 9);
    EXPECT_EQ(line.right, 444);
    EXPECT_EQ(line.top, 0);
}

TEST_F(StatusTextTest, PlayerCaptionsInEachFormAndNoDeckCountWithoutADeck) {
    Settings.OneDeck = 0;
    ScriptStart({21, 21, 21, 21, 21});
    NewGame(false);
    PutCards(0, {CodeOf(Ace), CodeOf(Five)});
    PutCards(1, {CodeOf(King), CodeOf(Four)});
    PutCards(2, {CodeOf(King)});
    Freeze(2);
    PutCards(4, {CodeOf(Six, 2), CodeOf(Ace, 1)});
    window.Paint();
    board->AddWinnings(-10);
    Draw();

    Write(expected, 9, 0, "Winnings: $-10     ");
    const char* const players[StackCount] = {"6 / 16", "14", "Busted", "", "7 / 17"};
    const int cards[StackCount] = {2, 2, 2, 0, 2};
    for (int i = 0; i < StackCount; ++i) {
        WriteCentred(expected, CentreOf(i), 408, "Beat 21");
        if (*players[i]) WriteCentred(expected, CentreOf(i), PlayerTop(cards[i], players[i]), players[i]);
    }
    EXPECT_TRUE(SamePixels(actual, expected));

    // The caption's bottom lies 4 pixels above the top edge of the newest card.
    const RECT caption = actual.InkWithin(RECT{9, 100, 9 + 71, 308 - 24});
    EXPECT_EQ(caption.bottom, 308 - 24 - 4);
}

TEST_F(StatusTextTest, UpsideDownPutsPlayerCaptionsBelowTheLowestCard) {
    Settings.OneDeck = 0;
    Settings.UpDown = -1;
    ScriptStart({21, 21, 21, 21, 21});
    NewGame(false);
    PutCards(1, {CodeOf(King), CodeOf(Four)});
    PutCards(3, {CodeOf(Nine), CodeOf(Ace), CodeOf(Two)});
    window.Paint();
    Draw();

    Write(expected, 9, 0, "Winnings: $0     ");
    for (int i = 0; i < StackCount; ++i) WriteCentred(expected, CentreOf(i), 308 + 96 + 4, "Beat 21");
    WriteCentred(expected, CentreOf(1), PlayerTop(2, "14"), "14");
    WriteCentred(expected, CentreOf(3), PlayerTop(3, "12"), "12");  // 22 with the ace high is not shown
    EXPECT_TRUE(SamePixels(actual, expected));

    // The caption's top lies 4 pixels below the bottom edge of the newest card.
    const RECT caption = actual.InkWithin(RECT{100, 20 + 24 + 96, 100 + 71, 300});
    EXPECT_EQ(caption.top, 20 + 24 + 96 + 4);
}

TEST_F(StatusTextTest, MediumDealersShowTheirUpCardAndEmptyOrUnknownHandsShowSpaces) {
    Settings.OneDeck = 0;
    Settings.DealerOption = 2;
    script.RandomCard(CodeOf(Two));
    NewGame(false);
    StackAt(0).SetDealerHand(20, Queen);
    StackAt(1).SetDealerHand(0, Queen);
    StackAt(2).SetDealerHand(17, 13);
    StackAt(3).SetDealerHand(19, Ace);
    StackAt(4).SetDealerHand(18, Seven);
    window.Paint();
    Draw();

    Write(expected, 9, 0, "Winnings: $0     ");
    const char* const dealers[StackCount] = {"  Queen + ?  ", "              ", "                 ",
                                             "    Ace + ?   ", "  Seven + ?  "};
    for (int i = 0; i < StackCount; ++i) WriteCentred(expected, CentreOf(i), 408, dealers[i]);
    EXPECT_TRUE(SamePixels(actual, expected));
}

TEST_F(StatusTextTest, TextColourStaysAndTheBackgroundColourIsPutBack) {
    ScriptStart({17, 18, 19, 20, 21});
    NewGame();
    SetTextColor(actual, RGB(1, 2, 3));
    SetBkColor(actual, RGB(4, 5, 6));
    Draw();
    EXPECT_EQ(GetTextColor(actual), Foreground);
    EXPECT_EQ(GetBkColor(actual), RGB(4, 5, 6));
    EXPECT_EQ(GetBkMode(actual), OPAQUE);
}
