// Leaving the program: Exit and Ctrl+X end it at once with exit code 0 and save nothing.
#include <gtest/gtest.h>
#include "GameSession.h"
#include "Waiting.h"

class ExitTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Not a quiet first run: a first run that is left with Exit must stay a first run.
        game.ClearSettings();
        game.Registry().SetDword("ShowWelcome", 0);
        game.Registry().SetDword("Beep", 0);
        game.Registry().SetDword("Music", 0);
        ASSERT_TRUE(game.Start());
    }

    void ExpectNothingSaved() const {
        for (const char* name : {"FirstBoot", "Width", "Height", "Top", "Left", "MinMax", "UpDown", "SwapMode"})
            EXPECT_FALSE(game.Registry().Read(name).present) << name;
        EXPECT_EQ(0u, game.Registry().Read("Beep").number);
    }

    GameSession game;
};

TEST_F(ExitTest, CtrlXEndsTheProgramWithExitCodeZeroAndSavesNothing) {
    ASSERT_TRUE(game.Window().TypeChord(VK_CONTROL, 'X'));
    DWORD exitCode = 1;
    ASSERT_TRUE(game.Process().WaitForExit(5000, exitCode));
    EXPECT_EQ(0u, exitCode);
    ExpectNothingSaved();
}

TEST_F(ExitTest, TheExitCommandSavesNothingEither) {
    game.Window().PostCommand(105);  // Game > Exit
    DWORD exitCode = 1;
    ASSERT_TRUE(game.Process().WaitForExit(5000, exitCode));
    EXPECT_EQ(0u, exitCode);
    ExpectNothingSaved();
}

TEST_F(ExitTest, APlainXWithoutCtrlDoesNotEndTheProgram) {
    game.Window().PostKey('X');
    PumpFor(500);
    EXPECT_TRUE(game.Process().IsRunning());
}
