// The application object's state, pause handling and the end of a game.
#include "app/App.h"
#include <cstdio>
#include "game/Board.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsRecord.h"

char AppTitle[TextBufferSize];
char WindowClassName[TextBufferSize];
App TheApp;

App::App()
    : CardWidth(0), CardHeight(0), Top(0), Left(0), Width(449), Height(455), MinMax(0),
      RingBitmap(nullptr), OutlineBitmap(nullptr), NewEntryPending(0), NewEntryScore(0),
      instance(nullptr), board(nullptr), Paused(1), GameIsOver(0), Started(0), MusicSuppress(0),
      SongNumber(0), MusicDevice(0), LastEndReason(-1) {}

App::~App() {}

void App::SetPaused(HWND window, bool pause) {
    if (pause) {
        char title[256];
        std::snprintf(title, sizeof title, GameIsOver ? "%s - Game Over" : "%s - Paused", AppTitle);
        SetWindowTextA(window, title);
        Paused = 1;
        KillTimer(window, DROP_TIMER);
    } else {
        SetWindowTextA(window, AppTitle);
        Paused = 0;
        SetTimer(window, DROP_TIMER, Settings.DropInterval, nullptr);
    }
}

void App::GameOver(HWND window, int reason) {
    LastEndReason = reason;
    GameIsOver = 1;
    SetPaused(window, true);
}
