// One test's game: the registry state it starts from, the running process, its window and its dialogs.
#pragma once
#include <windows.h>
#include <memory>
#include <string>
#include "BoardView.h"
#include "DialogWatcher.h"
#include "GameProcess.h"
#include "GameRegistry.h"
#include "GameWindow.h"

class GameSession {
public:
    static constexpr DWORD StartTimeoutMs = 15000;

    GameSession();
    // Kills the game if the test left it running.
    virtual ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // The folder that holds the driver, zarnock.exe and cards32.dll.
    static std::string BinFolder();
    static std::string GamePath();

    const GameRegistry& Registry() const { return registry; }
    // A fresh installation: no settings key at all.
    void ClearSettings() const;
    // Settings for quick, quiet play: no welcome, no sound, no music, not a first run, maximized.
    void UseQuietSettings() const;

    // Starts zarnock.exe in the bin folder and waits until its main window takes input.
    bool Start();
    // Starts another copy of the game from `folder`; true once the process runs.
    bool StartFrom(const std::string& exePath, const std::string& folder);
    bool WaitForMainWindow();

    GameProcess& Process() { return process; }
    const GameWindow& Window() const { return *window; }
    const DialogWatcher& Dialogs() const { return *dialogs; }

    // The board layout for the window's client area as it is now.
    BoardView View(int upDown) const;
    // Waits for a falling card that can be told apart on the screen; column -1 on timeout.
    CardSpot WaitForFallingCard(const BoardView& view, DWORD timeoutMs) const;
    // Waits for the falling card to be somewhere else than `from` (a tick, a move, a new card).
    CardSpot WaitForCardToLeave(const BoardView& view, const CardSpot& from, DWORD timeoutMs) const;
    // Drops the falling card, which enters over the middle column, and waits until it lies on the middle
    // stack: that tells a new board from the old one.
    bool LandACardOnTheMiddleStack(const BoardView& view) const;
    bool MiddleStackHoldsACard(const BoardView& view) const;
    // Closes the window through its close box and waits for the process to end.
    bool CloseThroughCloseBox(DWORD& exitCode);

private:
    GameRegistry registry;
    GameProcess process;
    std::unique_ptr<GameWindow> window;
    std::unique_ptr<DialogWatcher> dialogs;
};
