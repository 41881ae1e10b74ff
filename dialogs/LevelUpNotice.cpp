// The level-up notice: a rising run of tones, then it closes itself when its one-second timer fires.
#include "dialogs/LevelUpNotice.h"
#include "audio/Sound.h"
#include "dialogs/DialogRoutines.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsRecord.h"

namespace {
const UINT NoticeMilliseconds = 1000;
const int ToneCount = 25;
const int FirstToneHz = 880;
const int ToneStepHz = 40;
const int ToneMilliseconds = 5;

void PlayRisingTones() {
    for (int i = 0; i < ToneCount; ++i)
        PlayTone(FirstToneHz + ToneStepHz * i, ToneMilliseconds, Settings.Beep);
}
}  // namespace

INT_PTR CALLBACK LevelUpNoticeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        // The timer starts before the tones, so the notice closes one second after it began.
        SetTimer(dialog, LEVEL_UP_TIMER, NoticeMilliseconds, nullptr);
        CenterOverParent(dialog);
        PlayRisingTones();
        return TRUE;
    case WM_TIMER:
        if (wParam != LEVEL_UP_TIMER)
            return FALSE;
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            KillTimer(dialog, LEVEL_UP_TIMER);
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
