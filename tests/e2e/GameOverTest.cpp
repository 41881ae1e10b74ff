// Playing a game to its end by dropping every card at once: the title ends in " - Game Over".
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "GameSession.h"
#include "Waiting.h"

namespace {
const char GameOverTitle[] = "Zarnock - Game Over";
const char PlayAgainQuestion[] = "Do you want to play again?";
const DWORD PlayToTheEndMs = 60000;
}

class GameOverTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.UseQuietSettings();
        ASSERT_TRUE(game.Start());
    }

    // Drops every card as soon as it enters until the game is over, answering what the end shows.
    void PlayToTheEnd() {
        const double deadline = NowMs() + PlayToTheEndMs;
        while (game.Window().Title() != GameOverTitle && NowMs() < deadline) {
            if (game.Dialogs().Visible().empty()) game.Window().PostKey(VK_DOWN);
            PumpFor(120);
            AnswerDialogs();
        }
        ASSERT_EQ(GameOverTitle, game.Window().Title());
        // The end-of-game messages follow the title; answer them until none is left.
        const double settled = NowMs() + 1500;
        while (NowMs() < settled) {
            AnswerDialogs();
            PumpFor(50);
        }
        ASSERT_TRUE(game.Dialogs().Visible().empty());
    }

    // Answers what the end of a game shows: No to playing again, OK to a message, Cancel to the name entry.
    void AnswerDialogs() {
        for (const DialogSeen& dialog : game.Dialogs().Visible()) {
            if (dialog.window == lastAnswered) continue;
            lastAnswered = dialog.window;
            seen.push_back(dialog);
            titleDuringMessages.push_back(game.Window().Title());
            if (dialog.text == PlayAgainQuestion) DialogWatcher::Press(dialog, playAgain ? IDYES : IDNO);
            else if (dialog.caption == "High Score List") DialogWatcher::Press(dialog, IDCANCEL);
            else if (dialog.caption == "Game Over") DialogWatcher::Press(dialog, IDOK);
        }
    }

    bool AskedToPlayAgain() const {
        for (const DialogSeen& dialog : seen)
            if (dialog.caption == "Game Over" && dialog.text == PlayAgainQuestion) return true;
        return false;
    }

    GameSession game;
    bool playAgain = false;
    HWND lastAnswered = nullptr;
    std::vector<DialogSeen> seen;
    std::vector<std::string> titleDuringMessages;
};

TEST_F(GameOverTest, DroppingEveryCardEndsTheGameWithTheGameOverTitle) {
    PlayToTheEnd();
    if (HasFatalFailure()) return;
    // Keys and F3 are ignored after the end, and nothing starts a new game by itself.
    game.Window().PostKey(VK_DOWN);
    game.Window().PostKey(VK_F3);
    PumpFor(1000);
    EXPECT_EQ(GameOverTitle, game.Window().Title());
    EXPECT_TRUE(game.Dialogs().Visible().empty());
}

TEST_F(GameOverTest, NewGameAfterTheEndStartsWithoutAQuestion) {
    PlayToTheEnd();
    if (HasFatalFailure()) return;
    game.Window().PostKey(VK_F2);
    EXPECT_TRUE(game.Window().WaitForTitle("Zarnock", 3000));
    PumpFor(300);
    EXPECT_TRUE(game.Dialogs().Visible().empty());
}

TEST_F(GameOverTest, TheEndShowsAGameOverMessageUnderTheGameOverTitle) {
    PlayToTheEnd();
    if (HasFatalFailure()) return;
    ASSERT_FALSE(seen.empty());
    bool sawGameOver = false;
    for (size_t i = 0; i < seen.size(); ++i) {
        if (seen[i].caption != "Game Over") continue;
        sawGameOver = true;
        EXPECT_EQ(GameOverTitle, titleDuringMessages[i]) << seen[i].text;
    }
    EXPECT_TRUE(sawGameOver);
}

TEST_F(GameOverTest, YesToPlayingAgainStartsANewGame) {
    playAgain = true;
    PlayToTheEnd();
    if (HasFatalFailure()) return;
    // A high score replaces the question by the name entry; dropping every card rarely earns one.
    if (!AskedToPlayAgain()) GTEST_SKIP() << "this game made a high score, so nobody asked";
    EXPECT_TRUE(game.Window().WaitForTitle("Zarnock", 3000));
}
