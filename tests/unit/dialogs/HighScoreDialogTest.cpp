// The high-score dialog: where a new entry goes, what OK and Cancel store, and the reset during an entry.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "app/App.h"
#include "dialogs/HighScoreDialog.h"
#include "resources/ResourceIds.h"
#include "settings/Registry.h"
#include "support/MessageBoxAnswerer.h"

namespace {
using Scores = std::vector<std::string>;
const Scores DefaultScores = {"4550", "3645", "2840", "2135", "1530", "1025", "620", "315", "110", "5"};

// The dialog is opened modeless so that the test can look at its rows while it is open.
class HighScoreDialogTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteSubkey(HKEY_CURRENT_USER, HighScoresKeyPath); }
    void TearDown() override {
        DestroyWindow(dialog);
        RegDeleteSubkey(HKEY_CURRENT_USER, HighScoresKeyPath);
        TheApp.NewEntryPending = TheApp.NewEntryScore = 0;
    }
    void Open(int pending, int score) {
        TheApp.NewEntryPending = pending;
        TheApp.NewEntryScore = score;
        dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_HIGH_SCORES), nullptr,
                                    HighScoreDialogProc, 0);
        ASSERT_NE(nullptr, dialog);
    }
    void Press(int id) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    std::string Text(int id) {
        char text[300] = {};
        GetDlgItemTextA(dialog, id, text, sizeof text);
        return text;
    }
    Scores Shown(int firstId) {
        Scores texts;
        for (int row = 0; row < HighScorePlaces; ++row) texts.push_back(Text(firstId + row));
        return texts;
    }
    // The stored values "<prefix>0" .. "<prefix>9" up to the first that cannot be read.
    static Scores Stored(const std::string& prefix) {
        Scores texts;
        char text[HighScoreTextSize];
        while (texts.size() < 10 && RegGetString(HKEY_CURRENT_USER, HighScoresKeyPath,
                                                 (prefix + std::to_string(texts.size())).c_str(), text, sizeof text))
            texts.push_back(text);
        return texts;
    }
    static void Store(const Scores& scores) {
        for (size_t i = 0; i < scores.size(); ++i) {
            RegSetString(HKEY_CURRENT_USER, HighScoresKeyPath, ("Name" + std::to_string(i)).c_str(), "Kept");
            RegSetString(HKEY_CURRENT_USER, HighScoresKeyPath, ("Score" + std::to_string(i)).c_str(), scores[i].c_str());
        }
    }
    HWND dialog = nullptr;
};

TEST_F(HighScoreDialogTest, ViewingShowsTheDefaultsOkStoresThemCancelStoresNothing) {
    Open(0, 0);
    EXPECT_EQ(DefaultScores, Shown(IDC_SCORE_FIRST));
    EXPECT_EQ("Velko's Massive High Score", Text(IDC_NAME_FIRST));
    EXPECT_EQ("Velko's First Try", Text(IDC_NAME_FIRST + 9));
    Press(IDCANCEL);
    EXPECT_TRUE(Stored("Score").empty());
    Press(IDOK);
    EXPECT_EQ(DefaultScores, Stored("Score"));
    EXPECT_EQ(Shown(IDC_NAME_FIRST), Stored("Name"));
}

TEST_F(HighScoreDialogTest, NewEntryGoesBelowEqualScoresAndAboveLowerOnes) {
    const struct {
        const char* name;
        Scores stored;
        int score;
        int row;
        Scores shown;
    } cases[] = {
        {"fresh: the 620 default drops out", {}, 1000, 6,
         {"4550", "3645", "2840", "2135", "1530", "1025", "1000", "315", "110", "5"}},
        {"stored defaults: 5 falls off", DefaultScores, 1000, 6,
         {"4550", "3645", "2840", "2135", "1530", "1025", "1000", "620", "315", "110"}},
        {"equal to the third", DefaultScores, 2840, 3,
         {"4550", "3645", "2840", "2840", "2135", "1530", "1025", "620", "315", "110"}},
        {"partial table: never above a stored better score", {"5000", "4600"}, 4600, 2,
         {"5000", "4600", "4600", "2135", "1530", "1025", "620", "315", "110", "5"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Store(c.stored);
        Open(1, c.score);
        EXPECT_EQ(c.shown, Shown(IDC_SCORE_FIRST));
        ASSERT_EQ(c.row, TheHighScoreDialog->NewEntryRow());
        for (int row = 0; row < HighScorePlaces; ++row) {
            const LONG style = GetWindowLongA(GetDlgItem(dialog, IDC_NAME_FIRST + row), GWL_STYLE);
            EXPECT_EQ(row != c.row, (style & ES_READONLY) != 0) << row;
        }
        EXPECT_EQ("", Text(IDC_NAME_FIRST + c.row));
        EXPECT_EQ(255, SendDlgItemMessageA(dialog, IDC_NAME_FIRST + c.row, EM_GETLIMITTEXT, 0, 0));
        TearDown();
    }
}

TEST_F(HighScoreDialogTest, ResetDuringAnEntryErasesTheTableAndPlacesTheEntryByTheLadder) {
    Store({"9000", "8000", "7000", "6000", "5000", "4000", "3000", "2000", "1500", "900"});
    int resetQuestions = 0;
    MessageBoxAnswerer answerer([&](const SeenDialog& seen) {
        return seen.caption != "Reset Scores" ? 0 : ++resetQuestions == 1 ? IDNO : IDYES;
    });
    Open(1, 1000);
    ASSERT_EQ(9, TheHighScoreDialog->NewEntryRow());
    SetDlgItemTextA(dialog, IDC_NAME_FIRST + 9, "Typed before");
    Press(IDC_RESET);
    EXPECT_EQ("Typed before", Text(IDC_NAME_FIRST + 9));
    Press(IDC_RESET);
    ASSERT_EQ(2, resetQuestions);
    EXPECT_EQ("Are you sure you want to erase all high scores?", answerer.Seen().back().text);
    EXPECT_TRUE(Stored("Score").empty());
    EXPECT_EQ(6, TheHighScoreDialog->NewEntryRow());
    EXPECT_EQ("", Text(IDC_NAME_FIRST + 6));
    EXPECT_NE(0, GetWindowLongA(GetDlgItem(dialog, IDC_NAME_FIRST + 9), GWL_STYLE) & ES_READONLY);
    SetDlgItemTextA(dialog, IDC_NAME_FIRST + 6, "");
    Press(IDOK);
    EXPECT_EQ((Scores{"4550", "3645", "2840", "2135", "1530", "1025", "1000", "315", "110", "5"}), Stored("Score"));
    EXPECT_EQ("", Stored("Name")[6]);
}
}  // namespace
