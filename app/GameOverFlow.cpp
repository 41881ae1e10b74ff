// The end-of-game flow: the special endings' messages, the high-score threshold and entry, play again.
#include "app/GameOverFlow.h"
#include "app/ReportLastError.h"
#include "dialogs/HighScoreDialog.h"
#include "game/Board.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "settings/Registry.h"
#include "system/ResourceText.h"

namespace {
const int PerfectMatchBonus = 10000;

// The tenth stored high score, or the tenth default one when none can be read.
int HighScoreThreshold() {
    wchar_t text[255];
    if (!RegGetString(HKEY_CURRENT_USER, HighScoresKeyPath, L"score9", text, sizeof text / sizeof text[0]))
        return DefaultHighScore(1);
    return ScoreTextValue(text);
}

int AskGameOver(HWND window, UINT textId, UINT buttons) {
    return MessageBoxW(window, ResourceText::Load(textId).c_str(), ResourceText::Load(IDS_GAME_OVER_CAPTION).c_str(),
                       buttons);
}

void ShowGameOverMessage(HWND window, UINT textId) { AskGameOver(window, textId, MB_OK); }

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
    if (!playerWasTold && AskGameOver(window, IDS_PLAY_AGAIN_QUESTION, MB_YESNO) == IDYES)
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(ID_NEW, 0), 0);
}

bool GameOverFlow::ExplainEnding(HWND window, GameEndReason reason) {
    switch (reason) {
    case OutOfCards:
        ShowGameOverMessage(window, IDS_OUT_OF_CARDS);
        return true;
    case PerfectMatch:
        ShowGameOverMessage(window, IDS_PERFECT_MATCH);
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
    ShowGameOverMessage(window, IDS_HIGH_SCORE_MADE);
    if (!WindowGone(window) && DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_HIGH_SCORES), window,
                                               HighScoreDialogProc, reinterpret_cast<LPARAM>(&entry)) == -1)
        ReportLastError();
}
