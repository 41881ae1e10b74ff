// Starting a new game during a running one: the question, No going on with the game, Yes a new board.
#include <gtest/gtest.h>
#include "ClientCapture.h"
#include "QuietGameTest.h"
#include "Waiting.h"

namespace {
const char QuitQuestion[] = "Are you sure you want to quit the current game?";
}

class NewGameTest : public QuietGameTest {
protected:
    void SetUp() override { StartQuietGame(); }

    DialogSeen AskForNewGame(WORD key) {
        game.Window().PostKey(key);
        DialogSeen question;
        EXPECT_TRUE(game.Dialogs().WaitFor("New Game", 3000, question));
        return question;
    }

};

TEST_F(NewGameTest, F2AsksAndNoGoesOnWithTheSameGame) {
    ASSERT_TRUE(game.LandACardOnTheMiddleStack(*view));
    const DialogSeen question = AskForNewGame(VK_F2);
    ASSERT_TRUE(question.window);
    EXPECT_EQ(QuitQuestion, question.text);
    EXPECT_EQ("Zarnock - Paused", game.Window().Title());

    DialogWatcher::Press(question, IDNO);
    ASSERT_TRUE(game.Window().WaitForTitle("Zarnock", 2000));
    EXPECT_TRUE(game.MiddleStackHoldsACard(*view)) << "the old board stays";
    ClientCapture capture(game.Window().Handle());
    const CardSpot card = view->FindFallingCard(capture);
    const CardSpot moved = game.WaitForCardToLeave(*view, card, 1200);
    EXPECT_EQ(card.top + BoardView::TickPixels, moved.top) << "the card falls again";
}

TEST_F(NewGameTest, NoResumesAGameThatWasPausedBefore) {
    game.Window().PostKey(VK_F3);
    ASSERT_TRUE(game.Window().WaitForTitle("Zarnock - Paused", 2000));
    const DialogSeen question = AskForNewGame(VK_F2);
    ASSERT_TRUE(question.window);
    DialogWatcher::Press(question, IDNO);
    EXPECT_TRUE(game.Window().WaitForTitle("Zarnock", 2000));
}

TEST_F(NewGameTest, F2AndYesStartANewBoard) {
    ASSERT_TRUE(game.LandACardOnTheMiddleStack(*view));
    const DialogSeen question = AskForNewGame(VK_F2);
    ASSERT_TRUE(question.window);
    DialogWatcher::Press(question, IDYES);
    ASSERT_TRUE(WaitUntil([&] { return !game.MiddleStackHoldsACard(*view); }, 3000))
        << "the new board has empty stacks";
    EXPECT_TRUE(game.Window().WaitForTitle("Zarnock", 2000));
    // An abandoned game with a low score ends without any further message.
    PumpFor(300);
    EXPECT_TRUE(game.Dialogs().Visible().empty());
    const CardSpot card = game.WaitForFallingCard(*view, 2000);
    EXPECT_EQ(2, card.column);
    EXPECT_LE(card.top, view->SpawnY() + BoardView::TickPixels);
}

TEST_F(NewGameTest, CtrlNAsksTheSameQuestion) {
    ASSERT_TRUE(game.Window().TypeChord(VK_CONTROL, 'N'));
    DialogSeen question;
    ASSERT_TRUE(game.Dialogs().WaitFor("New Game", 3000, question));
    EXPECT_EQ(QuitQuestion, question.text);
    DialogWatcher::Press(question, IDNO);
    EXPECT_TRUE(game.Window().WaitForTitle("Zarnock", 2000));
}
