// The high-score dialog: default table, loading with the placing of a new entry, saving, and the reset.
#include "dialogs/HighScoreDialog.h"
#include "system/NumberText.h"
#include <algorithm>
#include <cwchar>
#include <string>
#include "dialogs/DialogRoutines.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "system/ResourceText.h"
#include "settings/Registry.h"

namespace {
static_assert(IDS_DEFAULT_NAME_LAST - IDS_DEFAULT_NAME_FIRST + 1 == HighScorePlaces, "one default name a place");

const int NameTextLimit = HighScoreTextSize - 1;

int NameId(int row) { return IDC_NAME_FIRST + row; }
int ScoreId(int row) { return IDC_SCORE_FIRST + row; }

// The stored value "<prefix><index>", e.g. "Name0" or "Score9".
std::wstring StoredValueName(const wchar_t* prefix, int index) { return prefix + NumberText(index); }

bool ReadStored(const wchar_t* prefix, int index, wchar_t* text) {
    return RegGetString(HKEY_CURRENT_USER, HighScoresKeyPath, StoredValueName(prefix, index).c_str(), text,
                        HighScoreTextSize);
}

bool WriteToRegistry(const wchar_t* valueName, const wchar_t* text) {
    return RegSetString(HKEY_CURRENT_USER, HighScoresKeyPath, valueName, text);
}

void SetNameReadOnly(HWND dialog, int row, bool readOnly) {
    SendDlgItemMessageW(dialog, NameId(row), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}
}  // namespace

int DefaultHighScore(int n) { return (50 * n - 45) * n; }

int ScoreTextValue(const wchar_t* text) { return static_cast<int>(std::wcstol(text, nullptr, 10)); }

HighScoreDialog::HighScoreDialog() : writeValue(WriteToRegistry) {}

INT_PTR HighScoreDialog::OnInitDialog(HWND dialog, LPARAM newEntry) {
    const NewHighScore* entry = reinterpret_cast<const NewHighScore*>(newEntry);
    pending = entry != nullptr ? 1 : 0;
    newScore = entry != nullptr ? entry->score : 0;
    return ShowTable(dialog);
}

INT_PTR HighScoreDialog::ShowTable(HWND dialog) {
    FillDefaultHighScores(dialog);
    LoadHighScores(dialog);
    if (pending && newEntryRow != NoRow) {
        OpenNewEntryForName(dialog);
        return FALSE;  // the focus is on the new entry's name
    }
    return TRUE;
}

INT_PTR HighScoreDialog::OnCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
        SaveHighScores(dialog);
        EndDialog(dialog, IDOK);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    case IDC_RESET:
        Reset(dialog);
        return FALSE;
    }
    return FALSE;
}

void HighScoreDialog::FillDefaultHighScores(HWND dialog) {
    for (int row = 0; row < HighScorePlaces; ++row)
        SetDlgText(dialog, NameId(row), ResourceText::Load(IDS_DEFAULT_NAME_FIRST + row).c_str());
    for (int n = 1; n <= HighScorePlaces; ++n)
        SetDlgNumber(dialog, ScoreId(HighScorePlaces - n), DefaultHighScore(n));
}

void HighScoreDialog::LoadHighScores(HWND dialog) {
    newEntryRow = NoRow;
    std::fill(storedIndex, storedIndex + HighScorePlaces, NoRow);
    bool placed = false;
    int row = 0;
    // An unreadable entry is skipped: the readable ones keep their order and the rows after them keep
    // the default ladder, so that OK after viewing never writes the defaults over a stored table.
    for (int index = 0; index < HighScorePlaces && row < HighScorePlaces; ++index) {
        wchar_t name[HighScoreTextSize];
        wchar_t score[HighScoreTextSize];
        if (!ReadStored(L"Name", index, name) || !ReadStored(L"Score", index, score))
            continue;
        // Strictly lower: a new score equal to a stored one goes below it.
        if (!placed && pending && ScoreTextValue(score) < newScore) {
            ClearRowForNewEntry(dialog, row);
            placed = true;
            ++row;
        }
        if (row < HighScorePlaces) {
            SetDlgText(dialog, NameId(row), name);
            SetDlgText(dialog, ScoreId(row), score);
            storedIndex[row] = index;
            ++row;
        }
    }
    if (!placed && row < HighScorePlaces && pending && newScore > 0)
        PlaceByDefaultLadder(dialog, row);
}

void HighScoreDialog::SaveHighScores(HWND dialog) {
    int order[HighScorePlaces];
    SaveOrder(order);
    for (int row : order)
        if (!SaveRow(dialog, row))
            return;
}

// Rows whose entry comes up from a lower stored place are written top down, the others bottom up:
// an entry moving up has then already been copied when its old row is overwritten, and an entry moving
// down has been copied to the row below before its own row is written.
void HighScoreDialog::SaveOrder(int order[HighScorePlaces]) const {
    int n = 0;
    for (int row = 0; row < HighScorePlaces; ++row)
        if (storedIndex[row] > row)
            order[n++] = row;
    for (int row = HighScorePlaces - 1; row >= 0; --row)
        if (storedIndex[row] <= row)
            order[n++] = row;
}

bool HighScoreDialog::SaveRow(HWND dialog, int row) {
    wchar_t name[HighScoreTextSize];
    wchar_t score[HighScoreTextSize];
    GetDlgText(dialog, NameId(row), name, HighScoreTextSize);
    GetDlgText(dialog, ScoreId(row), score, HighScoreTextSize);
    return writeValue(StoredValueName(L"Name", row).c_str(), name) &&
           writeValue(StoredValueName(L"Score", row).c_str(), score);
}

void HighScoreDialog::Reset(HWND dialog) {
    if (MessageBoxW(dialog, ResourceText::Load(IDS_RESET_SCORES_QUESTION).c_str(),
                    ResourceText::Load(IDS_RESET_SCORES_CAPTION).c_str(), MB_YESNO) != IDYES)
        return;
    RegDeleteSubkey(HKEY_CURRENT_USER, HighScoresKeyPath);
    for (int row = 0; row < HighScorePlaces; ++row)
        SetNameReadOnly(dialog, row, true);
    CenterOverParent(dialog);
    ShowTable(dialog);
}

void HighScoreDialog::ClearRowForNewEntry(HWND dialog, int row) {
    SetDlgText(dialog, NameId(row), L"");
    SetDlgText(dialog, ScoreId(row), L"");
    newEntryRow = row;
}

// The rows above firstFreeRow show stored entries that all beat or tie the new score; the ladder may
// only choose among the default rows below them, or a stored better score would be overwritten.
void HighScoreDialog::PlaceByDefaultLadder(HWND dialog, int firstFreeRow) {
    for (int n = HighScorePlaces; n >= 1; --n) {
        const int row = HighScorePlaces - n;
        if (row >= firstFreeRow && DefaultHighScore(n) < newScore) {
            ClearRowForNewEntry(dialog, row);
            return;
        }
    }
}

void HighScoreDialog::OpenNewEntryForName(HWND dialog) {
    SetDlgNumber(dialog, ScoreId(newEntryRow), newScore);
    SetNameReadOnly(dialog, newEntryRow, false);
    SendDlgItemMessageW(dialog, NameId(newEntryRow), EM_LIMITTEXT, NameTextLimit, 0);
    SetFocus(GetDlgItem(dialog, NameId(newEntryRow)));
}
