// The welcome dialog with the instructions, shown at start-up and from the Help menu.
#pragma once
#include <windows.h>
#include <memory>

class WelcomeDialog {
public:
    // How much shorter than its template the dialog opens, so that only the instructions stay in view.
    static const int HeightCut = 210;

    virtual ~WelcomeDialog() = default;

    INT_PTR OnInitDialog(HWND dialog);
    INT_PTR OnCommand(HWND dialog, int id);
};

// Created the first time the dialog opens and kept until the program ends.
extern std::unique_ptr<WelcomeDialog> TheWelcomeDialog;

// Dialog procedure of template IDD_WELCOME.
INT_PTR CALLBACK WelcomeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
