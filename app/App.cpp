// The application object: start-up, shutdown, the board's host, new games, the end of a game and pause.
#include "app/App.h"
#include <cstdio>
#include <ctime>
#include "app/GameOverFlow.h"
#include "audio/Sound.h"
#include "dialogs/LevelUpNotice.h"
#include "game/Board.h"
#include "game/Random.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "settings/SettingsRecord.h"
#include "system/GameFiles.h"
#include "system/LateImports.h"
#include "system/ResourceText.h"

wchar_t AppTitle[TextBufferSize];
wchar_t WindowClassName[TextBufferSize];
App TheApp;

App::App()
    : shellExecute(LateShellExecuteW), ProgramFolder(::ProgramFolder()), Display(), CardWidth(0), CardHeight(0),
      Markers(), Top(0), Left(0), Width(MinimumWindowWidth), Height(MinimumWindowHeight), MinMax(0),
      instance(nullptr), board(), Paused(1), GameIsOver(0), Started(0), eraseFailureReported(0),
      boardCallDepth(0) {}

App::~App() {}

// ---- Start-up and shutdown ----

bool App::InitInstance(HINSTANCE moduleInstance, int showCommand) {
    Display = DisplayScale(DisplayScale::SystemDpi());
    LoadSettings();
    instance = moduleInstance;
    FitPlacementToScreen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), GetSystemMetrics(SM_CXICON),
                         GetSystemMetrics(SM_CYICON));
    HWND window = CreateMainWindow(showCommand);
    if (window == nullptr)
        return false;
    ChooseTonePlayer();
    if (!cardLibrary.Load(window))
        return false;
    SeedRandom(static_cast<unsigned int>(std::time(nullptr)));
    TakeCardSize();
    LoadMarkerBitmaps();

    NewGame(window);
    if (Settings.ShowWelcome)
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(ID_INTRODUCTION, 0), 0);
    music.PlayNextSong(window);
    Started = 1;
    return true;
}

HWND App::CreateMainWindow(int showCommand) {
    HWND window = CreateWindowExW(WS_EX_CLIENTEDGE, WindowClassName, AppTitle,
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, Left, Top, Width, Height,
                                  nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        ReportLastError();
        return nullptr;
    }
    AdoptWindowDensity(window);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    // A first run starts maximized.
    ShowWindow(window, (MinMax == MaximizedMarker || ReadFirstBoot() != 0) ? SW_MAXIMIZE : SW_SHOWNORMAL);
    if (!UpdateWindow(window))
        ReportLastError();
    return window;
}

void App::ChooseTonePlayer() {
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof version;
    const bool versionKnown = GetVersionExW(&version) != FALSE;
    if (!versionKnown)
        ReportLastError();
    Settings.UsePlatformBeep = PlatformBeepFor(versionKnown, version.dwPlatformId);
}

void App::Cleanup(HWND) {
    cardLibrary.Unload();
    ReleaseBoard();
    Markers = MarkerBitmaps();
    // A song left open would play on after the window has gone.
    music.StopAndIgnoreNotice();
}

void App::ReleaseBoard() {
    if (board && boardCallDepth > 0)
        releasedBoards.push_back(std::move(board));
    board.reset();
}

App::BoardCall::BoardCall(App& app) : app(app) { ++app.boardCallDepth; }

App::BoardCall::~BoardCall() {
    if (--app.boardCallDepth == 0)
        app.releasedBoards.clear();
}

void App::LoadMarkerBitmaps() { Markers = MarkerBitmaps(instance, Display, CardWidth, CardHeight); }

BoardHost App::MakeBoardHost() {
    BoardHost host;
    host.cardWidth = CardWidth;
    host.cardHeight = CardHeight;
    host.metrics = BoardMetrics(Display);
    // The library renders the cards at the board's own size, whatever size it was started at.
    host.drawCard = [this, width = CardWidth, height = CardHeight](HDC dc, int x, int y, int card, int mode,
                                                                    COLORREF background) {
        cardLibrary.DrawCardAt(dc, x, y, width, height, card, mode, background);
    };
    host.ringBitmap = Markers.Ring();
    host.outlineBitmap = Markers.Outline();
    host.gameOver = [this](HWND window, GameEndReason reason) { GameOver(window, reason); };
    host.isPaused = [this] { return Paused != 0; };
    host.isGameOver = [this] { return GameIsOver != 0; };
    host.showLevelUpNotice = [this](HWND window) {
        DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_LEVEL_UP), window, LevelUpNoticeProc, 0);
    };
    return host;
}

// ---- Pause, new game, end of a game ----

void App::SetPaused(HWND window, bool pause) {
    if (pause) {
        SetWindowTextW(window, ResourceText::Format(GameIsOver ? IDS_TITLE_GAME_OVER : IDS_TITLE_PAUSED, AppTitle).c_str());
        Paused = 1;
        KillTimer(window, DROP_TIMER);
    } else {
        SetWindowTextW(window, AppTitle);
        Paused = 0;
        SetTimer(window, DROP_TIMER, Settings.DropInterval, nullptr);
    }
}

void App::TogglePause(HWND window) {
    if (!GameIsOver)
        SetPaused(window, !Paused);
}

bool App::ResumeAllowed() const { return board != nullptr && Paused && !GameIsOver; }

void App::NewGame(HWND window) {
    if (!Paused)
        SetPaused(window, true);
    if (board != nullptr) {
        if (!GameIsOver) {
            if (MessageBoxW(window, ResourceText::Load(IDS_NEW_GAME_QUESTION).c_str(),
                            ResourceText::Load(IDS_NEW_GAME_CAPTION).c_str(), MB_YESNO) != IDYES) {
                SetPaused(window, false);
                return;
            }
            GameOver(window, AbandonedForNewGame);
        }
        ReleaseBoard();
    }
    // The window may have been closed inside the question or the end-of-game messages.
    if (!IsWindow(window))
        return;
    board.reset(new Board(window, MakeBoardHost()));
    GameIsOver = 0;
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    SetPaused(window, false);
    if (Started)
        music.PlayNextSong(window);
}

void App::GameOver(HWND window, GameEndReason reason) {
    GameIsOver = 1;
    SetPaused(window, true);
    music.StopAndIgnoreNotice();
    GameOverFlow(instance, board).Run(window, reason);
}
