// The notice that announces a new level and closes itself after one second.
#pragma once
#include <windows.h>
#include "dialogs/ModalDialog.h"

// Dialog of template IDD_LEVEL_UP; the caller stops the drop timer around it.
class LevelUpNotice : public ModalDialog<LevelUpNotice> {
public:
    INT_PTR OnInitDialog(HWND dialog, LPARAM);
    INT_PTR OnCommand(HWND dialog, int id);
    INT_PTR OnTimer(HWND dialog, UINT_PTR timerId);
};

constexpr DLGPROC LevelUpNoticeProc = LevelUpNotice::Procedure;
