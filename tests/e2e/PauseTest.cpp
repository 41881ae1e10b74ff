// Pausing: F3, an open menu and the loss of the focus stop the falling card; their end lets it fall again.
#include <gtest/gtest.h>
#include "ClientCapture.h"
#include "FocusThief.h"
#include "GameSession.h"
#include "Waiting.h"

namespace {
const DWORD MoreThanTwoTicksMs = 1800;
}

class PauseTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.UseQuietSettings();
        ASSERT_TRUE(game.Start());
        view = std::make_unique<BoardView>(game.View(1));
        ASSERT_GE(game.WaitForFallingCard(*view, 3000).column, 0);
    }

    CardSpot Card() const {
        ClientCapture capture(game.Window().Handle());
        return view->FindFallingCard(capture);
    }

    // The card stays where it is for more than two drop intervals.
    void ExpectCardStands() const {
        const CardSpot before = Card();
        PumpFor(MoreThanTwoTicksMs);
        const CardSpot after = Card();
        EXPECT_EQ(before.column, after.column);
        EXPECT_EQ(before.top, after.top);
    }

    // The card moves on within a little more than one drop interval.
    void ExpectCardFalls() const {
        const CardSpot before = Card();
        const CardSpot after = game.WaitForCardToLeave(*view, before, 1200);
        EXPECT_EQ(before.top + BoardView::TickPixels, after.top);
    }

    GameSession game;
    std::unique_ptr<BoardView> view;
};

TEST_F(PauseTest, F3PausesAndResumes) {
    EXPECT_EQ("Zarnock", game.Window().Title());
    game.Window().PostKey(VK_F3);
    ASSERT_TRUE(game.Window().WaitForTitle("Zarnock - Paused", 2000));
    ExpectCardStands();

    // Steering keys do nothing while paused.
    const CardSpot before = Card();
    game.Window().PostKey(VK_LEFT);
    PumpFor(300);
    EXPECT_EQ(before.column, Card().column);

    game.Window().PostKey(VK_F3);
    ASSERT_TRUE(game.Window().WaitForTitle("Zarnock", 2000));
    ExpectCardFalls();
}

TEST_F(PauseTest, AnOpenGameMenuStopsTheCardUntilItCloses) {
    game.Window().OpenMenu('g');
    ASSERT_TRUE(game.Window().WaitForTitle("Zarnock - Paused", 2000));
    ExpectCardStands();
    game.Window().CancelMenu();
    ASSERT_TRUE(game.Window().WaitForTitle("Zarnock", 2000));
    ExpectCardFalls();
}

TEST_F(PauseTest, LosingTheFocusPausesAndGettingItBackResumes) {
    ASSERT_TRUE(game.Window().BringToFront());
    ASSERT_TRUE(game.Window().WaitForTitle("Zarnock", 2000));
    {
        FocusThief thief;
        ASSERT_TRUE(thief.TakeFocus());
        ASSERT_TRUE(game.Window().WaitForTitle("Zarnock - Paused", 2000));
        ExpectCardStands();
        ASSERT_TRUE(game.Window().BringToFront());
        EXPECT_TRUE(game.Window().WaitForTitle("Zarnock", 2000));
    }
    ExpectCardFalls();
}

TEST_F(PauseTest, AFocusChangeEndsAPauseMadeWithF3) {
    ASSERT_TRUE(game.Window().BringToFront());
    game.Window().PostKey(VK_F3);
    ASSERT_TRUE(game.Window().WaitForTitle("Zarnock - Paused", 2000));
    FocusThief thief;
    ASSERT_TRUE(thief.TakeFocus());
    ASSERT_TRUE(game.Window().BringToFront());
    EXPECT_TRUE(game.Window().WaitForTitle("Zarnock", 2000));
    ExpectCardFalls();
}

TEST_F(PauseTest, EveryDialogPausesTheGameAndItsEndResumesIt) {
    struct DialogCommand {
        int command;
        const char* caption;
    };
    const DialogCommand commands[] = {{32777, "Welcome to Zarnock!"}, {104, "About Zarnock"}};
    for (const DialogCommand& item : commands) {
        SCOPED_TRACE(item.caption);
        game.Window().PostCommand(item.command);
        DialogSeen dialog;
        ASSERT_TRUE(game.Dialogs().WaitFor(item.caption, 3000, dialog));
        EXPECT_EQ("Zarnock - Paused", game.Window().Title());
        ExpectCardStands();
        DialogWatcher::Press(dialog, IDOK);
        EXPECT_TRUE(game.Window().WaitForTitle("Zarnock", 2000));
        ExpectCardFalls();
    }
}

TEST_F(PauseTest, AltSlashOpensTheAboutBox) {
    ASSERT_TRUE(game.Window().TypeChord(VK_MENU, VK_OEM_2));
    DialogSeen about;
    ASSERT_TRUE(game.Dialogs().WaitFor("About Zarnock", 3000, about));
    EXPECT_EQ("Zarnock - Paused", game.Window().Title());
    DialogWatcher::Press(about, IDOK);
    EXPECT_TRUE(game.Window().WaitForTitle("Zarnock", 2000));
}
