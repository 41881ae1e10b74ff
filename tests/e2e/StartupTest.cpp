// A first run: maximized, the welcome dialog, and the first card falling 12 pixels every 800 ms.
#include <gtest/gtest.h>
#include <vector>
#include "ClientCapture.h"
#include "GameSession.h"
#include "Waiting.h"

namespace {
struct Step {
    double atMs;
    int top;
};

// Follows the falling card for `durationMs` and returns every position it was seen at, with the time.
std::vector<Step> FollowCard(const GameSession& game, const BoardView& view, int column, double durationMs) {
    std::vector<Step> steps;
    const double end = NowMs() + durationMs;
    while (NowMs() < end) {
        ClientCapture capture(game.Window().Handle());
        const int top = view.TopFromEdge(view.LeadingEdge(capture, column));
        if (top >= 0 && (steps.empty() || steps.back().top != top)) steps.push_back({NowMs(), top});
        Sleep(4);
    }
    return steps;
}
}

class FirstRunTest : public ::testing::Test {
protected:
    void SetUp() override { game.ClearSettings(); }
    GameSession game;
};

TEST_F(FirstRunTest, ComesUpMaximizedWithTheWelcomeDialogBeforeTheFirstCardFalls) {
    ASSERT_TRUE(game.Start());
    DialogSeen welcome;
    ASSERT_TRUE(game.Dialogs().WaitFor("Welcome to Zarnock!", 5000, welcome));
    EXPECT_TRUE(game.Window().IsMaximized());
    EXPECT_EQ("Zarnock - Paused", game.Window().Title());

    const BoardView view = game.View(1);
    const CardSpot waiting = game.WaitForFallingCard(view, 3000);
    EXPECT_EQ(2, waiting.column);
    EXPECT_EQ(view.SpawnY(), waiting.top);
    PumpFor(1800);  // more than two ticks: the card must not have moved while the dialog is up
    ClientCapture later(game.Window().Handle());
    EXPECT_EQ(view.SpawnY(), view.FindFallingCard(later).top);

    DialogWatcher::Press(welcome, IDOK);
    ASSERT_TRUE(game.Dialogs().WaitUntilNoneVisible(3000));
    EXPECT_TRUE(game.Window().WaitForTitle("Zarnock", 3000));
}

TEST_F(FirstRunTest, TheCardFallsTwelvePixelsEvery800Milliseconds) {
    ASSERT_TRUE(game.Start());
    DialogSeen welcome;
    ASSERT_TRUE(game.Dialogs().WaitFor("Welcome to Zarnock!", 5000, welcome));
    DialogWatcher::Press(welcome, IDOK);
    ASSERT_TRUE(game.Window().WaitForTitle("Zarnock", 3000));

    const BoardView view = game.View(1);
    const std::vector<Step> steps = FollowCard(game, view, 2, 3500);
    ASSERT_GE(steps.size(), 4u) << "the card should have moved at least three times in 3.5 s";
    EXPECT_EQ(0, (steps.front().top - view.SpawnY()) % BoardView::TickPixels);
    for (size_t i = 1; i < steps.size(); ++i) {
        EXPECT_EQ(BoardView::TickPixels, steps[i].top - steps[i - 1].top) << "step " << i;
        // The first change may come at any moment after the dialog closed; the later ones are whole ticks.
        if (i >= 2) {
            EXPECT_NEAR(800.0, steps[i].atMs - steps[i - 1].atMs, 200.0) << "step " << i;
        }
    }
    const double meanInterval = (steps.back().atMs - steps[1].atMs) / (steps.size() - 2);
    EXPECT_NEAR(800.0, meanInterval, 60.0);
}
