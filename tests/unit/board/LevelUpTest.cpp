// Levels: the 52nd landing's level-up and its order, the drop intervals, clearing and unfreezing
// stacks, the drop timer around the notice, and a paint that comes while the notice shows.
#include <windows.h>
#include <vector>
#include "BoardFixture.h"

namespace {
class LevelUpTest : public BoardFixture {
protected:
    void SetUp() override {
        BoardFixture::SetUp();
        Settings.OneDeck = 0;
    }
    void LevelUp() { board->LevelUp(Window()); }
    bool DropTimerRunning() { return KillTimer(Window(), DROP_TIMER) != 0; }
    // Stacks 1 and 3 take busting cards (K Q 5 and K Q 6) and freeze.
    void FreezeBustedStacksOneAndThree() {
        PutCards(1, {CodeOf(King), CodeOf(Queen), CodeOf(Five)});
        Freeze(1);
        PutCards(3, {CodeOf(King), CodeOf(Queen), CodeOf(Six)});
        Freeze(3);
    }
};

// Nothing collapses or freezes, and every new card comes over the middle column.
class LevelCountTest : public LevelUpTest {
protected:
    void SetUp() override {
        LevelUpTest::SetUp();
        Settings.CollapseRegime = 5;
        Settings.MinCollapse = 0;
        Settings.FreezeOnBust = 0;
        Settings.LastStack = 0;
    }
};
}

TEST_F(LevelCountTest, The52ndLandingLevelsUpBeforeTheNextCardIsPlaced) {
    NewGame();
    int cardsAtLevelUp = -1, levelAtLevelUp = -1, noticesBefore = -1;
    bool nextCardPlaced = true;
    window.beforeLevelUp = [&] {
        cardsAtLevelUp = board->CardsThisLevel();
        levelAtLevelUp = board->Level();
        noticesBefore = NoticesSeen();
        nextCardPlaced = TheShoe().FallingY() != 0;
    };
    for (int landing = 0; landing < 51; ++landing) LandInColumn(landing % 5);
    EXPECT_EQ(window.LevelUps(), 0);
    EXPECT_EQ(board->CardsThisLevel(), 51);
    LandInColumn(51 % 5);

    EXPECT_EQ(window.LevelUps(), 1);
    EXPECT_EQ(cardsAtLevelUp, 52);
    EXPECT_EQ(levelAtLevelUp, 0);
    EXPECT_EQ(noticesBefore, 0);
    EXPECT_FALSE(nextCardPlaced);
    EXPECT_EQ(NoticesSeen(), 1);
    EXPECT_EQ(board->Level(), 1);
    EXPECT_EQ(board->CardsThisLevel(), 0);
    EXPECT_EQ(Settings.DropInterval, 600);
    EXPECT_EQ(TheShoe().FallingY(), board->SpawnY());
    EXPECT_EQ(board->Column(), 2);
    EXPECT_FALSE(window.gameIsOver);
}

TEST_F(LevelCountTest, PaintDuringTheNoticeLeavesTheNoRoomEndingToTheLanding) {
    NewGame();
    bool overAfterPaint = true;
    int placedY = 0;
    window.beforeLevelUp = [&] {
        window.Paint();  // as when the notice's message loop repaints the main window
        overAfterPaint = window.gameIsOver;
        placedY = TheShoe().FallingY();
    };
    for (int landing = 0; landing < 11; ++landing) LandInColumn(2);
    for (int landing = 0; landing < 40; ++landing) LandInColumn(landing % 2 == 0 ? landing % 4 / 2 : 3 + landing % 4 / 2);
    for (int column : {0, 1, 3, 4}) ASSERT_EQ(CardsOn(column), 10);
    ASSERT_EQ(CardsOn(2), 11);
    ASSERT_FALSE(window.gameIsOver);
    LandInColumn(2);  // the 52nd card: twelve on the middle stack, where the next card comes

    EXPECT_EQ(window.LevelUps(), 1);
    EXPECT_FALSE(overAfterPaint);
    EXPECT_EQ(placedY, board->SpawnY());
    EXPECT_EQ(board->Level(), 1);
    EXPECT_TRUE(window.gameIsOver);
    EXPECT_EQ(window.lastEndReason, NoRoomForCard);
    EXPECT_EQ(TheShoe().FallingY(), board->SpawnY());
}

TEST_F(LevelCountTest, LandingThatEndsTheGameNeverLevelsUp) {
    Settings.OneDeck = 2;
    Settings.EndOnShuffle = 1;
    NewGame();
    for (int landing = 0; landing < 52; ++landing) {
        ASSERT_FALSE(window.gameIsOver) << "landing " << landing;
        LandInColumn(landing % 5);
    }
    EXPECT_TRUE(window.gameIsOver);
    EXPECT_EQ(window.lastEndReason, OutOfCards);
    EXPECT_EQ(board->CardsThisLevel(), 52);
    EXPECT_EQ(board->Level(), 0);
    EXPECT_EQ(window.LevelUps(), 0);
    EXPECT_EQ(NoticesSeen(), 0);
}

