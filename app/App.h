// The application object: the card library, card size, placement, game state, music, and the window's handlers.
#pragma once
#include <windows.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "audio/MusicPlayer.h"
#include "app/ReportLastError.h"
#include "game/BoardHost.h"
#include "game/GameEndReason.h"
#include "render/CardLibrary.h"
#include "render/MarkerBitmaps.h"
#include "system/DisplayScale.h"

class Board;

// Sent from Windows 8.1 on when the window's density changes; the headers name it only for newer targets.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

const int TextBufferSize = 100;
extern wchar_t AppTitle[TextBufferSize];         // "Zarnock", from the string table
extern wchar_t WindowClassName[TextBufferSize];  // "ZARNOCK"

// The smallest outer size of the main window while the user drags a border, at 96 dpi.
const int MinimumWindowWidth = 449;
const int MinimumWindowHeight = 455;
// The stored MinMax of a window that was maximized when it was last closed.
const int MaximizedMarker = 2;

// One class over several files, each holding one concern:
//   App.cpp              start-up, shutdown, the board's host, the game's life and pause
//   WindowPlacement.cpp  the window's placement, size limits and density, and the settings' load and save
//   MessageHandlers.cpp  the main window's message handlers
//   Commands.cpp         the menu commands and the modal dialogs they open
class App {
public:
    App();
    virtual ~App();

    // ---- Start-up and shutdown (App.cpp) ----
    bool InitInstance(HINSTANCE instance, int showCommand);
    void Cleanup(HWND window);

    // ---- The game's life and pause (App.cpp) ----
    void SetPaused(HWND window, bool pause);
    void TogglePause(HWND window);
    void NewGame(HWND window);
    void GameOver(HWND window, GameEndReason reason);
    int IsPaused() const { return Paused; }
    int IsGameOver() const { return GameIsOver; }
    HINSTANCE Instance() const { return instance; }
    Board* CurrentBoard() const { return board.get(); }
    // What a board of this application draws with and reports to.
    BoardHost MakeBoardHost();
    // Makes the empty-stack marker for Display and the card size (CardWidth x CardHeight), releasing the one
    // made before; may be called again whenever either changes. Boards made afterwards draw the new one.
    void LoadMarkerBitmaps();

    // ---- Placement, density and the settings' load and save (WindowPlacement.cpp) ----
    void LoadSettings();
    void SaveSettings();
    // The first-run marker: non-zero until the settings have been saved once.
    int ReadFirstBoot();
    // Brings the saved placement back onto a screen of the given size (start-up rules).
    void FitPlacementToScreen(int screenWidth, int screenHeight, int iconWidth, int iconHeight);
    int OnSizing(HWND window, WPARAM edge, RECT* rect);
    // WM_DPICHANGED: the window takes the suggested rectangle (when given), and the cards, markers, text and
    // layout follow the new density while the game goes on where it was.
    int OnDpiChanged(HWND window, int dpi, const RECT* suggested);
    int SavePlacement(HWND window);

    // ---- Message handlers: non-zero when handled (OnEraseBkgnd: the message result) (MessageHandlers.cpp) ----
    int OnKeyDown(HWND window, WPARAM virtualKey);
    int OnTimer(HWND window, UINT_PTR timerId);
    int OnEraseBkgnd(HWND window, HDC dc);
    // WM_ENDSESSION: the placement is saved whether or not the session really ends.
    int OnEndSession(HWND window, bool ending);
    void OnSetFocus(HWND window);
    void OnKillFocus(HWND window);
    void OnPaint(HWND window);
    void OnInitMenu(HWND window);
    int OnMenuSelect(HWND window, UINT flags, HMENU menu);
    void OnMusicNotify(HWND window, WPARAM status, LPARAM device);

    // ---- Commands (Commands.cpp) ----
    int OnCommand(HWND window, int id, int notifyCode);
    // Runs a dialog with the game paused around it; `closed`, when given, acts on its result before the game
    // resumes.
    INT_PTR RunModal(HWND window, int dialogId, DLGPROC dialogProc,
                     const std::function<void(INT_PTR result)>& closed = nullptr);
    // How help and the web page are opened; tests put their own function here.
    using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    ShellExecuteFunction shellExecute;
    // Where the help page is looked for when the current folder lacks it.
    std::wstring ProgramFolder;

    // ---- Cards and density ----
    // The window's density, read when it is made and changed by WM_DPICHANGED; every length of the window
    // and the board scales with it. The stored placement carries it.
    DisplayScale Display;
    CardLibrary cardLibrary;
    int CardWidth;
    int CardHeight;
    // The empty-stack marker at the card size; boards hold its bitmaps without owning them.
    MarkerBitmaps Markers;

    // ---- The restored window rectangle and whether the window was maximized, as stored ----
    int Top;
    int Left;
    int Width;
    int Height;
    int MinMax;

    // ---- The game ----
    HINSTANCE instance;
    std::unique_ptr<Board> board;  // replaced at every new game
    int Paused;
    int GameIsOver;
    int Started;
    MusicPlayer music;

private:
    // Creates and shows the main window at the saved placement; null (reported) when that fails.
    HWND CreateMainWindow(int showCommand);
    // Tones go through the system's Beep on the NT platform family, else through the speaker ports.
    void ChooseTonePlayer();
    // Takes the density of the screen the new window is on; when it is not the one the placement was read
    // at, the window's size is scaled to it.
    void AdoptWindowDensity(HWND window);
    // The card size at Display: the library's own at the system density, else the scaled card.
    void TakeCardSize();
    bool ResumeAllowed() const;
    // Drops the current board. While one of its operations is still running (a modal loop inside it
    // handled a new game or the window's destruction), the board lives on until that operation returns.
    void ReleaseBoard();
    // The Options command's follow-up: a change to the rules starts a new game; music follows its box.
    void AfterOptions(HWND window, INT_PTR result, int musicBefore);
    void OpenWithShell(const wchar_t* target);
    void ReportEraseFailure();

    // Set once a failed background fill has been reported, so that the erases that follow stay quiet.
    int eraseFailureReported;

    // Marks a call into the board from a message handler for as long as it runs.
    class BoardCall {
    public:
        explicit BoardCall(App& app);
        virtual ~BoardCall();
        BoardCall(const BoardCall&) = delete;
        BoardCall& operator=(const BoardCall&) = delete;

    private:
        App& app;
    };
    int boardCallDepth;
    // Boards released while an operation of theirs was running; deleted when the outermost call returns.
    std::vector<std::unique_ptr<Board>> releasedBoards;
};

extern App TheApp;

// The main window's procedure and class.
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
ATOM RegisterMainClass(HINSTANCE instance);
