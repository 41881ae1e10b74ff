// The high-score dialog: where a new entry goes, and a reset during an entry followed by OK.
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "support/WideText.h"
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
        HighScoreDialog::Kept().reset();  // the next opening makes a fresh one that writes to the registry
        SetUp();
    }
    // A score above 0 opens the dialog for that new entry, as the end of a game does; 0 only shows the table.
    void Open(int score) {
        entry.score = score;
        dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_HIGH_SCORES), nullptr,
                                    HighScoreDialogProc, score > 0 ? reinterpret_cast<LPARAM>(&entry) : 0);
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
    static std::wstring Value(const wchar_t* prefix, size_t index) { return prefix + std::to_wstring(index); }
    static void Store(const Texts& scores) {
        for (size_t i = 0; i < scores.size(); ++i) {
            RegSetString(HKEY_CURRENT_USER, HighScoresKeyPath, Value(L"Name", i).c_str(), Value(L"Kept", i).c_str());
            RegSetString(HKEY_CURRENT_USER, HighScoresKeyPath, Value(L"Score", i).c_str(), Wide(scores[i]).c_str());
        }
    }
    // The stored entries as "name|score"; "?" for an unreadable one.
    static Texts StoredEntries() {
        Texts entries;
        for (size_t i = 0; i < HighScorePlaces; ++i) {
            wchar_t name[HighScoreTextSize], score[HighScoreTextSize];
            const bool read =
                RegGetString(HKEY_CURRENT_USER, HighScoresKeyPath, Value(L"Name", i).c_str(), name, HighScoreTextSize) &&
                RegGetString(HKEY_CURRENT_USER, HighScoresKeyPath, Value(L"Score", i).c_str(), score, HighScoreTextSize);
            entries.push_back(read ? Narrow(name) + "|" + Narrow(score) : "?");
        }
        return entries;
    }
    HWND dialog = nullptr;
    NewHighScore entry = {0};
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
        {"partial: below an equal default step", {"5000", "4600"}, 315, 8,
         "5000 4600 2840 2135 1530 1025 620 315 315 5 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Store(c.stored);
        Open(c.score);
        std::string shown;
        for (const std::string& score : Rows(IDC_SCORE_FIRST)) shown += score + " ";
        EXPECT_EQ(c.shown, shown);
        ASSERT_EQ(c.row, HighScoreDialog::Kept()->NewEntryRow());
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
    ASSERT_EQ(9, HighScoreDialog::Kept()->NewEntryRow());
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
        wchar_t name[HighScoreTextSize] = L"?", score[HighScoreTextSize] = L"?";
        RegGetString(HKEY_CURRENT_USER, HighScoresKeyPath, Value(L"Name", row).c_str(), name, HighScoreTextSize);
        RegGetString(HKEY_CURRENT_USER, HighScoresKeyPath, Value(L"Score", row).c_str(), score, HighScoreTextSize);
        EXPECT_EQ(Rows(IDC_NAME_FIRST)[row] + "|" + Rows(IDC_SCORE_FIRST)[row], Narrow(name) + "|" + Narrow(score));
    }
}
TEST_F(HighScoreDialogTest, AnUnreadableEntryIsSkippedAndNoKeptEntryIsEverMissingWhileOkWrites) {
    const Texts stored = {"9000", "8000", "7000", "6000", "5000", "4000", "3000", "2000", "1500", "900"};
    const struct {
        const char* name;
        int unreadable, score;
        const char* shown;
    } cases[] = {
        {"viewing, first name too long", 0, 0, "8000 7000 6000 5000 4000 3000 2000 1500 900 5 "},
        {"new entry into the full table", -1, 4500, "9000 8000 7000 6000 5000 4500 4000 3000 2000 1500 "},
        {"unreadable above, new entry below", 1, 2500, "9000 7000 6000 5000 4000 3000 2500 2000 1500 900 "},
        {"unreadable last, ladder below", 9, 700, "9000 8000 7000 6000 5000 4000 3000 2000 1500 700 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Store(stored);
        if (c.unreadable >= 0) {
            const std::wstring tooLong(300, L'x');
            RegSetString(HKEY_CURRENT_USER, HighScoresKeyPath, Value(L"Name", c.unreadable).c_str(), tooLong.c_str());
        }
        const Texts before = StoredEntries();
        Open(c.score);
        std::string shown;
        for (const std::string& score : Rows(IDC_SCORE_FIRST)) shown += score + " ";
        ASSERT_EQ(c.shown, shown);
        if (c.score > 0) SetDlgItemTextA(dialog, IDC_NAME_FIRST + HighScoreDialog::Kept()->NewEntryRow(), "New");
        Texts kept;  // the stored entries that the new table keeps
        for (int row = 0; row < HighScorePlaces; ++row) {
            const std::string entry = Rows(IDC_NAME_FIRST)[row] + "|" + Rows(IDC_SCORE_FIRST)[row];
            if (std::find(before.begin(), before.end(), entry) != before.end()) kept.push_back(entry);
        }
        EXPECT_EQ(9u, kept.size());
        int writes = 0;
        HighScoreDialog::Kept()->writeValue = [&](const wchar_t* valueName, const wchar_t* text) {
            RegSetString(HKEY_CURRENT_USER, HighScoresKeyPath, valueName, text);
            ++writes;
            const Texts now = StoredEntries();
            for (const std::string& entry : kept)
                EXPECT_NE(now.end(), std::find(now.begin(), now.end(), entry)) << entry << " lost at " << Narrow(valueName);
            return true;
        };
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(2 * HighScorePlaces, writes);
        const Texts after = StoredEntries();
        for (int row = 0; row < HighScorePlaces; ++row)
            EXPECT_EQ(Rows(IDC_NAME_FIRST)[row] + "|" + Rows(IDC_SCORE_FIRST)[row], after[row]);
        TearDown();
    }
}
// A name typed in letters outside the system's code page (Greek on a Western system) is stored and shown back
// exactly; the run "language_ru_on_1252" repeats this under a Russian interface on the Western code page.
TEST_F(HighScoreDialogTest, ANameOfAnyScriptIsStoredAndShownBackExactly) {
    const std::wstring greek = L"\u0391\u03bb\u03ad\u03be\u03b7\u03c2 \u03a0\u03b1\u03c0\u03ac\u03c2";
    Open(5000);
    const int row = HighScoreDialog::Kept()->NewEntryRow();
    ASSERT_NE(HighScoreDialog::NoRow, row);
    HWND name = GetDlgItem(dialog, IDC_NAME_FIRST + row);
    for (wchar_t letter : greek) SendMessageW(name, WM_CHAR, letter, 1);
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    wchar_t stored[HighScoreTextSize] = L"";
    EXPECT_TRUE(RegGetString(HKEY_CURRENT_USER, HighScoresKeyPath, (L"Name" + std::to_wstring(row)).c_str(), stored,
                             HighScoreTextSize));
    EXPECT_EQ(greek, stored);
    DestroyWindow(dialog);
    Open(0);
    wchar_t shown[HighScoreTextSize] = L"";
    GetDlgItemTextW(dialog, IDC_NAME_FIRST + row, shown, HighScoreTextSize);
    EXPECT_EQ(greek, shown);
}
}  // namespace
