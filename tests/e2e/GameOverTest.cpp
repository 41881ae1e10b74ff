// Playing a game to its end by dropping every card at once: the title ends in " - Game Over".
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "GameSession.h"
#include "Waiting.h"

namespace {
const char GameOverTitle[] = "Zarnock - Game Over";
const char PlayAgainQuestion[] = "Do you want to play again?";
}

class GameOverTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.UseQuietSettings();
        ASSERT_TRUE(game.Start());
    }

    // Answers what the end of a game shows: No to playing again, OK to a message, Cancel to the name entry.
    void AnswerDialogs() {
        for (const DialogSeen& dialog : game.Dialogs().Visible()) {
            if (dialog.window == lastAnswered) continue;
            lastAnswered = dialog.window;
            seen.push_back(dialog);
            if (dialog.text == PlayAgainQuestion) DialogWatcher::Press(dialog, IDNO);
            else if (dialog.caption == "High Score List") DialogWatcher::Press(dialog, IDCANCEL);
            else if (dialog.caption == "Game Over") DialogWatcher::Press(dialog, IDOK);
        }
    }

    bool SeenPlayAgain() const {
        for (const DialogSeen& dialog : seen)
            if (dialog.caption == "Game Over" && dialog.text == PlayAgainQuestion) return true;
        return false;
    }

    GameSession game;
    HWND lastAnswered = nullptr;
    std::vector<DialogSeen> seen;
};

TEST_F(GameOverTest, DroppingEveryCardEndsTheGameWithTheGameOverTitle) {
    const double deadline = NowMs() + 60000;
    while (game.Window().Title() != GameOverTitle && NowMs() < deadline) {
        if (game.Dialogs().Visible().empty()) game.Window().PostKey(VK_DOWN);
        PumpFor(120);
        AnswerDialogs();
    }
    ASSERT_EQ(GameOverTitle, game.Window().Title());
    // Finish the end-of-game messages, then the finished board stays as it is.
    WaitUntil([&] { AnswerDialogs(); return SeenPlayAgain() && game.Dialogs().Visible().empty(); }, 5000);
    bool sawGameOverMessage = false;
    for (const DialogSeen& dialog : seen) sawGameOverMessage |= dialog.caption == "Game Over";
    EXPECT_TRUE(sawGameOverMessage);

    // Keys are ignored after the end, and No left the game over: no new game starts.
    game.Window().PostKey(VK_DOWN);
    game.Window().PostKey(VK_F3);
    PumpFor(1000);
    EXPECT_EQ(GameOverTitle, game.Window().Title());
    EXPECT_TRUE(game.Dialogs().Visible().empty());
}

TEST_F(GameOverTest, NewGameAfterTheEndStartsWithoutAQuestion) {
    const double deadline = NowMs() + 60000;
    while (game.Window().Title() != GameOverTitle && NowMs() < deadline) {
        if (game.Dialogs().Visible().empty()) game.Window().PostKey(VK_DOWN);
        PumpFor(120);
        AnswerDialogs();
    }
    ASSERT_EQ(GameOverTitle, game.Window().Title());
    WaitUntil([&] { AnswerDialogs(); return game.Dialogs().Visible().empty(); }, 5000);

    game.Window().PostKey(VK_F2);
    EXPECT_TRUE(game.Window().WaitForTitle("Zarnock", 3000));
    EXPECT_TRUE(game.Dialogs().Visible().empty());
}
