// The application object: start-up, pause, new games, the main window's handlers, settings and music.
#include "app/App.h"
#include <shellapi.h>
#include <cstdio>
#include <ctime>
#include "system/GameFiles.h"
#include "app/GameOverFlow.h"
#include "system/LateImports.h"
#include "audio/Sound.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/HighScoreDialog.h"
#include "dialogs/LevelUpNotice.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/WelcomeDialog.h"
#include "game/Board.h"
#include "game/FallDirection.h"
#include "game/Random.h"
#include "system/CardSize.h"
#include "system/GdiObject.h"
#include "system/SelectedObject.h"
#include "resources/ResourceIds.h"
#include "settings/Registry.h"
#include "settings/SettingsRecord.h"

char AppTitle[TextBufferSize];
char WindowClassName[TextBufferSize];
App TheApp;

namespace {
const char* const ErrorCaption = "Zarnock";
const char* const HelpFileName = "ZarnockHelp.htm";
// The maker's web page, opened by "Zarnock on the Web...".
const char* const WebPageAddress = "https://example.com/zarnock/";

const int DefaultWindowWidth = 460;
const int DefaultWindowHeight = 480;
const int TooSmallWindowSize = 458;
const int MaximizedMarker = 2;

// The main window's outer sizes at the display's density, from their values at 96 dpi.
struct WindowSizes {
    explicit WindowSizes(const DisplayScale& display)
        : defaultWidth(display.Scale(DefaultWindowWidth)), defaultHeight(display.Scale(DefaultWindowHeight)),
          minimumWidth(display.Scale(MinimumWindowWidth)), minimumHeight(display.Scale(MinimumWindowHeight)),
          tooSmall(display.Scale(TooSmallWindowSize)) {}
    int defaultWidth;
    int defaultHeight;
    int minimumWidth;
    int minimumHeight;
    int tooSmall;  // what a stored size below the minimum becomes, in both directions
};

DWORD ReadSetting(const char* name, DWORD defaultValue) {
    return RegGetDword(HKEY_CURRENT_USER, SettingsKeyPath, name, defaultValue);
}

int ReadSignedSetting(const char* name, int defaultValue) {
    return static_cast<int>(ReadSetting(name, static_cast<DWORD>(defaultValue)));
}

void WriteSetting(const char* name, int value) {
    RegSetDword(HKEY_CURRENT_USER, SettingsKeyPath, name, static_cast<DWORD>(value));
}

// The stored placement's sizes are pixels at the density stored with them; values stored without one were
// written at 96 dpi. A missing size is the default at that density.
int ReadWindowSize(const char* name, int sizeAt96, const DisplayScale& stored, const DisplayScale& display) {
    return display.ScaleFrom(ReadSignedSetting(name, stored.Scale(sizeAt96)), stored);
}
const char* const PlacementDpiName = "PlacementDpi";
// Beside the density, the size it belongs to: width in the low word, height in the high one. A release that
// knew only 96 dpi rewrites Width and Height in its own pixels but leaves the density, which then no longer
// belongs to them.
const char* const PlacementSizeName = "PlacementSize";
int PackedSize(int width, int height) {
    return static_cast<int>(MAKELONG(static_cast<WORD>(width), static_cast<WORD>(height)));
}

// The density the stored Width and Height were saved at.
DisplayScale StoredPlacementDensity() {
    const int dpi = ReadSignedSetting(PlacementDpiName, DisplayScale::BaseDpi);
    const int size = PackedSize(ReadSignedSetting("Width", 0), ReadSignedSetting("Height", 0));
    const bool sizeRewritten = ReadSignedSetting(PlacementSizeName, size) != size;
    return DisplayScale(sizeRewritten ? DisplayScale::BaseDpi : dpi);
}
}  // namespace

App::App()
    : shellExecute(LateShellExecuteA), Display(), CardWidth(0), CardHeight(0), Top(0), Left(0),
      Width(MinimumWindowWidth), Height(MinimumWindowHeight), MinMax(0), Markers(),
      NewEntryPending(0), NewEntryScore(0), instance(nullptr), board(), Paused(1), GameIsOver(0), Started(0), LastEndReason(-1),
      ProgramFolder(::ProgramFolder()), eraseFailureReported(0), boardCallDepth(0) {}

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
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(ID_INTRODUCTION, 0), 0);
    music.PlayNextSong(window);
    Started = 1;
    return true;
}

