// The welcome dialog with the instructions, shown at start-up and from the Help menu.
#pragma once
#include <windows.h>
#include "dialogs/ModalDialog.h"

// Dialog of template IDD_WELCOME.
class WelcomeDialog : public ModalDialog<WelcomeDialog> {
public:
    // How much shorter than its template the dialog opens, so that only the instructions stay in view.
    static const int HeightCut = 210;

    INT_PTR OnInitDialog(HWND dialog, LPARAM);
    INT_PTR OnCommand(HWND dialog, int id);
};

constexpr DLGPROC WelcomeDialogProc = WelcomeDialog::Procedure;
