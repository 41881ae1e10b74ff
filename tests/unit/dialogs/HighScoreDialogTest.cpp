// The high-score dialog: where a new entry goes, and a reset during an entry followed by OK.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "app/App.h"
#include "dialogs/HighScoreDialog.h"
#include "resources/ResourceIds.h"
#include "settings/Registry.h"
#include "support/MessageBoxAnswerer.h"

namespace {
using Texts = std::vector<std::string>;
const Texts Defaults = {"4550", "3645", "2840", "2135", "1530", "1025", "620", "315", "110", "5"};

// The dialog opens modeless, so that the test can read its rows while it is open.
class HighScoreDialogTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteSubkey(HKEY_CURRENT_USER, HighScoresKeyPath); }
    void TearDown() override {
        DestroyWindow(dialog);
        TheApp.NewEntryPending = TheApp.NewEntryScore = 0;
        SetUp();
    }
    void Open(int score) {
        TheApp.NewEntryPending = score > 0;
        TheApp.NewEntryScore = score;
        dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_HIGH_SCORES), nullptr,
                                    HighScoreDialogProc, 0);
    }
    Texts Rows(int firstId) {
        Texts texts;
        char text[300];
        for (int id = firstId; id < firstId + HighScorePlaces; ++id) {
            GetDlgItemTextA(dialog, id, text, sizeof text);
            texts.push_back(text);
        }
        return texts;
    }
    bool Writable(int row) {
        return !(GetWindowLongA(GetDlgItem(dialog, IDC_NAME_FIRST + row), GWL_STYLE) & ES_READONLY);
    }
    static std::string Value(const char* prefix, size_t index) { return prefix + std::to_string(index); }
    static void Store(const Texts& scores) {
        for (size_t i = 0; i < scores.size(); ++i) {
            RegSetString(HKEY_CURRENT_USER, HighScoresKeyPath, Value("Name", i).c_str(), "Kept");
            RegSetString(HKEY_CURRENT_USER, HighScoresKeyPath, Value("Score", i).c_str(), scores[i].c_str());
        }
    }
    HWND dialog = nullptr;
};

TEST_F(HighScoreDialogTest, NewEntryGoesAboveTheFirstLowerScoreAndBelowEqualOnes) {
    const struct {
        const char* name;
        Texts stored;
        int score, row;
        const char* shown;
    } cases[] = {
        {"viewing", {}, 0, -1, "4550 3645 2840 2135 1530 1025 620 315 110 5 "},
        {"fresh: 620 drops out", {}, 1000, 6, "4550 3645 2840 2135 1530 1025 1000 315 110 5 "},
        {"stored: 5 falls off", Defaults, 1000, 6, "4550 3645 2840 2135 1530 1025 1000 620 315 110 "},
        {"equal to the third", Defaults, 2840, 3, "4550 3645 2840 2840 2135 1530 1025 620 315 110 "},
        {"partial: never above a stored better score", {"5000", "4600"}, 4600, 2,
         "5000 4600 4600 2135 1530 1025 620 315 110 5 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Store(c.stored);
        Open(c.score);
        std::string shown;
        for (const std::string& score : Rows(IDC_SCORE_FIRST)) shown += score + " ";
        EXPECT_EQ(c.shown, shown);
        ASSERT_EQ(c.row, TheHighScoreDialog->NewEntryRow());
        for (int row = 0; row < HighScorePlaces; ++row) EXPECT_EQ(row == c.row, Writable(row)) << row;
        if (c.row >= 0) {
            EXPECT_EQ(255, SendDlgItemMessageA(dialog, IDC_NAME_FIRST + c.row, EM_GETLIMITTEXT, 0, 0));
        }
        TearDown();
    }
}

TEST_F(HighScoreDialogTest, ResetOnlyAfterYesThenTheLadderPlacesTheEntryAndOkStoresAllRows) {
    Store({"9000", "8000", "7000", "6000", "5000", "4000", "3000", "2000", "1500", "900"});
    int questions = 0;
    MessageBoxAnswerer answerer([&](const SeenDialog& seen) {
        return seen.text != "Are you sure you want to erase all high scores?" ? 0 : ++questions == 1 ? IDNO : IDYES;
    });
    Open(1000);
    ASSERT_EQ(9, TheHighScoreDialog->NewEntryRow());
    SetDlgItemTextA(dialog, IDC_NAME_FIRST + 9, "Typed");
    SendMessageA(dialog, WM_COMMAND, IDC_RESET, 0);
    EXPECT_EQ("Typed", Rows(IDC_NAME_FIRST)[9]);
    SendMessageA(dialog, WM_COMMAND, IDC_RESET, 0);
    EXPECT_EQ(2, questions);
    EXPECT_EQ(Defaults[9], Rows(IDC_SCORE_FIRST)[9]);  // erased at once
    EXPECT_TRUE(Writable(6) && !Writable(9));
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ("Velko Wins Again", Rows(IDC_NAME_FIRST)[5]);
    EXPECT_EQ("1000", Rows(IDC_SCORE_FIRST)[6]);
    for (size_t row = 0; row < HighScorePlaces; ++row) {
        char name[HighScoreTextSize] = "?", score[HighScoreTextSize] = "?";
        RegGetString(HKEY_CURRENT_USER, HighScoresKeyPath, Value("Name", row).c_str(), name, sizeof name);
        RegGetString(HKEY_CURRENT_USER, HighScoresKeyPath, Value("Score", row).c_str(), score, sizeof score);
        EXPECT_EQ(Rows(IDC_NAME_FIRST)[row] + "|" + Rows(IDC_SCORE_FIRST)[row], std::string(name) + "|" + score);
    }
}
}  // namespace