HWND App::CreateMainWindow(int showCommand) {
    HWND window = CreateWindowExA(WS_EX_CLIENTEDGE, WindowClassName, AppTitle,
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

void App::AdoptWindowDensity(HWND window) {
    const DisplayScale own(DisplayScale::WindowDpi(window));
    if (own.Dpi() == Display.Dpi())
        return;
    Width = own.ScaleFrom(Width, Display);
    Height = own.ScaleFrom(Height, Display);
    Display = own;
    SetWindowPos(window, nullptr, 0, 0, Width, Height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void App::TakeCardSize() {
    if (Display.Dpi() == DisplayScale::SystemDpi() && cardLibrary.IsLoaded()) {
        CardWidth = cardLibrary.CardWidth();
        CardHeight = cardLibrary.CardHeight();
        return;
    }
    const CardSize card(Display);
    CardWidth = card.Width();
    CardHeight = card.Height();
}

void App::ChooseTonePlayer() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    const bool versionKnown = GetVersionExA(&version) != FALSE;
    if (!versionKnown)
        ReportLastError();
    Settings.UsePlatformBeep = PlatformBeepFor(versionKnown, version.dwPlatformId);
}

void App::FitPlacementToScreen(int screenWidth, int screenHeight, int iconWidth, int iconHeight) {
    if (Left < 0 || Left > screenWidth - iconWidth)
        Left = 0;
    if (Top < 0 || Top > screenHeight - iconHeight)
        Top = 0;
    const WindowSizes sizes(Display);
    if (Width > screenWidth)
        Width = sizes.defaultWidth;
    if (Height > screenHeight)
        Height = sizes.defaultHeight;
    if (Width < sizes.minimumWidth)
        Width = sizes.tooSmall;
    if (Height < sizes.minimumHeight)
        Height = sizes.tooSmall;
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
    host.gameOver = [this](HWND window, int reason) { GameOver(window, reason); };
    host.isPaused = [this] { return Paused != 0; };
    host.isGameOver = [this] { return GameIsOver != 0; };
    host.showLevelUpNotice = [this](HWND window) {
        DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_LEVEL_UP), window, LevelUpNoticeProc, 0);
    };
    return host;
}

// ---- Settings ----

void App::LoadSettings() {
    SettingsRecord defaults;
    defaults.SetDefaults();
    Settings.DropInterval = SettingsDefaults::InitialDropInterval;
    Settings.Beep = ReadSignedSetting("Beep", defaults.Beep);
    Settings.Music = ReadSignedSetting("Music", defaults.Music);
    Settings.ClearStacks = ReadSignedSetting("ClearStacks", defaults.ClearStacks);
    Settings.GetFaster = ReadSignedSetting("GetFaster", defaults.GetFaster);
    Settings.SwapMode = ReadSignedSetting("SwapMode", defaults.SwapMode);
    Settings.OneDeck = ReadSignedSetting("OneDeck", defaults.OneDeck);
    Settings.EndOnShuffle = ReadSignedSetting("EndOnShuffle", defaults.EndOnShuffle);
    Settings.LastStack = ReadSignedSetting("LastStack", defaults.LastStack);
    Settings.UpDown = ReadSignedSetting("UpDown", defaults.UpDown);
    Settings.CollapseRegime = ReadSignedSetting("CollapseRegime", defaults.CollapseRegime);
    Settings.DealerOption = ReadSignedSetting("DealerOption", defaults.DealerOption);
    Settings.FreezeOnBust = ReadSignedSetting("FreezeOnBust", defaults.FreezeOnBust);
    Settings.ShowWelcome = ReadSignedSetting("ShowWelcome", defaults.ShowWelcome);
    Settings.ForegroundColor = ReadSetting("ForegroundColor", defaults.ForegroundColor);
    Settings.BackgroundColor = ReadSetting("BackgroundColor", defaults.BackgroundColor);
    Settings.DeriveMinCollapse();
    Top = ReadSignedSetting("Top", 0);
    Left = ReadSignedSetting("Left", 0);
    // The position is kept in the screen's pixels; the size keeps its inches.
    const DisplayScale stored(StoredPlacementDensity());
    Width = ReadWindowSize("Width", DefaultWindowWidth, stored, Display);
    Height = ReadWindowSize("Height", DefaultWindowHeight, stored, Display);
    MinMax = ReadSignedSetting("MinMax", 0);
}

void App::SaveSettings() {
    WriteSetting("FirstBoot", 0);
    WriteSetting("Beep", Settings.Beep);
    WriteSetting("Music", Settings.Music);
    WriteSetting("ClearStacks", Settings.ClearStacks);
    WriteSetting("GetFaster", Settings.GetFaster);
    WriteSetting("SwapMode", Settings.SwapMode);
    WriteSetting("OneDeck", Settings.OneDeck);
    WriteSetting("EndOnShuffle", Settings.EndOnShuffle);
    WriteSetting("LastStack", Settings.LastStack);
    WriteSetting("UpDown", Settings.UpDown);
    WriteSetting("CollapseRegime", Settings.CollapseRegime);
    WriteSetting("DealerOption", Settings.DealerOption);
    WriteSetting("ShowWelcome", Settings.ShowWelcome);
    WriteSetting("ForegroundColor", static_cast<int>(Settings.ForegroundColor));
    WriteSetting("BackgroundColor", static_cast<int>(Settings.BackgroundColor));
    WriteSetting("FreezeOnBust", Settings.FreezeOnBust);
    WriteSetting("Top", Top);
    WriteSetting("Left", Left);
    WriteSetting("Width", Width);
    WriteSetting("Height", Height);
    WriteSetting("MinMax", MinMax);
    WriteSetting(PlacementDpiName, Display.Dpi());
    WriteSetting(PlacementSizeName, PackedSize(Width, Height));
}

int App::ReadFirstBoot() { return ReadSignedSetting("FirstBoot", 1); }

// ---- Pause, new game, end of a game ----

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
            if (MessageBoxA(window, "Are you sure you want to quit the current game?", "New Game", MB_YESNO) != IDYES) {
                SetPaused(window, false);
                return;
            }
            GameOver(window, 4);
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

void App::GameOver(HWND window, int reason) {
    LastEndReason = reason;
    GameIsOver = 1;
    SetPaused(window, true);
    music.StopAndIgnoreNotice();
    GameOverFlow(*this).Run(window, reason);
}

// ---- Message handlers ----

void App::OnSetFocus(HWND window) {
    if (ResumeAllowed())
        SetPaused(window, false);
}

void App::OnKillFocus(HWND window) {
    if (board != nullptr && !Paused)
        SetPaused(window, true);
}

void App::OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (board != nullptr && dc != nullptr) {
        BoardCall call(*this);
        board->Paint(dc, window);
    }
    EndPaint(window, &paint);
}

