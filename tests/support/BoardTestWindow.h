// A hidden window for board tests: it hosts a board, paints it and routes the level-up command to it.
#pragma once
#include <windows.h>
#include <functional>
#include "game/BoardHost.h"

class Board;

class BoardTestWindow {
public:
    // A hidden pop-up window whose client area has exactly this size.
    BoardTestWindow(int clientWidth, int clientHeight);
    // Destroys the window.
    virtual ~BoardTestWindow();
    BoardTestWindow(const BoardTestWindow&) = delete;
    BoardTestWindow& operator=(const BoardTestWindow&) = delete;

    HWND Handle() const { return window; }
    // The board that paints and level-ups go to (not owned). Attach(nullptr) before the board is deleted.
    void Attach(Board* board);
    // The card images of CardHost(), and the game state below: an ending sets gameIsOver and
    // lastEndReason, the level-up notice is the game's own dialog.
    BoardHost Host();
    // Paints the whole board through a device context of the window, as a paint message does.
    void Paint();
    void SetClientSize(int clientWidth, int clientHeight);
    // Number of ID_LEVEL_UP commands routed to the board.
    int LevelUps() const { return levelUps; }

    // Runs inside the level-up command, just before the board's LevelUp.
    std::function<void()> beforeLevelUp;

    bool paused = true;
    bool gameIsOver = false;
    int lastEndReason = -1;  // the GameEndReason of the last ending; -1 while none came

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window;
    Board* board;
    int levelUps;
};
