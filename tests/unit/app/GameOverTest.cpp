// The end of a game: the messages of each ending, the high-score threshold and the play-again question.
#include <vector>
#include "MainWindowFixture.h"
#include "dialogs/HighScoreDialog.h"
#include "settings/Registry.h"
#include "support/MessageBoxAnswerer.h"

namespace {
const char OutOfCards[] =
    "You're out of cards!  When playing with the \"One Deck\" option, you only get 52 cards to play with. They're "
    "recycled back into the deck every time you collapse a stack, but once the deck is empty, the game is over.  "
    "And that's what just happened!";
const char PerfectMatch[] =
    "Getting tired of this yet?  You've nearly emptied the deck, and it just so happens that the few remaining cards "
    "are a perfect match -- they will collapse on their own from now until eternity. So, you are hereby awarded "
    "10,000 extra points for discovering this odd quirk of the rules, and the game is now over.  Hope you get a high "
    "score!";
const char HighScore[] = "Congratulations!  You got a high score!";
const char PlayAgain[] = "Do you want to play again?";
const char ScoreList[] = "High Score List";  // the dialog, seen by its caption

class GameOverTest : public MainWindowFixture {
protected:
    void TearDown() override {
        RegDeleteSubkey(HKEY_CURRENT_USER, HighScoresKeyPath);
        MainWindowFixture::TearDown();
    }
};

TEST_F(GameOverTest, EachEndingShowsItsMessagesAndQualifiesOnlyAboveTheTenthScore) {
    const struct {
        int reason;
        const char* storedTenth;  // null: no table stored
        int winnings;
        std::vector<std::string> shown;
    } cases[] = {
        {0, nullptr, 5, {PlayAgain}},         {0, nullptr, 6, {HighScore, ScoreList}},
        {0, "620", 620, {PlayAgain}},         {3, "620", 621, {HighScore, ScoreList}},
        {0, "x9", 1, {HighScore, ScoreList}}, {1, nullptr, 5, {OutOfCards}},
        {4, nullptr, 5, {}},                  {2, nullptr, 0, {PerfectMatch, HighScore, ScoreList}},
        {2, "10000", 0, {PerfectMatch}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.reason << ", " << c.winnings);
        if (c.storedTenth) RegSetString(HKEY_CURRENT_USER, HighScoresKeyPath, "Score9", c.storedTenth);
        TheApp.GameIsOver = 1;
        StartGame();
        TheApp.board->AddWinnings(c.winnings);
        std::vector<std::string> shown, titles;
        std::vector<int> entry;
        MessageBoxAnswerer answerer([&](const SeenDialog& seen) {
            const bool list = seen.caption == ScoreList;
            shown.push_back(list ? seen.caption : seen.text);
            titles.push_back(Title());
            entry = {TheApp.NewEntryPending, TheApp.NewEntryScore, TheApp.board->GetWinnings()};
            return list ? IDCANCEL : IDNO;
        });
        TheApp.GameOver(window, c.reason);
        EXPECT_EQ(c.shown, shown);
        for (const std::string& title : titles) EXPECT_EQ("Zarnock - Game Over", title);
        if (shown.size() > 1 && shown.back() == ScoreList) {
            EXPECT_EQ((std::vector<int>{1, entry[2], entry[2]}), entry);
        }
        EXPECT_EQ(0, TheApp.NewEntryPending + TheApp.NewEntryScore);
        RegDeleteSubkey(HKEY_CURRENT_USER, HighScoresKeyPath);
    }
}

TEST_F(GameOverTest, YesToPlayAgainQueuesANewGameAndEnterInTheNameStoresTheEntry) {
    StartGame();
    MessageBoxAnswerer yes(IDYES);
    TheApp.GameOver(window, 0);
    MSG queued = {};
    EXPECT_TRUE(PeekMessageA(&queued, window, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(ID_NEW, LOWORD(queued.wParam));
    EXPECT_TRUE(TheApp.IsGameOver());  // posted, not sent

    TheApp.GameIsOver = 1;
    StartGame();
    TheApp.board->AddWinnings(1000);
    MessageBoxAnswerer enter([&](const SeenDialog& seen) {
        if (seen.text == HighScore) return IDOK;
        HWND name = GetDlgItem(FindWindowA("#32770", ScoreList), IDC_NAME_FIRST + 6);
        SetWindowTextA(name, "Vela");
        PostMessageA(name, WM_KEYDOWN, VK_RETURN, 0);
        return 0;
    });
    TheApp.GameOver(window, 0);
    char text[HighScoreTextSize];
    ASSERT_TRUE(RegGetString(HKEY_CURRENT_USER, HighScoresKeyPath, "Name6", text, sizeof text));
    EXPECT_STREQ("Vela", text);
    EXPECT_FALSE(PeekMessageA(&queued, window, WM_COMMAND, WM_COMMAND, PM_REMOVE));
}
}  // namespace
