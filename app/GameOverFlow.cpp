// The end-of-game flow: the special endings' messages, the high-score threshold and entry, play again.
#include "app/GameOverFlow.h"
#include "app/ReportLastError.h"
#include "dialogs/HighScoreDialog.h"
#include "game/Board.h"
#include "resources/ResourceIds.h"
#include "settings/Registry.h"

namespace {
const int PerfectMatchBonus = 10000;

// The tenth stored high score, or the tenth default one when none can be read.
int HighScoreThreshold() {
    char text[255];
    if (!RegGetString(HKEY_CURRENT_USER, HighScoresKeyPath, "score9", text, sizeof text))
        return DefaultHighScore(1);
    return ScoreTextValue(text);
}

void ShowGameOverMessage(HWND window, const char* text) { MessageBoxA(window, text, "Game Over", MB_OK); }

bool WindowGone(HWND window) { return !IsWindow(window); }
}  // namespace

GameOverFlow::GameOverFlow(HINSTANCE instance, const std::unique_ptr<Board>& board)
    : instance(instance), board(board) {}

GameOverFlow::~GameOverFlow() {}

void GameOverFlow::Run(HWND window, GameEndReason reason) {
    const int threshold = HighScoreThreshold();
    bool playerWasTold = ExplainEnding(window, reason);
    if (WindowGone(window))
        return;
    if (board != nullptr && board->GetWinnings() > threshold) {
        EnterHighScore(window, board->GetWinnings());
        playerWasTold = true;
    }
    if (WindowGone(window))
        return;
    if (!playerWasTold && MessageBoxA(window, "Do you want to play again?", "Game Over", MB_YESNO) == IDYES)
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(ID_NEW, 0), 0);
}

bool GameOverFlow::ExplainEnding(HWND window, GameEndReason reason) {
    switch (reason) {
    case OutOfCards:
        ShowGameOverMessage(window,
                            "You're out of cards!  When playing with the \"One Deck\" option, you only get 52 cards "
                            "to play with. They're recycled back into the deck every time you collapse a stack, but "
                            "once the deck is empty, the game is over.  And that's what just happened!");
        return true;
    case PerfectMatch:
        ShowGameOverMessage(window,
                            "Getting tired of this yet?  You've nearly emptied the deck, and it just so happens that "
                            "the few remaining cards are a perfect match -- they will collapse on their own from now "
                            "until eternity. So, you are hereby awarded 10,000 extra points for discovering this odd "
                            "quirk of the rules, and the game is now over.  Hope you get a high score!");
        if (board != nullptr) {
            board->AddWinnings(PerfectMatchBonus);
            if (!WindowGone(window))
                board->RedrawStatus(window);
        }
        return true;
    case AbandonedForNewGame:
        return true;
    case NoRoomForCard:
        break;
    }
    return false;
}

void GameOverFlow::EnterHighScore(HWND window, int score) {
    NewHighScore entry = {score};
    ShowGameOverMessage(window, "Congratulations!  You got a high score!");
    if (!WindowGone(window) && DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_HIGH_SCORES), window,
                                               HighScoreDialogProc, reinterpret_cast<LPARAM>(&entry)) == -1)
        ReportLastError();
}
