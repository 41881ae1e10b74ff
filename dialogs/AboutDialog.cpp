// The about box: nothing of its own to show; OK or Cancel closes it.
#include "dialogs/AboutDialog.h"

INT_PTR AboutDialog::OnInitDialog(HWND, LPARAM) { return TRUE; }

INT_PTR AboutDialog::OnCommand(HWND dialog, int id) {
    if (id != IDOK && id != IDCANCEL) return FALSE;
    EndDialog(dialog, id);
    return TRUE;
}
