// The stack list and the board layout: positions of the stacks, the entry point of new cards, the row
// rectangle, both directions of fall, and a repaint that lays the board out again.
#include "BoardFixture.h"
#include "support/Canvas.h"

namespace {
class LayoutTest : public BoardFixture {
protected:
    struct Geometry {
        int stackX[StackCount];
        int stackY;
        int spawnX, spawnY, homeColumn;
        RECT boardRect;
    };

    Geometry LayOut(int left, int top, int right, int bottom) {
        StackList list{CardHost()};
        list.CreateStacks();
        Geometry g = {};
        const RECT client = {left, top, right, bottom};
        list.Layout(client, g.spawnX, g.spawnY, g.homeColumn, g.boardRect);
        for (int i = 0; i < StackCount; ++i) {
            g.stackX[i] = list.At(i)->X();
            EXPECT_EQ(list.At(i)->Y(), list.At(0)->Y());
        }
        g.stackY = list.At(0)->Y();
        return g;
    }
};
}

TEST_F(LayoutTest, FiveCardsWideRowIsCentredInA452PixelClientArea) {
    const Geometry g = LayOut(0, 0, 452, 480);
    const int expectedX[StackCount] = {9, 100, 191, 282, 373};
    for (int i = 0; i < StackCount; ++i) EXPECT_EQ(g.stackX[i], expectedX[i]) << "stack " << i;
    EXPECT_EQ(g.spawnX, 191);
    EXPECT_EQ(g.homeColumn, 2);
    EXPECT_EQ(g.boardRect.left, 9);
    EXPECT_EQ(g.boardRect.right, 444);
}

TEST_F(LayoutTest, FallingDownPutsBasesLowAndEntryNearTheTop) {
    const Geometry g = LayOut(0, 0, 452, 480);
    EXPECT_EQ(g.stackY, 308);
    EXPECT_EQ(g.spawnY, 20);
    EXPECT_EQ(g.boardRect.top, 308);
    EXPECT_EQ(g.boardRect.bottom, 308 + 96);
}

TEST_F(LayoutTest, UpsideDownMirrorsTheRowAndTheEntry) {
    Settings.UpDown = -1;
    const Geometry g = LayOut(0, 0, 452, 480);
    EXPECT_EQ(g.stackY, 20);
    EXPECT_EQ(g.spawnY, 308);
    EXPECT_EQ(g.boardRect.top, 20);
    EXPECT_EQ(g.boardRect.bottom, 20 + 96);
    EXPECT_EQ(g.stackX[0], 9);
    EXPECT_EQ(g.spawnX, 191);
}

TEST_F(LayoutTest, UnusualStoredDirectionPlaysAsFallingDown) {
    for (int upDown : {0, 2, -2, 7}) {
        Settings.UpDown = upDown;
        const Geometry g = LayOut(0, 0, 452, 480);
        EXPECT_EQ(g.stackY, 308) << "UpDown " << upDown;
        EXPECT_EQ(g.spawnY, 20) << "UpDown " << upDown;
    }
}

TEST_F(LayoutTest, VerticalPlaceFollowsTheTopOfTheClientRectangleNotItsHeight) {
    const Geometry tall = LayOut(0, 10, 452, 2000);
    EXPECT_EQ(tall.stackY, 318);
    EXPECT_EQ(tall.spawnY, 30);
}

TEST_F(LayoutTest, NarrowClientAreaIsNeitherClippedNorShrunk) {
    const Geometry g = LayOut(0, 0, 200, 480);
    EXPECT_EQ(g.stackX[0], 100 - 177 - 40);
    EXPECT_EQ(g.stackX[4] - g.stackX[0], 4 * 91);
    EXPECT_EQ(g.boardRect.right - g.boardRect.left, 5 * 71 + 80);
}

