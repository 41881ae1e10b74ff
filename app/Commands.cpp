// The menu commands, and the one way every modal dialog runs: with the game paused around it.
#include "app/App.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/HighScoreDialog.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/WelcomeDialog.h"
#include "game/Board.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "settings/SettingsRecord.h"
#include "system/GameFiles.h"
#include "system/ResourceText.h"

namespace {
const wchar_t* const HelpFileName = L"ZarnockHelp.htm";
// The maker's web page, opened by "Zarnock on the Web...".
const wchar_t* const WebPageAddress = L"https://example.com/zarnock/";

// The help page in the player's language where it lies beside the game, else the English one.
std::wstring HelpFile(const std::wstring& programFolder) {
    const std::wstring translated = LocateGameFile(ResourceText::Load(IDS_HELP_FILE), programFolder);
    return !translated.empty() && IsFile(translated) ? translated : LocateGameFile(HelpFileName, programFolder);
}
}  // namespace

INT_PTR App::RunModal(HWND window, int dialogId, DLGPROC dialogProc,
                      const std::function<void(INT_PTR result)>& closed) {
    if (!Paused)
        SetPaused(window, true);
    const INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(dialogId), window, dialogProc, 0);
    if (result == -1)
        ReportLastError();
    if (closed)
        closed(result);
    if (Paused && !GameIsOver)
        SetPaused(window, false);
    return result;
}

void App::AfterOptions(HWND window, INT_PTR result, int musicBefore) {
    if (result == IDOK) {
        // A game that counts as over is dropped without the question and without the game-over flow.
        GameIsOver = 1;
        NewGame(window);
    }
    if (Settings.Music != musicBefore) {
        if (Settings.Music)
            music.PlayNextSong(window);
        else
            music.StopMusic();
    }
}

int App::OnCommand(HWND window, int id, int) {
    switch (id) {
    case ID_NEW:
        NewGame(window);
        return 1;
    case ID_HIGH_SCORES:
        RunModal(window, IDD_HIGH_SCORES, HighScoreDialogProc);
        return 1;
    case ID_EXIT:
        DestroyWindow(window);
        return 1;
    case ID_OPTIONS: {
        const int musicBefore = Settings.Music;
        RunModal(window, IDD_OPTIONS, OptionsDialogProc,
                 [&](INT_PTR result) { AfterOptions(window, result, musicBefore); });
        return 1;
    }
    case ID_HELP_CONTENTS:
        OpenWithShell(HelpFile(ProgramFolder).c_str());
        return 1;
    case ID_INTRODUCTION:
        RunModal(window, IDD_WELCOME, WelcomeDialogProc);
        return 1;
    case ID_ABOUT:
        RunModal(window, IDD_ABOUT, AboutDialogProc);
        return 1;
    case ID_WEB_PAGE:
        OpenWithShell(WebPageAddress);
        return 1;
    case ID_PAUSE:
        TogglePause(window);
        return 1;
    case ID_LEVEL_UP:
        if (board != nullptr) {
            BoardCall call(*this);
            board->LevelUp(window);
        }
        return 1;
    }
    return 0;
}

void App::OpenWithShell(const wchar_t* target) {
    HINSTANCE result = shellExecute(nullptr, L"open", target, nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) <= 32)
        ReportLastError();
}

