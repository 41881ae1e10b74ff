// The status line and the stack captions: exact texts with their spaces, positions for both directions of
// fall, and colours, checked on the pixels of a memory bitmap against the same texts drawn where they belong.
#include <windows.h>
#include <cstring>
#include <string>
#include <vector>
#include "BoardFixture.h"
#include "render/GdiObject.h"
#include "render/MemoryDC.h"

namespace {
const COLORREF Foreground = RGB(255, 255, 0);
const COLORREF Background = RGB(0, 0, 200);

// A black 32-bit top-down bitmap of the test window's size, selected into a memory device context.
class Canvas {
public:
    Canvas() : dc(nullptr) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = TestClientWidth;
        info.bmiHeader.biHeight = -TestClientHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* pixels = nullptr;
        bitmap.Reset(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
        bits = static_cast<unsigned*>(pixels);
        std::memset(bits, 0, TestClientWidth * TestClientHeight * 4);
        dc.Select(bitmap);
    }
    operator HDC() const { return dc; }
    unsigned At(int x, int y) const { return bits[y * TestClientWidth + x] & 0xFFFFFF; }

    SIZE Measure(const std::string& text) const {
        SIZE size = {0, 0};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        return size;
    }
    void Write(int x, int y, const std::string& text) {
        SetTextColor(dc, Foreground);
        SetBkColor(dc, Background);
        TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
    }
    // Writes a caption centred on x.
    void WriteCentred(int centre, int y, const std::string& text) { Write(centre - Measure(text).cx / 2, y, text); }

    // Bounding box of every pixel that is not black within a region; empty when there is none.
    RECT InkWithin(const RECT& region) const {
        RECT box = {region.right, region.bottom, region.left, region.top};
        for (int y = region.top; y < region.bottom; ++y)
            for (int x = region.left; x < region.right; ++x)
                if (At(x, y)) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        return box;
    }

private:
    MemoryDC dc;
    Bitmap bitmap;
    unsigned* bits = nullptr;
};

::testing::AssertionResult SamePixels(const Canvas& actual, const Canvas& expected) {
    int differences = 0, firstX = -1, firstY = -1;
    for (int y = 0; y < TestClientHeight; ++y)
        for (int x = 0; x < TestClientWidth; ++x)
            if (actual.At(x, y) != expected.At(x, y) && differences++ == 0) {
                firstX = x;
                firstY = y;
            }
    if (differences == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differences << " pixels differ, the first at (" << firstX << ", "
                                         << firstY << ")";
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
        const int height = expected.Measure(caption).cy;
        return Settings.UpDown == -1 ? 20 + 24 * cards + 96 - 20 : 308 - 24 * cards - height + 20;
    }
    void Draw() { board->DrawStatus(actual); }

    ScriptedRandom script;
    Canvas actual;
    Canvas expected;
};

struct UpCardRow {
    int card;
    const char* text;
};

class DealerUpCardCaptionTest : public ::testing::TestWithParam<UpCardRow> {};
}

TEST_P(DealerUpCardCaptionTest, ExactTextWithItsSpaces) {
    const UpCardRow row = GetParam();
    char buffer[Board::DealerCaptionSize];
    std::memset(buffer, 'x', sizeof buffer);
    const int length = Board::DealerUpCardCaption(buffer, row.card);
    EXPECT_STREQ(buffer, row.text);
    EXPECT_EQ(length, static_cast<int>(std::strlen(row.text)));
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
    expected.Write(9, 0, "Winnings: $0     ");
    const std::string deck = "     Cards in deck: 52";
    expected.Write(444 - expected.Measure(deck).cx, 0, deck);
    for (int i = 0; i < StackCount; ++i) expected.WriteCentred(CentreOf(i), 408, "Beat " + std::to_string(17 + i));
    EXPECT_TRUE(SamePixels(actual, expected));

    // The winnings start at the left edge of the stack row and the deck count ends at its right edge.
    const int lineHeight = expected.Measure("W").cy;
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

    expected.Write(9, 0, "Winnings: $-10     ");
    const char* const players[StackCount] = {"6 / 16", "14", "Busted", "", "7 / 17"};
    const int cards[StackCount] = {2, 2, 2, 0, 2};
    for (int i = 0; i < StackCount; ++i) {
        expected.WriteCentred(CentreOf(i), 408, "Beat 21");
        if (*players[i]) expected.WriteCentred(CentreOf(i), PlayerTop(cards[i], players[i]), players[i]);
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

    expected.Write(9, 0, "Winnings: $0     ");
    for (int i = 0; i < StackCount; ++i) expected.WriteCentred(CentreOf(i), 308 + 96 + 4, "Beat 21");
    expected.WriteCentred(CentreOf(1), PlayerTop(2, "14"), "14");
    expected.WriteCentred(CentreOf(3), PlayerTop(3, "12"), "12");  // 22 with the ace high is not shown
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

    expected.Write(9, 0, "Winnings: $0     ");
    const char* const dealers[StackCount] = {"  Queen + ?  ", "              ", "                 ",
                                             "    Ace + ?   ", "  Seven + ?  "};
    for (int i = 0; i < StackCount; ++i) expected.WriteCentred(CentreOf(i), 408, dealers[i]);
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
