// The about box with the program's name and version.
#pragma once
#include <windows.h>
#include "dialogs/ModalDialog.h"

// Dialog of template IDD_ABOUT: closed with OK or Cancel.
class AboutDialog : public ModalDialog<AboutDialog> {
public:
    INT_PTR OnInitDialog(HWND dialog, LPARAM);
    INT_PTR OnCommand(HWND dialog, int id);
};

constexpr DLGPROC AboutDialogProc = AboutDialog::Procedure;