TEST_F(LayoutTest, StackListGivesItsStacksInOrderAndNoneOutsideThem) {
    StackList list{CardHost()};
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.At(0), nullptr);
    list.CreateStacks();
    EXPECT_EQ(list.Count(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_NE(list.At(i), nullptr);
    EXPECT_EQ(list.At(5), nullptr);
    EXPECT_EQ(list.At(-1), nullptr);
    EXPECT_EQ(list.DistanceToLanding(0, 5), -1);
    Stack* extra = new Stack(CardHost());
    EXPECT_TRUE(list.Append(extra));
    EXPECT_EQ(list.At(5), extra);
}

TEST_F(LayoutTest, IndexedOperationsReachTheStackAtThatIndex) {
    StackList list{CardHost()};
    list.CreateStacks();
    int spawnX, spawnY, home;
    RECT rect;
    list.Layout(RECT{0, 0, 452, 480}, spawnX, spawnY, home, rect);
    list.At(3)->SetDealerHand(19, Queen);
    list.AddCard(3, new Card(CodeOf(Ace)));
    list.AddCard(3, new Card(CodeOf(Five)));
    EXPECT_EQ(list.At(3)->Count(), 2);
    EXPECT_EQ(list.At(2)->Count(), 0);
    EXPECT_EQ(list.DealerTotal(3), 19);
    EXPECT_EQ(list.DealerUpCard(3), Queen);
    EXPECT_EQ(list.Total(3, false), 6);
    EXPECT_EQ(list.Total(3, true), 16);
    EXPECT_EQ(list.HardTotal(3), 6);
    EXPECT_EQ(list.NextCardY(3), 308 - 2 * 24);
    EXPECT_EQ(list.DistanceToLanding(20, 3), 308 - 48 - 20);
    EXPECT_FALSE(list.IsFrozen(3));
}

TEST_F(LayoutTest, ClearingFiveEmptyStacksCostsNothingAndDrawsEveryMarker) {
    StackList list{CardHost()};
    list.CreateStacks();
    const RECT client = {0, 0, TestClientWidth, TestClientHeight};
    int spawnX, spawnY, homeColumn;
    RECT row;
    list.Layout(client, spawnX, spawnY, homeColumn, row);
    Canvas cleared(TestClientWidth, TestClientHeight, Settings.BackgroundColor);
    Canvas drawn(TestClientWidth, TestClientHeight, Settings.BackgroundColor);
    EXPECT_EQ(list.ClearAll(cleared), 0);
    list.DrawAll(drawn);
    EXPECT_GT(drawn.CountOtherThan(Settings.BackgroundColor), 0);
    EXPECT_EQ(cleared.Differences(drawn), 0);
}

TEST_F(LayoutTest, FirstPaintLaysTheBoardOutAndPlacesTheCard) {
    NewGame(false);
    EXPECT_EQ(board->Column(), -1);
    window.Paint();
    EXPECT_EQ(board->ClientRect().right, TestClientWidth);
    EXPECT_EQ(board->SpawnX(), 191);
    EXPECT_EQ(board->SpawnY(), 20);
    EXPECT_EQ(board->HomeColumn(), 2);
    EXPECT_EQ(board->BoardRect().left, 9);
    EXPECT_EQ(board->BoardRect().right, 444);
    EXPECT_EQ(StackAt(0).X(), 9);
    EXPECT_EQ(StackAt(4).X(), 373);
}

TEST_F(LayoutTest, RepaintOfAWiderWindowRecentresAndKeepsTheFallingCardOverItsColumn) {
    NewGame();
    board->MoveRight(Window());
    Tick(3);
    const int y = TheShoe().FallingY();
    EXPECT_EQ(y, 20 + 36);
    EXPECT_EQ(TheShoe().FallingX(), 282);

    window.SetClientSize(652, TestClientHeight);
    window.Paint();
    EXPECT_EQ(board->BoardRect().left, 109);
    EXPECT_EQ(StackAt(3).X(), 382);
    EXPECT_EQ(board->Column(), 3);
    EXPECT_EQ(TheShoe().FallingX(), 382);
    EXPECT_EQ(TheShoe().FallingY(), y);
    EXPECT_FALSE(window.gameIsOver);
}
