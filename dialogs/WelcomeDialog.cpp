// The welcome dialog: shortened to the instructions, centred, OK focused; OK or Cancel closes it.
#include "dialogs/WelcomeDialog.h"
#include "dialogs/DialogRoutines.h"

std::unique_ptr<WelcomeDialog> TheWelcomeDialog;

INT_PTR WelcomeDialog::OnInitDialog(HWND dialog) {
    RECT frame;
    if (GetWindowRect(dialog, &frame)) {
        const int width = frame.right - frame.left;
        const int height = frame.bottom - frame.top - HeightCut;
        SetWindowPos(dialog, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CenterOverParent(dialog);
    HWND ok = GetDlgItem(dialog, IDOK);
    EnableWindow(ok, TRUE);
    SetFocus(ok);
    return FALSE;  // the focus is set here
}

INT_PTR WelcomeDialog::OnCommand(HWND dialog, int id) {
    if (id != IDOK && id != IDCANCEL)
        return FALSE;
    EndDialog(dialog, id);
    return TRUE;
}

INT_PTR CALLBACK WelcomeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        if (!TheWelcomeDialog)
            TheWelcomeDialog = std::make_unique<WelcomeDialog>();
        return TheWelcomeDialog->OnInitDialog(dialog);
    case WM_COMMAND:
        return TheWelcomeDialog ? TheWelcomeDialog->OnCommand(dialog, LOWORD(wParam)) : FALSE;
    }
    return FALSE;
}
