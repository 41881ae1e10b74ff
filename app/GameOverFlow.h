// The end of a game as the player meets it: the message of a special ending, the high-score entry, play again.
#pragma once
#include <windows.h>

class App;

class GameOverFlow {
public:
    explicit GameOverFlow(App& app);
    virtual ~GameOverFlow();

    // Shows what the ending `reason` calls for, owned by the main window. The window may be closed inside
    // one of the messages; the flow then stops there.
    void Run(HWND window, int reason);

private:
    // The message of a special ending; true when the ending counts as having told the player something.
    bool ExplainEnding(HWND window, int reason);
    // The high-score dialog reads the pending entry from the application when it opens.
    void EnterHighScore(HWND window, int score);

    App& app;
};
