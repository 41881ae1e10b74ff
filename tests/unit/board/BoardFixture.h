// The board tests' fixture: a hidden window, a board on it, dialogs answered, and helpers to play.
#pragma once
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <string>
#include "game/Board.h"
#include "game/Card.h"
#include "game/Shoe.h"
#include "game/Stack.h"
#include "game/StackList.h"
#include "system/WindowDC.h"
#include "resources/ResourceIds.h"
#include "support/BoardTestWindow.h"
#include "support/GameTestEnvironment.h"
#include "support/MessageBoxAnswerer.h"
#include "support/TestCards.h"

using namespace Rank;

const int TestClientWidth = 452;  // puts the five 71-pixel stacks at 9, 100, 191, 282, 373
const int TestClientHeight = 480;

// Game-over questions get No (so no new game is started), the level-up notice is closed at once,
// any other dialog is cancelled.
inline int AnswerDialog(const SeenDialog& dialog) {
    if (dialog.caption == "Game Over") return IDNO;
    if (dialog.caption.empty()) return IDOK;
    return IDCANCEL;
}

class BoardFixture : public ::testing::Test {
protected:
    BoardFixture() : answerer(AnswerDialog), window(TestClientWidth, TestClientHeight) {}

    void SetUp() override {
        PrepareGameForTests();
        ASSERT_EQ(CardHost().cardWidth, 71);
        ASSERT_EQ(CardHost().cardHeight, 96);
    }

    void TearDown() override {
        window.Attach(nullptr);
        board.reset();
        KillTimer(window.Handle(), DROP_TIMER);
    }

    HWND Window() const { return window.Handle(); }

    // A new game with the current settings and random script; painted once unless told otherwise.
    Board& NewGame(bool paint = true) {
        window.Attach(nullptr);
        board.reset(new Board(Window(), window.Host()));
        window.Attach(board.get());
        window.gameIsOver = false;
        if (paint) window.Paint();
        return *board;
    }

    Shoe& TheShoe() { return board->GetShoe(); }
    Stack& StackAt(int column) { return *board->Stacks().At(column); }
    int CardsOn(int column) { return StackAt(column).Count(); }
    int Distance() { return board->DistanceToLanding(TheShoe().FallingY(), board->Column()); }

    void Tick(int times = 1) {
        for (int i = 0; i < times; ++i) board->Tick(Window());
    }

    // Lets the falling card fall onto the stack under it, one tick at a time.
    void FallAndLand() {
        const int distance = Distance();
        ASSERT_GT(distance, 0);
        ASSERT_EQ(distance % TickStep, 0);
        Tick(distance / TickStep);
    }

    // Steers the falling card over a column (passing no frozen stack) and lets it land there.
    void LandInColumn(int column) {
        while (board->Column() > column) board->MoveLeft(Window());
        while (board->Column() < column) board->MoveRight(Window());
        FallAndLand();
    }

    // Puts cards straight onto a stack, the last one newest.
    void PutCards(int column, std::initializer_list<CardCode> codes) {
        for (CardCode code : codes) board->Stacks().AddCard(column, new Card(code));
    }

    void Freeze(int column) {
        WindowDC dc(Window());
        board->Stacks().Freeze(dc, column);
    }

    int NoticesSeen() const {
        int notices = 0;
        for (const SeenDialog& dialog : answerer.Seen())
            if (dialog.caption.empty()) ++notices;
        return notices;
    }

    ScopedSettings settings;
    MessageBoxAnswerer answerer;
    BoardTestWindow window;
    std::unique_ptr<Board> board;
};
