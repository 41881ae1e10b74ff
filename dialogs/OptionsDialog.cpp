// The Options dialog: loading and showing the working copy, the control commands, colours and OK.
#include "dialogs/OptionsDialog.h"
#include <commdlg.h>
#include "system/LateImports.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsRecord.h"

namespace {
const int UpsideDown = -1;
const int RightSideUp = 1;
const int EndlessDeck = 0;
const int OneDeckOnly = 1;
// Difficulty d is shown by radio button DifficultyButtonBase + d.
const int DifficultyButtonBase = IDC_EASY - 1;

void SetCheck(HWND dialog, int controlId, int field) {
    CheckDlgButton(dialog, controlId, field != 0 ? BST_CHECKED : BST_UNCHECKED);
}

void EnableStuffBack(HWND dialog, int oneDeck) {
    EnableWindow(GetDlgItem(dialog, IDC_STUFF_BACK), oneDeck == 1 ? TRUE : FALSE);
}
}  // namespace

const OptionsDialog::CheckBox OptionsDialog::CheckBoxes[] = {
    {IDC_SOUND_EFFECTS, &OptionsDialog::soundEffects}, {IDC_MUSIC, &OptionsDialog::music},
    {IDC_LAST_STACK, &OptionsDialog::lastStack},       {IDC_UPSIDE_DOWN, &OptionsDialog::upsideDown},
    {IDC_ONE_DECK, &OptionsDialog::oneDeck},           {IDC_STUFF_BACK, &OptionsDialog::stuffBack},
    {IDC_GET_FASTER, &OptionsDialog::getFaster},       {IDC_VICIOUS, &OptionsDialog::freezeOnBust},
    {IDC_SHOW_WELCOME, &OptionsDialog::showWelcome},
};

int OptionsDialog::* OptionsDialog::CheckBoxField(int controlId) {
    for (const CheckBox& box : CheckBoxes)
        if (box.controlId == controlId) return box.field;
    return nullptr;
}

OptionsDialog::OptionsDialog() { LoadFromSettings(); }

void OptionsDialog::LoadFromSettings() {
    soundEffects = Settings.Beep;
    music = Settings.Music;
    lastStack = Settings.LastStack;
    upsideDown = Settings.UpDown == UpsideDown ? 1 : 0;
    oneDeck = Settings.OneDeck > 0 ? 1 : 0;
    stuffBack = Settings.OneDeck == 2 ? 1 : 0;
    getFaster = Settings.GetFaster;
    clearStacks = Settings.ClearStacks;
    endOnShuffle = Settings.EndOnShuffle;
    freezeOnBust = Settings.FreezeOnBust;
    showWelcome = Settings.ShowWelcome;
    foregroundColor = Settings.ForegroundColor;
    backgroundColor = Settings.BackgroundColor;
    swapMode = Settings.SwapMode;
    difficulty = Settings.DealerOption;
}

INT_PTR OptionsDialog::OnInitDialog(HWND dialog, LPARAM) {
    LoadFromSettings();
    ShowWorkingCopy(dialog);
    return TRUE;  // the default focus applies
}

void OptionsDialog::ShowWorkingCopy(HWND dialog) const {
    CheckRadioButton(dialog, IDC_EASY, IDC_HARD, DifficultyButtonBase + difficulty);
    for (const CheckBox& box : CheckBoxes) SetCheck(dialog, box.controlId, this->*box.field);
    EnableStuffBack(dialog, oneDeck);
}

INT_PTR OptionsDialog::OnCommand(HWND dialog, int id) {
    switch (id) {
    case IDC_ONE_DECK:
        // The stuff-back field keeps its value while its box is disabled.
        Toggle(dialog, id, oneDeck);
        EnableStuffBack(dialog, oneDeck);
        return TRUE;
    case IDC_EASY:
    case IDC_MEDIUM:
    case IDC_HARD:
        difficulty = id - DifficultyButtonBase;
        CheckRadioButton(dialog, IDC_EASY, IDC_HARD, id);
        return TRUE;
    case IDC_FOREGROUND_COLOR:
        PickColor(dialog, foregroundColor);
        return TRUE;
    case IDC_BACKGROUND_COLOR:
        PickColor(dialog, backgroundColor);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    case IDOK:
        OnOk(dialog);
        return TRUE;
    }
    int OptionsDialog::*field = CheckBoxField(id);
    if (!field) return FALSE;
    Toggle(dialog, id, this->*field);
    return TRUE;
}

void OptionsDialog::Toggle(HWND dialog, int controlId, int& field) {
    field = field == 0 ? 1 : 0;
    SetCheck(dialog, controlId, field);
}

void OptionsDialog::PickColor(HWND dialog, COLORREF& field) {
    CHOOSECOLORW chooser = {};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = dialog;
    chooser.rgbResult = field;
    chooser.lpCustColors = customColors;
    chooser.Flags = CC_RGBINIT | CC_SOLIDCOLOR;
    if (LateChooseColorW(&chooser))
        field = chooser.rgbResult;
}

int OptionsDialog::StoredUpDown() const { return upsideDown != 0 ? UpsideDown : RightSideUp; }

int OptionsDialog::StoredOneDeck() const { return oneDeck == 0 ? EndlessDeck : OneDeckOnly + stuffBack; }

bool OptionsDialog::GameSettingsDiffer() const {
    return Settings.UpDown != StoredUpDown() || Settings.LastStack != lastStack ||
           Settings.OneDeck != StoredOneDeck() || Settings.GetFaster != getFaster ||
           Settings.ClearStacks != clearStacks || Settings.EndOnShuffle != endOnShuffle ||
           Settings.FreezeOnBust != freezeOnBust || Settings.SwapMode != swapMode ||
           Settings.DealerOption != difficulty || Settings.ShowWelcome != showWelcome ||
           Settings.BackgroundColor != backgroundColor || Settings.ForegroundColor != foregroundColor;
}

void OptionsDialog::StoreGameSettings() const {
    Settings.UpDown = StoredUpDown();
    Settings.LastStack = lastStack;
    Settings.OneDeck = StoredOneDeck();
    Settings.GetFaster = getFaster;
    Settings.ClearStacks = clearStacks;
    Settings.EndOnShuffle = endOnShuffle;
    Settings.FreezeOnBust = freezeOnBust;
    Settings.SwapMode = swapMode;
    Settings.DealerOption = difficulty;
    Settings.ShowWelcome = showWelcome;
    Settings.BackgroundColor = backgroundColor;
    Settings.ForegroundColor = foregroundColor;
}

void OptionsDialog::OnOk(HWND dialog) {
    const bool gameSettingsChanged = GameSettingsDiffer();
    // Sound effects and music apply at once and never need a new game.
    Settings.Beep = soundEffects;
    Settings.Music = music;
    if (!gameSettingsChanged) {
        EndDialog(dialog, IDCANCEL);
        return;
    }
    StoreGameSettings();
    EndDialog(dialog, IDOK);
}
