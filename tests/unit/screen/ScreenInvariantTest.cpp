// What the visible main window shows after every handled message is what a full repaint of its board draws.
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include "game/Random.h"
#include "game/Shoe.h"
#include "game/Stack.h"
#include "game/StackList.h"
#include "system/WindowDC.h"
#include "resources/ResourceIds.h"
#include "support/Canvas.h"
#include "unit/app/MainWindowFixture.h"

namespace {
class ScreenInvariantTest : public ::testing::Test {
protected:
    void SetUp() override {
        PrepareGameForTests();
        ASSERT_TRUE(PrepareMainClass(GetModuleHandleA(nullptr)));
        TheApp.Paused = 1;
        TheApp.Started = 0;
        window = CreateWindowExW(WS_EX_CLIENTEDGE, WindowClassName, AppTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 TheApp.Display.Scale(470), TheApp.Display.Scale(500),
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, window);
        TakeClientSize();
    }
    void TakeClientSize() {
        GetClientRect(window, &client);
        shown = std::make_unique<Canvas>(client.right, client.bottom);
        painted = std::make_unique<Canvas>(client.right, client.bottom);
    }
    void TearDown() override {
        DestroyWindow(window);
        MSG message;
        while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    void NewGame() {
        TheApp.GameIsOver = 1;  // the last game is over: no question, no game-over flow
        TheApp.NewGame(window);
        TheApp.CurrentBoard()->pauseAfterDropStep = [] {};
    }

    // Empty when the client area equals a fresh full paint of the board over the background colour;
    // otherwise the first differing pixel.
    std::string DifferenceFromRepaint() {
        {
            WindowDC dc(window);
            BitBlt(*shown, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
        }
        painted->Fill(Settings.BackgroundColor);
        TheApp.CurrentBoard()->Paint(*painted, window);
        const std::vector<uint32_t> a = shown->Pixels(), b = painted->Pixels();
        const size_t i = std::mismatch(a.begin(), a.end(), b.begin()).first - a.begin();
        if (i == a.size()) return "";
        std::ostringstream text;
        text << "pixel (" << i % client.right << ", " << i / client.right << ") shows " << std::hex << a[i]
             << ", a repaint draws " << b[i];
        return text.str();
    }

    // A careful player, so that games reach a level-up: a stack that the card makes collapse, else the one
    // it leaves lowest; a swap when the card busts every stack. Past the level-up the player piles the cards
    // on the tallest stack, so that the game ends soon.
    static WPARAM PlayerKey(bool careful) {
        Board& board = *TheApp.CurrentBoard();
        StackList& stacks = board.Stacks();
        const int value = TwentyOneValue(board.GetShoe().Falling()->Code());
        int best = board.Column(), bestCost = 1000;
        for (int c = 0; c < stacks.Count(); ++c) {
            if (stacks.IsFrozen(c) || board.DistanceToLanding(board.GetShoe().FallingY(), c) < 0) continue;
            const int total = stacks.HardTotal(c) + value;
            int cost = -stacks.At(c)->Count();
            if (careful) cost = total > 21 ? 100 : total >= stacks.DealerTotal(c) ? 0 : total;
            if (cost < bestCost) best = c, bestCost = cost;
        }
        if (bestCost == 100) return VK_SPACE;
        if (best != board.Column()) return best < board.Column() ? VK_LEFT : VK_RIGHT;
        return Settings.UpDown == -1 ? VK_UP : VK_DOWN;  // drop
    }

    HWND window = nullptr;
    RECT client = {};
    std::unique_ptr<Canvas> shown, painted;
};

// Every collapse regime, both directions, Vicious and ClearStacks on and off, all three decks.
void ApplyRulesOfGame(int game) {
    Settings.CollapseRegime = 1 + game % 3;
    Settings.DeriveMinCollapse();
    Settings.UpDown = game % 2 ? -1 : 1;
    Settings.FreezeOnBust = (game / 2) % 2;
    Settings.ClearStacks = (game / 4) % 2;
    Settings.OneDeck = (game / 3) % 3;
    Settings.EndOnShuffle = (game / 6) % 2;
    Settings.DealerOption = 1 + (game / 4) % 3;
    Settings.SwapMode = 1 + (game / 3) % 3;
    Settings.LastStack = (game / 5) % 2;
}

TEST_F(ScreenInvariantTest, RandomGamesLeaveOnScreenExactlyWhatARepaintDraws) {
    ScopedSettings keep;
    std::mt19937 moves;
    // The level-up notice is closed at once, sometimes after a paint of the window behind it.
    MessageBoxAnswerer answerer([&](const SeenDialog& dialog) {
        if (dialog.caption.empty() && moves() % 2)
            RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        if (dialog.caption == "Game Over") return dialog.text.rfind("Do you", 0) == 0 ? IDNO : IDOK;
        return dialog.caption.empty() ? IDOK : IDCANCEL;
    });
    const WPARAM keys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_SPACE};
    int levelUps[2][2] = {};  // by Vicious and ClearStacks
    for (int game = 0; game < 24; ++game) {
        const unsigned int seed = 1000 + game;
        ApplyRulesOfGame(game);
        SeedRandom(seed);
        moves.seed(seed);
        NewGame();
        std::string operation = "new game";
        for (int step = 0;; ++step) {
            ASSERT_EQ("", DifferenceFromRepaint()) << "seed " << seed << ", step " << step << ", after " << operation;
            if (TheApp.IsGameOver()) break;
            ASSERT_LT(step, 20000) << "seed " << seed << ": the game does not end";
            if (TheApp.IsPaused()) TheApp.SetPaused(window, false);
            const unsigned int roll = moves() % 100;
            if (roll < 20) {
                operation = "tick";
                SendMessageA(window, WM_TIMER, DROP_TIMER, 0);
            } else if (roll < 95) {
                const bool careful = Settings.CollapseRegime == 3 && TheApp.CurrentBoard()->Level() < 1;
                const WPARAM key = roll >= 90 ? keys[roll % 5] : PlayerKey(careful);
                operation = "key " + std::to_string(key);
                SendMessageA(window, WM_KEYDOWN, key, 0);
            } else {
                operation = "repaint of part of the window";
                const LONG left = moves() % 400, top = moves() % 400;
                const RECT part = {left, top, left + 1 + LONG(moves() % 200), top + 1 + LONG(moves() % 200)};
                RedrawWindow(window, &part, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            }
        }
        levelUps[Settings.FreezeOnBust][Settings.ClearStacks] += TheApp.CurrentBoard()->Level();
    }
    for (int vicious = 0; vicious < 2; ++vicious)
        for (int clear = 0; clear < 2; ++clear)
            EXPECT_GT(levelUps[vicious][clear], 0) << "Vicious " << vicious << ", ClearStacks " << clear;
}

TEST_F(ScreenInvariantTest, PerfectMatchBonusShowsInTheWinningsAtOnce) {
    ScopedSettings keep;
    MessageBoxAnswerer answerer(
        [](const SeenDialog& dialog) { return dialog.caption == "Game Over" ? IDOK : IDCANCEL; });
    NewGame();
    TheApp.GameOver(window, PerfectMatch);
    EXPECT_EQ(10000, TheApp.CurrentBoard()->GetWinnings());
    EXPECT_EQ("", DifferenceFromRepaint());
}
// The lengths of the board after a change to a density, as the game derives them there (never the old
// pixels rescaled): the window's rectangle, the card, the tick and the distance between two stacks.
struct DensityChange {
    int dpi;
    RECT rect;
    int cardWidth, cardHeight, tick, columnPitch;
};
const DensityChange DensityChanges[] = {
    {120, {0, 0, 625, 475}, 89, 120, 15, 114},
    {144, {0, 0, 750, 570}, 107, 144, 18, 137},
    {192, {0, 0, 1000, 760}, 142, 192, 24, 182},
};

// Windows' message of a new density mid-game, and back: the window takes the suggested rectangle each time.
TEST_F(ScreenInvariantTest, ADensityChangeLaysTheGameOutAgainWhereItWas) {
    if (TheApp.Display.Dpi() != DisplayScale::BaseDpi) GTEST_SKIP() << "the change is sent from 96 dpi";
    ScopedSettings keep;
    const RECT at96 = {0, 0, 500, 380};
    const auto changeTo = [&](int dpi, RECT rect) {
        SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&rect));
        RECT now;
        GetWindowRect(window, &now);
        EXPECT_TRUE(EqualRect(&now, &rect)) << dpi << " dpi";
        TakeClientSize();
        EXPECT_EQ("", DifferenceFromRepaint()) << dpi << " dpi";
    };
    for (const DensityChange& change : DensityChanges) {
        SCOPED_TRACE(change.dpi);
        SeedRandom(1000);
        SetWindowPos(window, nullptr, 0, 0, at96.right, at96.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
        TakeClientSize();
        NewGame();
        for (int step = 0; step < 3; ++step) SendMessageA(window, WM_TIMER, DROP_TIMER, 0);
        SendMessageA(window, WM_KEYDOWN, VK_LEFT, 0);
        TheApp.SetPaused(window, true);
        Board& board = *TheApp.CurrentBoard();
        const Shoe& shoe = board.GetShoe();
        ASSERT_EQ("", DifferenceFromRepaint());
        const std::vector<uint32_t> before = shown->Pixels();
        changeTo(change.dpi, change.rect);
        EXPECT_EQ(std::make_pair(TheApp.CardWidth, TheApp.CardHeight),
                  std::make_pair(change.cardWidth, change.cardHeight));
        EXPECT_EQ(std::make_pair(board.Column(), board.FallTicks()), std::make_pair(1, 3));
        EXPECT_EQ(board.Stacks().At(1)->X() - board.Stacks().At(0)->X(), change.columnPitch);
        EXPECT_EQ(shoe.FallingX(), board.Stacks().At(1)->X());
        // A new card enters 24 ticks before the base of an empty stack; three ticks have passed.
        EXPECT_EQ(board.DistanceToLanding(shoe.FallingY(), 1), 21 * change.tick);
        Canvas drawn(change.cardWidth, change.cardHeight);  // the library draws the card at this size itself
        TheApp.cardLibrary.DrawCardAt(drawn, 0, 0, change.cardWidth, change.cardHeight, shoe.Falling()->Code(), 0,
                                      Settings.BackgroundColor);
        EXPECT_EQ(shown->Block(shoe.FallingX(), shoe.FallingY(), change.cardWidth, change.cardHeight),
                  drawn.Block(0, 0, change.cardWidth, change.cardHeight));
        changeTo(96, at96);
        EXPECT_TRUE(shown->Pixels() == before) << "the board at 96 dpi again";
        changeTo(change.dpi, change.rect);
        SendMessageA(window, WM_TIMER, DROP_TIMER, 0);  // a tick; the game stays paused for the comparison
        EXPECT_EQ(board.DistanceToLanding(shoe.FallingY(), 1), 20 * change.tick);
        EXPECT_EQ("", DifferenceFromRepaint());
        changeTo(96, at96);
    }
}
}  // namespace
