// A hidden window for board tests: it paints the board and routes the level-up command to it.
#pragma once
#include <windows.h>
#include <functional>

class Board;

class BoardTestWindow {
public:
    // A hidden pop-up window whose client area has exactly this size.
    BoardTestWindow(int clientWidth, int clientHeight);
    // Detaches the board from the application and destroys the window.
    virtual ~BoardTestWindow();
    BoardTestWindow(const BoardTestWindow&) = delete;
    BoardTestWindow& operator=(const BoardTestWindow&) = delete;

    HWND Handle() const { return window; }
    // The board that paints and level-ups go to (not owned); it also becomes the application's board,
    // so that the game-over flow finds it. Attach(nullptr) before the board is deleted.
    void Attach(Board* board);
    // Paints the whole board through a device context of the window, as a paint message does.
    void Paint();
    void SetClientSize(int clientWidth, int clientHeight);
    // Number of ID_LEVEL_UP commands routed to the board.
    int LevelUps() const { return levelUps; }

    // Runs inside the level-up command, just before the board's LevelUp.
    std::function<void()> beforeLevelUp;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window;
    Board* board;
    int levelUps;
};
