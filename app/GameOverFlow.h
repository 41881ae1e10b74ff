// The end of a game as the player meets it: the message of a special ending, the high-score entry, play again.
#pragma once
#include <windows.h>
#include <memory>
#include "game/GameEndReason.h"

class Board;

class GameOverFlow {
public:
    // `board` is the application's slot of the current game: the flow reads it at each step, as the window
    // may be destroyed, and the board released, inside one of its messages.
    GameOverFlow(HINSTANCE instance, const std::unique_ptr<Board>& board);
    virtual ~GameOverFlow();

    // Shows what the ending `reason` calls for, owned by the main window; on "play again" it asks the window
    // for a new game. The window may be closed inside one of the messages; the flow then stops there.
    void Run(HWND window, GameEndReason reason);

private:
    // The message of a special ending; true when the ending counts as having told the player something.
    bool ExplainEnding(HWND window, GameEndReason reason);
    // Opens the high-score dialog with the new entry.
    void EnterHighScore(HWND window, int score);

    HINSTANCE instance;
    const std::unique_ptr<Board>& board;
};