void App::OnInitMenu(HWND window) {
    if (board != nullptr && !Paused)
        SetPaused(window, true);
}

int App::OnMenuSelect(HWND window, UINT flags, HMENU menu) {
    if (flags != 0xFFFF || menu != nullptr)
        return 0;
    if (ResumeAllowed())
        SetPaused(window, false);
    return 1;
}

int App::OnKeyDown(HWND window, WPARAM virtualKey) {
    if (board == nullptr || Paused || GameIsOver)
        return 0;
    BoardCall call(*this);
    const bool fallingDown = FallDirection() == 1;
    switch (virtualKey) {
    case VK_SPACE:
    case VK_NUMPAD5:
        board->Swap(window);
        return 1;
    case VK_LEFT:
    case VK_NUMPAD4:
        board->MoveLeft(window);
        return 1;
    case VK_RIGHT:
    case VK_NUMPAD6:
        board->MoveRight(window);
        return 1;
    case VK_UP:
    case VK_NUMPAD8:
        // The key that points the way the card falls drops it; the opposite one swaps it.
        if (fallingDown)
            board->Swap(window);
        else
            board->Drop(window);
        return 1;
    case VK_DOWN:
    case VK_NUMPAD2:
        if (fallingDown)
            board->Drop(window);
        else
            board->Swap(window);
        return 1;
    }
    return 0;
}

int App::OnTimer(HWND window, UINT_PTR timerId) {
    if (timerId != DROP_TIMER)
        return 0;
    if (board != nullptr) {
        BoardCall call(*this);
        board->Tick(window);
    }
    return 1;
}

int App::OnSizing(HWND, WPARAM edge, RECT* rect) {
    if (rect == nullptr)
        return 1;
    const WindowSizes sizes(Display);
    const int minimumWidth = sizes.minimumWidth;
    const int minimumHeight = sizes.minimumHeight;
    const bool tooShort = rect->bottom - rect->top < minimumHeight;
    const bool tooNarrow = rect->right - rect->left < minimumWidth;
    if (tooShort && (edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT))
        rect->bottom = rect->top + minimumHeight;
    if (tooShort && (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT))
        rect->top = rect->bottom - minimumHeight;
    if (tooNarrow && (edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT))
        rect->left = rect->right - minimumWidth;
    if (tooNarrow && (edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT))
        rect->right = rect->left + minimumWidth;
    return 1;
}

