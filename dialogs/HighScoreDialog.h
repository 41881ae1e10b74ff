// The high-score dialog: the ten best scores with names, kept in the registry, and the entry of a new one.
#pragma once
#include <windows.h>
#include <functional>
#include "dialogs/ModalDialog.h"

const int HighScorePlaces = 10;
// Names and score texts are read into buffers of this size (255 characters and the terminating zero).
const int HighScoreTextSize = 256;

// The default score of the ladder step n (1 .. 10); place 11 - n shows it when nothing is stored.
int DefaultHighScore(int n);
// The number of a stored score text as a C decimal conversion reads it: leading blanks, an optional sign,
// the digits up to the first other character; 0 when there are no digits.
int ScoreTextValue(const wchar_t* text);

// The entry a finished game brings to the table. The dialog opened with a pointer to one (DialogBoxParam's
// lParam) places it and takes the player's name; opened with none, it only shows the table.
struct NewHighScore {
    int score;
};

// Dialog of template IDD_HIGH_SCORES.
class HighScoreDialog : public ModalDialog<HighScoreDialog> {
public:
    static constexpr int NoRow = -1;

    HighScoreDialog();

    // Takes the new entry (a NewHighScore*, or 0) and shows the table.
    INT_PTR OnInitDialog(HWND dialog, LPARAM newEntry);
    INT_PTR OnCommand(HWND dialog, int id);

    // The working copy of the table is the dialog's ten rows.
    void FillDefaultHighScores(HWND dialog);
    void LoadHighScores(HWND dialog);
    void SaveHighScores(HWND dialog);
    // Asks first; on Yes erases the stored table and shows the dialog afresh.
    void Reset(HWND dialog);

    // The 0-based row of the new entry chosen by the latest initialisation, or NoRow.
    int NewEntryRow() const { return newEntryRow; }

    // Writes one stored value ("Name3", "Score3", ...): to the registry, unless a test looks on.
    using ValueWriter = std::function<bool(const wchar_t* valueName, const wchar_t* text)>;
    ValueWriter writeValue;

private:
    // Shows the table and, with an entry pending, opens its row for the name. TRUE lets the default focus
    // apply; FALSE when the focus was put on the new entry's name.
    INT_PTR ShowTable(HWND dialog);
    void ClearRowForNewEntry(HWND dialog, int row);
    void PlaceByDefaultLadder(HWND dialog, int firstFreeRow);
    void OpenNewEntryForName(HWND dialog);
    // The order in which OK writes the rows: no stored entry that the new table keeps is ever
    // overwritten before it has been written to its new row.
    void SaveOrder(int order[HighScorePlaces]) const;
    bool SaveRow(HWND dialog, int row);

    int newEntryRow = NoRow;
    int newScore = 0;
    int pending = 0;
    // The stored index each row was read from; NoRow for a default row or the new entry.
    int storedIndex[HighScorePlaces] = {NoRow, NoRow, NoRow, NoRow, NoRow, NoRow, NoRow, NoRow, NoRow, NoRow};
};

constexpr DLGPROC HighScoreDialogProc = HighScoreDialog::Procedure;
