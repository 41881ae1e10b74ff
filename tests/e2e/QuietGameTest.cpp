// Starting the real game on quiet settings for a test and waiting for its first card.
#include "QuietGameTest.h"

void QuietGameTest::StartQuietGame(int upDown) {
    game.UseQuietSettings();
    if (upDown == -1) game.Registry().SetDword("UpDown", 0xFFFFFFFF);
    BeforeStart();
    ASSERT_TRUE(game.Start());
    view = std::make_unique<BoardView>(game.View(upDown));
    firstCard = game.WaitForFallingCard(*view, 3000);
    ASSERT_EQ(2, firstCard.column);
}
