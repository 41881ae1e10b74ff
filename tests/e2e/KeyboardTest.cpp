// The steering keys on the real window: arrows and the numeric keypad move, drop and swap the card.
#include <gtest/gtest.h>
#include <vector>
#include "ClientCapture.h"
#include "QuietGameTest.h"
#include "Waiting.h"

namespace {
enum class Action { MoveLeft, MoveRight, Drop, Swap };

struct KeyStep {
    WORD key;
    const char* name;
    Action action;
};

const DWORD ReactionMs = 1500;
}

class KeyboardTest : public QuietGameTest {
protected:
    void StartGame(int upDown) {
        StartQuietGame(upDown);
        if (HasFatalFailure()) return;
        spot = firstCard;
        ASSERT_EQ(view->SpawnY(), spot.top);
    }

    uint64_t CardFace(const CardSpot& at) const {
        ClientCapture capture(game.Window().Handle());
        return capture.Fingerprint(view->CardRect(at.column, at.top));
    }

    void ExpectMove(const KeyStep& step, int columnChange) {
        const int expected = spot.column + columnChange;
        CardSpot now = spot;
        game.Window().PostKey(step.key);
        WaitUntil([&] {
            ClientCapture capture(game.Window().Handle());
            now = view->FindFallingCard(capture);
            return now.column == expected;
        }, ReactionMs);
        EXPECT_EQ(expected, now.column) << step.name;
        // A drop-timer tick may have come in between: at most one or two steps further on.
        const int travelled = (now.top - spot.top) * Direction();
        EXPECT_TRUE(travelled == 0 || travelled == 12 || travelled == 24) << step.name << " moved " << travelled;
        spot = now;
    }

    void ExpectSwap(const KeyStep& step) {
        const uint64_t before = CardFace(spot);
        CardSpot now = spot;
        game.Window().PostKey(step.key);
        const bool changed = WaitUntil([&] {
            ClientCapture capture(game.Window().Handle());
            now = view->FindFallingCard(capture);
            return now.column >= 0 && capture.Fingerprint(view->CardRect(now.column, now.top)) != before;
        }, ReactionMs);
        EXPECT_TRUE(changed) << step.name << " should show another card";
        EXPECT_EQ(spot.column, now.column) << step.name;
        spot = now;
    }

    void ExpectDrop(const KeyStep& step) {
        // Let the card fall one tick first, so that a new card at the entry height is told apart from it.
        WaitUntil([&] {
            ClientCapture capture(game.Window().Handle());
            spot = view->FindFallingCard(capture);
            return spot.column >= 0 && spot.top != view->SpawnY();
        }, ReactionMs);
        ASSERT_NE(view->SpawnY(), spot.top);
        const int column = spot.column;
        game.Window().PostKey(step.key);
        CardSpot now = spot;
        bool landed = false;
        WaitUntil([&] {
            ClientCapture capture(game.Window().Handle());
            now = view->FindFallingCard(capture);
            landed = view->HoldsCard(capture, view->StackCardRect(column, 0));
            return landed && EnteredSinceTheLanding(now);
        }, ReactionMs, 5);
        EXPECT_TRUE(landed) << step.name << ": the card should lie on stack " << column;
        EXPECT_TRUE(EnteredSinceTheLanding(now)) << step.name << ": a new card should enter, not one at " << now.top;
        EXPECT_EQ(column, now.column) << step.name << ": the new card enters over the last landing";
        spot = now;
    }

    void Play(const std::vector<KeyStep>& steps) {
        for (const KeyStep& step : steps) {
            switch (step.action) {
            case Action::MoveLeft: ExpectMove(step, -1); break;
            case Action::MoveRight: ExpectMove(step, +1); break;
            case Action::Swap: ExpectSwap(step); break;
            case Action::Drop: ExpectDrop(step); break;
            }
            if (HasFatalFailure()) return;
        }
    }

    int Direction() const { return view->SpawnY() < view->BaseY() ? 1 : -1; }

