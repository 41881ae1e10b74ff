// The board, the window sizes and the card size at 96, 120, 144, 168, 192 and 240 dots per inch.
#include <windows.h>
#include <vector>
#include "BoardFixture.h"
#include "app/App.h"
#include "system/DisplayScale.h"
#include "support/Canvas.h"

namespace {
struct Density {
    int dpi;
    int cardWidth, cardHeight;
    int tick, columnPitch, spawnY;
    int minimumWidth, minimumHeight, tooSmall, defaultWidth;
};
const Density Densities[] = {
    {96, 71, 96, 12, 91, 20, 449, 455, 458, 460},
    {120, 89, 120, 15, 114, 25, 561, 569, 573, 575},
    {144, 107, 144, 18, 137, 30, 674, 683, 687, 690},
    {168, 124, 168, 21, 159, 35, 786, 796, 802, 805},
    {192, 142, 192, 24, 182, 40, 898, 910, 916, 920},
    {240, 178, 240, 30, 228, 50, 1123, 1138, 1145, 1150},
};

class DensityTest : public BoardFixture {
protected:
    // A new game on a board whose lengths are those of `density`, in a client area scaled like them.
    void NewScaledGame(const Density& density) {
        const DisplayScale display(density.dpi);
        BoardHost host = window.Host();
        host.cardWidth = density.cardWidth;
        host.cardHeight = density.cardHeight;
        host.metrics = BoardMetrics(display);
        window.Attach(nullptr);
        window.SetClientSize(display.Scale(TestClientWidth), display.Scale(TestClientHeight));
        board.reset(new Board(Window(), host));
        window.Attach(board.get());
        window.Paint();
    }
};
}  // namespace

TEST_F(DensityTest, ACardFallsAndMovesByScaledStepsAndLandsAfterTheSameTicks) {
    Settings.CollapseRegime = 0;  // no collapse: whatever cards come, the two stay on the stack
    for (const Density& d : Densities) {
        SCOPED_TRACE(d.dpi);
        NewScaledGame(d);
        EXPECT_EQ(board->SpawnY(), d.spawnY);
        const int x = TheShoe().FallingX(), y = TheShoe().FallingY();
        board->MoveLeft(Window());
        EXPECT_EQ(TheShoe().FallingX(), x - d.columnPitch);
        Tick();
        EXPECT_EQ(TheShoe().FallingY(), y + d.tick);
        Tick(22);
        EXPECT_EQ(CardsOn(1), 0);
        Tick();  // the 24th tick lands it
        EXPECT_EQ(CardsOn(1), 1);
        // The next card, over the same column, lands on it after 22 ticks: one card step is two ticks.
        Tick(21);
        EXPECT_EQ(CardsOn(1), 1);
        Tick();
        EXPECT_EQ(CardsOn(1), 2);
    }
}

TEST_F(DensityTest, WindowSizesScaleAndStoredPlacementsStayInPixels) {
    const DisplayScale saved = TheApp.Display;
    const int width = TheApp.Width, height = TheApp.Height;
    for (const Density& d : Densities) {
        SCOPED_TRACE(d.dpi);
        TheApp.Display = DisplayScale(d.dpi);
        RECT rect = {0, 0, 100, 100};
        TheApp.OnSizing(nullptr, WMSZ_BOTTOMRIGHT, &rect);
        EXPECT_EQ(rect.right, d.minimumWidth);
        EXPECT_EQ(rect.bottom, d.minimumHeight);
        TheApp.Width = d.minimumWidth - 1;
        TheApp.Height = d.minimumHeight;
        TheApp.FitPlacementToScreen(4000, 4000, 32, 32);
        EXPECT_EQ(TheApp.Width, d.tooSmall);
        EXPECT_EQ(TheApp.Height, d.minimumHeight);  // a size big enough is kept as it is
        TheApp.Width = 5000;
        TheApp.FitPlacementToScreen(4000, 4000, 32, 32);
        EXPECT_EQ(TheApp.Width, d.defaultWidth);
    }
    TheApp.Display = saved;
    TheApp.Width = width;
    TheApp.Height = height;
}

// The winnings and the dealer captions written again over longer texts of their own, in the font of each
// density, show what writing them once shows: the old text's wider cell is erased, not left to the spaces.
TEST_F(DensityTest, ShorterTextsLeaveNothingOfTheLongerOnesBehind) {
    const int Ace = 0, Three = 2;
    Settings.DealerOption = 2;  // Medium: the captions name the up card, or are spaces for an empty hand
    for (const Density& d : Densities) {
        SCOPED_TRACE(d.dpi);
        NewScaledGame(d);
        RECT client;
        GetClientRect(Window(), &client);
        Canvas shown(client.right, client.bottom, Settings.BackgroundColor);
        Canvas once(client.right, client.bottom, Settings.BackgroundColor);
        board->AddWinnings(-1000000);
        for (int i = 0; i < StackCount; ++i) StackAt(i).SetDealerHand(20, Three);
        board->DrawStatus(shown);
        const std::vector<uint32_t> longer = shown.Pixels();
        ASSERT_GT(shown.CountOtherThan(Settings.BackgroundColor), 0) << "the longer texts are drawn";
        board->AddWinnings(1000000);
        for (int i = 0; i < StackCount; ++i) StackAt(i).SetDealerHand(i % 2 ? 0 : 21, Ace);
        board->DrawStatus(shown);
        board->DrawStatus(once);
        EXPECT_EQ(shown.Differences(once), 0);
        EXPECT_GT(once.CountOtherThan(Settings.BackgroundColor), 0);
        EXPECT_TRUE(once.Pixels() != longer) << "the shorter texts differ from the longer ones";
    }
}
