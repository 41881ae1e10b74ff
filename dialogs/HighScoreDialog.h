// The high-score dialog: the ten best scores with names, kept in the registry, and the entry of a new one.
#pragma once
#include <windows.h>
#include <memory>

const int HighScorePlaces = 10;
// Names and score texts are read into buffers of this size (255 characters and the terminating zero).
const int HighScoreTextSize = 256;

// The default score of the ladder step n (1 .. 10); place 11 - n shows it when nothing is stored.
int DefaultHighScore(int n);
// The number of a stored score text as a C decimal conversion reads it: leading blanks, an optional sign,
// the digits up to the first other character; 0 when there are no digits.
int ScoreTextValue(const char* text);

class HighScoreDialog {
public:
    static const int NoRow = -1;

    virtual ~HighScoreDialog() = default;

    // Centres the dialog, shows the table and, with an entry pending, opens its row for the name.
    // TRUE lets the default focus apply; FALSE when the focus was put on the new entry's name.
    INT_PTR OnInitDialog(HWND dialog);
    INT_PTR OnCommand(HWND dialog, int id);

    // The working copy of the table is the dialog's ten rows.
    void FillDefaultHighScores(HWND dialog);
    void LoadHighScores(HWND dialog);
    void SaveHighScores(HWND dialog);
    // Asks first; on Yes erases the stored table and shows the dialog afresh.
    void Reset(HWND dialog);

    // The 0-based row of the new entry chosen by the latest initialisation, or NoRow.
    int NewEntryRow() const { return newEntryRow; }

private:
    void ClearRowForNewEntry(HWND dialog, int row);
    void PlaceByDefaultLadder(HWND dialog, int firstFreeRow);
    void OpenNewEntryForName(HWND dialog);

    int newEntryRow = NoRow;
    int newScore = 0;
    int pending = 0;
};

// Created the first time the dialog opens and kept until the program ends.
extern std::unique_ptr<HighScoreDialog> TheHighScoreDialog;

// Dialog procedure of template IDD_HIGH_SCORES.
INT_PTR CALLBACK HighScoreDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