int App::OnDpiChanged(HWND window, int dpi, const RECT* suggested) {
    Display = DisplayScale(dpi);
    TakeCardSize();
    LoadMarkerBitmaps();
    if (board != nullptr) {
        BoardCall call(*this);
        board->ChangeHost(MakeBoardHost());
    }
    if (suggested != nullptr)
        SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    return 0;
}

int App::OnEraseBkgnd(HWND window, HDC dc) {
    Brush brush(CreateSolidBrush(Settings.BackgroundColor));
    if (!brush) {
        ReportEraseFailure();
        return 0;
    }
    SelectedObject selected(dc, brush);
    RECT client;
    if (!GetClientRect(window, &client) || !PatBlt(dc, 0, 0, client.right, client.bottom, PATCOPY)) {
        ReportEraseFailure();
        return 0;
    }
    eraseFailureReported = 0;
    return 1;
}

void App::ReportEraseFailure() {
    // The message box makes the window erase itself again: mark first, so that failure is shown only once.
    if (eraseFailureReported)
        return;
    eraseFailureReported = 1;
    ReportLastError();
}

int App::SavePlacement(HWND window) {
    if (!Paused)
        KillTimer(window, DROP_TIMER);
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (GetWindowPlacement(window, &placement)) {
        const RECT& normal = placement.rcNormalPosition;
        Top = normal.top;
        Left = normal.left;
        Width = normal.right - normal.left;
        Height = normal.bottom - normal.top;
        MinMax = placement.showCmd == SW_SHOWMAXIMIZED ? MaximizedMarker : 0;
    }
    SaveSettings();
    return 0;
}

int App::OnEndSession(HWND window, bool ending) {
    SavePlacement(window);
    // The session goes on after all: the card must not hang in a running game.
    if (!ending && !Paused)
        SetTimer(window, DROP_TIMER, Settings.DropInterval, nullptr);
    return 0;
}

INT_PTR App::RunModal(HWND window, int dialogId, DLGPROC dialogProc) {
    if (!Paused)
        SetPaused(window, true);
    const INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(dialogId), window, dialogProc, 0);
    if (result == -1)
        ReportLastError();
    if (Paused && !GameIsOver)
        SetPaused(window, false);
    return result;
}

namespace {
// The Options command: a change to the rules starts a new game; music follows its box at once.
void RunOptions(App& app, HWND window) {
    if (!app.Paused)
        app.SetPaused(window, true);
    const int musicBefore = Settings.Music;
    const INT_PTR result =
        DialogBoxParamA(app.instance, MAKEINTRESOURCEA(IDD_OPTIONS), window, OptionsDialogProc, 0);
    if (result == -1)
        ReportLastError();
    if (result == IDOK) {
        // A game that counts as over is dropped without the question and without the game-over flow.
        app.GameIsOver = 1;
        app.NewGame(window);
    }
    if (Settings.Music != musicBefore) {
        if (Settings.Music)
            app.music.PlayNextSong(window);
        else
            app.music.StopMusic();
    }
    if (app.Paused && !app.GameIsOver)
        app.SetPaused(window, false);
}
}  // namespace

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
    case ID_OPTIONS:
        RunOptions(*this, window);
        return 1;
    case ID_HELP_CONTENTS:
        OpenWithShell(LocateGameFile(HelpFileName, ProgramFolder).c_str());
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

void App::OpenWithShell(const char* target) {
    HINSTANCE result = shellExecute(nullptr, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) <= 32)
        ReportLastError();
}

// ---- Music ----

void App::OnMusicNotify(HWND window, WPARAM status, LPARAM device) { music.OnNotify(window, status, device); }

// ---- Errors ----

void ReportLastError() {
    const DWORD error = GetLastError();
    char* text = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0,
                       nullptr);
    char fallback[64];
    std::snprintf(fallback, sizeof fallback, "Error %lu", static_cast<unsigned long>(error));
    MessageBoxA(nullptr, length != 0 && text != nullptr ? text : fallback, ErrorCaption, MB_OK | MB_ICONINFORMATION);
    if (text != nullptr)
        LocalFree(text);
}
