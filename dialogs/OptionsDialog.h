// The Options dialog: a working copy of the settings, edited by the controls and copied back on OK.
#pragma once
#include <windows.h>
#include "dialogs/ModalDialog.h"

// Dialog of template IDD_OPTIONS. Ends with IDOK only when a setting other than sound effects and music
// changed; otherwise with IDCANCEL.
class OptionsDialog : public ModalDialog<OptionsDialog> {
public:
    static const int CustomColorCount = 16;

    // Loads the working copy from Settings.
    OptionsDialog();
    INT_PTR OnInitDialog(HWND dialog, LPARAM);
    INT_PTR OnCommand(HWND dialog, int id);

private:
    void LoadFromSettings();
    void ShowWorkingCopy(HWND dialog) const;
    // A check box and the working-copy field behind it.
    struct CheckBox {
        int controlId;
        int OptionsDialog::*field;
    };
    static const CheckBox CheckBoxes[];
    static int OptionsDialog::*CheckBoxField(int controlId);

    // Flips a check box's field between 0 and 1 and sets the box from it.
    void Toggle(HWND dialog, int controlId, int& field);
    void PickColor(HWND dialog, COLORREF& field);
    // The settings as OK stores them differ from Settings in something other than Beep and Music.
    bool GameSettingsDiffer() const;
    void StoreGameSettings() const;
    int StoredUpDown() const;
    int StoredOneDeck() const;
    void OnOk(HWND dialog);

    // The working copy, reloaded from Settings at each opening.
    int soundEffects;
    int music;
    int lastStack;
    int upsideDown;
    int oneDeck;
    int stuffBack;
    int getFaster;
    int clearStacks;
    int endOnShuffle;
    int freezeOnBust;
    int showWelcome;
    COLORREF foregroundColor;
    COLORREF backgroundColor;
    int swapMode;
    int difficulty;

    // The chooser's custom colours, shared by both colour buttons and kept for the whole run.
    COLORREF customColors[CustomColorCount] = {};
};

constexpr DLGPROC OptionsDialogProc = OptionsDialog::Procedure;
