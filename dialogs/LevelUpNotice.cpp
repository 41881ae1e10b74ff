// The level-up notice: a rising run of tones, then it closes itself when its one-second timer fires.
#include "dialogs/LevelUpNotice.h"
#include "audio/Sound.h"
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

INT_PTR LevelUpNotice::OnInitDialog(HWND dialog, LPARAM) {
    // The timer starts before the tones, so the notice closes one second after it began.
    SetTimer(dialog, LEVEL_UP_TIMER, NoticeMilliseconds, nullptr);
    PlayRisingTones();
    return TRUE;
}

INT_PTR LevelUpNotice::OnTimer(HWND dialog, UINT_PTR timerId) {
    if (timerId != LEVEL_UP_TIMER) return FALSE;
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return TRUE;
}

INT_PTR LevelUpNotice::OnCommand(HWND dialog, int id) {
    if (id != IDOK && id != IDCANCEL) return FALSE;
    KillTimer(dialog, LEVEL_UP_TIMER);
    EndDialog(dialog, id);
    return TRUE;
}
