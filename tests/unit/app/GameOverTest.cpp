// The end of a game: the messages of each ending, the high-score threshold and the play-again question.
#include <vector>
#include "MainWindowFixture.h"
#include "support/WideText.h"
#include "dialogs/HighScoreDialog.h"
#include "resources/ResourceIds.h"
#include "settings/Registry.h"

namespace {
// What the player sees, each message by the start of its text, the high-score dialog by its caption.
const char OutOfCards[] = "You're out of ca", PerfectMatch[] = "Getting tired of", HighScore[] = "Congratulations!";
const char PlayAgain[] = "Do you want to p", ScoreList[] = "High Score List";

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
        if (c.storedTenth) RegSetString(HKEY_CURRENT_USER, HighScoresKeyPath, L"Score9", Wide(c.storedTenth).c_str());
        TheApp.GameIsOver = 1;
        StartGame();
        TheApp.board->AddWinnings(c.winnings);
        std::vector<std::string> shown;
        std::vector<std::string> entry;  // the new entry's score in the list, and the board's winnings
        MessageBoxAnswerer answerer([&](const SeenDialog& seen) {
            const bool list = seen.caption == ScoreList;
            shown.push_back(list ? seen.caption : seen.text.substr(0, 16));
            EXPECT_EQ("Zarnock - Game Over", Title());
            if (list) {
                const int row = HighScoreDialog::Kept()->NewEntryRow();
                char score[32] = "";
                GetDlgItemTextA(seen.window, IDC_SCORE_FIRST + row, score, sizeof score);
                entry = {row == HighScoreDialog::NoRow ? "no row" : score,
                         std::to_string(TheApp.board->GetWinnings())};
            }
            return list ? IDCANCEL : IDNO;
        });
        TheApp.GameOver(window, static_cast<GameEndReason>(c.reason));
        EXPECT_EQ(c.shown, shown);
        if (shown.size() > 1 && shown.back() == ScoreList) {
            ASSERT_EQ(2u, entry.size());
            // The list opens with the final score as the new entry. Only a tenth score is stored here, so the
            // entry is placed on the default ladder, where a score of 5 or less finds no place.
            const bool placed = c.winnings > 5 || c.reason == 2;
            EXPECT_EQ(placed ? entry[1] : "no row", entry[0]);
        }
        MSG queued;
        EXPECT_FALSE(PeekMessageA(&queued, window, WM_COMMAND, WM_COMMAND, PM_REMOVE));  // No: no new game
        wchar_t name[256];
        EXPECT_FALSE(RegGetString(HKEY_CURRENT_USER, HighScoresKeyPath, L"Name0", name, 256));  // Cancel
        RegDeleteSubkey(HKEY_CURRENT_USER, HighScoresKeyPath);
    }
}

TEST_F(GameOverTest, YesToPlayAgainQueuesTheNewGame) {
    StartGame();
    MessageBoxAnswerer yes(IDYES);
    TheApp.GameOver(window, NoRoomForCard);
    EXPECT_TRUE(TheApp.IsGameOver());  // posted, not sent
    MSG queued = {};
    ASSERT_TRUE(PeekMessageA(&queued, window, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(ID_NEW, LOWORD(queued.wParam));
}
}  // namespace