    // A card that came in after the last one landed: at the entry height or whole ticks on from it (a busy
    // machine may capture it late), short of the stacks, where the landed card lies.
    bool EnteredSinceTheLanding(const CardSpot& card) const {
        const int travelled = (card.top - view->SpawnY()) * Direction();
        const int toTheStacks = (view->BaseY() - view->SpawnY()) * Direction();
        return card.column >= 0 && travelled >= 0 && travelled < toTheStacks &&
               travelled % BoardView::TickPixels == 0;
    }

    CardSpot spot = {-1, -1};
};

TEST_F(KeyboardTest, ArrowKeysAndSpaceMoveSwapAndDropTheCard) {
    StartGame(1);
    Play({{VK_LEFT, "Left", Action::MoveLeft},
          {VK_RIGHT, "Right", Action::MoveRight},
          {VK_RIGHT, "Right", Action::MoveRight},
          {VK_SPACE, "Space", Action::Swap},
          {VK_UP, "Up", Action::Swap},
          {VK_DOWN, "Down", Action::Drop}});
}

TEST_F(KeyboardTest, NumericKeypadKeysMoveSwapAndDropTheCard) {
    StartGame(1);
    Play({{VK_NUMPAD4, "NumPad 4", Action::MoveLeft},
          {VK_NUMPAD6, "NumPad 6", Action::MoveRight},
          {VK_NUMPAD6, "NumPad 6", Action::MoveRight},
          {VK_NUMPAD5, "NumPad 5", Action::Swap},
          {VK_NUMPAD8, "NumPad 8", Action::Swap},
          {VK_NUMPAD2, "NumPad 2", Action::Drop}});
}

TEST_F(KeyboardTest, ThreeSwapsBringTheFirstCardBack) {
    StartGame(1);
    const uint64_t first = CardFace(spot);
    for (int i = 0; i < 3; ++i) ExpectSwap({VK_SPACE, "Space", Action::Swap});
    // Looked for where the card is now, in case a tick moved it since the last swap.
    const bool back = WaitUntil([&] {
        ClientCapture capture(game.Window().Handle());
        const CardSpot now = view->FindFallingCard(capture);
        return now.column >= 0 && capture.Fingerprint(view->CardRect(now.column, now.top)) == first;
    }, 500);
    EXPECT_TRUE(back);
}

TEST_F(KeyboardTest, MovesStopAtTheEdgesOfTheBoard) {
    StartGame(1);
    ExpectMove({VK_LEFT, "Left", Action::MoveLeft}, -1);
    ExpectMove({VK_LEFT, "Left", Action::MoveLeft}, -1);
    ASSERT_EQ(0, spot.column);
    game.Window().PostKey(VK_LEFT);
    PumpFor(300);
    ClientCapture capture(game.Window().Handle());
    EXPECT_EQ(0, view->FindFallingCard(capture).column);
}

TEST_F(KeyboardTest, UpsideDownTheStacksAreAtTheTopAndUpDrops) {
    StartGame(-1);
    EXPECT_LT(view->BaseY(), view->SpawnY());
    {
        ClientCapture capture(game.Window().Handle());
        // The empty-stack markers stand at the top: their lower border, in the last rows of the base
        // card's place, is the first edge met looking up from the entry height beside the falling card.
        const int markerBottom = view->BaseY() + view->CardHeight() - 1;
        EXPECT_NEAR(markerBottom, view->LeadingEdge(capture, 0), 2);
        EXPECT_NEAR(markerBottom, view->LeadingEdge(capture, 4), 2);
    }
    Play({{VK_LEFT, "Left", Action::MoveLeft},
          {VK_DOWN, "Down", Action::Swap},
          {VK_NUMPAD2, "NumPad 2", Action::Swap},
          {VK_UP, "Up", Action::Drop},
          {VK_NUMPAD6, "NumPad 6", Action::MoveRight},
          {VK_NUMPAD8, "NumPad 8", Action::Drop}});
}

TEST_F(KeyboardTest, UpsideDownTheCardRises) {
    StartGame(-1);
    const CardSpot start = spot;
    const CardSpot moved = game.WaitForCardToLeave(*view, start, 1500);
    EXPECT_EQ(start.column, moved.column);
    EXPECT_EQ(start.top - BoardView::TickPixels, moved.top);
}
