// The welcome dialog: shortened to the instructions, OK focused; OK or Cancel closes it.
#include "dialogs/WelcomeDialog.h"

INT_PTR WelcomeDialog::OnInitDialog(HWND dialog, LPARAM) {
    RECT frame;
    if (GetWindowRect(dialog, &frame)) {
        const int width = frame.right - frame.left;
        const int height = frame.bottom - frame.top - HeightCut;
        SetWindowPos(dialog, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    HWND ok = GetDlgItem(dialog, IDOK);
    EnableWindow(ok, TRUE);
    SetFocus(ok);
    return FALSE;  // the focus is set here
}

INT_PTR WelcomeDialog::OnCommand(HWND dialog, int id) {
    if (id != IDOK && id != IDCANCEL) return FALSE;
    EndDialog(dialog, id);
    return TRUE;
}
