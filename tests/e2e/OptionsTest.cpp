// The Options dialog on the running game: a changed rule starts a new game at once, sound alone does not.
#include <gtest/gtest.h>
#include "QuietGameTest.h"
#include "Waiting.h"

namespace {
const int OptionsCommand = 32774;
const int SoundEffectsBox = 1004;
const int UpsideDownBox = 1003;

struct BoxState {
    int id;
    const char* label;
    bool checked;
};

// What a fresh installation shows.
const BoxState FreshBoxes[] = {
    {1055, "Music", true},          {1004, "Sound effects", true},  {1003, "Play upside down", false},
    {1002, "Deal next card above last stack", true},                {1064, "Show welcome screen", true},
    {1006, "Deal from a deck of 52 cards", true},                   {1035, "Stuff collapsed cards back", false},
    {1005, "Drop cards faster", true},                              {1060, "Easy", true},
    {1061, "Medium", false},        {1062, "Hard", false},          {1063, "Vicious", true},
};
}

class OptionsTest : public QuietGameTest {
protected:
    DialogSeen OpenOptions() {
        game.Window().PostCommand(OptionsCommand);
        DialogSeen options;
        EXPECT_TRUE(game.Dialogs().WaitFor("Options", 3000, options));
        return options;
    }

};

TEST_F(OptionsTest, AFreshInstallationShowsTheDefaultChoices) {
    game.ClearSettings();
    game.Registry().SetDword("ShowWelcome", 1);
    ASSERT_TRUE(game.Start());
    DialogSeen welcome;
    ASSERT_TRUE(game.Dialogs().WaitFor("Welcome to Zarnock!", 5000, welcome));
    DialogWatcher::Press(welcome, IDOK);
    ASSERT_TRUE(game.Dialogs().WaitUntilNoneVisible(3000));

    const DialogSeen options = OpenOptions();
    ASSERT_TRUE(options.window);
    for (const BoxState& box : FreshBoxes) {
        const LRESULT state = SendMessageA(GetDlgItem(options.window, box.id), BM_GETCHECK, 0, 0);
        EXPECT_EQ(box.checked ? BST_CHECKED : BST_UNCHECKED, state) << box.label;
    }
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(options.window, 1035))) << "stuff back is enabled with one deck";
    DialogWatcher::Press(options, IDCANCEL);
    EXPECT_TRUE(game.Window().WaitForTitle("Zarnock", 2000));
}

TEST_F(OptionsTest, TurningTheBoardUpsideDownStartsANewGameAtOnce) {
    StartQuietGame();
    ASSERT_TRUE(game.LandACardOnTheMiddleStack(*view));
    const DialogSeen options = OpenOptions();
    ASSERT_TRUE(options.window);
    DialogWatcher::Press(options, UpsideDownBox);
    PumpFor(100);
    DialogWatcher::Press(options, IDOK);
    ASSERT_TRUE(game.Dialogs().WaitUntilNoneVisible(3000));
    EXPECT_TRUE(game.Window().WaitForTitle("Zarnock", 2000)) << "no question, and the new game runs";

    const BoardView upsideDown = game.View(-1);
    // A capture taken before the new game's first paint may still show a card of the old board.
    CardSpot card = game.WaitForFallingCard(upsideDown, 2000);
    for (int look = 0; card.column != 2 && look < 20; ++look) {
        PumpFor(50);
        card = game.WaitForFallingCard(upsideDown, 2000);
    }
    EXPECT_EQ(2, card.column);
    const CardSpot risen = game.WaitForCardToLeave(upsideDown, card, 1200);
    EXPECT_EQ(card.top - BoardView::TickPixels, risen.top) << "the new card rises";

    DWORD exitCode = 1;
    ASSERT_TRUE(game.CloseThroughCloseBox(exitCode));
    EXPECT_EQ(0xFFFFFFFFu, game.Registry().Read("UpDown").number);
}

TEST_F(OptionsTest, ChangingOnlyTheSoundKeepsTheGame) {
    StartQuietGame();
    ASSERT_TRUE(game.LandACardOnTheMiddleStack(*view));
    const DialogSeen options = OpenOptions();
    ASSERT_TRUE(options.window);
    DialogWatcher::Press(options, SoundEffectsBox);
    PumpFor(100);
    DialogWatcher::Press(options, IDOK);
    ASSERT_TRUE(game.Dialogs().WaitUntilNoneVisible(3000));
    EXPECT_TRUE(game.Window().WaitForTitle("Zarnock", 2000));
    PumpFor(200);
    EXPECT_TRUE(game.MiddleStackHoldsACard(*view)) << "the game goes on";

    DWORD exitCode = 1;
    ASSERT_TRUE(game.CloseThroughCloseBox(exitCode));
    EXPECT_EQ(1u, game.Registry().Read("Beep").number);
}

TEST_F(OptionsTest, CancelKeepsTheGameAndTheSettings) {
    StartQuietGame();
    ASSERT_TRUE(game.LandACardOnTheMiddleStack(*view));
    const DialogSeen options = OpenOptions();
    ASSERT_TRUE(options.window);
    DialogWatcher::Press(options, UpsideDownBox);
    DialogWatcher::Press(options, SoundEffectsBox);
    PumpFor(100);
    DialogWatcher::Press(options, IDCANCEL);
    ASSERT_TRUE(game.Dialogs().WaitUntilNoneVisible(3000));
    EXPECT_TRUE(game.Window().WaitForTitle("Zarnock", 2000));
    PumpFor(200);
    EXPECT_TRUE(game.MiddleStackHoldsACard(*view));

    DWORD exitCode = 1;
    ASSERT_TRUE(game.CloseThroughCloseBox(exitCode));
    EXPECT_EQ(1u, game.Registry().Read("UpDown").number);
    EXPECT_EQ(0u, game.Registry().Read("Beep").number);
}