TEST_F(LevelUpTest, GetFasterShortensTheIntervalAndStartsOverBelow75) {
    NewGame();
    const std::vector<int> expected = {600, 400, 200, 150, 112, 84, 63, 200, 150};
    for (size_t i = 0; i < expected.size(); ++i) {
        LevelUp();
        EXPECT_EQ(Settings.DropInterval, expected[i]) << "level-up " << i + 1;
    }
    EXPECT_EQ(board->Level(), 9);
    EXPECT_EQ(NoticesSeen(), 9);
}

TEST_F(LevelUpTest, WithoutGetFasterTheIntervalStaysAndTheLevelStillRises) {
    Settings.GetFaster = 0;
    NewGame();
    LevelUp();
    LevelUp();
    EXPECT_EQ(Settings.DropInterval, 800);
    EXPECT_EQ(board->Level(), 2);
    EXPECT_EQ(NoticesSeen(), 2);
    EXPECT_DOUBLE_EQ(board->ScoreMultiplier(), 2.0);
}

TEST_F(LevelUpTest, NewBoardStartsAt800AndLevel0) {
    Settings.DropInterval = 63;
    NewGame(false);
    EXPECT_EQ(Settings.DropInterval, 800);
    EXPECT_EQ(board->Level(), 0);
    EXPECT_EQ(board->CardsThisLevel(), 0);
    EXPECT_EQ(board->GetWinnings(), 0);
}

TEST_F(LevelUpTest, ClearStacksChargesTheCardPointsOfEveryStack) {
    Settings.ClearStacks = 1;
    Settings.FreezeOnBust = 0;
    Settings.DealerOption = 3;  // a multiplier of 3.0, which the clearing charge ignores
    NewGame();
    PutCards(0, {CodeOf(Ace), CodeOf(Five), CodeOf(King)});
    PutCards(4, {CodeOf(Ten, 2)});
    StackAt(0).SetDealerHand(19, Four);
    LevelUp();
    EXPECT_EQ(board->GetWinnings(), -(15 + 5 + 10) - 10);
    for (int column = 0; column < StackCount; ++column) EXPECT_EQ(CardsOn(column), 0);
    EXPECT_EQ(StackAt(0).DealerTotal(), 19);  // clearing deals no new hand
}

TEST_F(LevelUpTest, OnlyTheLowestFrozenStackThawsAndClearedFrozenStacksStayFrozen) {
    Settings.ClearStacks = 1;
    Settings.FreezeOnBust = 1;
    NewGame();
    FreezeBustedStacksOneAndThree();
    LevelUp();
    EXPECT_FALSE(StackAt(1).IsFrozen());
    EXPECT_TRUE(StackAt(3).IsFrozen());
    EXPECT_EQ(CardsOn(1), 0);
    EXPECT_EQ(CardsOn(3), 0);
    // Cleared before the thaw, so both stacks are charged: K Q and a small card, and the face-down card,
    // whose code is an ace.
    EXPECT_EQ(board->GetWinnings(), -2 * (10 + 10 + 5 + 15));
    LevelUp();
    EXPECT_FALSE(StackAt(3).IsFrozen());
}

TEST_F(LevelUpTest, ThawWithoutClearingRemovesTheCardsOfOneStackForNothing) {
    Settings.FreezeOnBust = 1;
    NewGame();
    FreezeBustedStacksOneAndThree();
    LevelUp();
    EXPECT_FALSE(StackAt(1).IsFrozen());
    EXPECT_EQ(CardsOn(1), 0);
    EXPECT_TRUE(StackAt(3).IsFrozen());
    EXPECT_EQ(CardsOn(3), 4);
    EXPECT_EQ(board->GetWinnings(), 0);
}

TEST_F(LevelUpTest, DropTimerRestartsOnlyWhileTheGameRunsUnpaused) {
    NewGame();
    window.paused = false;
    window.gameIsOver = false;
    SetTimer(Window(), DROP_TIMER, 800, nullptr);
    LevelUp();
    EXPECT_TRUE(DropTimerRunning());

    window.paused = true;
    SetTimer(Window(), DROP_TIMER, 800, nullptr);
    LevelUp();
    EXPECT_FALSE(DropTimerRunning());

    window.paused = false;
    window.gameIsOver = true;
    SetTimer(Window(), DROP_TIMER, 800, nullptr);
    LevelUp();
    EXPECT_FALSE(DropTimerRunning());
}
