// Without cards32.dll beside it the program says which file is missing and ends with exit code 0.
#include <gtest/gtest.h>
#include <string>
#include "GameSession.h"
#include "LoneGameFolder.h"

namespace {
const char MissingFileMessage[] =
    "Zarnock could not find the file 'CARDS32.DLL' which should be in your Windows system folder "
    "(e.g. C:\\Windows\\System).  Please locate the file, copy it to this folder, and try again.";
}

class MissingLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.UseQuietSettings();
        // The system folders must not hold the library either, or the test proves nothing.
        char system[MAX_PATH] = {};
        GetSystemDirectoryA(system, sizeof system);
        ASSERT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((std::string(system) + "\\cards32.dll").c_str()));
    }
    GameSession game;
};

TEST_F(MissingLibraryTest, ShowsTheMissingFileMessageAndExitsWithZero) {
    LoneGameFolder folder(GameSession::GamePath());
    ASSERT_TRUE(folder.Ready());
    ASSERT_FALSE(folder.Holds("cards32.dll"));
    ASSERT_TRUE(game.StartFrom(folder.ExePath(), folder.Path()));

    DialogSeen message;
    ASSERT_TRUE(game.Dialogs().WaitForMatch([](const DialogSeen& d) { return !d.text.empty(); }, 10000, message));
    EXPECT_EQ(MissingFileMessage, message.text);
    DialogWatcher::Press(message, IDOK);

    DWORD exitCode = 1;
    ASSERT_TRUE(game.Process().WaitForExit(5000, exitCode));
    EXPECT_EQ(0u, exitCode);
}
