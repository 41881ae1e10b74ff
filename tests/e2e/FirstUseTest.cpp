// The colour chooser and the help page in the running game: their system DLLs load at the first call.
#include <gtest/gtest.h>
#include "GameSession.h"
#include "Waiting.h"

namespace {
const int OptionsCommand = 32774;
const int HelpCommand = 32778;
const int BackgroundColourButton = 1066;
}

TEST(FirstUseTest, TheColourChooserOpensAndTheHelpPageLeavesTheGameRunning) {
    GameSession game;
    game.UseQuietSettings();
    ASSERT_TRUE(game.Start());
    game.Window().PostCommand(OptionsCommand);
    DialogSeen options, chooser;
    ASSERT_TRUE(game.Dialogs().WaitFor("Options", 3000, options));
    DialogWatcher::Press(options, BackgroundColourButton);
    ASSERT_TRUE(game.Dialogs().WaitFor("Color", 5000, chooser));
    DialogWatcher::Press(chooser, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(chooser.window); }, 3000));
    DialogWatcher::Press(options, IDCANCEL);
    ASSERT_TRUE(game.Dialogs().WaitUntilNoneVisible(3000));

    // Without the help file beside the game the system's "not found" text is shown; either way the game runs on.
    game.Window().PostCommand(HelpCommand);
    PumpFor(1000);
    for (const DialogSeen& message : game.Dialogs().Visible()) DialogWatcher::Press(message, IDOK);
    EXPECT_TRUE(game.Dialogs().WaitUntilNoneVisible(3000));
    EXPECT_TRUE(game.Process().IsRunning());
}
